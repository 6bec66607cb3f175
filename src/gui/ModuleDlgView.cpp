#include "ModuleDlgView.h"

#include "core/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivex::gui {

ModuleDlgView::ModuleDlgView(const char* title, const std::vector<DialogField>& fields,
                             Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_fields(fields, this) {
  setWindowTitle(QString::fromUtf8(title));
}

int ModuleDlgView::Run() {
  const int code = exec();
  return code == QDialog::Rejected ? kResultCancel : code;
}

QFormLayout* ModuleDlgView::FieldForm(std::initializer_list<FieldRow> rows) const {
  auto* form = new QFormLayout;
  for (const FieldRow& row : rows) {
    AddFieldRow(form, m_fields, row.key, row.unit);
  }
  return form;
}

void ModuleDlgView::Arrange(QLayout* inputs, std::initializer_list<FieldRow> results,
                            bool outputEnabled, ReportEdits report) {
  auto* resultGroup = new QGroupBox(QStringLiteral("Results"), this);
  resultGroup->setLayout(FieldForm(results));

  auto* box = new QDialogButtonBox(this);
  QPushButton* calculate =
      box->addButton(QStringLiteral("Calculate"), QDialogButtonBox::AcceptRole);
  calculate->setDefault(true);
  box->addButton(QDialogButtonBox::Cancel);
  QPushButton* print = box->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
  QPushButton* createReport =
      box->addButton(QStringLiteral("Create Report"), QDialogButtonBox::ActionRole);
  print->setEnabled(outputEnabled);
  createReport->setEnabled(outputEnabled);
  connect(calculate, &QPushButton::clicked, this, [this] { StoreAndClose(kResultOk); });
  connect(box, &QDialogButtonBox::rejected, this, &ModuleDlgView::reject);
  connect(print, &QPushButton::clicked, this, [this] { done(kResultPrint); });
  connect(createReport, &QPushButton::clicked, this, [this, report] {
    if (report == ReportEdits::Stored) {
      StoreAndClose(kResultCreateReport);
    } else {
      done(kResultCreateReport);
    }
  });

  auto* groups = new QHBoxLayout;
  groups->addLayout(inputs);
  groups->addWidget(resultGroup, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ModuleDlgView::StoreAndClose(int code) {
  if (const std::optional<FieldRefusal> refusal = StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  done(code);
}

} // namespace lumivex::gui

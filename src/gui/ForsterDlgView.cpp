#include "ForsterDlgView.h"

#include "core/Prompts.h"
#include "modules/ForsterDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace lumivex::gui {

namespace {

// A form of the given number fields, each under its label's text.
QFormLayout* FieldForm(const FieldEdits& edits, std::initializer_list<const char*> keys) {
  auto* form = new QFormLayout;
  for (const char* key : keys) {
    AddFieldRow(form, edits, key);
  }
  return form;
}

} // namespace

ForsterDlgView::ForsterDlgView(CForsterDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kForsterCaption));

  auto* inputs = new QGroupBox(QStringLiteral("Input Parameters"), this);
  auto* inputColumn = new QVBoxLayout(inputs);
  for (const char* name : {"donorName", "acceptorName"}) {
    m_fields.Edit(name)->setMinimumWidth(220);
  }
  inputColumn->addLayout(FieldForm(m_fields, {"donorName", "acceptorName"}));
  inputColumn->addLayout(
      FieldForm(m_fields, {"refractiveIndex", "kappa2", "distance", "lifetime"}));
  auto* database = new QGroupBox(QStringLiteral("Database"), inputs);
  database->setLayout(
      FieldForm(m_fields, {"epsilon", "epsilonWavelength", "quantumYield", "low", "high"}));
  inputColumn->addWidget(database);

  auto* results = new QGroupBox(QStringLiteral("Results"), this);
  results->setLayout(
      FieldForm(m_fields, {"overlap", "forsterDistance", "efficiency", "rate", "dexter"}));

  const ModuleButtons buttons = AddModuleButtons(this, dlg.OutputEnabled());
  m_print = buttons.print;
  m_report = buttons.report;
  connect(buttons.calculate, &QPushButton::clicked, this, &ForsterDlgView::Calculate);
  connect(buttons.box, &QDialogButtonBox::rejected, this, &ForsterDlgView::reject);
  connect(m_print, &QPushButton::clicked, this, [this] { done(kResultPrint); });
  connect(m_report, &QPushButton::clicked, this, [this] { done(kResultCreateReport); });

  auto* groups = new QHBoxLayout;
  groups->addWidget(inputs);
  groups->addWidget(results, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(buttons.box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int ForsterDlgView::Run() {
  const int code = exec();
  return code == QDialog::Rejected ? kResultCancel : code;
}

void ForsterDlgView::Calculate() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  done(kResultOk);
}

} // namespace lumivex::gui

#include "DipoleDlgView.h"

#include "core/Prompts.h"
#include "modules/DipoleDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivex::gui {

DipoleDlgView::DipoleDlgView(CDipoleDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kDipoleDlgTitle));

  auto* inputs = new QGroupBox(QStringLiteral("Input Parameters"), this);
  auto* inputColumn = new QVBoxLayout(inputs);
  auto* range = new QFormLayout;
  AddFieldRow(range, m_fields, "low");
  AddFieldRow(range, m_fields, "high");
  inputColumn->addLayout(range);
  QLabel* manualText = m_fields.Label("manual");
  manualText->setWordWrap(true);
  auto* manualLine = new QHBoxLayout;
  manualLine->addWidget(m_fields.Check("manual"), 0, Qt::AlignTop);
  manualLine->addWidget(manualText, 1);
  inputColumn->addLayout(manualLine);

  auto* database = new QGroupBox(QStringLiteral("Database"), this);
  auto* databaseForm = new QFormLayout(database);
  AddFieldRow(databaseForm, m_fields, "compound");
  AddFieldRow(databaseForm, m_fields, "epsilon", "M⁻¹ cm⁻¹");
  AddFieldRow(databaseForm, m_fields, "epsilonWavelength");

  auto* results = new QGroupBox(QStringLiteral("Results"), this);
  auto* resultForm = new QFormLayout(results);
  AddFieldRow(resultForm, m_fields, "dipoleDebye");
  AddFieldRow(resultForm, m_fields, "dipoleCm", "(C m)");
  AddFieldRow(resultForm, m_fields, "oscillatorStrength");

  const ModuleButtons buttons = AddModuleButtons(this, dlg.m_outputEnabled);
  connect(buttons.calculate, &QPushButton::clicked, this, [this] { StoreAndClose(kResultOk); });
  connect(buttons.box, &QDialogButtonBox::rejected, this, &DipoleDlgView::reject);
  connect(buttons.print, &QPushButton::clicked, this, [this] { done(kResultPrint); });
  connect(buttons.report, &QPushButton::clicked, this,
          [this] { StoreAndClose(kResultCreateReport); });

  auto* left = new QVBoxLayout;
  left->addWidget(inputs);
  left->addWidget(database);
  auto* groups = new QHBoxLayout;
  groups->addLayout(left);
  groups->addWidget(results, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(buttons.box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int DipoleDlgView::Run() {
  const int code = exec();
  return code == QDialog::Rejected ? kResultCancel : code;
}

void DipoleDlgView::StoreAndClose(int code) {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  done(code);
}

} // namespace lumivex::gui

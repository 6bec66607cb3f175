#include "StrickleDlgView.h"

#include "core/Prompts.h"
#include "modules/StrickleDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivex::gui {

namespace {

QLineEdit* ShownText(const char* name, const std::string& text, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  edit->setMinimumWidth(200);
  return edit;
}

} // namespace

StrickleDlgView::StrickleDlgView(CStrickleDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kStrickleDlgTitle));

  auto* inputs = new QGroupBox(QStringLiteral("Input parameters"), this);
  auto* inputColumn = new QVBoxLayout(inputs);
  auto* names = new QFormLayout;
  names->addRow(QStringLiteral("Compound"), ShownText("compound", dlg.m_compound, inputs));
  names->addRow(QStringLiteral("Solvent"), ShownText("solvent", dlg.m_solvent, inputs));
  inputColumn->addLayout(names);
  auto* band = new QFormLayout;
  AddFieldRow(band, m_fields, "low");
  AddFieldRow(band, m_fields, "high");
  AddFieldRow(band, m_fields, "refractiveIndex");
  inputColumn->addLayout(band);
  auto* database = new QGroupBox(QStringLiteral("Database"), inputs);
  auto* databaseForm = new QFormLayout(database);
  AddFieldRow(databaseForm, m_fields, "epsilon", "ε (M⁻¹ cm⁻¹)");
  AddFieldRow(databaseForm, m_fields, "epsilonWavelength");
  AddFieldRow(databaseForm, m_fields, "quantumYield", "Φ");
  inputColumn->addWidget(database);

  auto* results = new QGroupBox(QStringLiteral("Results"), this);
  auto* resultForm = new QFormLayout(results);
  AddFieldRow(resultForm, m_fields, "integral", "∫ε d(ln ν)");
  AddFieldRow(resultForm, m_fields, "mean", "⟨ν⁻³⟩⁻¹ (cm⁻³)");
  AddFieldRow(resultForm, m_fields, "rate", "(1/s)");
  AddFieldRow(resultForm, m_fields, "naturalLifetime", "(ns)");
  AddFieldRow(resultForm, m_fields, "lifetime", "(ns)");

  const ModuleButtons buttons = AddModuleButtons(this, dlg.m_outputEnabled);
  connect(buttons.calculate, &QPushButton::clicked, this, [this] { StoreAndClose(kResultOk); });
  connect(buttons.box, &QDialogButtonBox::rejected, this, &StrickleDlgView::reject);
  connect(buttons.print, &QPushButton::clicked, this, [this] { done(kResultPrint); });
  connect(buttons.report, &QPushButton::clicked, this,
          [this] { StoreAndClose(kResultCreateReport); });

  auto* groups = new QHBoxLayout;
  groups->addWidget(inputs);
  groups->addWidget(results, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(buttons.box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int StrickleDlgView::Run() {
  const int code = exec();
  return code == QDialog::Rejected ? kResultCancel : code;
}

void StrickleDlgView::StoreAndClose(int code) {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  done(code);
}

} // namespace lumivex::gui

#include "StrickleDlgView.h"

#include "modules/StrickleDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumivex::gui {

namespace {

QLineEdit* ShownText(const char* name, const std::string& text, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setObjectName(QString::fromLatin1(name));
  ShowAsReadOnly(edit);
  edit->setMinimumWidth(200);
  return edit;
}

} // namespace

StrickleDlgView::StrickleDlgView(CStrickleDlg& dlg, Prompts& prompts, QWidget* parent)
    : ModuleDlgView(kStrickleDlgTitle, dlg.Fields(), prompts, parent), m_dlg(dlg) {
  auto* inputs = new QGroupBox(QStringLiteral("Input parameters"), this);
  auto* inputColumn = new QVBoxLayout(inputs);
  auto* names = new QFormLayout;
  names->addRow(QStringLiteral("Compound"), ShownText("compound", dlg.m_compound, inputs));
  names->addRow(QStringLiteral("Solvent"), ShownText("solvent", dlg.m_solvent, inputs));
  inputColumn->addLayout(names);
  inputColumn->addLayout(FieldForm({{"low"}, {"high"}, {"refractiveIndex"}}));
  auto* database = new QGroupBox(QStringLiteral("Database"), inputs);
  database->setLayout(
      FieldForm({{"epsilon", "ε (M⁻¹ cm⁻¹)"}, {"epsilonWavelength"}, {"quantumYield", "Φ"}}));
  inputColumn->addWidget(database);

  auto* left = new QVBoxLayout;
  left->addWidget(inputs);
  Arrange(left,
          {{"integral", "∫ε d(ln ν)"},
           {"mean", "⟨ν⁻³⟩⁻¹ (cm⁻³)"},
           {"rate", "(1/s)"},
           {"naturalLifetime", "(ns)"},
           {"lifetime", "(ns)"}},
          dlg.m_outputEnabled, ReportEdits::Stored);
}

std::optional<FieldRefusal> StrickleDlgView::StoreFields(const FieldTexts& texts) {
  return m_dlg.StoreFields(texts);
}

} // namespace lumivex::gui

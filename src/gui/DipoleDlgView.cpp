#include "DipoleDlgView.h"

#include "modules/DipoleDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace lumivex::gui {

DipoleDlgView::DipoleDlgView(CDipoleDlg& dlg, Prompts& prompts, QWidget* parent)
    : ModuleDlgView(kDipoleDlgTitle, dlg.Fields(), prompts, parent), m_dlg(dlg) {
  auto* inputs = new QGroupBox(QStringLiteral("Input Parameters"), this);
  auto* inputColumn = new QVBoxLayout(inputs);
  inputColumn->addLayout(FieldForm({{"low"}, {"high"}}));
  QLabel* manualText = Fields().Label("manual");
  manualText->setWordWrap(true);
  auto* manualLine = new QHBoxLayout;
  manualLine->addWidget(Fields().Check("manual"), 0, Qt::AlignTop);
  manualLine->addWidget(manualText, 1);
  inputColumn->addLayout(manualLine);

  auto* database = new QGroupBox(QStringLiteral("Database"), this);
  database->setLayout(FieldForm({{"compound"}, {"epsilon", "M⁻¹ cm⁻¹"}, {"epsilonWavelength"}}));

  auto* left = new QVBoxLayout;
  left->addWidget(inputs);
  left->addWidget(database);
  Arrange(left, {{"dipoleDebye"}, {"dipoleCm", "(C m)"}, {"oscillatorStrength"}},
          dlg.m_outputEnabled, ReportEdits::Stored);
}

std::optional<FieldRefusal> DipoleDlgView::StoreFields(const FieldTexts& texts) {
  return m_dlg.StoreFields(texts);
}

} // namespace lumivex::gui

#include "ForsterDlgView.h"

#include "modules/ForsterDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumivex::gui {

ForsterDlgView::ForsterDlgView(CForsterDlg& dlg, Prompts& prompts, QWidget* parent)
    : ModuleDlgView(kForsterCaption, dlg.Fields(), prompts, parent), m_dlg(dlg) {
  auto* inputs = new QGroupBox(QStringLiteral("Input Parameters"), this);
  auto* inputColumn = new QVBoxLayout(inputs);
  for (const char* name : {"donorName", "acceptorName"}) {
    Fields().Edit(name)->setMinimumWidth(220);
  }
  inputColumn->addLayout(FieldForm({{"donorName"}, {"acceptorName"}}));
  inputColumn->addLayout(FieldForm({{"refractiveIndex"}, {"kappa2"}, {"distance"}, {"lifetime"}}));
  auto* database = new QGroupBox(QStringLiteral("Database"), inputs);
  database->setLayout(
      FieldForm({{"epsilon"}, {"epsilonWavelength"}, {"quantumYield"}, {"low"}, {"high"}}));
  inputColumn->addWidget(database);

  auto* left = new QVBoxLayout;
  left->addWidget(inputs);
  Arrange(left, {{"overlap"}, {"forsterDistance"}, {"efficiency"}, {"rate"}, {"dexter"}},
          dlg.OutputEnabled(), ReportEdits::Dropped);
}

std::optional<FieldRefusal> ForsterDlgView::StoreFields(const FieldTexts& texts) {
  return m_dlg.StoreFields(texts);
}

} // namespace lumivex::gui

#include "DialogViews.h"
#include "DatabaseView.h"
#include "DipoleDlgView.h"
#include "ExSimulationDlgView.h"
#include "FakePrompts.h"
#include "ForsterDlgView.h"
#include "GraphSettingDlgView.h"
#include "MultipleComponentDlgView.h"
#include "QtPrompts.h"
#include "SimulResultDlgView.h"
#include "StrickleDlgView.h"
#include "TransSimView.h"
#include "UsernameView.h"
#include "WizChooseView.h"
#include "WizardView.h"
#include "database/StructureDlg.h"
#include "database/Username.h"
#include "database/Wizard.h"
#include "modules/DipoleDlg.h"
#include "modules/EnergyTransferDlg.h"
#include "modules/ForsterDlg.h"
#include "modules/MultipleComponentDlg.h"
#include "modules/StrickleDlg.h"
#include "modules/Transmission.h"
#include "ui/GraphSettingDlg.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace lumivex {
namespace {

// Runs the model through the program's prompts and answers whether the dialog that showed
// it is a View. The dialog is then closed with `close`, or rejected; `result` is what
// RunDialog answered.
template <typename View>
bool ShownIn(gui::QtPrompts& prompts, CDialogModel& model, int& result,
             void (*close)(View&) = nullptr) {
  bool shown = false;
  QTimer::singleShot(0, [&shown, close] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* view = qobject_cast<View*>(modal);
    shown = view != nullptr;
    if (view != nullptr && close != nullptr) {
      close(*view);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    }
  });
  result = prompts.RunDialog(model);
  return shown;
}

template <typename View> bool ShownIn(gui::QtPrompts& prompts, CDialogModel& model) {
  int result = 0;
  const bool shown = ShownIn<View>(prompts, model, result);
  EXPECT_EQ(result, kResultCancel) << model.ClassName();
  return shown;
}

TEST(DialogViews, EveryDialogOfTheProgramOpensInItsOwnView) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  test::FakePrompts wizardPrompts;
  CGraphSettingDlg graph;
  CSortDB sort;
  CWizChoose choose;
  CWizard wizard(wizardPrompts);
  CUsername user;
  CForsterDlg forster;
  CDipoleDlg dipole;
  CStrickleDlg strickle;
  CTransSim transmission;
  const CSpectrum component;
  const std::vector<const CSpectrum*> components = {&component, &component};
  CMCAiputDlg mcaInput(components);
  CMultipleAnalysisDlg mcaResults;
  CExSimulationDlg transferInput(3);
  CSimulResultDlg transferResults({EnergyTransferRecord{}}, {"Dye A"}, 0.0f);
  EXPECT_TRUE(ShownIn<gui::GraphSettingDlgView>(prompts, graph));
  EXPECT_TRUE(ShownIn<gui::SortDBView>(prompts, sort));
  EXPECT_TRUE(ShownIn<gui::WizChooseView>(prompts, choose));
  EXPECT_TRUE(ShownIn<gui::WizardView>(prompts, wizard));
  EXPECT_TRUE(ShownIn<gui::UsernameView>(prompts, user));
  EXPECT_TRUE(ShownIn<gui::ForsterDlgView>(prompts, forster));
  EXPECT_TRUE(ShownIn<gui::DipoleDlgView>(prompts, dipole));
  EXPECT_TRUE(ShownIn<gui::StrickleDlgView>(prompts, strickle));
  EXPECT_TRUE(ShownIn<gui::TransSimView>(prompts, transmission));
  EXPECT_TRUE(ShownIn<gui::MCAiputDlgView>(prompts, mcaInput));
  EXPECT_TRUE(ShownIn<gui::MultipleAnalysisDlgView>(prompts, mcaResults));
  EXPECT_TRUE(ShownIn<gui::ExSimulationDlgView>(prompts, transferInput));
  EXPECT_TRUE(ShownIn<gui::SimulResultDlgView>(prompts, transferResults));
}

TEST(DialogViews, TheButtonThatClosedTheViewIsTheAnswer) {
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  CForsterDlg forster;
  int result = 0;
  ASSERT_TRUE(ShownIn<gui::ForsterDlgView>(prompts, forster, result, [](gui::ForsterDlgView& view) {
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
      if (button->text() == QStringLiteral("Print")) {
        button->setEnabled(true);
        button->click();
      }
    }
  }));
  EXPECT_EQ(result, kResultPrint);

  CTransSim transmission;
  ASSERT_TRUE(ShownIn<gui::TransSimView>(prompts, transmission, result,
                                         [](gui::TransSimView& view) { view.accept(); }));
  EXPECT_EQ(result, kResultOk);
}

// A dialog model that no view was made for.
class CUnshownDlg : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CUnshownDlg"; }
};

// A model whose name is that of a dialog with a view: the name does not choose the view.
class CNamedLikeForster : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CForsterDlg"; }
};

TEST(DialogViewsDeathTest, AModelWithoutAViewIsAFaultNotACancel) {
  CForsterDlg forster;
  EXPECT_NE(gui::DialogViewRegistry::Program().Find(forster), nullptr);
  CUnshownDlg unshown;
  CNamedLikeForster named;
  EXPECT_EQ(gui::DialogViewRegistry::Program().Find(unshown), nullptr);
  EXPECT_EQ(gui::DialogViewRegistry::Program().Find(named), nullptr);

  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QWidget parent;
  gui::QtPrompts prompts(parent, QString());
  EXPECT_DEATH(prompts.RunDialog(unshown),
               "No view is registered for the dialog model CUnshownDlg");
}

} // namespace
} // namespace lumivex

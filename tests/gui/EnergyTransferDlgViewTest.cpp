#include "DialogTestSupport.h"
#include "ExSimulationDlgView.h"
#include "FakePrompts.h"
#include "SimulResultDlgView.h"
#include "TestSupport.h"
#include "modules/EnergyTransfer.h"
#include "modules/EnergyTransferDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::Button;
using test::Edit;
using test::FakePrompts;
using test::RunWhile;

QCheckBox* Check(const QWidget& view, const char* name) {
  return view.findChild<QCheckBox*>(QString::fromLatin1(name));
}

QStringList Items(const QWidget& view) {
  QStringList items;
  const auto* list = view.findChild<QListWidget*>(QStringLiteral("wavelengthList"));
  for (int i = 0; list != nullptr && i < list->count(); ++i) {
    items.append(list->item(i)->text());
  }
  return items;
}

TEST(ExSimulationDlgViewTest, FirstShowingTogglesReverseAnalysisAndWaitsForTheExcitation) {
  for (const int selected : {2, 3}) {
    SCOPED_TRACE(selected);
    CExSimulationDlg dlg(selected);
    FakePrompts prompts;
    gui::ExSimulationDlgView view(dlg, prompts);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Energy Transfer Simulation"));
    EXPECT_EQ(Check(view, "reverse")->text(), QStringLiteral("Reverse Analysis"));
    QStringList labels;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
      labels.append(label->text());
    }
    for (const char* text : kTransferNotes) {
      EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
    }
    for (const char* key : {"transfer", "epsilon", "quantumYield", "wavelength"}) {
      EXPECT_FALSE(Edit(view, key)->isEnabled()) << key;
    }
    EXPECT_FALSE(Button(view, QStringLiteral("------>"))->isEnabled());
    EXPECT_TRUE(Edit(view, "excitation")->isEnabled());
    EXPECT_TRUE(Edit(view, "displayed")->isReadOnly());

    const int result = RunWhile(view, [&] {
      Check(view, "reverse")->click();
      // Two selected spectra leave no chain beside a measured one: the box stays off.
      EXPECT_EQ(Check(view, "reverse")->isChecked(), selected == 3);
      EXPECT_EQ(Edit(view, "displayed")->text(), QStringLiteral("2"));
      Button(view, QStringLiteral("Next"))->click();
      EXPECT_TRUE(view.isVisible()) << "Next waits for an excitation wavelength";
      Edit(view, "excitation")->setText(QStringLiteral("1200"));
      Button(view, QStringLiteral("Next"))->click();
      EXPECT_TRUE(view.isVisible());
      EXPECT_TRUE(Edit(view, "excitation")->hasFocus());
      Edit(view, "excitation")->setText(QStringLiteral("420"));
      Button(view, QStringLiteral("Next"))->click();
    });
    EXPECT_EQ(result, kResultOk);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Please enter a number between 0 and 1000.");
    EXPECT_EQ(dlg.m_excitation, 420.0f);
    EXPECT_EQ(dlg.m_reverse, selected == 3);
  }
}

TEST(ExSimulationDlgViewTest, AComponentShowingInReverseModeCollectsWavelengths) {
  CExSimulationDlg dlg(3);
  dlg.OnReverseAnalysis();
  ASSERT_TRUE(dlg.OnNext({{"excitation", "420"}}).close);
  CSpectrum dye;
  dye.m_name = "Dye A";
  CSpectrum next;
  next.m_name = "Dye B";
  ASSERT_TRUE(dlg.BeginComponent(dye, &next, ""));
  dlg.m_wavelength = 450.0f;
  FakePrompts prompts;
  gui::ExSimulationDlgView view(dlg, prompts);
  EXPECT_EQ(Edit(view, "name")->text(), QStringLiteral("Dye A"));
  EXPECT_EQ(Edit(view, "nextName")->text(), QStringLiteral("Dye B"));
  EXPECT_TRUE(Edit(view, "name")->isReadOnly());
  EXPECT_EQ(Edit(view, "transfer")->text(), QStringLiteral("0.5"));
  EXPECT_FALSE(Edit(view, "excitation")->isEnabled());
  EXPECT_FALSE(Check(view, "reverse")->isEnabled());
  EXPECT_TRUE(Button(view, QStringLiteral("------>"))->isEnabled());

  const int result = RunWhile(view, [&] {
    Button(view, QStringLiteral("------>"))->click();
    Edit(view, "wavelength")->setText(QStringLiteral("480"));
    QTest::keyClick(Edit(view, "wavelength"), Qt::Key_Return);
    EXPECT_TRUE(view.isVisible()) << "Return adds the wavelength; it does not close";
    EXPECT_EQ(Items(view), (QStringList{"450.00     Dye A", "480.00     Dye A"}));
    Edit(view, "transfer")->setText(QStringLiteral("1.5"));
    Button(view, QStringLiteral("Next"))->click();
    EXPECT_TRUE(view.isVisible());
    Edit(view, "transfer")->setText(QStringLiteral("0.4"));
    Button(view, QStringLiteral("Next"))->click();
  });
  EXPECT_EQ(result, kResultOk);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please enter a number between 0 and 1.");
  EXPECT_EQ(dlg.m_wavelengths.Wavelengths(), (std::vector<float>{450.0f, 480.0f}));
  EXPECT_EQ(dlg.Record().transfer, 0.4f);
}

TEST(SimulResultDlgViewTest, NextStepsAlongTheChainAndEachButtonClosesWithItsCode) {
  const EnergyTransferResult forward =
      SimulateForward({{1.0f, 0.5f, 1000.0f, 0, 0, 400.0f}, {1.0f, 0.0f, 1000.0f, 0, 0, 400.0f}});
  struct Case {
    QString button;
    int code;
  };
  for (const Case& c :
       {Case{QStringLiteral("Close"), kResultOk}, Case{QStringLiteral("Print"), kResultPrint},
        Case{QStringLiteral("Create Report"), kResultCreateReport}}) {
    CSimulResultDlg dlg(forward.chain, {"Dye A", "Dye B"}, forward.endToEnd);
    gui::SimulResultDlgView view(dlg);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Energy Transfer Simulation - Results"));
    EXPECT_EQ(Edit(view, "name")->text(), QStringLiteral("Dye A"));
    EXPECT_EQ(Edit(view, "transfer")->text(), QStringLiteral("0.5"));
    EXPECT_EQ(Edit(view, "emissionEnergy")->text(), QStringLiteral("0.25"));
    EXPECT_TRUE(Edit(view, "emissionEnergy")->isReadOnly());
    EXPECT_TRUE(Button(view, QStringLiteral("Print"))->isEnabled());
    const int result = RunWhile(view, [&] {
      Button(view, QStringLiteral("Next"))->click();
      Button(view, QStringLiteral("Next"))->click();
      EXPECT_EQ(Edit(view, "name")->text(), QStringLiteral("Dye B"));
      EXPECT_EQ(Edit(view, "excitationTotal")->text(), QStringLiteral("0.75"));
      Button(view, c.button)->click();
    });
    EXPECT_EQ(result, c.code) << c.button.toStdString();
  }
}

} // namespace
} // namespace lumivex

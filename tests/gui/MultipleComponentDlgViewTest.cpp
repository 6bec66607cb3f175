#include "MultipleComponentDlgView.h"
#include "DialogTestSupport.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "modules/MultipleComponentDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace lumivex {
namespace {

using test::Button;
using test::Edit;
using test::FakePrompts;
using test::MakeSpectrum;
using test::RunWhile;

QStringList Items(const QWidget& view, const char* name) {
  QStringList items;
  const auto* list = view.findChild<QListWidget*>(QString::fromLatin1(name));
  for (int i = 0; list != nullptr && i < list->count(); ++i) {
    items.append(list->item(i)->text());
  }
  return items;
}

CSpectrum Component(const std::string& name, float peak, SpectrumKind kind) {
  CSpectrum spectrum = MakeSpectrum(peak - 50.0f, 1.0f, 101, [peak](float x) {
    return 1.0 / (1.0 + (x - peak) * (x - peak) / 100.0);
  });
  spectrum.m_name = name;
  spectrum.m_kind = kind;
  return spectrum;
}

class McaInputViewTest : public ::testing::Test {
protected:
  const CSpectrum perylene = Component("Perylene", 436.0f, SpectrumKind::Emission);
  const CSpectrum coumarin = Component("Coumarin 153", 530.0f, SpectrumKind::Emission);
  const std::vector<const CSpectrum*> components = {&perylene, &coumarin};
  CMCAiputDlg dlg{components};
  FakePrompts prompts;
};

TEST_F(McaInputViewTest, WalksTheComponentsAndCollectsTheWavelengths) {
  gui::MCAiputDlgView view(dlg, prompts);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Multiple Component Analysis - Input Parameters"));
  EXPECT_EQ(Edit(view, "component")->text(), QStringLiteral("Perylene"));
  EXPECT_TRUE(Edit(view, "component")->isReadOnly());
  EXPECT_EQ(Edit(view, "fraction")->text(), QStringLiteral("0.5"));
  EXPECT_EQ(Edit(view, "wavelength")->text(), QStringLiteral("436"));
  QStringList labels;
  for (const QLabel* label : view.findChildren<QLabel*>()) {
    labels.append(label->text());
  }
  for (const char* text :
       {"Component fraction (optional)", "Wavelength (nm) selections", "Concentration (abs only)",
        "Load wavelength selection",
        "Note - Make sure that the first data file in the data list is the composite spectrum."}) {
    EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
  }

  const int result = RunWhile(view, [&] {
    Button(view, QStringLiteral("------>"))->click();
    Edit(view, "wavelength")->setText(QStringLiteral("4x0"));
    Button(view, QStringLiteral("------>"))->click();
    // Refused: the list stays and the cursor is on the wavelength.
    EXPECT_EQ(Items(view, "wavelengthList"), QStringList{"436.00     Perylene"});
    EXPECT_TRUE(Edit(view, "wavelength")->hasFocus());
    Edit(view, "wavelength")->setText(QStringLiteral("470"));
    QTest::keyClick(Edit(view, "wavelength"), Qt::Key_Return);
    EXPECT_TRUE(view.isVisible()); // Return adds the wavelength; it does not finish
    Edit(view, "fraction")->setText(QStringLiteral("0.25"));
    Button(view, QStringLiteral("Next"))->click();
    EXPECT_EQ(Edit(view, "component")->text(), QStringLiteral("Coumarin 153"));
    EXPECT_EQ(Edit(view, "fraction")->text(), QStringLiteral("0.5"));
    EXPECT_FALSE(Button(view, QStringLiteral("Next"))->isEnabled());
    Button(view, QStringLiteral("------>"))->click();
    Button(view, QStringLiteral("Finish"))->click();
  });
  EXPECT_EQ(result, kResultOk);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please enter a number.");
  EXPECT_EQ(dlg.Wavelengths().Wavelengths(), (std::vector<float>{436.0f, 470.0f, 530.0f}));
  EXPECT_EQ(dlg.Inputs()[0].fraction, 0.25f);
  EXPECT_EQ(dlg.Inputs()[1].fraction, 0.5f);
}

TEST_F(McaInputViewTest, AFullListAndAnEmptyOneAreRefusedWithAMessage) {
  gui::MCAiputDlgView view(dlg, prompts);
  const int result = RunWhile(view, [&] {
    Button(view, QStringLiteral("Finish"))->click();
    EXPECT_TRUE(view.isVisible());
    // Two components: room for six wavelengths.
    for (int i = 0; i < 7; ++i) {
      Button(view, QStringLiteral("------>"))->click();
    }
    EXPECT_EQ(Items(view, "wavelengthList").size(), 6);
    Button(view, QStringLiteral("Cancel"))->click();
  });
  EXPECT_EQ(result, kResultCancel);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, kMcaNoWavelength);
  EXPECT_NE(prompts.messages[1].text.find("full"), std::string::npos) << prompts.messages[1].text;
  EXPECT_EQ(dlg.Wavelengths().Count(), 6);
}

TEST(McaResultsViewTest, ShowsTheFitAndClosesWithTheButtonsCode) {
  McaFit fit;
  fit.residual = 1.5e-4f;
  fit.results = {0.2f, 12.5f};
  const std::vector<std::string> names = {"Perylene", "Anthracene"};
  CMultipleAnalysisDlg dlg;
  dlg.Fill(fit, names, std::vector<float>{436.0f, 356.0f});
  dlg.BeginShowing();

  struct Case {
    QString button;
    int code;
  };
  for (const Case& c :
       {Case{QStringLiteral("OK"), kResultOk}, Case{QStringLiteral("Print"), kResultPrint},
        Case{QStringLiteral("Create Report"), kResultCreateReport}}) {
    gui::MultipleAnalysisDlgView view(dlg);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Multiple Component Analysis - Results"));
    EXPECT_EQ(Edit(view, "residual")->text(), QStringLiteral("0.00015"));
    EXPECT_EQ(Edit(view, "components")->text(), QStringLiteral("2"));
    EXPECT_TRUE(Edit(view, "residual")->isReadOnly());
    EXPECT_TRUE(Edit(view, "components")->isReadOnly());
    EXPECT_EQ(Items(view, "resultList"),
              (QStringList{"0.20000   Perylene", "12.50000   Anthracene"}));
    EXPECT_EQ(Items(view, "wavelengthList"), (QStringList{"436.000000", "356.000000"}));
    EXPECT_TRUE(Button(view, QStringLiteral("Print"))->isEnabled());
    EXPECT_TRUE(Button(view, QStringLiteral("Create Report"))->isEnabled());
    EXPECT_EQ(RunWhile(view, [&] { Button(view, c.button)->click(); }), c.code)
        << c.button.toStdString();
  }
}

} // namespace
} // namespace lumivex

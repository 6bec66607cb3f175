#include "DipoleDlgView.h"
#include "FakePrompts.h"
#include "ForsterDlgView.h"
#include "StrickleDlgView.h"
#include "modules/DipoleDlg.h"
#include "modules/ForsterDlg.h"
#include "modules/StrickleDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lumivex {
namespace {

using test::FakePrompts;

QPushButton* Button(const QWidget& view, const QString& text) {
  for (QPushButton* button : view.findChildren<QPushButton*>()) {
    if (button->text() == text) {
      return button;
    }
  }
  return nullptr;
}

QLineEdit* Edit(const QWidget& view, const char* name) {
  return view.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QStringList Labels(const QWidget& view) {
  QStringList labels;
  for (const QLabel* label : view.findChildren<QLabel*>()) {
    labels.append(label->text());
  }
  return labels;
}

QStringList GroupTitles(const QWidget& view) {
  QStringList titles;
  for (const QGroupBox* group : view.findChildren<QGroupBox*>()) {
    titles.append(group->title());
  }
  return titles;
}

// Runs a view's modal loop and, once it is showing, acts on it as a user would; answers the
// view's result code.
template <typename View> int RunWhile(View& view, const std::function<void()>& act) {
  QTimer::singleShot(0, &view, [&view, act] {
    view.activateWindow();
    if (!QTest::qWaitForWindowActive(&view)) {
      ADD_FAILURE() << "the dialog did not show";
      view.reject();
      return;
    }
    act();
  });
  return view.Run();
}

class DipoleDlgViewTest : public ::testing::Test {
protected:
  DipoleDlgViewTest() {
    dlg.m_compound = "Eosin Y";
    dlg.m_epsilon = 98000.0f;
    dlg.m_epsilonWavelength = 517.0f;
    dlg.m_oscillatorStrength = 0.0345738f;
    dlg.m_dipoleCm = 6.389914e-30f;
  }

  std::unique_ptr<gui::DipoleDlgView> Make() {
    return std::make_unique<gui::DipoleDlgView>(dlg, prompts);
  }

  CDipoleDlg dlg;
  FakePrompts prompts;
};

TEST_F(DipoleDlgViewTest, ShowsTheFieldsInTheirGroups) {
  auto view = Make();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Oscillator Strength Calculation"));
  EXPECT_EQ(Edit(*view, "compound")->text(), QStringLiteral("Eosin Y"));
  EXPECT_EQ(Edit(*view, "epsilon")->text(), QStringLiteral("98000"));
  EXPECT_EQ(Edit(*view, "epsilonWavelength")->text(), QStringLiteral("517"));
  EXPECT_EQ(Edit(*view, "low")->text(), QStringLiteral("300"));
  EXPECT_EQ(Edit(*view, "high")->text(), QStringLiteral("700"));
  EXPECT_EQ(Edit(*view, "oscillatorStrength")->text(), QStringLiteral("0.0345738"));
  EXPECT_EQ(Edit(*view, "dipoleCm")->text(), QStringLiteral("6.38991e-30"));
  EXPECT_TRUE(Edit(*view, "dipoleDebye")->isReadOnly());
  EXPECT_TRUE(Edit(*view, "oscillatorStrength")->isReadOnly());
  EXPECT_FALSE(Edit(*view, "low")->isReadOnly());
  EXPECT_FALSE(view->findChild<QCheckBox*>(QStringLiteral("manual"))->isChecked());
  EXPECT_EQ(GroupTitles(*view), (QStringList{"Input Parameters", "Database", "Results"}));
  const QStringList labels = Labels(*view);
  for (const char* text :
       {"Transition dipole moment, µ (Debye)", "Oscillator strength, f", "Epsilon",
        "High wavelength (nm) (0-10000)", "Low wavelength (nm) (0-10000)", "Compound",
        "Wavelength for epsilon (nm)", kDipoleManualText}) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  }
  EXPECT_FALSE(Button(*view, QStringLiteral("Print"))->isEnabled());
  EXPECT_FALSE(Button(*view, QStringLiteral("Create Report"))->isEnabled());
  dlg.m_outputEnabled = true;
  auto again = Make();
  EXPECT_TRUE(Button(*again, QStringLiteral("Print"))->isEnabled());
  EXPECT_TRUE(Button(*again, QStringLiteral("Create Report"))->isEnabled());
}

TEST_F(DipoleDlgViewTest, CalculateWritesTheEditsBackUnlessOneIsRefused) {
  auto view = Make();
  const int result = RunWhile(*view, [&] {
    Edit(*view, "compound")->setText(QStringLiteral("Erythrosin"));
    Edit(*view, "low")->setText(QStringLiteral("480"));
    Edit(*view, "high")->setText(QStringLiteral("12000"));
    view->findChild<QCheckBox*>(QStringLiteral("manual"))->setChecked(true);
    Button(*view, QStringLiteral("Calculate"))->click();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(Edit(*view, "high")->hasFocus());
    EXPECT_EQ(dlg.m_low, 300.0f);
    Edit(*view, "high")->setText(QStringLiteral("560"));
    Button(*view, QStringLiteral("Calculate"))->click();
  });
  EXPECT_EQ(result, kResultOk);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please enter a number between 0 and 10000.");
  EXPECT_EQ(dlg.m_low, 480.0f);
  EXPECT_EQ(dlg.m_high, 560.0f);
  EXPECT_EQ(dlg.m_compound, "Erythrosin");
  EXPECT_TRUE(dlg.m_manual);
}

TEST_F(DipoleDlgViewTest, PrintDropsTheEditsReportKeepsThemAndCancelEnds) {
  dlg.m_outputEnabled = true;
  const auto press = [this](const QString& button) {
    auto view = Make();
    return RunWhile(*view, [&view, &button] {
      Edit(*view, "low")->setText(QStringLiteral("450"));
      Button(*view, button)->click();
    });
  };
  EXPECT_EQ(press(QStringLiteral("Print")), kResultPrint);
  EXPECT_EQ(dlg.m_low, 300.0f);
  EXPECT_EQ(press(QStringLiteral("Cancel")), kResultCancel);
  EXPECT_EQ(dlg.m_low, 300.0f);
  EXPECT_EQ(press(QStringLiteral("Create Report")), kResultCreateReport);
  EXPECT_EQ(dlg.m_low, 450.0f);
}

class StrickleDlgViewTest : public ::testing::Test {
protected:
  StrickleDlgViewTest() {
    dlg.m_compound = "Perylene";
    dlg.m_solvent = "cyclohexane";
    dlg.m_epsilon = 38500.0f;
    dlg.m_epsilonWavelength = 436.0f;
    dlg.m_quantumYield = 0.94f;
    dlg.m_mean = 6.0606e12f;
    dlg.m_naturalLifetime = 3.8137793f;
  }

  std::unique_ptr<gui::StrickleDlgView> Make() {
    return std::make_unique<gui::StrickleDlgView>(dlg, prompts);
  }

  CStrickleDlg dlg;
  FakePrompts prompts;
};

TEST_F(StrickleDlgViewTest, ShowsTheFieldsInTheirGroups) {
  auto view = Make();
  EXPECT_EQ(view->windowTitle(),
            QStringLiteral("Strickler-Berg Calculation of Fluorescence Lifetime"));
  EXPECT_EQ(Edit(*view, "compound")->text(), QStringLiteral("Perylene"));
  EXPECT_EQ(Edit(*view, "solvent")->text(), QStringLiteral("cyclohexane"));
  EXPECT_TRUE(Edit(*view, "compound")->isReadOnly());
  EXPECT_TRUE(Edit(*view, "solvent")->isReadOnly());
  EXPECT_EQ(Edit(*view, "epsilon")->text(), QStringLiteral("38500"));
  EXPECT_EQ(Edit(*view, "epsilonWavelength")->text(), QStringLiteral("436"));
  EXPECT_EQ(Edit(*view, "quantumYield")->text(), QStringLiteral("0.94"));
  EXPECT_EQ(Edit(*view, "low")->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(*view, "refractiveIndex")->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit(*view, "mean")->text(), QStringLiteral("6.0606e+12"));
  EXPECT_EQ(Edit(*view, "naturalLifetime")->text(), QStringLiteral("3.81378"));
  for (const char* result : {"integral", "mean", "rate", "naturalLifetime", "lifetime"}) {
    EXPECT_TRUE(Edit(*view, result)->isReadOnly()) << result;
  }
  EXPECT_EQ(GroupTitles(*view), (QStringList{"Input parameters", "Database", "Results"}));
  const auto* database = view->findChildren<QGroupBox*>()[1];
  EXPECT_NE(database->findChild<QLineEdit*>(QStringLiteral("quantumYield")), nullptr);
  EXPECT_EQ(database->findChild<QLineEdit*>(QStringLiteral("low")), nullptr);
  const QStringList labels = Labels(*view);
  for (const char* text :
       {"Low wavelength of absorption band (nm)", "High wavelength of absorption band (nm)",
        "Refractive index, n", "Actual fluorescence lifetime", "Natural radiative lifetime",
        "Transition rate", "Wavelength for epsilon (nm)"}) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  }
  EXPECT_FALSE(Button(*view, QStringLiteral("Print"))->isEnabled());
  dlg.m_outputEnabled = true;
  auto again = Make();
  EXPECT_TRUE(Button(*again, QStringLiteral("Print"))->isEnabled());
  EXPECT_TRUE(Button(*again, QStringLiteral("Create Report"))->isEnabled());
}

TEST_F(StrickleDlgViewTest, ButtonsEndWithTheirCodesAndRefusalsKeepTheDialogOpen) {
  dlg.m_outputEnabled = true;
  auto view = Make();
  const int calculated = RunWhile(*view, [&] {
    Edit(*view, "low")->setText(QStringLiteral("400"));
    Edit(*view, "high")->setText(QStringLiteral("450"));
    Edit(*view, "refractiveIndex")->setText(QStringLiteral("1.426"));
    Edit(*view, "epsilonWavelength")->setText(QStringLiteral("1200"));
    Button(*view, QStringLiteral("Calculate"))->click();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(Edit(*view, "epsilonWavelength")->hasFocus());
    Edit(*view, "epsilonWavelength")->setText(QStringLiteral("436"));
    Button(*view, QStringLiteral("Calculate"))->click();
  });
  EXPECT_EQ(calculated, kResultOk);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please enter a number between 100 and 1000.");
  EXPECT_EQ(dlg.m_low, 400.0f);
  EXPECT_EQ(dlg.m_high, 450.0f);
  EXPECT_EQ(dlg.m_refractiveIndex, 1.426f);

  const auto press = [this](const QString& button) {
    auto shown = Make();
    return RunWhile(*shown, [&shown, &button] {
      Edit(*shown, "refractiveIndex")->setText(QStringLiteral("1.33"));
      Button(*shown, button)->click();
    });
  };
  EXPECT_EQ(press(QStringLiteral("Print")), kResultPrint);
  EXPECT_EQ(dlg.m_refractiveIndex, 1.426f);
  EXPECT_EQ(press(QStringLiteral("Cancel")), kResultCancel);
  EXPECT_EQ(dlg.m_refractiveIndex, 1.426f);
  EXPECT_EQ(press(QStringLiteral("Create Report")), kResultCreateReport);
  EXPECT_EQ(dlg.m_refractiveIndex, 1.33f);
}

// A module dialog's line edits as a user meets them: a result is read-only, sits on the
// window's background where an input stands out as an edit, is passed over by Tab and keeps
// its text whatever is typed; an input takes what is typed.
template <typename View, typename Model> void ExpectResultFieldsReadOnly(Model& model) {
  FakePrompts prompts;
  View view(model, prompts);
  view.show();
  int results = 0;
  for (const DialogField& field : model.Fields()) {
    if (field.Kind() == FieldKind::Check) {
      continue;
    }
    QLineEdit* edit = Edit(view, field.key);
    ASSERT_NE(edit, nullptr) << field.key;
    const QString before = edit->text();
    QTest::keyClicks(edit, QStringLiteral("42"));
    const QPalette& palette = edit->palette();
    const bool windowBackground = palette.color(QPalette::Base) == palette.color(QPalette::Window);
    if (field.result) {
      ++results;
      EXPECT_TRUE(edit->isReadOnly()) << field.key;
      EXPECT_TRUE(windowBackground) << field.key;
      EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus) << field.key;
      EXPECT_EQ(edit->text(), before) << field.key;
    } else {
      EXPECT_FALSE(edit->isReadOnly()) << field.key;
      EXPECT_FALSE(windowBackground) << field.key;
      EXPECT_NE(edit->text(), before) << field.key;
    }
  }
  EXPECT_GT(results, 0);
}

TEST(ModuleDlgViews, ResultFieldsAreReadOnlyAndLookIt) {
  CDipoleDlg dipole;
  ExpectResultFieldsReadOnly<gui::DipoleDlgView>(dipole);
  CForsterDlg forster;
  ExpectResultFieldsReadOnly<gui::ForsterDlgView>(forster);
  CStrickleDlg strickle;
  ExpectResultFieldsReadOnly<gui::StrickleDlgView>(strickle);
}

} // namespace
} // namespace lumivex

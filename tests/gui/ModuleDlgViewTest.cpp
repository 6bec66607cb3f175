#include "DialogTestSupport.h"
#include "DipoleDlgView.h"
#include "FakePrompts.h"
#include "ForsterDlgView.h"
#include "StrickleDlgView.h"
#include "TransSimView.h"
#include "modules/DipoleDlg.h"
#include "modules/ForsterDlg.h"
#include "modules/StrickleDlg.h"
#include "modules/Transmission.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
using test::RunWhile;

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

class ForsterDlgViewTest : public ::testing::Test {
protected:
  ForsterDlgViewTest() {
    dlg.m_donorName = "Fluorescein";
    dlg.m_acceptorName = "Eosin";
    dlg.m_epsilon = 98000.0f;
    dlg.m_epsilonWavelength = 517.0f;
    dlg.m_quantumYield = 0.92f;
    dlg.m_low = 480.0f;
    dlg.m_high = 600.0f;
    dlg.m_overlap = 1.2345678e-13f;
    dlg.m_outputEnabled = false;
  }

  std::unique_ptr<gui::ForsterDlgView> Make() {
    return std::make_unique<gui::ForsterDlgView>(dlg, prompts);
  }
  static int Run(gui::ForsterDlgView& view, const std::function<void()>& act) {
    return RunWhile(view, act);
  }

  CForsterDlg dlg;
  FakePrompts prompts;
};

TEST_F(ForsterDlgViewTest, ShowsTheFieldsInTheirGroupsWithPrintAndReportAfterTheFirstShowing) {
  auto view = Make();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Forster Energy Transfer"));
  EXPECT_EQ(Edit(*view, "donorName")->text(), QStringLiteral("Fluorescein"));
  EXPECT_EQ(Edit(*view, "acceptorName")->text(), QStringLiteral("Eosin"));
  EXPECT_EQ(Edit(*view, "epsilon")->text(), QStringLiteral("98000"));
  EXPECT_EQ(Edit(*view, "quantumYield")->text(), QStringLiteral("0.92"));
  EXPECT_EQ(Edit(*view, "high")->text(), QStringLiteral("600"));
  EXPECT_EQ(Edit(*view, "distance")->text(), QStringLiteral("0.1"));
  EXPECT_EQ(Edit(*view, "overlap")->text(), QStringLiteral("1.23457e-13"));
  EXPECT_TRUE(Edit(*view, "overlap")->isReadOnly());
  EXPECT_TRUE(Edit(*view, "rate")->isReadOnly());
  EXPECT_FALSE(Edit(*view, "lifetime")->isReadOnly());

  QStringList groups;
  for (const QGroupBox* group : view->findChildren<QGroupBox*>()) {
    groups.append(group->title());
  }
  EXPECT_EQ(groups, (QStringList{"Input Parameters", "Database", "Results"}));
  const auto* database = view->findChildren<QGroupBox*>()[1];
  EXPECT_NE(database->findChild<QLineEdit*>(QStringLiteral("low")), nullptr);
  EXPECT_EQ(database->findChild<QLineEdit*>(QStringLiteral("distance")), nullptr);
  QStringList labels;
  for (const QLabel* label : view->findChildren<QLabel*>()) {
    labels.append(label->text());
  }
  for (const char* text :
       {"Donor (Emission Spectrum)", "Acceptor (Absorption Spectrum)", "Acceptor Epsilon",
        "Fluorescence lifetime (ns, optional)", "Dexter value (1/eV)", "Transfer efficiency (%)"}) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  }

  ASSERT_NE(Button(*view, QStringLiteral("Calculate")), nullptr);
  ASSERT_NE(Button(*view, QStringLiteral("Cancel")), nullptr);
  EXPECT_FALSE(Button(*view, QStringLiteral("Print"))->isEnabled());
  EXPECT_FALSE(Button(*view, QStringLiteral("Create Report"))->isEnabled());
  dlg.m_outputEnabled = true;
  auto again = Make();
  EXPECT_TRUE(Button(*again, QStringLiteral("Print"))->isEnabled());
  EXPECT_TRUE(Button(*again, QStringLiteral("Create Report"))->isEnabled());
}

TEST_F(ForsterDlgViewTest, CalculateWritesTheEditsBackUnlessOneIsRefused) {
  auto view = Make();
  const int result = Run(*view, [&] {
    Edit(*view, "kappa2")->setText(QStringLiteral("0.6667"));
    Edit(*view, "quantumYield")->setText(QStringLiteral("150"));
    Edit(*view, "donorName")->setText(QStringLiteral("Donor X"));
    Button(*view, QStringLiteral("Calculate"))->click();
    // Refused: the dialog stays with the cursor on the quantum yield.
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(Edit(*view, "quantumYield")->hasFocus());
    EXPECT_EQ(dlg.m_kappa2, 0.0f);
    Edit(*view, "quantumYield")->setText(QStringLiteral("0.5"));
    Button(*view, QStringLiteral("Calculate"))->click();
  });
  EXPECT_EQ(result, kResultOk);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please enter a number between 0 and 100.");
  EXPECT_EQ(prompts.messages[0].caption, kApplicationTitle);
  EXPECT_EQ(dlg.m_kappa2, 0.6667f);
  EXPECT_EQ(dlg.m_quantumYield, 0.5f);
  EXPECT_EQ(dlg.m_donorName, "Donor X");
}

TEST_F(ForsterDlgViewTest, PrintReportAndCancelEndWithTheirCodesDiscardingEdits) {
  dlg.m_outputEnabled = true;
  const auto press = [this](const QString& button) {
    auto view = Make();
    return Run(*view, [&view, &button] {
      Edit(*view, "distance")->setText(QStringLiteral("55"));
      Button(*view, button)->click();
    });
  };
  EXPECT_EQ(press(QStringLiteral("Print")), kResultPrint);
  EXPECT_EQ(press(QStringLiteral("Create Report")), kResultCreateReport);
  EXPECT_EQ(press(QStringLiteral("Cancel")), kResultCancel);
  EXPECT_EQ(dlg.m_distance, 0.1f);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(ModuleDlgViewTest, EveryModuleDialogHasTheOneButtonRow) {
  FakePrompts prompts;
  CDipoleDlg dipole;
  CForsterDlg forster;
  CStrickleDlg strickle;
  for (const bool outputEnabled : {false, true}) {
    dipole.m_outputEnabled = outputEnabled;
    strickle.m_outputEnabled = outputEnabled;
    forster.m_outputEnabled = outputEnabled;
    std::vector<std::unique_ptr<gui::ModuleDlgView>> views;
    views.push_back(std::make_unique<gui::DipoleDlgView>(dipole, prompts));
    views.push_back(std::make_unique<gui::ForsterDlgView>(forster, prompts));
    views.push_back(std::make_unique<gui::StrickleDlgView>(strickle, prompts));
    for (const auto& view : views) {
      const auto* box = view->findChild<QDialogButtonBox*>();
      ASSERT_NE(box, nullptr);
      QStringList texts;
      for (const QAbstractButton* button : box->buttons()) {
        texts.append(button->text().remove(u'&'));
      }
      texts.sort();
      EXPECT_EQ(texts, (QStringList{"Calculate", "Cancel", "Create Report", "Print"}))
          << view->windowTitle().toStdString();
      EXPECT_TRUE(Button(*view, QStringLiteral("Calculate"))->isDefault());
      EXPECT_EQ(Button(*view, QStringLiteral("Print"))->isEnabled(), outputEnabled);
      EXPECT_EQ(Button(*view, QStringLiteral("Create Report"))->isEnabled(), outputEnabled);
      QStringList groups;
      for (const QGroupBox* group : view->findChildren<QGroupBox*>()) {
        groups.append(group->title());
      }
      EXPECT_EQ(groups.last(), QStringLiteral("Results")) << view->windowTitle().toStdString();
    }
  }
}

TEST(TransSimViewTest, FactorIsCheckedAgainstItsRange) {
  CTransSim dlg;
  FakePrompts prompts;
  gui::TransSimView view(dlg, prompts);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Transmission Simulation"));
  auto* factor = view.findChild<QLineEdit*>(QStringLiteral("factor"));
  ASSERT_NE(factor, nullptr);
  EXPECT_EQ(factor->text(), QStringLiteral("1"));
  QStringList labels;
  for (const QLabel* label : view.findChildren<QLabel*>()) {
    labels.append(label->text());
  }
  EXPECT_TRUE(labels.contains(QStringLiteral("Adjustible parameter*")));
  EXPECT_TRUE(
      labels.contains(QStringLiteral("*It is used to vary the absorption strength, range 0~1.")));

  const int result = RunWhile(
      view, [&view] { return view.exec(); },
      [&] {
        factor->setText(QStringLiteral("2"));
        view.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(view.isVisible());
        factor->setText(QStringLiteral("0.3"));
        view.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      });
  EXPECT_EQ(result, QDialog::Accepted);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please enter a number between 0 and 1.");
  EXPECT_EQ(dlg.m_factor, 0.3f);

  gui::TransSimView again(dlg, prompts);
  EXPECT_EQ(
      RunWhile(
          again, [&again] { return again.exec(); },
          [&again] {
            again.findChild<QLineEdit*>(QStringLiteral("factor"))->setText(QStringLiteral("0.9"));
            again.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
          }),
      QDialog::Rejected);
  EXPECT_EQ(dlg.m_factor, 0.3f);
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

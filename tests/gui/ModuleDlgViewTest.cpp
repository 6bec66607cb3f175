#include "DipoleDlgView.h"
#include "FakePrompts.h"
#include "ForsterDlgView.h"
#include "StrickleDlgView.h"
#include "TransSimView.h"
#include "modules/DipoleDlg.h"
#include "modules/ForsterDlg.h"
#include "modules/StrickleDlg.h"
#include "modules/Transmission.h"

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

using test::FakePrompts;

QPushButton* Button(const QWidget& view, const QString& text) {
  for (QPushButton* button : view.findChildren<QPushButton*>()) {
    if (button->text() == text) {
      return button;
    }
  }
  return nullptr;
}

// Runs the view's modal loop and, once it is showing, acts on it as a user would.
template <typename Run> int RunWhile(QDialog& view, Run run, const std::function<void()>& act) {
  QTimer::singleShot(0, &view, [&view, act] {
    view.activateWindow();
    if (!QTest::qWaitForWindowActive(&view)) {
      ADD_FAILURE() << "the dialog did not show";
      view.reject();
      return;
    }
    act();
  });
  return run();
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
  static QLineEdit* Edit(const QWidget& view, const char* name) {
    return view.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  int Run(gui::ForsterDlgView& view, const std::function<void()>& act) {
    return RunWhile(
        view, [&view] { return view.Run(); }, act);
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

} // namespace
} // namespace lumivex

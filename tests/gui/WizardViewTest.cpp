#include "WizardView.h"
#include "WizChooseView.h"

#include "FakePrompts.h"
#include "TestSupport.h"
#include "database/Wizard.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::TempDir;

TEST(WizChooseViewTest, OffersBothChoicesAndStoresTheCheckedOne) {
  CWizChoose choose;
  gui::WizChooseView view(choose);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Database Wizard Select"));
  auto* add = view.findChild<QRadioButton*>(QStringLiteral("choice42966"));
  auto* create = view.findChild<QRadioButton*>(QStringLiteral("choice42965"));
  ASSERT_NE(add, nullptr);
  ASSERT_NE(create, nullptr);
  EXPECT_EQ(add->text(), QStringLiteral("Add record to existing database"));
  EXPECT_EQ(create->text(), QStringLiteral("Create new database"));
  EXPECT_TRUE(add->isChecked());

  create->click();
  view.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(choose.m_choice, 42965);
}

class WizardViewTest : public ::testing::Test {
protected:
  void Show() {
    view = std::make_unique<gui::WizardView>(wizard);
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }
  QLineEdit* Edit(int item) const {
    return view->findChild<QLineEdit*>(QStringLiteral("item%1").arg(item));
  }
  QPushButton* Button(const QString& text) const {
    for (QPushButton* button : view->findChildren<QPushButton*>()) {
      if (button->text() == text) {
        return button;
      }
    }
    return nullptr;
  }

  TempDir dir;
  FakePrompts prompts;
  CWizard wizard{prompts};
  std::unique_ptr<gui::WizardView> view;
};

TEST_F(WizardViewTest, ShowsTheFivePagesWithEveryLabelAndTheModelsValues) {
  wizard.m_tabs.m_tab3.m_solvent = "ethanol";
  wizard.m_tabs.m_tab2.m_notes = "first\nsecond";
  Show();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Database Entry Wizard"));
  auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("pages"));
  ASSERT_NE(tabs, nullptr);
  QStringList tabTexts;
  for (int i = 0; i < tabs->count(); ++i) {
    tabTexts.append(tabs->tabText(i));
  }
  EXPECT_EQ(tabTexts,
            (QStringList{"Upload Files", "Background Info", "Abs Info", "Ems Info", "LS Info"}));
  EXPECT_EQ(tabs->currentIndex(), 0);

  QStringList labels;
  for (const QLabel* label : view->findChildren<QLabel*>()) {
    labels.append(label->text());
  }
  for (int page = 1; page < CWizardTabCtrl::kPageCount; ++page) {
    for (const WizardField& field : wizard.m_tabs.Page(page).Fields()) {
      EXPECT_TRUE(labels.contains(QString::fromUtf8(field.label))) << field.label;
    }
  }
  EXPECT_TRUE(labels.contains(QStringLiteral("Note:  19 is required to perform calculations.")));
  EXPECT_TRUE(labels.contains(QStringLiteral("Note: The files selected will be copied to the "
                                             "same location as the database selected.")));
  for (const char* text : {"Open Absorption File", "Open Emission File", "Open Light Source File",
                           "Open Structure/Picture File", "Cancel", "Finish", "Help"}) {
    EXPECT_NE(Button(QString::fromUtf8(text)), nullptr) << text;
  }
  EXPECT_EQ(view->findChildren<QListWidget*>().size(), 3);
  EXPECT_EQ(Edit(11)->text(), QStringLiteral("ethanol"));
  auto* notes = view->findChild<QPlainTextEdit*>(QStringLiteral("item8"));
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->toPlainText(), QStringLiteral("first\nsecond"));
}

TEST_F(WizardViewTest, TypingAndFileButtonsWriteTheModelAndFinishChecksTheName) {
  Show();
  prompts.fileAnswers.push_back(dir.Write("dye.ems.txt", "500 1\n501 0.5\n"));
  Button(QStringLiteral("Open Emission File"))->click();
  EXPECT_EQ(Edit(2)->text(), QString::fromStdString(dir.Path("dye.ems.txt")));
  auto* preview = view->findChild<QListWidget*>(QStringLiteral("preview2"));
  ASSERT_NE(preview, nullptr);
  ASSERT_EQ(preview->count(), 2);
  EXPECT_EQ(preview->item(1)->text(), QStringLiteral("501.000000    0.500000"));

  Edit(19)->setText(QStringLiteral("0.9"));
  Edit(28)->setText(QStringLiteral("C. Doe"));
  EXPECT_EQ(wizard.m_tabs.m_tab4.m_quantumYield, "0.9");
  EXPECT_EQ(wizard.m_tabs.m_tab5.m_inv, "C. Doe");

  Button(QStringLiteral("Finish"))->click();
  EXPECT_TRUE(view->isVisible());
  ASSERT_EQ(prompts.messages.size(), 1U);
  EXPECT_EQ(prompts.messages[0].text, "A Compound or Light Source Name Must Be Given.");

  Button(QStringLiteral("Help"))->click();
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108639});

  Edit(5)->setText(QStringLiteral("Dye"));
  Button(QStringLiteral("Finish"))->click();
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(view->result(), QDialog::Accepted);
  EXPECT_EQ(wizard.m_values[0], "Dye");
  EXPECT_EQ(wizard.m_values[16], "dye.ems.txt");
}

TEST_F(WizardViewTest, EnterMovesOnStartsANoteLineOrFinishesAsThePageSays) {
  Show();
  auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("pages"));
  tabs->setCurrentIndex(2);
  EXPECT_EQ(wizard.m_tabs.m_current, 2);
  EXPECT_TRUE(Edit(9)->hasFocus());
  QTest::keyClick(Edit(9), Qt::Key_Return);
  EXPECT_TRUE(Edit(10)->hasFocus());
  EXPECT_TRUE(view->isVisible());

  tabs->setCurrentIndex(1);
  auto* notes = view->findChild<QPlainTextEdit*>(QStringLiteral("item8"));
  notes->setFocus();
  QTest::keyClicks(notes, QStringLiteral("one"));
  QTest::keyClick(notes, Qt::Key_Return);
  QTest::keyClicks(notes, QStringLiteral("two"));
  EXPECT_EQ(wizard.m_tabs.m_tab2.m_notes, "one\ntwo");
  EXPECT_TRUE(notes->hasFocus());

  wizard.m_tabs.m_tab2.m_name = "Dye";
  tabs->setCurrentIndex(4);
  QTest::keyClick(Edit(22), Qt::Key_Return);
  EXPECT_EQ(view->result(), QDialog::Accepted);
}

} // namespace
} // namespace lumivex

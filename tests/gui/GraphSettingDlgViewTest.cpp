#include "GraphSettingDlgView.h"
#include "FakePrompts.h"
#include "core/Spectrum.h"
#include "ui/GraphSettingDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lumivex {
namespace {

using test::FakePrompts;

class GraphSettingDlgViewTest : public ::testing::Test {
protected:
  GraphSettingDlgViewTest() {
    dlg.m_title = "Dye in ethanol";
    dlg.m_lineWidth = 2;
    dlg.m_xLow = 400.0f;
    dlg.m_xHigh = 500.0f;
    dlg.m_unit = 0;
    dlg.m_xAxisValues = true;
    dlg.m_xPartitions = 10;
    dlg.m_yLow = 0.0f;
    dlg.m_yHigh = 1.5f;
    dlg.m_quantity = GraphQuantity::Fluorescence;
    dlg.m_yAxisValues = false;
    dlg.m_yPartitions = 5;
    dlg.EnableQuantitiesFor(static_cast<int>(SpectrumKind::Emission));
  }

  QLineEdit* Edit(const char* name) const {
    return view->findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QRadioButton* Radio(const QString& name) const { return view->findChild<QRadioButton*>(name); }
  QRadioButton* Quantity(GraphQuantity quantity) const {
    return Radio(QStringLiteral("quantity%1").arg(static_cast<int>(quantity)));
  }
  void Show() {
    view = std::make_unique<gui::GraphSettingDlgView>(dlg, prompts);
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  CGraphSettingDlg dlg;
  FakePrompts prompts;
  std::unique_ptr<gui::GraphSettingDlgView> view;
};

TEST_F(GraphSettingDlgViewTest, ShowsEveryFieldOfTheModel) {
  Show();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Graph Settings"));
  EXPECT_EQ(Edit("title")->text(), QStringLiteral("Dye in ethanol"));
  EXPECT_EQ(Edit("lineWidth")->text(), QStringLiteral("2"));
  EXPECT_EQ(Edit("xLow")->text(), QStringLiteral("400"));
  EXPECT_EQ(Edit("xHigh")->text(), QStringLiteral("500"));
  EXPECT_EQ(Edit("xPartitions")->text(), QStringLiteral("10"));
  EXPECT_EQ(Edit("yLow")->text(), QStringLiteral("0"));
  EXPECT_EQ(Edit("yHigh")->text(), QStringLiteral("1.5"));
  EXPECT_EQ(Edit("yPartitions")->text(), QStringLiteral("5"));
  EXPECT_TRUE(view->findChild<QCheckBox*>(QStringLiteral("xAxisValues"))->isChecked());
  EXPECT_FALSE(view->findChild<QCheckBox*>(QStringLiteral("yAxisValues"))->isChecked());
  for (int unit = 0; unit < 7; ++unit) {
    QRadioButton* radio = Radio(QStringLiteral("unit%1").arg(unit));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->text(), QString::fromUtf8(UnitRadioText(unit)).trimmed());
    EXPECT_EQ(radio->isChecked(), unit == 0);
  }
  // An emission reference leaves only the emission quantities to choose.
  for (const GraphQuantity quantity : kGraphQuantities) {
    QRadioButton* radio = Quantity(quantity);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->text(), QString::fromUtf8(GraphQuantityText(quantity)));
    EXPECT_EQ(radio->isEnabled(), dlg.IsEnabled(quantity));
    EXPECT_EQ(radio->isChecked(), quantity == GraphQuantity::Fluorescence);
  }
  EXPECT_TRUE(Quantity(GraphQuantity::Intensity)->isEnabled());
  EXPECT_FALSE(Quantity(GraphQuantity::Absorption)->isEnabled());

  QStringList groups;
  for (const QGroupBox* group : view->findChildren<QGroupBox*>()) {
    groups.append(group->title());
  }
  EXPECT_EQ(groups, (QStringList{"Scale selection", "Intensity control", "Abs", "Ems",
                                 "Light source", "Reading aids"}));
  QStringList labels;
  for (const QLabel* label : view->findChildren<QLabel*>()) {
    labels.append(label->text());
  }
  EXPECT_TRUE(labels.contains(QStringLiteral("Title:")));
  EXPECT_TRUE(labels.contains(
      QStringLiteral("Line thickness (if value < 2 the emission line is dashed):")));
  EXPECT_EQ(labels.count(QStringLiteral("Low")), 2);
  EXPECT_EQ(labels.count(QStringLiteral("Partitions")), 2);
}

TEST_F(GraphSettingDlgViewTest, OkWritesTheFieldsBack) {
  Show();
  Edit("title")->setText(QStringLiteral("Two dyes"));
  Edit("lineWidth")->setText(QStringLiteral(" 3 "));
  Edit("xLow")->setText(QStringLiteral("350.5"));
  Edit("yHigh")->setText(QStringLiteral("2e3"));
  Edit("yPartitions")->setText(QStringLiteral("8"));
  Quantity(GraphQuantity::Intensity)->click();
  view->findChild<QCheckBox*>(QStringLiteral("yAxisValues"))->click();
  view->findChild<QCheckBox*>(QStringLiteral("secondXAxis"))->click();
  auto* secondUnit = view->findChild<QComboBox*>(QStringLiteral("secondXUnit"));
  secondUnit->setCurrentIndex(secondUnit->findText(QStringLiteral("Energy (kK)")));
  view->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

  EXPECT_EQ(view->result(), QDialog::Accepted);
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(dlg.m_title, "Two dyes");
  EXPECT_EQ(dlg.m_lineWidth, 3);
  EXPECT_EQ(dlg.m_xLow, 350.5f);
  EXPECT_EQ(dlg.m_xHigh, 500.0f);
  EXPECT_EQ(dlg.m_yHigh, 2000.0f);
  EXPECT_EQ(dlg.m_yPartitions, 8);
  EXPECT_EQ(dlg.m_quantity, GraphQuantity::Intensity);
  EXPECT_TRUE(dlg.m_yAxisValues);
  EXPECT_TRUE(dlg.m_secondXAxis);
  EXPECT_EQ(dlg.m_secondXUnit, 5);
}

TEST_F(GraphSettingDlgViewTest, CancelLeavesTheModelAlone) {
  Show();
  Edit("title")->setText(QStringLiteral("Changed"));
  view->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  EXPECT_EQ(view->result(), QDialog::Rejected);
  EXPECT_EQ(dlg.m_title, "Dye in ethanol");
}

TEST_F(GraphSettingDlgViewTest, TextInANumberFieldKeepsTheDialogOpen) {
  Show();
  Edit("title")->setText(QStringLiteral("Changed"));
  Edit("xHigh")->setText(QStringLiteral("abc"));
  view->accept();

  EXPECT_TRUE(view->isVisible());
  EXPECT_NE(view->result(), QDialog::Accepted);
  ASSERT_EQ(prompts.messages.size(), 1U);
  EXPECT_EQ(prompts.messages[0].text, kPleaseEnterNumber);
  EXPECT_EQ(prompts.messages[0].caption, kApplicationTitle);
  // The offending edit has the focus with its text selected, for typing over.
  EXPECT_TRUE(Edit("xHigh")->hasFocus());
  EXPECT_EQ(Edit("xHigh")->selectedText(), QStringLiteral("abc"));
  // Nothing reached the model, not even the fields that were fine.
  EXPECT_EQ(dlg.m_xHigh, 500.0f);
  EXPECT_EQ(dlg.m_title, "Dye in ethanol");

  // A fraction where an integer belongs is refused as well.
  Edit("xHigh")->setText(QStringLiteral("600"));
  Edit("xPartitions")->setText(QStringLiteral("2.5"));
  view->accept();
  EXPECT_TRUE(view->isVisible());
  ASSERT_EQ(prompts.messages.size(), 2U);
  EXPECT_EQ(prompts.messages[1].text, kPleaseEnterInteger);
  EXPECT_TRUE(Edit("xPartitions")->hasFocus());
  EXPECT_EQ(dlg.m_xPartitions, 10);

  Edit("xPartitions")->setText(QStringLiteral("4"));
  view->accept();
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(view->result(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_xHigh, 600.0f);
  EXPECT_EQ(dlg.m_xPartitions, 4);
}

TEST_F(GraphSettingDlgViewTest, AUnitButtonConvertsTheRangeAsTyped) {
  Show();
  Edit("xLow")->setText(QStringLiteral("400"));
  Edit("xHigh")->setText(QStringLiteral("1000"));
  Radio(QStringLiteral("unit1"))->click();
  // 1e7 / nm, low to high.
  EXPECT_EQ(Edit("xLow")->text(), QStringLiteral("10000"));
  EXPECT_EQ(Edit("xHigh")->text(), QStringLiteral("25000"));
  EXPECT_EQ(dlg.m_unit, 1);

  Radio(QStringLiteral("unit0"))->click();
  EXPECT_EQ(Edit("xLow")->text(), QStringLiteral("400"));
  EXPECT_EQ(Edit("xHigh")->text(), QStringLiteral("1000"));
  EXPECT_EQ(dlg.m_unit, 0);
}

} // namespace
} // namespace lumivex

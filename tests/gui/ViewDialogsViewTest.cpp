#include "BandResultDlgView.h"
#include "DataListDlgView.h"
#include "DialogViews.h"
#include "FakePrompts.h"
#include "PeakDlgView.h"
#include "TestSupport.h"
#include "curves/BandDlg.h"
#include "curves/CurveDialogs.h"
#include "curves/DataListDlg.h"
#include "curves/PeakSearch.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::MakeSpectrum;

QLineEdit* Edit(const QWidget& view, const char* key) {
  return view.findChild<QLineEdit*>(QString::fromLatin1(key));
}

TEST(ViewDialogsView, EveryDialogHasItsViewInTheProgram) {
  CPeakDlg peak;
  CDataListDlg dataList;
  CBandDlg band;
  CBandResultDlg bandResults;
  EXPECT_NE(gui::DialogViewRegistry::Program().Find(peak), nullptr);
  EXPECT_NE(gui::DialogViewRegistry::Program().Find(dataList), nullptr);
  EXPECT_NE(gui::DialogViewRegistry::Program().Find(band), nullptr);
  EXPECT_NE(gui::DialogViewRegistry::Program().Find(bandResults), nullptr);
}

// The band's results show read-only; Copy hands the text to the clipboard and leaves the
// dialog open, Close accepts it.
TEST(ViewDialogsView, BandResultsCopyTheirTextAndStayOpen) {
  CBandResultDlg dlg;
  dlg.m_lines = {"Band of dye: 400 to 600 nm, 201 points", "Maximum: 1 at 500 nm"};
  FakePrompts prompts;
  gui::BandResultDlgView view(dlg, prompts);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Band Measurement"));
  const auto* text = view.findChild<QPlainTextEdit*>(QStringLiteral("results"));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->toPlainText(),
            QStringLiteral("Band of dye: 400 to 600 nm, 201 points\nMaximum: 1 at 500 nm"));

  view.setResult(QDialog::Rejected);
  view.findChild<QPushButton*>(QStringLiteral("copy"))->click();
  EXPECT_EQ(prompts.copied, std::vector<std::string>{dlg.Text()});
  EXPECT_EQ(view.result(), QDialog::Rejected);
  view.findChild<QPushButton*>(QStringLiteral("close"))->click();
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST(ViewDialogsView, PeakDialogKeepsARefusedRangeOpenAndShowsTheFoundText) {
  CPeakDlg dlg;
  dlg.m_name = "dye";
  dlg.ShowFound(std::nullopt);
  FakePrompts prompts;
  gui::PeakDlgView view(dlg, prompts);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Peak Searching"));
  EXPECT_EQ(Edit(view, "name")->text(), QStringLiteral("dye"));
  EXPECT_EQ(Edit(view, "found")->text(), QString::fromLatin1(kNoPeakFound));
  EXPECT_TRUE(Edit(view, "found")->isReadOnly());

  struct Case {
    const char* start;
    bool accepted;
  };
  for (const Case c : {Case{"50", false}, Case{"400", true}}) {
    SCOPED_TRACE(c.start);
    Edit(view, "start")->setText(QString::fromLatin1(c.start));
    Edit(view, "end")->setText(QStringLiteral("500"));
    view.setResult(QDialog::Rejected);
    view.accept();
    EXPECT_EQ(view.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(prompts.messages.size(), 1u);
  }
  EXPECT_EQ(dlg.m_start, 400.0f);
  EXPECT_EQ(dlg.m_end, 500.0f);
}

class DataListViewTest : public ::testing::Test {
protected:
  DataListViewTest() {
    dlg.m_current = &spectrum;
    dlg.Open(SpectrumDataButton::Absorption, 0);
  }

  CSpectrum spectrum = MakeSpectrum(400.0f, 1.0f, 10, [](float x) { return x / 100.0f; });
  CDataListDlg dlg;
  FakePrompts prompts;
};

TEST_F(DataListViewTest, RunEditsTheSelectedRegionAndSelectsItAgain) {
  gui::DataListDlgView view(dlg, prompts);
  QListWidget* points = view.Points();
  ASSERT_EQ(points->count(), 10);
  EXPECT_EQ(points->item(0)->text().toStdString(), dlg.PointList()[0]);
  for (const int row : {2, 3, 6}) {
    points->item(row)->setSelected(true);
  }
  view.Operations()->button(static_cast<int>(NoiseOperation::AddShift))->click();
  Edit(view, "value")->setText(QStringLiteral("1.5"));
  const CSpectrum before = spectrum;
  view.RunButton()->click();
  for (int i = 0; i < 10; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const float raised = i == 2 || i == 3 ? 1.5f : 0.0f;
    EXPECT_FLOAT_EQ(spectrum.m_points[at].y, before.m_points[at].y + raised) << i;
    EXPECT_EQ(points->item(i)->text().toStdString(), dlg.PointList()[at]);
    EXPECT_EQ(points->item(i)->isSelected(), i == 2 || i == 3) << i;
  }
  EXPECT_TRUE(prompts.messages.empty());

  // Nothing selected: the region message, and the points stay.
  points->clearSelection();
  view.RunButton()->click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kSelectDataRegion);
}

TEST_F(DataListViewTest, WithoutRecordNothingOpensOrSaves) {
  gui::DataListDlgView view(dlg, prompts);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Data Information and Editor"));
  EXPECT_FALSE(view.SaveRecordButton()->isEnabled());
  for (QAbstractButton* button : view.SpectrumData()->buttons()) {
    EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
  }
  EXPECT_TRUE(
      view.SpectrumData()->button(static_cast<int>(SpectrumDataButton::Absorption))->isChecked());
}

TEST_F(DataListViewTest, ARecordShowsItsValuesAndSaveRecordTakesTheNotesLines) {
  dlg.m_recordNumber = 3;
  dlg.m_values.absName = "Perylene";
  dlg.m_values.emsNotes = "degassed\nin the dark";
  dlg.Open(SpectrumDataButton::Absorption, 4);
  gui::DataListDlgView view(dlg, prompts);
  EXPECT_EQ(Edit(view, "name")->text(), QStringLiteral("Perylene"));
  EXPECT_EQ(view.Notes()->toPlainText(), QStringLiteral("degassed\nin the dark"));
  EXPECT_TRUE(view.SaveRecordButton()->isEnabled());

  // A quantum yield above 1 is refused and the dialog stays; then the record is saved.
  Edit(view, "quantumYield")->setText(QStringLiteral("2"));
  view.SaveRecordButton()->click();
  EXPECT_FALSE(dlg.m_saveRequested);
  EXPECT_EQ(prompts.messages.size(), 1u);
  Edit(view, "quantumYield")->setText(QStringLiteral("0.5"));
  view.Notes()->setPlainText(QStringLiteral("one\ntwo"));
  view.SaveRecordButton()->click();
  EXPECT_TRUE(dlg.m_saveRequested);
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_values.emsNotes, "one\ntwo");
  EXPECT_EQ(dlg.m_values.emsQuantumYield, 0.5f);
}

TEST_F(DataListViewTest, CreateReportUsesTheValuesTheDialogOpenedWith) {
  dlg.m_values.absName = "Perylene";
  gui::DataListDlgView view(dlg, prompts);
  Edit(view, "name")->setText(QStringLiteral("Edited"));
  view.CreateReportButton()->click();
  EXPECT_TRUE(dlg.m_reportRequested);
  EXPECT_EQ(dlg.m_report.texts[0], "Perylene");
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

} // namespace
} // namespace lumivex

#include "curves/DataListDlg.h"

#include "FakePrompts.h"
#include "TestSupport.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::MakeSpectrum;
using test::TempDir;

CSpectrum Ramp(int count) {
  return MakeSpectrum(400.0f, 1.0f, count, [](float x) { return (x - 399.0f) / 100.0f; });
}

std::vector<bool> Selected(int count, std::initializer_list<std::pair<int, int>> runs) {
  std::vector<bool> selected(static_cast<std::size_t>(count), false);
  for (const auto& [first, last] : runs) {
    for (int i = first; i <= last; ++i) {
      selected[static_cast<std::size_t>(i)] = true;
    }
  }
  return selected;
}

TEST(DataListDlg, ListsShiftedXAndYInBothFormats) {
  CSpectrum spectrum =
      MakeSpectrum(500.0f, 0.5f, 2, [](float x) { return x == 500.0f ? 0.25 : 1.0 / 3.0; });
  spectrum.m_xShift = 5.0f;
  CDataListDlg dlg;
  dlg.m_current = &spectrum;
  EXPECT_EQ(dlg.PointList(), (std::vector<std::string>{"505.000         0.250000000",
                                                       "505.500         0.333333343"}));
  dlg.m_shortFormat = true;
  EXPECT_EQ(dlg.PointList(),
            (std::vector<std::string>{"505.000         0.250000", "505.500         0.333333"}));
}

TEST(DataListDlg, RunWorksOnTheFirstRunOfSelectedPoints) {
  struct Case {
    const char* what;
    NoiseOperation operation;
    float value;
    std::vector<std::pair<int, int>> runs;
    std::pair<int, int> region;
  };
  const std::vector<Case> cases{
      {"replace on the first of two runs",
       NoiseOperation::Replace,
       0.0f,
       {{10, 20}, {30, 40}},
       {10, 20}},
      {"a run to the last point", NoiseOperation::AddShift, 1.5f, {{45, 49}}, {45, 49}},
      {"smooth of one point", NoiseOperation::Smooth, 0.0f, {{7, 7}, {9, 9}}, {7, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CSpectrum spectrum = Ramp(50);
    const CSpectrum before = spectrum;
    CDataListDlg dlg;
    dlg.m_current = &spectrum;
    FakePrompts prompts;
    std::vector<bool> selected(50, false);
    for (const auto& [first, last] : c.runs) {
      for (int i = first; i <= last; ++i) {
        selected[static_cast<std::size_t>(i)] = true;
      }
    }
    const auto result = dlg.Run(prompts, {{"value", FieldText(c.value)}}, c.operation, selected);
    ASSERT_TRUE(result.region);
    EXPECT_EQ(*result.region, c.region);
    EXPECT_TRUE(prompts.messages.empty());
    CSpectrum expected = before;
    if (c.operation == NoiseOperation::Replace) {
      expected.SetY(c.region.first, c.region.second, c.value);
    } else if (c.operation == NoiseOperation::AddShift) {
      expected.AddY(c.region.first, c.region.second, c.value);
    }
    EXPECT_EQ(spectrum.m_points, expected.m_points);
  }
}

TEST(DataListDlg, AddShiftRaisesTheListedValues) {
  CSpectrum spectrum = Ramp(5);
  CDataListDlg dlg;
  dlg.m_current = &spectrum;
  FakePrompts prompts;
  const std::vector<std::string> before = dlg.PointList();
  ASSERT_TRUE(
      dlg.Run(prompts, {{"value", "1.5"}}, NoiseOperation::AddShift, Selected(5, {{1, 2}})).region);
  const std::vector<std::string> after = dlg.PointList();
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[1], "401.000         1.519999981");
  EXPECT_EQ(after[3], before[3]);
}

TEST(DataListDlg, RunWithoutSelectionAsksForARegion) {
  CSpectrum spectrum = Ramp(5);
  const CSpectrum before = spectrum;
  CDataListDlg dlg;
  dlg.m_current = &spectrum;
  FakePrompts prompts;
  EXPECT_FALSE(dlg.Run(prompts, {}, NoiseOperation::Replace, Selected(5, {})).region);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kSelectDataRegion);
  EXPECT_EQ(prompts.messages[0].caption, kApplicationTitle);
  EXPECT_EQ(spectrum.m_points, before.m_points);
}

TEST(DataListDlg, RefusedFieldKeepsStoredValueAndOperation) {
  CSpectrum spectrum = Ramp(5);
  CDataListDlg dlg;
  dlg.m_current = &spectrum;
  dlg.m_value = 2.0f;
  FakePrompts prompts;
  const auto result = dlg.Run(prompts, {{"value", "9"}, {"quantumYield", "1.5"}},
                              NoiseOperation::Replace, Selected(5, {{0, 0}}));
  ASSERT_TRUE(result.refusal);
  EXPECT_EQ(result.refusal->key, "quantumYield");
  EXPECT_EQ(result.refusal->message, RangeMessage({0.0f, 1.0f}));
  EXPECT_FLOAT_EQ(spectrum.m_points[0].y, Ramp(5).m_points[0].y + 2.0f);
  EXPECT_EQ(dlg.m_operation, NoiseOperation::AddShift);
}

TEST(DataListDlg, FieldRangesRefuseOutOfRangeNumbers) {
  CDataListDlg dlg;
  for (const auto& [key, text] :
       std::vector<std::pair<std::string, std::string>>{{"epsilon", "-1"},
                                                        {"epsilon", "2e9"},
                                                        {"epsilonWavelength", "1000.5"},
                                                        {"quantumYield", "-0.1"}}) {
    SCOPED_TRACE(key + " " + text);
    dlg.m_values.absName = "kept";
    dlg.m_recordNumber = 1;
    const auto refusal = dlg.SaveRecord({{"name", "changed"}, {key, text}});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->key, key);
    EXPECT_EQ(dlg.m_values.absName, "kept");
    EXPECT_FALSE(dlg.m_saveRequested);
  }
}

TEST(DataListDlg, SaveRecordNeedsALoadedRecord) {
  CDataListDlg dlg;
  EXPECT_FALSE(dlg.SaveRecordEnabled());
  EXPECT_FALSE(dlg.SaveRecord({{"name", "Perylene"}}));
  EXPECT_FALSE(dlg.m_saveRequested);
  EXPECT_EQ(dlg.m_values.absName, "");
  dlg.m_recordNumber = 3;
  EXPECT_TRUE(dlg.SaveRecordEnabled());
  EXPECT_FALSE(dlg.SaveRecord({{"name", "Perylene"}}));
  EXPECT_TRUE(dlg.m_saveRequested);
  EXPECT_EQ(dlg.m_values.absName, "Perylene");
}

TEST(DataListDlg, ReportTakesTheStoredValuesNotTheTypedOnes) {
  CSpectrum spectrum = Ramp(5);
  CDataListDlg dlg;
  dlg.m_current = &spectrum;
  dlg.m_values.absName = "Perylene";
  dlg.m_values.absEpsilon = 38500.0f;
  dlg.m_values.lsTime = "noon";
  dlg.m_values.emsNotes = "two\nlines";
  dlg.CreateReport();
  EXPECT_TRUE(dlg.m_reportRequested);
  ASSERT_EQ(dlg.m_report.numbers.size(), 3u);
  ASSERT_EQ(dlg.m_report.texts.size(), 24u);
  EXPECT_FLOAT_EQ(dlg.m_report.numbers[0], 38500.0f);
  EXPECT_EQ(dlg.m_report.texts[0], "Perylene");
  EXPECT_EQ(dlg.m_report.texts[14], "two\nlines");
  EXPECT_EQ(dlg.m_report.texts[23], "noon");

  FakePrompts prompts;
  ASSERT_TRUE(
      dlg.Run(prompts, {{"name", "Perylene-d12"}}, NoiseOperation::AddShift, Selected(5, {{0, 0}}))
          .region);
  dlg.CreateReport();
  EXPECT_EQ(dlg.m_report.texts[0], "Perylene-d12");
}

TEST(DataListDlg, SavePointsWritesSpectrumTextAndTellsAFailure) {
  TempDir dir;
  CSpectrum spectrum = Ramp(3);
  CDataListDlg dlg;
  dlg.m_current = &spectrum;
  FakePrompts prompts;
  prompts.fileAnswers = {dir.Path("points.txt"), std::string("*.txt"),
                         dir.Path("missing/folder/points.txt")};
  EXPECT_TRUE(dlg.SavePoints(prompts));
  EXPECT_EQ(TempDir::Read(dir.Path("points.txt")), FormatSpectrumText(spectrum));
  EXPECT_FALSE(dlg.SavePoints(prompts));
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(dlg.SavePoints(prompts));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind(kSavePointsFailed, 0), 0u);
  ASSERT_FALSE(prompts.fileDialogs.empty());
  EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, "txt");
  EXPECT_EQ(prompts.fileDialogs[0].initialName, "*.txt");
}

class DataListSpectrumData : public ::testing::Test {
protected:
  void SetUp() override {
    CProfileCache::Shared().Clear();
    dir.Write("per.ems.txt", "450 0.5\n460 2\n470 1\n");
    DatabaseRecord first;
    first.absName = "Anthracene";
    first.emsFile = "none.ems.txt";
    DatabaseRecord second;
    second.absName = "Perylene";
    second.emsFile = "per.ems.txt";
    second.emsQuantumYield = 0.9f;
    db = dir.Path("dyes.db");
    ASSERT_TRUE(AppendRecord(db, true, first).ok);
    ASSERT_TRUE(AppendRecord(db, false, second).ok);
    document.AddNewSpectrum()->m_points = Ramp(3).m_points;
    fileList.AddEntry("shown.abs.txt", 0);
  }

  TempDir dir;
  std::string db;
  CLumivexData document;
  CSpectrumList fileList;
  CSpectrum shown = Ramp(3);
};

TEST_F(DataListSpectrumData, ButtonsFollowTheLoadedRecordAndTheirSpectraGoAway) {
  CDataListDlg dlg;
  dlg.m_current = &shown;
  dlg.m_recordNumber = 2;
  dlg.Open(SpectrumDataButton::Absorption,
           MissingSpectrumFiles(*CProfileCache::Shared().Get(db), 2));
  EXPECT_EQ(dlg.m_buttonEnabled, (std::array<bool, 3>{false, true, false}));
  DataListWorkspace workspace{document, fileList, db, dir.Path("")};

  EXPECT_FALSE(dlg.PressSpectrumData(SpectrumDataButton::LightSource, workspace));
  ASSERT_TRUE(dlg.PressSpectrumData(SpectrumDataButton::Emission, workspace));
  EXPECT_FALSE(dlg.PressSpectrumData(SpectrumDataButton::Emission, workspace));
  ASSERT_EQ(document.Count(), 2);
  ASSERT_EQ(fileList.Count(), 2);
  EXPECT_EQ(dlg.m_openedCount, 1);
  const CSpectrum* opened = document.At(1);
  EXPECT_EQ(dlg.m_current, opened);
  EXPECT_EQ(opened->m_kind, SpectrumKind::Emission);
  EXPECT_EQ(opened->m_name, "Perylene");
  EXPECT_EQ(opened->m_recordNumber, 2);
  EXPECT_FLOAT_EQ(opened->m_peakY, 2.0f);
  EXPECT_FLOAT_EQ(opened->m_quantumYield, 0.9f);
  EXPECT_EQ(fileList.SelectedIndices(), std::vector<int>{1});
  EXPECT_EQ(dlg.PointList()[1], "460.000         2.000000");

  dlg.RemoveOpened(workspace);
  EXPECT_EQ(document.Count(), 1);
  EXPECT_EQ(fileList.Count(), 1);
  EXPECT_EQ(fileList.Entry(0).text, "shown.abs.txt");
  EXPECT_EQ(dlg.m_current, nullptr);
}

TEST_F(DataListSpectrumData, ButtonsAreDisabledWithoutRecord) {
  CDataListDlg dlg;
  dlg.m_current = &shown;
  dlg.Open(SpectrumDataButton::Absorption, 0);
  EXPECT_EQ(dlg.m_buttonEnabled, (std::array<bool, 3>{false, false, false}));
  DataListWorkspace workspace{document, fileList, db, dir.Path("")};
  EXPECT_FALSE(dlg.PressSpectrumData(SpectrumDataButton::Emission, workspace));
  EXPECT_EQ(document.Count(), 1);
}

TEST_F(DataListSpectrumData, AnUnreadableRecordFileListsAnEmptySpectrum) {
  CDataListDlg dlg;
  dlg.m_current = &shown;
  dlg.m_recordNumber = 1;
  dlg.Open(SpectrumDataButton::Absorption, 1 | 4);
  DataListWorkspace workspace{document, fileList, db, dir.Path("")};
  ASSERT_TRUE(dlg.PressSpectrumData(SpectrumDataButton::Emission, workspace));
  EXPECT_TRUE(dlg.PointList().empty());
  EXPECT_EQ(document.At(1)->m_filePath, dir.Path("none.ems.txt"));
  dlg.RemoveOpened(workspace);
  EXPECT_EQ(document.Count(), 1);
}

} // namespace
} // namespace lumivex

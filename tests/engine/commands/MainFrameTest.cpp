#include "commands/MainFrame.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/GraphSettingDlg.h"

#include <cmath>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::MakeSpectrum;
using test::TempDir;

class MainFrameTest : public ::testing::Test {
protected:
  MainFrameTest() : frame(prompts, views) { frame.Startup(); }

  // Opens a file through the interactive Open Data File command; true when it was added.
  bool Open(const std::string& name, const std::string& contents) {
    const std::string path = dir.Write(name, contents);
    const int before = frame.m_pData->Count();
    prompts.fileAnswers.push_back(path);
    frame.Execute(kIdOpenDataFile);
    return frame.m_pData->Count() > before;
  }

  // Puts a spectrum straight into the workspace with its Data File entry.
  CSpectrum& Add(SpectrumKind kind, float peak, const std::string& name) {
    CSpectrum* s = frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(
        MakeSpectrum(400.0f, 1.0f, 101, [peak](float x) { return peak * (x - 399.0f) / 101.0f; })));
    s->m_kind = kind;
    s->m_name = name;
    frame.m_fileList.AddEntry(name, frame.m_fileList.Count());
    return *s;
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(MainFrameTest, StartupCreatesAndArrangesTheWindowsOnce) {
  EXPECT_EQ(views.created, 1);
  EXPECT_EQ(views.arranged, 1);
  EXPECT_EQ(frame.m_workspace.m_framesCreated, 1);
  EXPECT_FALSE(frame.ChildrenClosable());
  frame.Execute(kIdFileNew);
  EXPECT_EQ(views.created, 1);
  frame.BeginClose();
  EXPECT_TRUE(frame.ChildrenClosable());
  EXPECT_EQ(frame.m_workspace.m_framesCreated, 0);
  EXPECT_EQ(frame.m_skipNextMove, 1);
}

TEST_F(MainFrameTest, ArrangementTable) {
  const WindowLayout layout = CMainFrame::ArrangeWindows({0, 0, 1600, 1001});
  EXPECT_EQ(layout.graph, (CRect{265, 0, 265 + 1330, 500}));
  EXPECT_EQ(layout.fileList, (CRect{265, 500, 265 + 1330, 500 + 445}));
  EXPECT_EQ(layout.database, (CRect{3, 35, 268, 35 + 946}));
}

TEST_F(MainFrameTest, FileNewEmptiesTheWorkspaceButKeepsEpsilonAndIntensityMaxima) {
  ASSERT_TRUE(Open("a.abs.txt", "400 0.5\n401 0.7\n"));
  ASSERT_TRUE(Open("b.ems.txt", "500 2\n501 3\n"));
  CLumivexData& data = *frame.m_pData;
  data.m_epsilonMax = 12000.0f;
  data.m_intensityMax = 0.25f;
  data.m_settingsApplied = 1;
  data.m_freshSettings = 0;
  const int repaints = views.graphInvalidated;
  frame.Execute(kIdFileNew);
  EXPECT_EQ(data.Count(), 0);
  EXPECT_EQ(frame.m_fileList.Count(), 0);
  EXPECT_GT(views.graphInvalidated, repaints);
  EXPECT_EQ(data.m_xMin, 1.0e9f);
  EXPECT_EQ(data.m_xMax, 0.0f);
  EXPECT_EQ(data.m_absorptionMax, 0.0f);
  EXPECT_EQ(data.m_emissionMax, 0.0f);
  EXPECT_EQ(data.m_settingsApplied, 0);
  EXPECT_EQ(data.m_freshSettings, 1);
  EXPECT_EQ(data.m_epsilonMax, 12000.0f);
  EXPECT_EQ(data.m_intensityMax, 0.25f);
}

TEST_F(MainFrameTest, ClosingThirtyFiveSelectedEntriesClosesTheLowestThirty) {
  for (int i = 0; i < 35; ++i) {
    Add(SpectrumKind::Absorption, 1.0f + static_cast<float>(i), "s" + std::to_string(i));
    frame.m_fileList.SetSelected(i, true);
  }
  frame.Execute(kIdCloseSelectedFiles);
  ASSERT_EQ(frame.m_pData->Count(), 5);
  ASSERT_EQ(frame.m_fileList.Count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(frame.m_pData->At(i)->m_name, "s" + std::to_string(30 + i));
    EXPECT_EQ(frame.m_fileList.Entry(i).text, "s" + std::to_string(30 + i));
    EXPECT_TRUE(frame.m_fileList.Entry(i).selected);
    EXPECT_EQ(frame.m_fileList.Entry(i).colour, WorkspaceColour(i));
  }
  // Reset Graph ran: automatic ranges from what is left.
  EXPECT_EQ(frame.m_pData->m_freshSettings, 1);
  EXPECT_EQ(frame.m_pData->m_xMin, 400.0f);
  EXPECT_EQ(frame.m_pData->m_xMax, 500.0f);
  EXPECT_FLOAT_EQ(frame.m_pData->m_absorptionMax, 35.0f);
}

TEST_F(MainFrameTest, ClosingRecoloursTheRemainingEntriesByPosition) {
  for (int i = 0; i < 5; ++i) {
    Add(SpectrumKind::Emission, 1.0f, "e" + std::to_string(i));
  }
  frame.m_fileList.SetSelected(1, true);
  frame.m_fileList.SetSelected(3, true);
  frame.Execute(kIdCloseSelectedFiles);
  ASSERT_EQ(frame.m_fileList.Count(), 3);
  EXPECT_EQ(frame.m_fileList.Entry(0).text, "e0");
  EXPECT_EQ(frame.m_fileList.Entry(1).text, "e2");
  EXPECT_EQ(frame.m_fileList.Entry(2).text, "e4");
  EXPECT_EQ(frame.m_fileList.Entry(0).colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(frame.m_fileList.Entry(1).colour, (Rgb{0, 255, 0}));
  EXPECT_EQ(frame.m_fileList.Entry(2).colour, (Rgb{0, 0, 255}));
  EXPECT_EQ(frame.m_pData->At(1)->m_name, "e2");

  // Nothing selected: only recolouring, repaint and Reset Graph.
  frame.m_pData->m_settingsApplied = 1;
  frame.Execute(kIdCloseSelectedFiles);
  EXPECT_EQ(frame.m_fileList.Count(), 3);
  EXPECT_EQ(frame.m_pData->m_settingsApplied, 0);
}

TEST_F(MainFrameTest, OpenDataFileAsksThenAddsASelectedColouredEntry) {
  ASSERT_TRUE(Open("first.abs.txt", "400 0.5\n401 0.7\n"));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "File must be in Tab Delimited form, be uniform in x-axis steps,\n and have the "
            "extention *.abs.txt, *.ems.txt, or *.els.txt.");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, "txt");
  EXPECT_EQ(prompts.fileDialogs[0].filter,
            "Text files (*.txt) | *.txt|Emission files (*.ems.txt)|*.ems.txt | Absorption files "
            "(*.abs.txt) | *.abs.txt | Light Source files (*.els.txt) | *.els.txt|All files "
            "(*.*)|*.*||");

  ASSERT_TRUE(Open("second.ems.txt", "400 1\n401 2\n"));
  ASSERT_EQ(frame.m_fileList.Count(), 2);
  EXPECT_EQ(frame.m_fileList.Entry(1).text, dir.Path("second.ems.txt"));
  EXPECT_EQ(frame.m_fileList.Entry(1).colour, (Rgb{0, 255, 0}));
  EXPECT_EQ(frame.Selection(), std::vector<int>{1});
  EXPECT_EQ(frame.m_pData->At(1)->m_kind, SpectrumKind::Emission);

  // Cancelling, or a dialog that returns the bare filter, does nothing.
  const int repaints = views.graphInvalidated;
  prompts.fileAnswers.push_back(std::nullopt);
  frame.Execute(kIdOpenDataFile);
  prompts.fileAnswers.push_back("*.txt");
  frame.Execute(kIdOpenDataFile);
  EXPECT_EQ(frame.m_pData->Count(), 2);
  EXPECT_EQ(views.graphInvalidated, repaints);
}

// Reading a file shows the program busy, and its messages wait until the busy time is over.
TEST_F(MainFrameTest, ReadingFilesShowsTheProgramBusyWithNoMessageInBetween) {
  struct Case {
    const char* what;
    std::string name;
    std::string contents;
    int command;
    bool opened;
  };
  for (const Case& c :
       {Case{"a spectrum", "dye.abs.txt", "400 1\n401 2\n", kIdOpenDataFile, true},
        Case{"a refused spectrum", "flat.abs.txt", "400 1\n400 2\n", kIdOpenDataFile, false},
        Case{"a database", "dyes.db", "[Spectra]\nNumber = 0\n", kIdOpenDatabase, true}}) {
    SCOPED_TRACE(c.what);
    prompts.busyChanges.clear();
    prompts.messages.clear();
    prompts.fileAnswers.push_back(dir.Write(c.name, c.contents));
    frame.Execute(c.command);
    EXPECT_EQ(prompts.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(prompts.busyDepth, 0);
    EXPECT_EQ(prompts.messagesWhileBusy, 0);
    // The refusal is still told, after the busy time.
    EXPECT_EQ(!prompts.messages.empty() && prompts.messages.back().icon == MessageIcon::Warning,
              !c.opened);
  }
  prompts.busyChanges.clear();
  prompts.fileAnswers.push_back(std::nullopt);
  frame.Execute(kIdOpenDataFile);
  EXPECT_EQ(prompts.busyChanges, std::vector<bool>{}) << "a cancelled dialog reads nothing";
}

TEST_F(MainFrameTest, OpenDataFileRefusals) {
  EXPECT_FALSE(Open("notes.txt", "400 1\n401 2\n"));
  EXPECT_EQ(prompts.messages.back().text,
            "File name must be in the form *.abs.txt, *.ems.txt, or *.els");
  EXPECT_EQ(prompts.messages.back().icon, MessageIcon::None);

  ASSERT_TRUE(Open("lamp.els.txt", "400 1\n401 2\n"));
  frame.m_fileList.ClearSelection(); // selected or not, the light source counts
  EXPECT_FALSE(Open("dye.ems.txt", "400 1\n401 2\n"));
  EXPECT_EQ(prompts.messages.back().text,
            "Emission files (.ems) and light source files (.els) may not be shown at the same "
            "time.");
  EXPECT_EQ(prompts.messages.back().icon, MessageIcon::Information);
  EXPECT_TRUE(Open("dye.abs.txt", "400 1\n401 2\n"));

  // A file that is no spectrum is refused with a message naming it.
  EXPECT_FALSE(Open("single.abs.txt", "400 1\n"));
  EXPECT_NE(prompts.messages.back().text.find("single.abs.txt"), std::string::npos);
  EXPECT_EQ(frame.m_fileList.Count(), 2);
}

TEST_F(MainFrameTest, ARecordsSpectrumOpensWithoutDialogs) {
  dir.Write("perylene.abs.txt", "400 0.2\n401 0.4\n402 0.3\n");
  frame.m_database.Open(dir.Write(
      "db.db", "[Spectra]\nNumber = 1\n\n[1 Absorption]\nName = Perylene\nEpsilon = "
               "38500.000000\nWavelength = 401.000000\nFile = perylene.abs.txt\n[1 Emission]\n"
               "QuantumYield = 0.940000\n"));
  frame.m_workspace.OpenRecordSpectrum(1, RecordSection::Absorption);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(prompts.fileDialogs.empty());
  EXPECT_EQ(frame.m_database.m_databaseSpectrumPath, dir.Path("perylene.abs.txt"));
  ASSERT_EQ(frame.m_pData->Count(), 1);
  const CSpectrum& s = *frame.m_pData->At(0);
  EXPECT_EQ(s.m_name, "Perylene");
  EXPECT_EQ(s.m_fromDatabase, 1);
  EXPECT_EQ(s.m_recordNumber, 1);
  EXPECT_EQ(s.m_epsilon, 38500.0f);
}

TEST_F(MainFrameTest, SetGraphNeedsASelection) {
  frame.Execute(kIdSetGraph);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "At least one spectrum file must be selected for 'Graph Settings'.  Please select a "
            "spectrum in the Data File window.");
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(MainFrameTest, SetGraphPrefillsFromTheLastSelectedSpectrumAndDisablesQuantities) {
  ASSERT_TRUE(Open("a.abs.txt", "300 0.5\n301 0.9\n302 0.2\n"));
  ASSERT_TRUE(Open("b.ems.txt", "450 20\n451 40\n452 10\n"));
  frame.m_fileList.SetSelected(0, true);
  frame.m_fileList.SetSelected(1, true);
  CGraphSettingDlg seen;
  prompts.dialogScripts.push_back([&seen](CDialogModel& model) {
    seen = dynamic_cast<CGraphSettingDlg&>(model);
    return kResultCancel;
  });
  frame.Execute(kIdSetGraph);
  ASSERT_EQ(prompts.dialogsRun, std::vector<std::string>{"CGraphSettingDlg"});
  EXPECT_EQ(seen.m_quantity, GraphQuantity::Fluorescence);
  EXPECT_EQ(seen.m_referenceKind, 1);
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::Absorption));
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::Epsilon));
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::LogEpsilon));
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::Irradiance));
  EXPECT_TRUE(seen.IsEnabled(GraphQuantity::Fluorescence));
  EXPECT_TRUE(seen.IsEnabled(GraphQuantity::Intensity));
  // Fresh settings: the automatic range as the graph shows it, in multiples of the 10
  // partitions, and the emission maximum.
  EXPECT_EQ(seen.m_xLow, 300.0f);
  EXPECT_EQ(seen.m_xHigh, 450.0f);
  EXPECT_EQ(seen.m_yLow, 0.0f);
  EXPECT_EQ(seen.m_yHigh, 40.0f);
  EXPECT_EQ(seen.m_unit, 0);
  // Cancel changes nothing and keeps the next dialog fresh.
  EXPECT_EQ(frame.m_pData->m_freshSettings, 1);
  EXPECT_EQ(frame.m_pData->m_settingsApplied, 0);

  // An absorption reference disables the emission and light-source quantities.
  frame.m_fileList.SetSelected(1, false);
  prompts.dialogScripts.push_back([&seen](CDialogModel& model) {
    seen = dynamic_cast<CGraphSettingDlg&>(model);
    return kResultCancel;
  });
  frame.Execute(kIdSetGraph);
  EXPECT_EQ(seen.m_quantity, GraphQuantity::Absorption);
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::Fluorescence));
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::Intensity));
  EXPECT_FALSE(seen.IsEnabled(GraphQuantity::Irradiance));
  EXPECT_TRUE(seen.IsEnabled(GraphQuantity::LogEpsilon));
  EXPECT_EQ(seen.m_yHigh, 0.9f);
}

TEST_F(MainFrameTest, SetGraphStoresAWavenumberRangeInNanometres) {
  ASSERT_TRUE(Open("a.abs.txt", "300 0.5\n301 0.9\n302 0.2\n"));
  prompts.dialogScripts.push_back([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CGraphSettingDlg&>(model);
    dlg.SelectUnit(1);
    dlg.m_xLow = 12500.0f;
    dlg.m_xHigh = 25000.0f;
    dlg.m_yHigh = 2.0f;
    dlg.m_yLow = 0.1f;
    dlg.m_title = "Dye";
    dlg.m_lineWidth = 3;
    dlg.m_xPartitions = 5;
    return kResultOk;
  });
  const int repaints = views.graphInvalidated;
  frame.Execute(kIdSetGraph);
  const CLumivexData& data = *frame.m_pData;
  EXPECT_EQ(data.m_xLow, 400.0f);
  EXPECT_EQ(data.m_xHigh, 800.0f);
  EXPECT_EQ(data.m_xUnit, 1);
  EXPECT_EQ(data.m_settingsApplied, 1);
  EXPECT_EQ(data.m_showAbsorption, 1);
  EXPECT_EQ(data.m_absorptionMax, 2.0f);
  EXPECT_EQ(data.m_yHigh, 2.0f);
  EXPECT_EQ(data.m_absorptionLow, 0.1f);
  EXPECT_EQ(data.m_title, "Dye");
  EXPECT_EQ(data.m_lineWidth, 3);
  EXPECT_EQ(data.m_xPartitions, 5);
  EXPECT_EQ(data.m_freshSettings, 0);
  // The quantity did not change: a repaint, no Auto Scale (which would reset the maximum).
  EXPECT_EQ(views.graphInvalidated, repaints + 1);

  // The next dialog shows the stored range in the stored unit.
  CGraphSettingDlg seen;
  prompts.dialogScripts.push_back([&seen](CDialogModel& model) {
    seen = dynamic_cast<CGraphSettingDlg&>(model);
    return kResultCancel;
  });
  frame.m_fileList.SelectOnly(0);
  frame.Execute(kIdSetGraph);
  EXPECT_EQ(seen.m_unit, 1);
  EXPECT_EQ(seen.m_xLow, 12500.0f);
  EXPECT_EQ(seen.m_xHigh, 25000.0f);
}

TEST_F(MainFrameTest, ChoosingEpsilonRunsAutoScaleOverTheDatabaseSpectra) {
  CSpectrum& a = Add(SpectrumKind::Absorption, 0.8f, "a");
  CSpectrum& b = Add(SpectrumKind::Absorption, 0.6f, "b");
  a.m_epsilonPeak = 21000.0f;
  b.m_epsilonPeak = 34000.0f;
  frame.m_fileList.SelectOnly(0);
  frame.Execute(kIdResetGraph);
  prompts.dialogScripts.push_back([](CDialogModel& model) {
    dynamic_cast<CGraphSettingDlg&>(model).m_quantity = GraphQuantity::Epsilon;
    return kResultOk;
  });
  frame.Execute(kIdSetGraph);
  const CLumivexData& data = *frame.m_pData;
  EXPECT_EQ(data.m_showEpsilon, 1);
  EXPECT_EQ(data.m_epsilonMax, 34000.0f);
  EXPECT_EQ(data.m_yHigh, 34000.0f);
  EXPECT_EQ(data.m_xMin, 0.0f);
}

TEST_F(MainFrameTest, LogEpsilonIsEditedInDecadesAndStoredAsAbsorptivity) {
  CSpectrum& a = Add(SpectrumKind::Absorption, 0.8f, "a");
  a.m_epsilonPeak = 10000.0f;
  frame.m_fileList.SelectOnly(0);
  CLumivexData& data = *frame.m_pData;
  data.m_settingsApplied = 1;
  data.m_showLogEpsilon = 1;
  data.m_epsilonMax = 10000.0f;
  data.m_epsilonLow = 10.0f;
  data.m_freshSettings = 0;
  CGraphSettingDlg seen;
  prompts.dialogScripts.push_back([&seen](CDialogModel& model) {
    seen = dynamic_cast<CGraphSettingDlg&>(model);
    return kResultOk;
  });
  frame.Execute(kIdSetGraph);
  EXPECT_EQ(seen.m_quantity, GraphQuantity::LogEpsilon);
  EXPECT_FLOAT_EQ(seen.m_yHigh, 4.0f);
  EXPECT_FLOAT_EQ(seen.m_yLow, 1.0f);
  EXPECT_FLOAT_EQ(data.m_epsilonMax, 10000.0f);
  EXPECT_FLOAT_EQ(data.m_yHigh, 10000.0f);
  EXPECT_FLOAT_EQ(data.m_epsilonLow, 10.0f);
}

TEST_F(MainFrameTest, AutoScaleDoesNothingWithoutAppliedSettings) {
  Add(SpectrumKind::Absorption, 0.8f, "a");
  frame.m_pData->m_absorptionMax = 5.0f;
  const int repaints = views.graphInvalidated;
  frame.Execute(kIdAutoScale);
  EXPECT_EQ(views.graphInvalidated, repaints);
  EXPECT_EQ(frame.m_pData->m_absorptionMax, 5.0f);

  frame.m_pData->m_settingsApplied = 1;
  frame.m_pData->m_showAbsorption = 1;
  frame.Execute(kIdAutoScale);
  EXPECT_EQ(views.graphInvalidated, repaints + 1);
  EXPECT_FLOAT_EQ(frame.m_pData->m_absorptionMax, 0.8f);
  EXPECT_FLOAT_EQ(frame.m_pData->m_yHigh, 0.8f);
}

TEST_F(MainFrameTest, ResetGraphReturnsToAutomaticWavelengthRanges) {
  CSpectrum& a = Add(SpectrumKind::Absorption, 0.8f, "a");
  CSpectrum& e = Add(SpectrumKind::Emission, 3.0f, "e");
  CSpectrum& l = Add(SpectrumKind::Curve, 2.0f, "c");
  a.m_xShift = 5.0f;
  e.m_xShift = -2.0f;
  e.m_points = {{700.0f, 1.0f}, {650.0f, 3.0f}};
  CLumivexData& data = *frame.m_pData;
  data.m_settingsApplied = 1;
  data.m_showLogEpsilon = 1;
  data.m_xUnit = 3;
  data.m_title = "kept";
  data.m_xPartitions = 4;
  data.m_emissionLow = 1.0f;
  data.m_epsilonMax = 99.0f;
  frame.Execute(kIdResetGraph);
  EXPECT_EQ(a.m_xShift, 0.0f);
  EXPECT_EQ(e.m_xShift, 0.0f);
  EXPECT_EQ(data.m_settingsApplied, 0);
  EXPECT_EQ(data.m_showLogEpsilon, 0);
  EXPECT_EQ(data.m_xUnit, 0);
  EXPECT_EQ(data.m_xMin, 400.0f);
  EXPECT_EQ(data.m_xMax, 700.0f);
  EXPECT_FLOAT_EQ(data.m_absorptionMax, std::max(a.m_peakY, l.m_peakY));
  EXPECT_FLOAT_EQ(data.m_emissionMax, e.m_peakY);
  EXPECT_EQ(data.m_emissionLow, 0.0f);
  EXPECT_EQ(data.m_freshSettings, 1);
  EXPECT_EQ(data.m_title, "kept");
  EXPECT_EQ(data.m_xPartitions, 4);
  EXPECT_EQ(data.m_epsilonMax, 99.0f);
}

TEST_F(MainFrameTest, ResetGraphKeepsTheAutomaticRangeAsTheGraphShowsIt) {
  CSpectrum& a = Add(SpectrumKind::Absorption, 0.8f, "a");
  a.m_points = {{253.4f, 0.1f}, {702.5f, 0.2f}};
  CLumivexData& data = *frame.m_pData;
  frame.Execute(kIdResetGraph);
  EXPECT_EQ(data.m_xMin, 250.0f);
  EXPECT_EQ(data.m_xMax, 700.0f);

  // Without x values the graph draws the range as it is.
  data.m_xAxisValues = 0;
  frame.Execute(kIdResetGraph);
  EXPECT_EQ(data.m_xMin, 253.4f);
  EXPECT_EQ(data.m_xMax, 702.5f);
}

TEST_F(MainFrameTest, UsagePromptAndHelpCommands) {
  // "Help" opens the command's topic, "OK" only closes the prompt.
  prompts.messageAnswers = {kResultHelp, kResultUsageOk};
  frame.Context().ShowUsage("How to use it", "Peak Search", kIdPeakSearch);
  frame.Context().ShowUsage("How to use it", "Peak Search", kIdPeakSearch);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{kHelpTopicBase + kIdPeakSearch});
  prompts.helpTopics.clear();
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(prompts.messages[0].caption, "Peak Search");

  frame.m_folders.help = "/opt/lumivex/data/help";
  EXPECT_TRUE(frame.Execute(kIdAcknowledgment));
  EXPECT_TRUE(frame.Execute(kIdAuthors));
  EXPECT_TRUE(frame.Execute(kIdBibliography));
  EXPECT_TRUE(frame.Execute(kIdDevelopment));
  EXPECT_TRUE(frame.Execute(kIdOverview));
  EXPECT_TRUE(frame.Execute(kIdToolbarHelp));
  EXPECT_EQ(prompts.helpTopics, (std::vector<int>{108623, 107791, 108447, 108303, 108831, 108047}));
  EXPECT_TRUE(frame.Execute(kIdHelpContent));
  EXPECT_TRUE(frame.Execute(kIdHelpFinder));
  EXPECT_EQ(prompts.helpContents, (std::vector<std::string>{"contents", "index"}));
  EXPECT_TRUE(frame.Execute(kIdLumivexOnline));
  EXPECT_EQ(prompts.browserAddresses,
            std::vector<std::string>{"/opt/lumivex/data/help/index.html"});

  // Commands whose capabilities are not built refuse to run.
  for (const CommandInfo& command : Commands()) {
    if (!command.available) {
      EXPECT_FALSE(frame.Execute(command.id)) << command.menuText;
    }
  }
  EXPECT_FALSE(frame.Execute(12345));
}

TEST_F(MainFrameTest, LumivexOnlineSaysWhereThePageIsWhenNoBrowserStarts) {
  frame.m_folders.help = "/opt/lumivex/data/help";
  for (const bool starts : {true, false}) {
    prompts.messages.clear();
    prompts.browserStarts = starts;
    EXPECT_TRUE(frame.Execute(kIdLumivexOnline));
    if (starts) {
      EXPECT_TRUE(prompts.messages.empty());
      continue;
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("No web browser could be started"), std::string::npos);
    EXPECT_NE(prompts.messages[0].text.find("/opt/lumivex/data/help/index.html"),
              std::string::npos);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
  }
}

} // namespace
} // namespace lumivex

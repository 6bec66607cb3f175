#include "commands/ViewCommands.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "core/ProfileFile.h"
#include "curves/BandDlg.h"
#include "curves/CurveDialogs.h"
#include "curves/PeakSearch.h"
#include "database/DatabaseRecord.h"
#include "ui/CommandIds.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::FakePrompts;
using test::FakeViews;
using test::MakeSpectrum;
using test::TempDir;

// A single peak at 450 nm over 300..700 nm.
float PeakAt450(float x) {
  return 1.0f - std::fabs(x - 450.0f) / 1000.0f;
}

// A triangular band of height 1 at 500 nm falling to 0 at 450 and 550 nm, on a line rising
// by 0.001 per nm from 0 at 300 nm.
float TriangleOnLine(float x) {
  return std::max(0.0f, 1.0f - std::fabs(x - 500.0f) / 50.0f) + 0.001f * (x - 300.0f);
}

class ViewCommandsTest : public ::testing::Test {
protected:
  ViewCommandsTest() : frame(prompts, views) {
    CProfileCache::Shared().Clear();
    frame.Execute(kIdFileNew);
  }

  // Puts a spectrum in the workspace with its Data File entry, selected alone.
  template <typename F>
  CSpectrum& Add(SpectrumKind kind, float first, float step, int count, F y,
                 const std::string& name = "spectrum") {
    auto spectrum = std::make_unique<CSpectrum>(MakeSpectrum(first, step, count, y));
    spectrum->m_kind = kind;
    spectrum->m_name = name;
    CSpectrum* added = frame.m_pData->AppendSpectrum(std::move(spectrum));
    frame.m_fileList.SelectOnly(frame.m_fileList.AddEntry(name, frame.m_fileList.Count()));
    return *added;
  }

  // Types the range into the Peak Searching dialog and keeps what the second showing holds.
  void SearchRange(const std::string& start, const std::string& end) {
    prompts.classScripts["CPeakDlg"].push_back([start, end](CDialogModel& model) {
      auto& dlg = dynamic_cast<CPeakDlg&>(model);
      EXPECT_FALSE(dlg.StoreFields({{"start", start}, {"end", end}}));
      return kResultOk;
    });
    prompts.classScripts["CPeakDlg"].push_back([this](CDialogModel& model) {
      shown = dynamic_cast<CPeakDlg&>(model);
      return kResultOk;
    });
  }

  // A database of two records: record 1 names no spectrum file, record 2 ("Perylene") an
  // absorption and an emission spectrum. The database window lists it.
  void OpenDatabase() {
    dir.Write("per.abs.txt", "400 0.1\n401 0.5\n402 0.25\n403 0.2\n");
    dir.Write("per.ems.txt", "450 0.5\n460 2\n470 1\n");
    DatabaseRecord empty;
    empty.absName = "Anthracene";
    DatabaseRecord perylene;
    perylene.absName = "Perylene";
    perylene.absClass = "Dyes";
    perylene.absEpsilon = 38500.0f;
    perylene.absWavelength = 401.0f;
    perylene.emsQuantumYield = 0.94f;
    perylene.absFile = "per.abs.txt";
    perylene.emsFile = "per.ems.txt";
    database = dir.Path("dyes.db");
    ASSERT_TRUE(AppendRecord(database, true, empty).ok);
    ASSERT_TRUE(AppendRecord(database, false, perylene).ok);
    prompts.fileAnswers.push_back(database);
    frame.Execute(kIdOpenDatabase);
  }

  // Opens record 2's absorption spectrum as the database window does, selected alone.
  CSpectrum& OpenPerylene() {
    frame.m_workspace.OpenRecordSpectrum(2, RecordSection::Absorption);
    return *frame.m_pData->At(frame.m_pData->Count() - 1);
  }

  void ScriptEditor(FakePrompts::DialogScript script) {
    prompts.classScripts["CDataListDlg"].push_back(std::move(script));
  }

  TempDir dir;
  std::string database;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
  CPeakDlg shown;
};

TEST_F(ViewCommandsTest, PeakSearchFindsThePeakInBothDirections) {
  struct Case {
    const char* what;
    float first;
    float step;
    const char* start;
    const char* end;
    float found;
  };
  const Case cases[] = {
      {"ascending", 300.0f, 1.0f, "400", "500", 450.0f},
      {"descending", 700.0f, -1.0f, "400", "500", 450.0f},
      {"up to the last wavelength", 300.0f, 1.0f, "600", "700", 600.0f},
      {"descending from the first wavelength", 700.0f, -1.0f, "300", "350", 350.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Add(SpectrumKind::Absorption, c.first, c.step, 401, PeakAt450, "dye");
    SearchRange(c.start, c.end);
    EXPECT_TRUE(frame.Execute(kIdPeakSearch));
    EXPECT_EQ(shown.m_name, "dye");
    EXPECT_EQ(shown.m_found, FieldText(c.found));
    EXPECT_TRUE(prompts.messages.empty());
  }
  // The search changes nothing in the workspace.
  EXPECT_EQ(frame.m_pData->At(0)->m_points.size(), 401u);
}

TEST_F(ViewCommandsTest, PeakSearchWithNothingAboveZeroShowsNoPeak) {
  struct Case {
    const char* what;
    float (*y)(float);
    const char* start;
    const char* end;
  };
  const Case cases[] = {
      {"all zero", [](float) { return 0.0f; }, "400", "500"},
      {"all negative", [](float x) { return -x; }, "400", "500"},
      {"start above end", PeakAt450, "500", "400"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Add(SpectrumKind::Emission, 300.0f, 1.0f, 401, c.y);
    SearchRange(c.start, c.end);
    frame.Execute(kIdPeakSearch);
    EXPECT_EQ(shown.m_found, kNoPeakFound);
  }
}

TEST_F(ViewCommandsTest, PeakSearchTellsWhatDoesNotFit) {
  // Nothing selected: the usage prompt, whose Help opens the command's topic.
  prompts.messageAnswers.push_back(kResultHelp);
  frame.Execute(kIdPeakSearch);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kPeakSearchUsage);
  EXPECT_EQ(prompts.messages[0].caption, "Peak Search");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{kHelpTopicBase + kIdPeakSearch});

  // A model curve is no spectrum to search.
  Add(SpectrumKind::Curve, 300.0f, 1.0f, 401, PeakAt450);
  frame.Execute(kIdPeakSearch);
  EXPECT_EQ(prompts.messages.back().text, kPeakSearchUsage);

  // Two selected.
  Add(SpectrumKind::Absorption, 300.0f, 1.0f, 401, PeakAt450);
  frame.m_fileList.SetSelected(0, true);
  frame.Execute(kIdPeakSearch);
  EXPECT_EQ(prompts.messages.back().text, kOneFileAtATime);
  EXPECT_TRUE(prompts.dialogsRun.empty());

  // A range starting before the first wavelength: the dialog does not show again.
  frame.m_fileList.SelectOnly(1);
  prompts.classScripts["CPeakDlg"].push_back([](CDialogModel& model) {
    EXPECT_FALSE(dynamic_cast<CPeakDlg&>(model).StoreFields({{"start", "250"}, {"end", "500"}}));
    return kResultOk;
  });
  frame.Execute(kIdPeakSearch);
  EXPECT_EQ(prompts.messages.back().text, kRangeOutOfBoundary);
  EXPECT_EQ(prompts.messages.back().caption, "Lumivex");
  EXPECT_EQ(prompts.messages.back().icon, MessageIcon::None);
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CPeakDlg"});

  // Cancel ends the command quietly.
  const std::size_t told = prompts.messages.size();
  frame.Execute(kIdPeakSearch);
  EXPECT_EQ(prompts.messages.size(), told);
  EXPECT_EQ(prompts.dialogsRun.size(), 2u);
}

TEST_F(ViewCommandsTest, MeasureBandShowsItsMeasuresAndCopiesThem) {
  struct Case {
    const char* what;
    std::optional<std::pair<float, float>> dragged; ///< a band dragged on the graph
    const char* opensLow;
    const char* opensHigh;
    const char* low; ///< typed; nothing typed when null
    const char* high;
    const char* baseline;
    int unit;
    std::vector<std::string> lines; ///< the first lines shown
    const char* lastLine;
  };
  const Case cases[] = {
      {"the whole spectrum at first",
       std::nullopt,
       "300",
       "700",
       nullptr,
       nullptr,
       "0",
       0,
       {"Band of dye: 300 to 700 nm, 401 points", "Baseline: none"},
       "Area over wavenumber (cm^-1): 4768.77"},
      {"typed with a baseline",
       std::nullopt,
       "300",
       "700",
       "400",
       "600",
       "1",
       0,
       {"Band of dye: 400 to 600 nm, 201 points",
        "Baseline: linear, 0.1 at 400 nm to 0.3 at 600 nm, subtracted", "Maximum: 1 at 500 nm",
        "FWHM: 50 nm, 2005.01 cm^-1 (half maximum at 475 and 525 nm)", "Centroid: 500 nm",
        "Area over wavelength (nm): 50"},
       "Area over wavenumber (cm^-1): 2010.07"},
      {"the range kept, shown in eV",
       std::nullopt,
       "400",
       "600",
       nullptr,
       nullptr,
       "1",
       3,
       {"Band of dye: 400 to 600 nm, 201 points"},
       "Area over Energy (10^-1eV): 2.49877"},
      {"dragged on the graph",
       std::pair{420.0f, 580.0f},
       "420",
       "580",
       nullptr,
       nullptr,
       "1",
       0,
       {"Band of dye: 420 to 580 nm, 161 points"},
       "Area over wavenumber (cm^-1): 2010.07"},
  };
  Add(SpectrumKind::Absorption, 300.0f, 1.0f, 401, TriangleOnLine, "dye");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    frame.m_pData->m_xUnit = c.unit;
    prompts.classScripts["CBandDlg"].push_back([&c](CDialogModel& model) {
      auto& dlg = dynamic_cast<CBandDlg&>(model);
      const FieldTexts opened = ShownTexts(dlg.Fields());
      EXPECT_EQ(opened.at("name"), "dye");
      EXPECT_EQ(opened.at("low"), c.opensLow);
      EXPECT_EQ(opened.at("high"), c.opensHigh);
      FieldTexts typed{{"baseline", c.baseline}};
      if (c.low != nullptr) {
        typed["low"] = c.low;
        typed["high"] = c.high;
      }
      EXPECT_FALSE(dlg.StoreFields(typed));
      return kResultOk;
    });
    std::string copied;
    prompts.classScripts["CBandResultDlg"].push_back([&](CDialogModel& model) {
      auto& results = dynamic_cast<CBandResultDlg&>(model);
      EXPECT_TRUE(std::equal(c.lines.begin(), c.lines.end(), results.m_lines.begin()));
      EXPECT_EQ(results.m_lines.back(), c.lastLine);
      copied = results.Text();
      results.Copy(prompts);
      return kResultOk;
    });
    if (c.dragged) {
      frame.m_view.OnMeasureBand(c.dragged);
    } else {
      EXPECT_TRUE(frame.Execute(kIdMeasureBand));
    }
    EXPECT_EQ(prompts.dialogsRun.back(), "CBandResultDlg");
    ASSERT_FALSE(prompts.copied.empty());
    EXPECT_EQ(prompts.copied.back(), copied);
    EXPECT_TRUE(prompts.messages.empty());
  }
  EXPECT_EQ(prompts.copied.size(), std::size(cases));

  // A spectrum read from a file without a name of its own goes by the file's name.
  CSpectrum& unnamed = *frame.m_pData->At(0);
  unnamed.m_name.clear();
  unnamed.m_filePath = (fs::path("spectra") / "dye.abs.txt").string();
  prompts.classScripts["CBandDlg"].push_back([](CDialogModel& model) {
    EXPECT_EQ(dynamic_cast<CBandDlg&>(model).m_name, "dye.abs.txt");
    return kResultOk;
  });
  prompts.classScripts["CBandResultDlg"].push_back([](CDialogModel& model) {
    EXPECT_EQ(dynamic_cast<CBandResultDlg&>(model).m_lines.front(),
              "Band of dye.abs.txt: 420 to 580 nm, 161 points");
    return kResultOk;
  });
  frame.Execute(kIdMeasureBand);
  EXPECT_EQ(prompts.dialogsRun.back(), "CBandResultDlg");
}

TEST_F(ViewCommandsTest, MeasureBandTellsWhatDoesNotFit) {
  prompts.messageAnswers.push_back(kResultHelp);
  frame.Execute(kIdMeasureBand);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kMeasureBandUsage);
  EXPECT_EQ(prompts.messages[0].caption, "Measure Band");
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{kHelpTopicBase + kIdMeasureBand});

  Add(SpectrumKind::Absorption, 300.0f, 1.0f, 401, TriangleOnLine);
  Add(SpectrumKind::Curve, 300.0f, 1.0f, 401, TriangleOnLine);
  frame.m_fileList.SetSelected(0, true);
  frame.Execute(kIdMeasureBand);
  EXPECT_EQ(prompts.messages.back().text, kOneFileAtATime);
  EXPECT_TRUE(prompts.dialogsRun.empty());

  // A model curve is measured as a spectrum is; a range beyond it is told, with no results.
  frame.m_fileList.SelectOnly(1);
  prompts.classScripts["CBandDlg"].push_back([](CDialogModel& model) {
    EXPECT_FALSE(dynamic_cast<CBandDlg&>(model).StoreFields({{"low", "250"}, {"high", "500"}}));
    return kResultOk;
  });
  frame.Execute(kIdMeasureBand);
  EXPECT_EQ(prompts.messages.back().text,
            "The band 250 to 500 nm reaches beyond the spectrum's points (300 to 700 nm).");
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CBandDlg"});

  // Cancel ends the command quietly.
  const std::size_t told = prompts.messages.size();
  frame.Execute(kIdMeasureBand);
  EXPECT_EQ(prompts.messages.size(), told);
  EXPECT_EQ(prompts.dialogsRun.size(), 2u);
  EXPECT_TRUE(prompts.copied.empty());
}

TEST_F(ViewCommandsTest, ListDataTellsWhatDoesNotFit) {
  frame.Execute(kIdListData);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kListDataUsage);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  Add(SpectrumKind::Absorption, 300.0f, 1.0f, 11, PeakAt450);
  Add(SpectrumKind::Emission, 300.0f, 1.0f, 11, PeakAt450);
  frame.m_fileList.SetSelected(0, true);
  frame.Execute(kIdListData);
  EXPECT_EQ(prompts.messages.back().text, kOneFileAtATime);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(ViewCommandsTest, RunEditsTheFirstSelectedRegionOfTheSpectrumShown) {
  CSpectrum& spectrum = Add(SpectrumKind::Absorption, 400.0f, 1.0f, 50, PeakAt450);
  const CSpectrum before = spectrum;
  std::vector<bool> selected(50, false);
  for (const int i : {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 30, 31, 32, 33, 34, 35}) {
    selected[static_cast<std::size_t>(i)] = true;
  }
  ScriptEditor([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDataListDlg&>(model);
    EXPECT_EQ(dlg.m_current, &spectrum);
    EXPECT_EQ(dlg.PointList().size(), 50u);
    // A plain file has no record: empty fields, no Spectrum Data, no Save Record.
    EXPECT_EQ(dlg.m_values.absName, "");
    EXPECT_EQ(dlg.m_buttonEnabled, (std::array<bool, 3>{false, false, false}));
    EXPECT_FALSE(dlg.SaveRecordEnabled());
    const auto run = dlg.Run(prompts, {{"value", "0"}}, NoiseOperation::Replace, selected);
    EXPECT_FALSE(run.refusal);
    EXPECT_EQ(run.region, std::make_pair(10, 20));
    return kResultCancel;
  });
  frame.Execute(kIdListData);
  for (int i = 0; i < 50; ++i) {
    const float expected =
        i >= 10 && i <= 20 ? 0.0f : before.m_points[static_cast<std::size_t>(i)].y;
    EXPECT_EQ(spectrum.m_points[static_cast<std::size_t>(i)].y, expected) << i;
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ViewCommandsTest, SaveRecordRewritesTheRecordOfTheSpectrumShown) {
  OpenDatabase();
  CSpectrum& spectrum = OpenPerylene();
  ScriptEditor([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDataListDlg&>(model);
    EXPECT_EQ(dlg.m_values.absName, "Perylene");
    EXPECT_EQ(dlg.m_values.absEpsilon, 38500.0f);
    EXPECT_TRUE(dlg.SaveRecordEnabled());
    EXPECT_FALSE(dlg.SaveRecord(
        {{"name", "Perylene B"}, {"notes", "degassed\nin the dark"}, {"quantumYield", "0.9"}}));
    return kResultOk;
  });
  frame.Execute(kIdListData);
  EXPECT_TRUE(prompts.messages.empty());
  // The spectrum took the record's values as the dialog opened; epsilon at 401 nm is the
  // point whose y is 0.5, the peak's y.
  EXPECT_EQ(spectrum.m_epsilon, 38500.0f);
  EXPECT_FLOAT_EQ(spectrum.m_epsilonPeak, 38500.0f);
  EXPECT_FLOAT_EQ(spectrum.m_quantumYield, 0.94f);

  const DatabaseRecord stored = ReadRecord(*CProfileCache::Shared().Get(database), 2);
  EXPECT_EQ(stored.absName, "Perylene B");
  EXPECT_EQ(stored.emsNotes, "degassed\nin the dark");
  EXPECT_EQ(stored.emsQuantumYield, 0.9f);
  EXPECT_EQ(stored.absFile, "per.abs.txt");
  EXPECT_EQ(ReadRecord(*CProfileCache::Shared().Get(database), 1).absName, "Anthracene");
  // The dialog forgets the values after the showing, and the next showing reads them back.
  EXPECT_EQ(frame.m_view.m_dataList.m_values.absName, "");
  EXPECT_FALSE(frame.m_view.m_dataList.RecordLoaded());
  std::string reopened;
  ScriptEditor([&](CDialogModel& model) {
    reopened = dynamic_cast<CDataListDlg&>(model).m_values.absName;
    return kResultCancel;
  });
  frame.Execute(kIdListData);
  EXPECT_EQ(reopened, "Perylene B");
}

TEST_F(ViewCommandsTest, ASpectrumWithoutRecordRewritesNone) {
  OpenDatabase();
  OpenPerylene();
  const std::string before = TempDir::Read(database);
  Add(SpectrumKind::Absorption, 400.0f, 1.0f, 10, PeakAt450);
  ScriptEditor([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDataListDlg&>(model);
    EXPECT_FALSE(dlg.SaveRecord({{"name", "Intruder"}}));
    EXPECT_FALSE(dlg.m_saveRequested);
    return kResultOk;
  });
  frame.Execute(kIdListData);
  EXPECT_EQ(TempDir::Read(database), before);
}

TEST_F(ViewCommandsTest, SpectrumDataButtonsFollowTheShownRecordAndCloseWithTheEditor) {
  OpenDatabase();
  OpenPerylene();
  // The database window's last choice is another record; the buttons follow the shown one.
  frame.m_database.m_databaseRecord = 1;
  const int count = frame.m_pData->Count();
  ScriptEditor([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDataListDlg&>(model);
    EXPECT_EQ(dlg.m_button, SpectrumDataButton::Absorption);
    EXPECT_EQ(dlg.m_buttonEnabled, (std::array<bool, 3>{true, true, false}));
    EXPECT_TRUE(dlg.PressSpectrumData(SpectrumDataButton::Emission));
    EXPECT_FALSE(dlg.PressSpectrumData(SpectrumDataButton::Emission));
    EXPECT_FALSE(dlg.PressSpectrumData(SpectrumDataButton::LightSource));
    EXPECT_EQ(frame.m_pData->Count(), count + 1);
    EXPECT_EQ(frame.m_fileList.Count(), count + 1);
    EXPECT_EQ(dlg.m_current->m_kind, SpectrumKind::Emission);
    EXPECT_EQ(dlg.PointList()[1], "460.000         2.000000");
    EXPECT_TRUE(dlg.PressSpectrumData(SpectrumDataButton::Absorption));
    EXPECT_EQ(frame.m_pData->Count(), count + 2);
    return kResultCancel;
  });
  const int listChanges = views.listChanged;
  frame.Execute(kIdListData);
  EXPECT_EQ(frame.m_pData->Count(), count);
  EXPECT_EQ(frame.m_fileList.Count(), count);
  EXPECT_EQ(frame.m_pData->At(count - 1)->m_kind, SpectrumKind::Absorption);
  EXPECT_GT(views.listChanged, listChanges);
  EXPECT_EQ(frame.m_view.m_dataList.m_current, nullptr);
}

TEST_F(ViewCommandsTest, CreateReportWritesTheValuesTheDialogOpenedWith) {
  OpenDatabase();
  OpenPerylene();
  ScriptEditor([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDataListDlg&>(model);
    dlg.CreateReport();
    return kResultOk;
  });
  prompts.classScripts["CUsername"].push_back([](CDialogModel& model) {
    static_cast<CUsername&>(model).m_userName = "Ada";
    return kResultOk;
  });
  prompts.fileAnswers.push_back(
      (fs::path(LUMIVEX_SOURCE_DIR) / "data" / "templates" / "DataInformation.htmt").string());
  const std::string report = dir.Path("perylene.html");
  prompts.fileAnswers.push_back(report);
  frame.Execute(kIdListData);
  const std::string text = TempDir::Read(report);
  for (const char* value : {"Perylene", "Dyes", "per.abs.txt", "per.ems.txt", "Ada"}) {
    EXPECT_NE(text.find(value), std::string::npos) << value;
  }
  EXPECT_EQ(text.find("i_n_p_u_t"), std::string::npos);
  EXPECT_EQ(text.find("d_a_t_a"), std::string::npos);
}

TEST_F(ViewCommandsTest, TheDatabaseWindowListsARecordsSpectrumAndClosesIt) {
  OpenDatabase();
  CStructureDlg& list = frame.m_databaseList;
  const auto position = [&list](int record) {
    for (std::size_t i = 0; i < list.Entries().size(); ++i) {
      if (list.Entries()[i].record == record) {
        return static_cast<int>(i);
      }
    }
    return -1;
  };
  std::string listed;
  ScriptEditor([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDataListDlg&>(model);
    listed = dlg.m_values.absName;
    EXPECT_EQ(dlg.m_current->m_kind, SpectrumKind::Absorption);
    return kResultCancel;
  });
  list.Select(position(2));
  list.OnListData();
  EXPECT_EQ(listed, "Perylene");
  EXPECT_EQ(frame.m_pData->Count(), 0);
  EXPECT_EQ(frame.m_fileList.Count(), 0);

  // A record without spectrum files lists nothing.
  list.Select(position(1));
  list.OnListData();
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CDataListDlg"});

  // A record whose file cannot be read: the workspace keeps what it held.
  Add(SpectrumKind::Emission, 400.0f, 1.0f, 10, PeakAt450, "kept");
  fs::remove(dir.Path("per.abs.txt"));
  CProfileCache::Shared().Clear();
  list.Select(position(2));
  list.OnListData();
  ASSERT_EQ(frame.m_pData->Count(), 1);
  EXPECT_EQ(frame.m_pData->At(0)->m_name, "kept");
  EXPECT_EQ(prompts.dialogsRun.size(), 1u);
}

} // namespace
} // namespace lumivex

#include "FakePrompts.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "core/SpectrumFile.h"
#include "database/Username.h"
#include "modules/EnergyTransfer.h"
#include "modules/EnergyTransferDlg.h"
#include "modules/FitResultSheets.h"
#include "modules/RecordSpectrum.h"
#include "output/HtmlReport.h"
#include "output/ResultSheet.h"
#include "ui/CommandIds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FakePrinter;
using test::FakePrompts;
using test::FakeViews;
using test::FuzzyCompare;
using test::MakeSpectrum;
using test::TempDir;

// An emission band from 400 to 700 nm in 1 nm steps.
std::string BandFile(float centre) {
  std::string text;
  for (int x = 400; x <= 700; ++x) {
    const float d = (static_cast<float>(x) - centre) / 20.0f;
    char line[64];
    std::snprintf(line, sizeof line, "%d\t%g\n", x, 100.0 * std::exp(-d * d));
    text += line;
  }
  return text;
}

// The area of a spectrum's points as they are now (ScaleY leaves the cached area behind).
double FreshArea(const CSpectrum& spectrum) {
  CSpectrum copy = spectrum;
  copy.m_area = 0.0f;
  return copy.Area();
}

// A database of four dyes, each emitting one band and absorbing evenly with epsilon 1000,
// so that every dye has epsilon 1000 at any excitation: "Dye A" at 450 nm, "Dye B" at 500,
// "Dye C" at 550, with quantum yield 1; "Dark Dye" at 600 with 0.5 has no absorption file.
class EnergyTransferSimulation : public ::testing::Test {
protected:
  EnergyTransferSimulation() : frame(prompts, views) {
    frame.Startup();
    const char* names[] = {"Dye A", "Dye B", "Dye C", "Dark Dye"};
    std::string db = "[Spectra]\nNumber = 4\n\n";
    for (int r = 1; r <= 4; ++r) {
      const std::string n = std::to_string(r);
      db += "[" + n + " Absorption]\nName = " + names[r - 1] +
            "\nEpsilon = 1000\nWavelength = 400\nFile = " + (r == 4 ? "missing" : "dye" + n) +
            ".abs.txt\n[" + n + " Emission]\nQuantumYield = " + (r == 4 ? "0.5" : "1") +
            "\nFile = dye" + n + ".ems.txt\n\n";
      dir.Write("dye" + n + ".abs.txt", "300\t1\n500\t1\n700\t1\n");
      dir.Write("dye" + n + ".ems.txt", BandFile(400.0f + 50.0f * static_cast<float>(r)));
    }
    std::filesystem::remove(dir.Path("dye4.abs.txt"));
    frame.m_database.Open(dir.Write("dyes.db", db));
    prompts.messages.clear();
  }

  // Opens a record's emission spectrum from the database into the workspace.
  void OpenRecord(int record) {
    frame.m_workspace.OpenRecordSpectrum(record, RecordSection::Emission);
  }

  // Opens a spectrum file of the test folder as the user would.
  void OpenFile(const std::string& name, const std::string& contents) {
    prompts.fileAnswers.push_back(dir.Write(name, contents));
    frame.Execute(kIdOpenDataFile);
    prompts.messages.clear();
  }

  // An emission spectrum typed in, not opened from a database.
  void AddTyped(const std::string& name) {
    auto spectrum = std::make_unique<CSpectrum>(
        MakeSpectrum(400.0f, 1.0f, 301, [](float x) { return x < 600.0f ? 1.0 : 0.0; }));
    spectrum->m_kind = SpectrumKind::Emission;
    spectrum->m_name = name;
    frame.m_pData->AppendSpectrum(std::move(spectrum));
    frame.m_fileList.AddEntry(name, frame.m_fileList.Count());
  }

  void SelectAll() {
    for (int i = 0; i < frame.m_fileList.Count(); ++i) {
      frame.m_fileList.SetSelected(i, true);
    }
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < frame.m_fileList.Count(); ++i) {
      entries.push_back(frame.m_fileList.Entry(i).text);
    }
    return entries;
  }

  void Script(FakePrompts::DialogScript script) {
    prompts.classScripts["CExSimulationDlg"].push_back(std::move(script));
  }
  void ScriptResults(FakePrompts::DialogScript script) {
    prompts.classScripts["CSimulResultDlg"].push_back(std::move(script));
  }

  // The first showing: the excitation wavelength typed, reverse mode chosen when asked.
  void ScriptSettings(const char* excitation, bool reverse = false) {
    Script([excitation, reverse](CDialogModel& model) {
      auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
      if (reverse) {
        dlg.OnReverseAnalysis();
      }
      EXPECT_TRUE(dlg.OnNext({{"excitation", excitation}}).close);
      return kResultOk;
    });
  }
  // A component showing: the texts typed and the wavelengths added, then "Next".
  void ScriptComponent(FieldTexts texts = {}, std::vector<std::string> wavelengths = {}) {
    Script([texts, wavelengths](CDialogModel& model) {
      auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
      for (const std::string& wavelength : wavelengths) {
        EXPECT_FALSE(dlg.OnAddWavelength({{"wavelength", wavelength}}));
      }
      const CExSimulationDlg::NextOutcome next = dlg.OnNext(texts);
      EXPECT_FALSE(next.refusal);
      EXPECT_TRUE(next.close);
      return kResultOk;
    });
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(EnergyTransferSimulation, UsagePromptUnlessTwoEmissionSpectraAreSelected) {
  OpenRecord(1);
  OpenFile("lamp.abs.txt", "400\t1\n500\t1\n");
  SelectAll();
  prompts.messageAnswers.push_back(kResultHelp);
  EXPECT_TRUE(frame.Execute(kIdEnergyTransferSimulation));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kTransferUsage);
  EXPECT_EQ(prompts.messages[0].caption, "Energy Transfer Simulation");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108335});
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(EnergyTransferSimulation, ReverseAnalysisNeedsTwoComponentsBesidesTheMeasuredSpectrum) {
  struct Row {
    int selected;
    int clicks;
    bool reverse;
    int displayed;
  };
  const std::vector<Row> rows = {
      {2, 1, false, 2}, {3, 1, true, 2}, {3, 2, false, 3}, {4, 1, true, 3}, {4, 3, true, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.selected << " selected, " << row.clicks << " clicks");
    frame.Execute(kIdFileNew);
    for (int r = 1; r <= row.selected; ++r) {
      OpenRecord(1 + (r - 1) % 3);
    }
    SelectAll();
    CExSimulationDlg seen(0);
    Script([&](CDialogModel& model) {
      auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
      EXPECT_EQ(dlg.m_displayed, row.selected);
      for (int k = 0; k < row.clicks; ++k) {
        dlg.OnReverseAnalysis();
      }
      seen = dlg;
      return kResultCancel;
    });
    frame.Execute(kIdEnergyTransferSimulation);
    EXPECT_EQ(seen.m_reverse, row.reverse);
    EXPECT_EQ(seen.m_displayed, row.displayed);
  }
}

TEST_F(EnergyTransferSimulation, EachShowingEnablesItsOwnControls) {
  OpenFile("array.ems.txt", BandFile(500.0f));
  OpenRecord(1);
  OpenRecord(2);
  SelectAll();
  const std::vector<std::string> keys = {"displayed",  "excitation",     "reverse",
                                         "transfer",   "epsilon",        "quantumYield",
                                         "wavelength", kAddWavelengthKey};
  const auto enabled = [&keys](const CExSimulationDlg& dlg) {
    std::vector<std::string> on;
    for (const std::string& key : keys) {
      if (dlg.Enabled(key)) {
        on.push_back(key);
      }
    }
    return on;
  };
  for (const bool reverse : {false, true}) {
    SCOPED_TRACE(reverse ? "reverse" : "forward");
    std::vector<std::vector<std::string>> shown;
    Script([&](CDialogModel& model) {
      auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
      shown.push_back(enabled(dlg));
      if (reverse) {
        dlg.OnReverseAnalysis();
      }
      EXPECT_TRUE(dlg.OnNext({{"excitation", "420"}}).close);
      return kResultOk;
    });
    Script([&](CDialogModel& model) {
      shown.push_back(enabled(dynamic_cast<CExSimulationDlg&>(model)));
      return kResultCancel;
    });
    frame.Execute(kIdEnergyTransferSimulation);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (std::vector<std::string>{"displayed", "excitation", "reverse"}));
    if (reverse) {
      EXPECT_EQ(shown[1], (std::vector<std::string>{"transfer", "epsilon", "quantumYield",
                                                    "wavelength", kAddWavelengthKey}));
    } else {
      EXPECT_EQ(shown[1], (std::vector<std::string>{"transfer", "epsilon", "quantumYield"}));
    }
  }
}

TEST(ExSimulationDlg, FieldsAreValidatedAndNextWaitsForAnExcitationWavelength) {
  struct Row {
    FieldTexts texts;
    const char* refusedKey; // null: accepted
    const char* message;
    bool close;
  };
  const std::vector<Row> rows = {
      {{{"excitation", "0"}}, nullptr, "", false},
      {{{"excitation", "405"}}, nullptr, "", true},
      {{{"excitation", "1000"}, {"transfer", "1"}}, nullptr, "", true},
      {{{"excitation", "1000.5"}},
       "excitation",
       "Please enter a number between 0 and 1000.",
       false},
      {{{"excitation", "-1"}}, "excitation", "Please enter a number between 0 and 1000.", false},
      {{{"excitation", "405"}, {"transfer", "1.01"}},
       "transfer",
       "Please enter a number between 0 and 1.",
       false},
      {{{"excitation", "405"}, {"transfer", "-0.1"}},
       "transfer",
       "Please enter a number between 0 and 1.",
       false},
      {{{"excitation", "405"}, {"epsilon", "12 000"}}, "epsilon", "Please enter a number.", false},
      {{{"excitation", "nm"}}, "excitation", "Please enter a number.", false},
  };
  for (const Row& row : rows) {
    CExSimulationDlg dlg(3);
    const CExSimulationDlg::NextOutcome next = dlg.OnNext(row.texts);
    SCOPED_TRACE(row.texts.begin()->second);
    EXPECT_EQ(next.close, row.close);
    if (row.refusedKey == nullptr) {
      EXPECT_FALSE(next.refusal);
    } else {
      ASSERT_TRUE(next.refusal);
      EXPECT_EQ(next.refusal->key, row.refusedKey);
      EXPECT_EQ(next.refusal->message, row.message);
      EXPECT_EQ(dlg.m_excitation, 0.0f) << "nothing is stored from a refused set of texts";
    }
  }
}

TEST(ExSimulationDlg, AFullWavelengthListRefusesAndStaysAsItIs) {
  // Three selected spectra leave room for nine wavelengths.
  CExSimulationDlg dlg(3);
  dlg.m_name = "Dye A";
  for (int k = 0; k < 9; ++k) {
    EXPECT_FALSE(dlg.OnAddWavelength({{"wavelength", std::to_string(450 + k)}}));
  }
  const auto refused = dlg.OnAddWavelength({{"wavelength", "470"}});
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->key, "wavelength");
  EXPECT_NE(refused->message.find("470.00 nm was not added"), std::string::npos);
  ASSERT_EQ(dlg.m_wavelengths.Count(), 9);
  EXPECT_EQ(dlg.m_wavelengths.Entries().front(), "450.00     Dye A");
  EXPECT_EQ(dlg.m_wavelengths.Wavelengths().back(), 458.0f);
  // A refused field adds nothing either.
  CExSimulationDlg fresh(3);
  ASSERT_TRUE(fresh.OnAddWavelength({{"wavelength", "four hundred"}}));
  EXPECT_TRUE(fresh.m_wavelengths.Empty());
}

TEST_F(EnergyTransferSimulation, ForwardWorkedExampleThroughTheDialogs) {
  for (int r = 1; r <= 3; ++r) {
    OpenRecord(r);
  }
  SelectAll();
  ScriptSettings("400");
  struct Shown {
    float transfer, epsilon, quantumYield, wavelength;
    std::string name, nextName;
  };
  std::vector<Shown> components;
  for (int c = 0; c < 3; ++c) {
    Script([&components](CDialogModel& model) {
      auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
      components.push_back({dlg.m_transfer, dlg.m_epsilon, dlg.m_quantumYield, dlg.m_wavelength,
                            dlg.m_name, dlg.m_nextName});
      EXPECT_TRUE(dlg.OnNext({}).close);
      return kResultOk;
    });
  }
  struct Result {
    int shown;
    std::string name;
    float actual, total, emission, share;
  };
  std::vector<Result> results;
  float endToEnd = 0.0f;
  ScriptResults([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CSimulResultDlg&>(model);
    endToEnd = dlg.EndToEnd();
    // One press more than there are further components.
    for (int press = 0; press < 4; ++press) {
      results.push_back({dlg.Shown(), dlg.m_name, dlg.m_actualFluorescence, dlg.m_excitationTotal,
                         dlg.m_emissionEnergy, dlg.m_emissionShare});
      dlg.OnNext();
    }
    return kResultOk;
  });
  frame.Execute(kIdEnergyTransferSimulation);
  EXPECT_TRUE(prompts.messages.empty());

  ASSERT_EQ(components.size(), 3u);
  const std::vector<std::string> names = {"Dye A", "Dye B", "Dye C"};
  const std::vector<std::string> next = {"Dye B", "Dye C", "NONE"};
  const std::vector<float> transfers = {0.5f, 0.5f, 0.0f};
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(components[c].name, names[c]);
    EXPECT_EQ(components[c].nextName, next[c]);
    EXPECT_EQ(components[c].transfer, transfers[c]);
    EXPECT_TRUE(FuzzyCompare(components[c].epsilon, 1000.0));
    EXPECT_EQ(components[c].quantumYield, 1.0f);
    EXPECT_EQ(components[c].wavelength, 450.0f + 50.0f * static_cast<float>(c));
  }

  ASSERT_EQ(results.size(), 4u);
  const std::vector<double> actual = {0.5, 0.5, 1.0};
  const std::vector<double> total = {1.0 / 3.0, 0.5, 7.0 / 12.0};
  const std::vector<double> emission = {1.0 / 6.0, 0.25, 7.0 / 12.0};
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(results[c].shown, static_cast<int>(c));
    EXPECT_EQ(results[c].name, names[c]);
    EXPECT_TRUE(FuzzyCompare(results[c].actual, actual[c]));
    EXPECT_TRUE(FuzzyCompare(results[c].total, total[c]));
    EXPECT_TRUE(FuzzyCompare(results[c].emission, emission[c]));
    EXPECT_TRUE(FuzzyCompare(results[c].share, emission[c]));
  }
  EXPECT_EQ(results[3].shown, 2) << "Next after the last component leaves it shown";
  EXPECT_EQ(results[3].name, "Dye C");
  EXPECT_FLOAT_EQ(endToEnd, 0.25f);
}

TEST_F(EnergyTransferSimulation, CloseReplacesTheComponentsWithTheirSharesAndTheirSum) {
  OpenFile("solvent.ems.txt", BandFile(650.0f));
  for (int r = 1; r <= 3; ++r) {
    OpenRecord(r);
  }
  SelectAll();
  frame.m_fileList.SetSelected(0, false);
  ScriptSettings("400");
  for (int c = 0; c < 3; ++c) {
    ScriptComponent();
  }
  ScriptResults([](CDialogModel&) { return kResultOk; });
  frame.Execute(kIdEnergyTransferSimulation);

  const CLumivexData& data = *frame.m_pData;
  ASSERT_EQ(data.Count(), 5);
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{dir.Path("solvent.ems.txt"), dir.Path("dye1.ems.txt"),
                                      dir.Path("dye2.ems.txt"), dir.Path("dye3.ems.txt"),
                                      "Simulated Fluorescence Spectrum"}));
  // Each copy shows its share Q'' F / A of the emission, so its area is Q''; the sum's is 1.
  const std::vector<double> shares = {1.0 / 6.0, 0.25, 7.0 / 12.0};
  for (int c = 0; c < 3; ++c) {
    const CSpectrum& copy = *data.At(1 + c);
    EXPECT_EQ(copy.m_recordNumber, 1 + c);
    EXPECT_TRUE(FuzzyCompare(FreshArea(copy), shares[static_cast<std::size_t>(c)], 1e-4));
    EXPECT_TRUE(FuzzyCompare(copy.m_weight, shares[static_cast<std::size_t>(c)]));
  }
  EXPECT_TRUE(FuzzyCompare(FreshArea(*data.At(4)), 1.0, 1e-4));
  EXPECT_EQ(data.At(4)->m_kind, SpectrumKind::Emission);
  EXPECT_EQ(data.m_showFluorescence, 1);
  EXPECT_EQ(data.m_showIntensity, 1);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(frame.m_fileList.Entry(i).colour, WorkspaceColour(i));
  }
}

TEST_F(EnergyTransferSimulation, ClosingWithTheCloseBoxMakesNoSpectrum) {
  OpenRecord(1);
  OpenRecord(2);
  SelectAll();
  ScriptSettings("400");
  ScriptComponent();
  ScriptComponent();
  ScriptResults([](CDialogModel&) { return kResultCancel; });
  const std::vector<std::string> before = Entries();
  frame.Execute(kIdEnergyTransferSimulation);
  EXPECT_EQ(Entries(), before);
  EXPECT_EQ(frame.m_pData->Count(), 2);
  EXPECT_TRUE(prompts.printDialogs.empty());
}

// The measured emission of an array of dyes A and B that passes on 30 % of A's excitation.
std::string MeasuredArray(const std::string& database) {
  CSpectrum a = *ReadRecordSpectrum(database, 1, RecordSection::Emission).spectrum;
  CSpectrum b = *ReadRecordSpectrum(database, 2, RecordSection::Emission).spectrum;
  EnergyTransferRecord first;
  first.quantumYield = 1.0f;
  first.transfer = 0.3f;
  first.epsilon = 1000.0f;
  EnergyTransferRecord second = first;
  second.transfer = 0.0f;
  const EnergyTransferResult truth = SimulateForward({first, second});
  const SimulatedFluorescence simulated = SimulateFluorescence(truth.chain, {a, b});
  std::string text;
  for (const SpectrumPoint& p : simulated.sum->m_points) {
    char line[64];
    std::snprintf(line, sizeof line, "%g\t%g\n", static_cast<double>(p.x), 1000.0 * p.y);
    text += line;
  }
  return text;
}

TEST_F(EnergyTransferSimulation, ReverseAnalysisFitsTheTransferAndKeepsTheMeasuredSpectrum) {
  OpenFile("array.ems.txt", MeasuredArray(dir.Path("dyes.db")));
  OpenRecord(1);
  OpenRecord(2);
  SelectAll();
  ScriptSettings("400", true);
  ScriptComponent({}, {"450", "480"});
  ScriptComponent({}, {"500", "530"});
  float transfer = -1.0f;
  float endToEnd = -1.0f;
  std::vector<std::string> names;
  ScriptResults([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CSimulResultDlg&>(model);
    transfer = dlg.m_transfer;
    endToEnd = dlg.EndToEnd();
    names = dlg.Names();
    return kResultOk;
  });
  frame.Execute(kIdEnergyTransferSimulation);
  EXPECT_TRUE(prompts.messages.empty());

  // One transfer step is scanned in hundredths: 0.30 is found exactly.
  EXPECT_FLOAT_EQ(transfer, 0.30f);
  EXPECT_FLOAT_EQ(endToEnd, 0.30f);
  EXPECT_EQ(names, (std::vector<std::string>{"Dye A", "Dye B"}));
  EXPECT_EQ(Entries(), (std::vector<std::string>{dir.Path("array.ems.txt"),
                                                 dir.Path("dye1.ems.txt"), dir.Path("dye2.ems.txt"),
                                                 "Simulated Fluorescence Spectrum"}));
  EXPECT_EQ(frame.m_pData->At(0)->m_fromDatabase, 0);
  // Dye A keeps 70 % of its half of the light: Q'' = 0.35.
  EXPECT_TRUE(FuzzyCompare(FreshArea(*frame.m_pData->At(1)), 0.35, 1e-4));
}

TEST_F(EnergyTransferSimulation, ReverseModeRepeatsTheComponentsUntilAWavelengthIsAdded) {
  OpenFile("array.ems.txt", BandFile(500.0f));
  OpenRecord(1);
  OpenRecord(2);
  SelectAll();
  ScriptSettings("400", true);
  ScriptComponent();
  ScriptComponent();
  // The sequence starts again with the first component; the user cancels there.
  std::string shownAgain;
  Script([&shownAgain](CDialogModel& model) {
    shownAgain = dynamic_cast<CExSimulationDlg&>(model).m_name;
    return kResultCancel;
  });
  const std::vector<std::string> before = Entries();
  frame.Execute(kIdEnergyTransferSimulation);
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>(4, "CExSimulationDlg"));
  EXPECT_EQ(shownAgain, "Dye A");
  EXPECT_EQ(Entries(), before);
}

TEST_F(EnergyTransferSimulation, ReverseAnalysisIsRefusedForAComponentNotFromADatabase) {
  OpenFile("array.ems.txt", BandFile(500.0f));
  OpenRecord(1);
  AddTyped("my dye");
  SelectAll();
  ScriptSettings("400", true);
  const std::vector<std::string> before = Entries();
  frame.Execute(kIdEnergyTransferSimulation);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, NotFromDatabaseMessage("my dye"));
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CExSimulationDlg"});
  EXPECT_EQ(Entries(), before);
  EXPECT_EQ(frame.m_pData->Count(), 3);
}

TEST_F(EnergyTransferSimulation, AMeasuredZeroAtAChosenWavelengthIsRefusedNamingIt) {
  OpenFile("array.ems.txt", "400\t5\n450\t5\n500\t5\n550\t5\n600\t5\n650\t0\n700\t0\n");
  OpenRecord(1);
  OpenRecord(2);
  SelectAll();
  ScriptSettings("400", true);
  ScriptComponent({}, {"450"});
  ScriptComponent({}, {"680"});
  const std::vector<std::string> before = Entries();
  frame.Execute(kIdEnergyTransferSimulation);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("0 at 680.00 nm"), std::string::npos)
      << prompts.messages[0].text;
  EXPECT_EQ(std::count(prompts.dialogsRun.begin(), prompts.dialogsRun.end(), "CSimulResultDlg"), 0);
  EXPECT_EQ(Entries(), before);
}

TEST_F(EnergyTransferSimulation, ATypedComponentGivesResultsThatPrintButNoSpectrum) {
  OpenRecord(1);
  AddTyped("my dye");
  OpenRecord(4);
  SelectAll();
  ScriptSettings("400");
  ScriptComponent();
  // Typed in: the fields keep the previous component's values until the user types them.
  CExSimulationDlg typed(0);
  Script([&typed](CDialogModel& model) {
    auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
    typed = dlg;
    EXPECT_TRUE(dlg.OnNext({{"quantumYield", "0.8"}, {"epsilon", "3000"}}).close);
    return kResultOk;
  });
  // No absorption spectrum in the record: the user is told and epsilon stays as typed.
  CExSimulationDlg dark(0);
  Script([&dark](CDialogModel& model) {
    auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
    dark = dlg;
    EXPECT_TRUE(dlg.OnNext({}).close);
    return kResultOk;
  });
  ScriptResults([](CDialogModel&) { return kResultPrint; });
  prompts.dialogScripts.push_back([](CDialogModel& model) {
    dynamic_cast<CUsername&>(model).m_userName = "Ada";
    return kResultOk;
  });
  auto printer = std::make_shared<FakePrinter>();
  prompts.printers.push_back(printer);
  const std::vector<std::string> before = Entries();
  frame.Execute(kIdEnergyTransferSimulation);

  EXPECT_EQ(typed.m_name, "my dye");
  EXPECT_EQ(typed.m_nextName, "Dark Dye");
  EXPECT_EQ(typed.m_quantumYield, 1.0f);
  EXPECT_TRUE(FuzzyCompare(typed.m_epsilon, 1000.0));
  EXPECT_EQ(dark.m_quantumYield, 0.5f);
  EXPECT_EQ(dark.m_epsilon, 3000.0f);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "No Abs data in the database.  Please enter its value manualy.");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");

  EXPECT_TRUE(printer->documentEnded);
  EXPECT_TRUE(printer->canvas.FindText("Results of Energy Transfer Simulation"));
  EXPECT_TRUE(printer->canvas.FindText("A--B--C"));
  EXPECT_TRUE(printer->canvas.FindText("my dye"));
  EXPECT_TRUE(printer->canvas.FindText("Component C"));
  EXPECT_EQ(Entries(), before);
  EXPECT_EQ(frame.m_pData->Count(), 3);
}

TEST_F(EnergyTransferSimulation, CreateReportFillsTheShippedTemplate) {
  for (int r = 1; r <= 3; ++r) {
    OpenRecord(r);
  }
  SelectAll();
  ScriptSettings("400");
  for (int c = 0; c < 3; ++c) {
    ScriptComponent();
  }
  ReportBlock block;
  ScriptResults([&block](CDialogModel& model) {
    block = dynamic_cast<CSimulResultDlg&>(model).Report();
    return kResultCreateReport;
  });
  prompts.dialogScripts.push_back([](CDialogModel& model) {
    dynamic_cast<CUsername&>(model).m_userName = "Ada";
    return kResultOk;
  });
  prompts.fileAnswers.push_back(std::string(LUMIVEX_SOURCE_DIR) +
                                "/data/templates/EnergyTransferSimulation.htmt");
  const std::string report = dir.Path("chain.html");
  prompts.fileAnswers.push_back(report);
  frame.Execute(kIdEnergyTransferSimulation);

  ASSERT_EQ(block.numbers.size(), 100u);
  EXPECT_EQ(block.numbers[0], 400.0f);
  EXPECT_FLOAT_EQ(block.numbers[1], 0.5f);                  // T of A
  EXPECT_TRUE(FuzzyCompare(block.numbers[2], 1000.0));      // epsilon of A
  EXPECT_TRUE(FuzzyCompare(block.numbers[7], 1.0 / 6.0));   // Q'' of A
  EXPECT_TRUE(FuzzyCompare(block.numbers[24], 7.0 / 12.0)); // Em of C
  EXPECT_EQ(block.numbers[25], kNoReportNumber);
  EXPECT_FLOAT_EQ(block.numbers[97], 0.25f);
  EXPECT_EQ(block.texts[2], "Dye C");
  EXPECT_EQ(block.texts[3], "N/A");

  const std::string html = TempDir::Read(report);
  EXPECT_NE(html.find("Dye B"), std::string::npos);
  EXPECT_NE(html.find("0.2500"), std::string::npos);
  EXPECT_EQ(html.find("N/A"), std::string::npos);
  EXPECT_EQ(html.find("i_n_p_u_t"), std::string::npos);
  // The report does not stop the simulated spectrum.
  EXPECT_EQ(Entries().back(), "Simulated Fluorescence Spectrum");
}

TEST_F(EnergyTransferSimulation, OfMoreThanThirtySelectedTheFirstThirtyTakePart) {
  for (int k = 1; k <= 31; ++k) {
    AddTyped("dye " + std::to_string(k));
  }
  SelectAll();
  int displayed = 0;
  Script([&displayed](CDialogModel& model) {
    auto& dlg = dynamic_cast<CExSimulationDlg&>(model);
    displayed = dlg.m_displayed;
    EXPECT_TRUE(dlg.OnNext({{"excitation", "400"}, {"epsilon", "1"}, {"quantumYield", "1"}}).close);
    return kResultOk;
  });
  for (int c = 0; c < 30; ++c) {
    ScriptComponent();
  }
  std::vector<std::string> names;
  ScriptResults([&names](CDialogModel& model) {
    names = dynamic_cast<CSimulResultDlg&>(model).Names();
    return kResultOk;
  });
  frame.Execute(kIdEnergyTransferSimulation);
  EXPECT_EQ(displayed, 30);
  ASSERT_EQ(names.size(), 30u);
  EXPECT_EQ(names.back(), "dye 30");
  EXPECT_EQ(frame.m_pData->Count(), 31);
}

TEST(EnergyTransferReport, TheTemplateSaysWhichComponentsALongChainLeavesOut) {
  const std::string shipped = TempDir::Read(std::string(LUMIVEX_SOURCE_DIR) +
                                            "/data/templates/EnergyTransferSimulation.htmt");
  for (const int length : {3, 12, 13, 15}) {
    SCOPED_TRACE(length);
    std::vector<EnergyTransferRecord> chain(static_cast<std::size_t>(length));
    std::vector<std::string> names;
    for (int c = 0; c < length; ++c) {
      chain[static_cast<std::size_t>(c)].quantumYield = 1.0f;
      chain[static_cast<std::size_t>(c)].epsilon = 1000.0f;
      names.push_back("Dye " + ComponentLetter(c));
    }
    const EnergyTransferResult forward = SimulateForward(chain);
    const std::string html = FillReport(
        shipped, ReportValuesOf(kTransferModuleCode, TransferReportBlock(forward.chain, 400.0f,
                                                                         forward.endToEnd, names)));
    const bool omitted = length > 12;
    EXPECT_EQ(html.find(TransferReportOmission(length)) != std::string::npos, omitted);
    EXPECT_EQ(html.find("<p class=\"omitted\"></p>") != std::string::npos, !omitted);
    EXPECT_NE(
        html.find("<td class=\"name\">Dye " + ComponentLetter(std::min(length, 12) - 1) + "</td>"),
        std::string::npos);
    EXPECT_EQ(html.find("Dye M"), std::string::npos) << "a thirteenth component in the table";
  }
}

} // namespace
} // namespace lumivex

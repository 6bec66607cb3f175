#include "modules/MultipleComponentDlg.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "database/Username.h"
#include "ui/CommandIds.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FakePrinter;
using test::FakePrompts;
using test::FakeViews;
using test::MakeSpectrum;
using test::TempDir;

// A Gaussian band of unit height on 300 ... 700 nm.
CSpectrum Band(float centre, float width, SpectrumKind kind) {
  CSpectrum band = MakeSpectrum(300.0f, 1.0f, 401, [=](float x) {
    const float d = (x - centre) / width;
    return std::exp(-d * d);
  });
  band.m_kind = kind;
  return band;
}

// What the user reads in one entry of the result list: the value and the name after it.
struct ResultEntry {
  float value = 0.0f;
  std::string name;
};
ResultEntry ReadEntry(const std::string& entry) {
  char* end = nullptr;
  ResultEntry read;
  read.value = std::strtof(entry.c_str(), &end);
  read.name = std::string(end).substr(3);
  return read;
}

class McaCommand : public ::testing::Test {
protected:
  McaCommand() : frame(prompts, views) { frame.Startup(); }

  CSpectrum& Add(CSpectrum spectrum, const std::string& name, bool selected = true) {
    spectrum.m_name = name;
    CSpectrum* added = frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(spectrum));
    frame.m_fileList.SetSelected(frame.m_fileList.AddEntry(name, frame.m_fileList.Count()),
                                 selected);
    return *added;
  }

  // The composite sum of weight_j * band_j, then the bands as its components.
  void AddMixture(SpectrumKind kind, const std::vector<float>& weights) {
    const std::vector<CSpectrum> bands = {Band(420.0f, 30.0f, kind), Band(500.0f, 40.0f, kind),
                                          Band(580.0f, 35.0f, kind)};
    CSpectrum composite = MakeSpectrum(300.0f, 1.0f, 401, [&](float x) {
      float y = 0.0f;
      for (std::size_t j = 0; j < bands.size(); ++j) {
        y += weights[j] * bands[j].Interpolate(x);
      }
      return y;
    });
    composite.m_kind = kind;
    Add(composite, "mixture");
    for (std::size_t j = 0; j < bands.size(); ++j) {
      Add(bands[j], "band " + std::to_string(j + 1));
    }
  }

  void Input(FakePrompts::DialogScript script) {
    prompts.classScripts["CMCAiputDlg"].push_back(std::move(script));
  }
  void Results(FakePrompts::DialogScript script) {
    prompts.classScripts["CMultipleAnalysisDlg"].push_back(std::move(script));
  }
  // A results script that keeps what the dialog showed and answers `button`.
  void KeepResults(int button) {
    Results([this, button](CDialogModel& model) {
      shown = dynamic_cast<CMultipleAnalysisDlg&>(model);
      return button;
    });
  }
  // Gives every component in turn the fraction and concentration of `entries` and adds
  // `chosen` while the first is shown, then finishes.
  void EnterAndFinish(const std::vector<FieldTexts>& entries, const std::vector<float>& chosen) {
    Input([entries, chosen](CDialogModel& model) {
      auto& dlg = dynamic_cast<CMCAiputDlg&>(model);
      for (const float wavelength : chosen) {
        EXPECT_FALSE(dlg.OnAddWavelength({{"wavelength", std::to_string(wavelength)}}));
      }
      for (std::size_t j = 0; j < entries.size(); ++j) {
        if (j + 1 < entries.size()) {
          EXPECT_FALSE(dlg.OnNext(entries[j]));
        } else {
          EXPECT_FALSE(dlg.OnFinish(entries[j]));
        }
      }
      return kResultOk;
    });
  }
  std::vector<ResultEntry> ShownResults() const {
    std::vector<ResultEntry> read;
    for (const std::string& entry : shown.m_resultEntries) {
      read.push_back(ReadEntry(entry));
    }
    return read;
  }

  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
  CMultipleAnalysisDlg shown;
  const std::vector<float> wavelengths = {380, 410, 440, 470, 500, 530, 560, 590, 620};
};

TEST_F(McaCommand, UsagePromptUnlessThreeSpectraOfOneKindAreSelected) {
  struct Case {
    std::vector<SpectrumKind> kinds;
    bool runs;
  };
  using K = SpectrumKind;
  const std::vector<Case> cases = {
      {{K::Absorption, K::Absorption, K::Emission, K::Emission}, false},
      {{K::LightSource, K::LightSource, K::LightSource, K::Curve}, false},
      {{K::Emission, K::Emission}, false},
      {{K::Emission, K::Emission, K::Emission}, true},
      {{K::Emission, K::Absorption, K::Absorption, K::LightSource, K::Absorption}, true},
  };
  for (const Case& c : cases) {
    frame.Execute(kIdFileNew);
    prompts.messages.clear();
    prompts.dialogsRun.clear();
    for (std::size_t i = 0; i < c.kinds.size(); ++i) {
      Add(Band(500.0f, 40.0f, c.kinds[i]), "spectrum " + std::to_string(i + 1));
    }
    if (!c.runs) {
      prompts.messageAnswers.push_back(kResultUsageOk);
    }
    int components = 0;
    std::string first;
    Input([&](CDialogModel& model) {
      auto& dlg = dynamic_cast<CMCAiputDlg&>(model);
      components = dlg.Components();
      first = dlg.m_component;
      return kResultCancel;
    });
    EXPECT_TRUE(frame.Execute(kIdMultipleComponent));
    if (c.runs) {
      // Every selected entry takes part whatever its kind; the first is the composite.
      EXPECT_TRUE(prompts.messages.empty());
      EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CMCAiputDlg"});
      EXPECT_EQ(components, static_cast<int>(c.kinds.size()) - 1);
      EXPECT_EQ(first, "spectrum 2");
    } else {
      prompts.classScripts["CMCAiputDlg"].clear();
      ASSERT_EQ(prompts.messages.size(), 1u);
      EXPECT_EQ(prompts.messages[0].text, kMcaUsage);
      EXPECT_EQ(prompts.messages[0].caption, "Multiple Component Analysis");
      EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
      EXPECT_TRUE(prompts.dialogsRun.empty());
    }
  }
  EXPECT_TRUE(prompts.helpTopics.empty());

  // "Help" opens the module's own topic.
  frame.Execute(kIdFileNew);
  Add(Band(500.0f, 40.0f, K::Emission), "one");
  prompts.messageAnswers.push_back(kResultHelp);
  frame.Execute(kIdMultipleComponent);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108334});
}

TEST_F(McaCommand, InputShowsEachComponentWithItsProposedValues) {
  CSpectrum composite = Band(450.0f, 40.0f, SpectrumKind::Absorption);
  Add(composite, "mixture");
  CSpectrum perylene = Band(436.0f, 20.0f, SpectrumKind::Absorption);
  perylene.m_epsilonPeak = 38500.0f;
  CSpectrum& added = Add(perylene, "Perylene");
  Add(Band(520.0f, 30.0f, SpectrumKind::Emission), "Fluorescein");
  Add(Band(470.0f, 25.0f, SpectrumKind::Absorption), "not from a database");
  Add(Band(400.0f, 25.0f, SpectrumKind::Absorption), "not selected", false);

  Input([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CMCAiputDlg&>(model);
    EXPECT_EQ(dlg.Components(), 3);
    EXPECT_EQ(dlg.Shown(), 1);
    EXPECT_EQ(dlg.m_component, "Perylene");
    EXPECT_EQ(dlg.m_fraction, 0.5f);
    EXPECT_EQ(dlg.m_wavelength, 436.0f);
    // Absorbance at the peak over epsilon at the peak, in micromoles per litre.
    EXPECT_FLOAT_EQ(dlg.m_concentration, added.Interpolate(436.0f) / 38500.0f * 1.0e6f);
    EXPECT_TRUE(dlg.NextEnabled());

    // A field that is no number is refused and nothing moves on.
    const auto refused = dlg.OnNext({{"fraction", "0.4"}, {"concentration", "many"}});
    EXPECT_EQ(refused.value_or(FieldRefusal{}).key, "concentration");
    EXPECT_EQ(refused.value_or(FieldRefusal{}).message, "Please enter a number.");
    EXPECT_EQ(dlg.Shown(), 1);
    EXPECT_EQ(dlg.m_fraction, 0.5f);

    EXPECT_FALSE(dlg.OnNext({{"fraction", "0.4"}, {"concentration", "20"}}));
    EXPECT_EQ(dlg.Shown(), 2);
    EXPECT_EQ(dlg.m_component, "Fluorescein");
    EXPECT_EQ(dlg.m_fraction, 0.5f);
    EXPECT_EQ(dlg.m_wavelength, 520.0f);
    EXPECT_EQ(dlg.m_concentration, 0.0f); // an emission spectrum has no concentration
    EXPECT_FALSE(dlg.OnNext({{"fraction", "0.3"}}));

    // The last component: "Next" is disabled and does nothing.
    EXPECT_EQ(dlg.m_component, "not from a database");
    EXPECT_EQ(dlg.m_concentration, 0.0f); // no epsilon at the peak: a fraction is reported
    EXPECT_FALSE(dlg.NextEnabled());
    EXPECT_FALSE(dlg.OnNext({{"fraction", "0.9"}}));
    EXPECT_EQ(dlg.Shown(), 3);
    EXPECT_EQ(dlg.m_fraction, 0.5f);

    EXPECT_FALSE(dlg.OnAddWavelength({{"wavelength", "450"}}));
    EXPECT_FALSE(dlg.OnFinish({{"fraction", "0.2"}, {"concentration", "5"}}));
    std::vector<McaComponentInput> inputs = dlg.Inputs();
    EXPECT_EQ(inputs.size(), 3u);
    inputs.resize(3);
    EXPECT_EQ(inputs[0].fraction, 0.4f);
    EXPECT_EQ(inputs[0].concentration, 20.0f);
    EXPECT_EQ(inputs[1].fraction, 0.3f);
    EXPECT_EQ(inputs[1].concentration, 0.0f);
    EXPECT_EQ(inputs[2].fraction, 0.2f);
    EXPECT_EQ(inputs[2].concentration, 5.0f);
    return kResultCancel;
  });
  frame.Execute(kIdMultipleComponent);
  // Cancel ends the module without a message or results.
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CMCAiputDlg"});
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(McaCommand, AFullWavelengthListRefusesAndStaysAsItIs) {
  AddMixture(SpectrumKind::Emission, {0.2f, 0.5f, 0.3f});
  Input([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CMCAiputDlg&>(model);
    // Three components: room for nine wavelengths.
    for (int i = 0; i < 9; ++i) {
      EXPECT_FALSE(dlg.OnAddWavelength({{"wavelength", std::to_string(400 + 10 * i)}}));
    }
    const std::vector<std::string> entries = dlg.Wavelengths().Entries();
    EXPECT_EQ(entries.front(), "400.00     band 1");
    const FieldRefusal refused =
        dlg.OnAddWavelength({{"wavelength", "555.5"}}).value_or(FieldRefusal{});
    EXPECT_EQ(refused.key, "wavelength");
    EXPECT_NE(refused.message.find("555.50"), std::string::npos) << refused.message;
    EXPECT_EQ(dlg.Wavelengths().Entries(), entries);
    EXPECT_EQ(dlg.Wavelengths().Count(), 9);
    EXPECT_FALSE(dlg.OnFinish({}));
    return kResultOk;
  });
  KeepResults(kResultOk);
  frame.Execute(kIdMultipleComponent);
  EXPECT_EQ(shown.m_wavelengthEntries.size(), 9u);
  EXPECT_EQ(shown.m_wavelengthEntries.back(), "480.000000");
}

TEST_F(McaCommand, FinishWithoutAWavelengthIsRefusedAndNothingIsFitted) {
  AddMixture(SpectrumKind::Emission, {0.2f, 0.5f, 0.3f});
  Input([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CMCAiputDlg&>(model);
    const FieldRefusal refused = dlg.OnFinish({{"fraction", "0.7"}}).value_or(FieldRefusal{});
    EXPECT_EQ(refused.key, "wavelength");
    EXPECT_EQ(refused.message, kMcaNoWavelength);
    EXPECT_EQ(dlg.m_fraction, 0.5f);
    EXPECT_EQ(dlg.Inputs()[0].fraction, 0.0f);
    return kResultCancel;
  });
  frame.Execute(kIdMultipleComponent);
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CMCAiputDlg"});
}

TEST_F(McaCommand, ResultsRecoverAKnownMixtureAsFractionsOrConcentrations) {
  struct Case {
    SpectrumKind kind;
    std::vector<float> concentrations; ///< typed for each component; 0 reports a fraction
  };
  const std::vector<float> weights = {0.2f, 0.5f, 0.3f};
  const std::vector<Case> cases = {
      {SpectrumKind::Emission, {0.0f, 0.0f, 0.0f}},
      {SpectrumKind::Absorption, {10.0f, 0.0f, 4.0f}},
  };
  for (const Case& c : cases) {
    frame.Execute(kIdFileNew);
    AddMixture(c.kind, weights);
    std::vector<FieldTexts> entries;
    for (const float concentration : c.concentrations) {
      entries.push_back({{"concentration", std::to_string(concentration)}});
    }
    EnterAndFinish(entries, wavelengths);
    KeepResults(kResultOk);
    EXPECT_TRUE(frame.Execute(kIdMultipleComponent));

    EXPECT_EQ(shown.m_components, 3);
    EXPECT_LT(shown.m_residual, 1e-4f);
    const std::vector<ResultEntry> results = ShownResults();
    ASSERT_EQ(results.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
      const float known = c.concentrations[j];
      EXPECT_EQ(results[j].name, "band " + std::to_string(j + 1));
      EXPECT_NEAR(results[j].value, known != 0.0f ? weights[j] * known : weights[j],
                  5e-3f * (known != 0.0f ? known : 1.0f))
          << j;
    }
    EXPECT_EQ(shown.m_wavelengthEntries.size(), wavelengths.size());
    EXPECT_FALSE(shown.m_printRequested);
    EXPECT_FALSE(shown.m_reportRequested);
  }
  // "OK" closes the results: nothing is printed or reported, and no spectrum is added.
  EXPECT_TRUE(prompts.printDialogs.empty());
  EXPECT_TRUE(prompts.fileDialogs.empty());
  EXPECT_EQ(frame.m_pData->Count(), 4);
}

TEST_F(McaCommand, AComponentAtFractionZeroOrNeverShownReportsZero) {
  struct Case {
    std::vector<FieldTexts> entries; ///< what is typed for the components shown
    std::vector<bool> fitted;        ///< which components take part in the fit
  };
  const std::vector<Case> cases = {
      {{{}, {{"fraction", "0"}}, {}}, {true, false, true}},
      {{{}}, {true, false, false}}, // "Finish" on the first: the others were never shown
  };
  for (const Case& c : cases) {
    frame.Execute(kIdFileNew);
    AddMixture(SpectrumKind::Emission, {0.2f, 0.5f, 0.3f});
    EnterAndFinish(c.entries, wavelengths);
    KeepResults(kResultOk);
    frame.Execute(kIdMultipleComponent);
    const std::vector<ResultEntry> results = ShownResults();
    ASSERT_EQ(results.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
      if (c.fitted[j]) {
        EXPECT_GT(results[j].value, 0.0f) << j;
      } else {
        EXPECT_EQ(results[j].value, 0.0f) << j;
      }
    }
    // The mixture cannot be matched without the band left out.
    EXPECT_GT(shown.m_residual, 1e-3f);
  }
}

TEST_F(McaCommand, OnlyTheFirstThirtySelectedEntriesTakePart) {
  for (int i = 0; i < 32; ++i) {
    Add(Band(400.0f + 5.0f * static_cast<float>(i), 20.0f, SpectrumKind::Emission),
        "spectrum " + std::to_string(i + 1));
  }
  std::string last;
  Input([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CMCAiputDlg&>(model);
    EXPECT_EQ(dlg.Components(), 29);
    while (dlg.NextEnabled()) {
      EXPECT_FALSE(dlg.OnNext({}));
    }
    last = dlg.m_component;
    return kResultCancel;
  });
  frame.Execute(kIdMultipleComponent);
  EXPECT_EQ(last, "spectrum 30");
}

TEST_F(McaCommand, PrintAndReportHandTheResultsOverUnderModuleCodeFour) {
  TempDir dir;
  const std::string templatePath = (std::filesystem::path(LUMIVEX_SOURCE_DIR) / "data" /
                                    "templates" / "MultipleComponentAnalysis.htmt")
                                       .string();
  const std::string reportPath = dir.Path("mixture.html");
  auto printer = std::make_shared<FakePrinter>();
  prompts.printers.push_back(printer);
  prompts.classScripts["CUsername"].push_back([](CDialogModel& model) {
    dynamic_cast<CUsername&>(model).m_userName = "A. User";
    return kResultOk;
  });
  prompts.classScripts["CUsername"].push_back([](CDialogModel&) { return kResultOk; });
  prompts.fileAnswers = {templatePath, reportPath};

  AddMixture(SpectrumKind::Emission, {0.2f, 0.5f, 0.3f});
  EnterAndFinish({{}, {}, {}}, wavelengths);
  Results([this](CDialogModel& model) {
    auto& dlg = dynamic_cast<CMultipleAnalysisDlg&>(model);
    EXPECT_TRUE(dlg.OutputEnabled()); // shown once, so enabled from the start
    shown = dlg;
    return kResultPrint;
  });
  frame.Execute(kIdMultipleComponent);
  EXPECT_EQ(printer->pagesEnded, 1);
  EXPECT_TRUE(printer->documentEnded);
  EXPECT_TRUE(printer->canvas.FindText("Results of Multiple Component Analysis"));
  EXPECT_TRUE(printer->canvas.FindText("Least square"));
  EXPECT_TRUE(printer->canvas.FindText("band 3"));
  EXPECT_TRUE(printer->canvas.FindText("0.500"));
  EXPECT_TRUE(prompts.fileDialogs.empty());

  EnterAndFinish({{}, {}, {}}, wavelengths);
  KeepResults(kResultCreateReport);
  frame.Execute(kIdMultipleComponent);
  EXPECT_EQ(prompts.printDialogs.size(), 1u);
  const std::string report = TempDir::Read(reportPath);
  EXPECT_NE(report.find("<h1>Multiple Component Analysis</h1>"), std::string::npos);
  EXPECT_NE(report.find("A. User"), std::string::npos);
  // Each component's row: its name and its fraction.
  const std::regex row(R"(<td class="name">band 2</td>\n<td class="number">([0-9.]+)</td>)");
  std::smatch found;
  ASSERT_TRUE(std::regex_search(report, found, row)) << report;
  EXPECT_NEAR(std::stof(found[1].str()), 0.5f, 5e-3f);
  // Slots without a component leave an empty row, which the template hides.
  EXPECT_NE(report.find("<td class=\"name\"></td>"), std::string::npos);
  EXPECT_EQ(report.find("N/A"), std::string::npos);
  EXPECT_EQ(report.find("1.2346"), std::string::npos);
  EXPECT_EQ(frame.m_pData->Count(), 4);
}

TEST(McaResultsDialog, ShowsTheFitReadOnlyAndFillsTheReportOnCreateReport) {
  McaFit fit;
  fit.residual = 2.5e-5f;
  fit.results = {0.25f, 12.5f};
  const std::vector<std::string> names = {"Perylene", "Anthracene"};
  CMultipleAnalysisDlg dlg;
  dlg.Fill(fit, names, std::vector<float>{436.0f, 356.5f});
  const FieldTexts texts = ShownTexts(dlg.Fields());
  EXPECT_EQ(texts.at("residual"), FieldText(2.5e-5f));
  EXPECT_EQ(texts.at("components"), "2");
  for (const DialogField& field : dlg.Fields()) {
    EXPECT_TRUE(field.result) << field.key;
  }
  EXPECT_EQ(ReadEntry(dlg.m_resultEntries[1]).name, "Anthracene");
  EXPECT_EQ(ReadEntry(dlg.m_resultEntries[1]).value, 12.5f);
  EXPECT_EQ(std::strtof(dlg.m_wavelengthEntries[1].c_str(), nullptr), 356.5f);

  dlg.BeginShowing();
  EXPECT_TRUE(dlg.OutputEnabled());
  EXPECT_FALSE(dlg.m_reportRequested);
  EXPECT_TRUE(dlg.Report().numbers.empty());
  dlg.OnCreateReport();
  EXPECT_TRUE(dlg.m_reportRequested);
  const ReportBlock block = dlg.Report();
  ASSERT_EQ(block.numbers.size(), 30u);
  ASSERT_EQ(block.texts.size(), 32u);
  EXPECT_EQ(block.texts[1], "2");
  EXPECT_EQ(block.texts[3], "Anthracene");
  EXPECT_EQ(block.numbers[1], 12.5f);
  // Slots past the last component hold the empty-slot markers.
  EXPECT_EQ(block.texts[4], "N/A");
  EXPECT_EQ(block.numbers[2], 1.23456f);
  EXPECT_EQ(dlg.ModuleCode(), 4);
}

} // namespace
} // namespace lumivex

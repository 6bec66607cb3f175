#include "modules/StricklerBerg.h"
#include "FakePrompts.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "database/Username.h"
#include "modules/StrickleDlg.h"
#include "ui/CommandIds.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace lumivex {
namespace {

using test::FakePrinter;
using test::FakePrompts;
using test::FakeViews;
using test::FuzzyCompare;
using test::MakeSpectrum;
using test::RecordingCanvas;
using test::TempDir;

// Absorption 400..500 nm in 1 nm steps (101 points), emission 500..600 nm, both flat at 1
// unless a shape is given.
CSpectrum Absorption(float (*shape)(float) = [](float) { return 1.0f; }) {
  CSpectrum spectrum = MakeSpectrum(400.0f, 1.0f, 101, shape);
  spectrum.m_kind = SpectrumKind::Absorption;
  return spectrum;
}

CSpectrum Emission(float first = 500.0f, int count = 101) {
  CSpectrum spectrum = MakeSpectrum(first, 1.0f, count, [](float) { return 1.0f; });
  spectrum.m_kind = SpectrumKind::Emission;
  return spectrum;
}

CSpectrum Reversed(const CSpectrum& ascending) {
  CSpectrum spectrum = ascending;
  std::reverse(spectrum.m_points.begin(), spectrum.m_points.end());
  spectrum.m_descending = 1;
  return spectrum;
}

StricklerBergInputs Inputs(float low, float high) {
  StricklerBergInputs inputs;
  inputs.low = low;
  inputs.high = high;
  inputs.epsilon = 5.0e4f;
  inputs.epsilonWavelength = 450.0f;
  inputs.refractiveIndex = 1.5f;
  inputs.quantumYield = 0.5f;
  return inputs;
}

// <nu^-3>^-1 of an emission flat between two wavelengths, from the integrals of 1 and
// nu^-3 over nu (nu = 1e7 / lambda in cm^-1).
double FlatMean(double shortWavelength, double longWavelength) {
  const double high = 1.0e7 / shortWavelength;
  const double low = 1.0e7 / longWavelength;
  return (high - low) / ((1.0 / (low * low) - 1.0 / (high * high)) / 2.0);
}

TEST(StricklerBerg, FlatBandsGiveTheAnalyticIntegralsAndLifetimes) {
  CSpectrum emission = Emission();
  const StricklerBergResults results =
      CalculateStricklerBerg(Absorption(), emission, Inputs(420, 480));
  ASSERT_TRUE(results.computed);
  EXPECT_EQ(results.low, 420.0f);
  EXPECT_EQ(results.high, 480.0f);
  // A constant epsilon integrates over ln nu to epsilon ln(480 / 420) = 6676.57. The high
  // end maps to point 81 (s = 101 / 100), and the pair ending there is left out, so the
  // integral stops at 480 nm.
  const double integral = 5.0e4 * std::log(480.0 / 420.0);
  EXPECT_TRUE(FuzzyCompare(results.integral, integral, 1e-5));
  // A flat emission from 500 to 600 nm: <nu^-3>^-1 = 6.0606e12 cm^-3.
  const double mean = FlatMean(500.0, 600.0);
  EXPECT_TRUE(FuzzyCompare(results.mean, mean, 1e-4));
  const double rate = 2.88e-9 * 1.5 * 1.5 * mean * integral;
  EXPECT_TRUE(FuzzyCompare(results.rate, rate, 1e-4));
  EXPECT_TRUE(FuzzyCompare(results.naturalLifetime, 1.0e9 / rate, 1e-4));
  EXPECT_TRUE(FuzzyCompare(results.lifetime, 0.5e9 / rate, 1e-4));
  // About 2.6e8 s^-1, 3.81 ns and 1.91 ns.
  EXPECT_NEAR(results.naturalLifetime, 3.8138, 1e-3);
  EXPECT_EQ(results.referenceIndex, 50);
  EXPECT_EQ(results.referenceValue, 1.0f);
}

TEST(StricklerBerg, BandBeyondTheAbsorptionIsClippedExactlyToItsWavelengths) {
  for (const CSpectrum& absorption : {Absorption(), Reversed(Absorption())}) {
    SCOPED_TRACE(absorption.m_descending);
    CSpectrum emission = Emission();
    const StricklerBergResults results =
        CalculateStricklerBerg(absorption, emission, Inputs(300, 700));
    EXPECT_EQ(results.low, 400.0f);
    EXPECT_EQ(results.high, 500.0f);
    // Every point pair of the spectrum counts.
    EXPECT_TRUE(FuzzyCompare(results.integral, 5.0e4 * std::log(500.0 / 400.0), 1e-5));
  }
  // Only the side that reaches beyond the data moves.
  CSpectrum emission = Emission();
  const StricklerBergResults oneSide =
      CalculateStricklerBerg(Absorption(), emission, Inputs(450, 900));
  EXPECT_EQ(oneSide.low, 450.0f);
  EXPECT_EQ(oneSide.high, 500.0f);
  // A band wholly outside the data integrates nothing and reads no point outside it.
  const StricklerBergResults outside =
      CalculateStricklerBerg(Absorption(), emission, Inputs(700, 900));
  EXPECT_EQ(outside.integral, 0.0f);
  const StricklerBergResults below =
      CalculateStricklerBerg(Absorption(), emission, Inputs(100, 200));
  EXPECT_EQ(below.integral, 0.0f);
}

TEST(StricklerBerg, ReferenceIsTheStoredPointAtTheScaledIndex) {
  // y = x - 399: point i holds i + 1.
  const CSpectrum absorption = Absorption([](float x) { return x - 399.0f; });
  const auto reference = [&absorption](float wavelength) {
    CSpectrum emission = Emission();
    StricklerBergInputs inputs = Inputs(420, 480);
    inputs.epsilonWavelength = wavelength;
    const StricklerBergResults results = CalculateStricklerBerg(absorption, emission, inputs);
    EXPECT_TRUE(std::isfinite(results.integral));
    return std::pair(results.referenceIndex, results.referenceValue);
  };
  // Within one step of the data the reference stays the stored point (20 * 1.01 and
  // 20.7 * 1.01 both truncate to 20), where interpolation would give 21 and 21.7.
  EXPECT_EQ(reference(420.0f), std::pair(20, 21.0f));
  EXPECT_EQ(reference(420.7f), std::pair(20, 21.0f));
  // The scale is N / (x_last - x_first), not (N - 1) / ...: near the end the index is one
  // point further.
  EXPECT_EQ(reference(499.5f), std::pair(100, 101.0f));
  // Outside the spectrum the reference is held on its first or last point.
  EXPECT_EQ(reference(900.0f), std::pair(100, 101.0f));
  EXPECT_EQ(reference(100.0f), std::pair(0, 1.0f));

  // The reference scales the integral: twice the reference, half the integral.
  CSpectrum emission = Emission();
  StricklerBergInputs low = Inputs(420, 480);
  low.epsilonWavelength = 420.0f; // y_ref = 21
  StricklerBergInputs high = Inputs(420, 480);
  high.epsilonWavelength = 441.0f; // y_ref = 42 (41 * 1.01 = 41.41 truncates to 41)
  const float integralLow = CalculateStricklerBerg(absorption, emission, low).integral;
  const float integralHigh = CalculateStricklerBerg(absorption, emission, high).integral;
  EXPECT_TRUE(FuzzyCompare(integralLow / integralHigh, 2.0, 1e-5));
}

TEST(StricklerBerg, TheWholeEmissionEntersTheMeanWhateverTheBand) {
  CSpectrum emission = Emission();
  const float narrow = CalculateStricklerBerg(Absorption(), emission, Inputs(420, 430)).mean;
  const float wide = CalculateStricklerBerg(Absorption(), emission, Inputs(300, 700)).mean;
  EXPECT_EQ(narrow, wide);
  EXPECT_TRUE(FuzzyCompare(narrow, FlatMean(500.0, 600.0), 1e-4));
  // Half the emission is another mean.
  CSpectrum half = Emission(500.0f, 51);
  EXPECT_TRUE(FuzzyCompare(CalculateStricklerBerg(Absorption(), half, Inputs(420, 430)).mean,
                           FlatMean(500.0, 550.0), 1e-4));
}

TEST(StricklerBerg, ZeroBandLimitsOrRefractiveIndexComputeNothing) {
  CSpectrum emission = Emission();
  for (StricklerBergInputs inputs : {Inputs(0, 480), Inputs(420, 0), Inputs(420, 480)}) {
    if (inputs.low != 0.0f && inputs.high != 0.0f) {
      inputs.refractiveIndex = 0.0f;
    }
    const StricklerBergResults results = CalculateStricklerBerg(Absorption(), emission, inputs);
    EXPECT_FALSE(results.computed);
    EXPECT_EQ(results.low, inputs.low);
    EXPECT_EQ(results.high, inputs.high);
    EXPECT_EQ(results.integral, 0.0f);
    EXPECT_EQ(results.mean, 0.0f);
    EXPECT_EQ(results.rate, 0.0f);
  }
}

TEST(StricklerBerg, ResultsThatCannotBeCalculatedAreZero) {
  CSpectrum emission = Emission();
  // Band ends on neighbouring points (indices 51 and 52): no pair lies between them.
  const StricklerBergResults narrow =
      CalculateStricklerBerg(Absorption(), emission, Inputs(450.2f, 451.4f));
  EXPECT_EQ(narrow.integral, 0.0f);
  EXPECT_EQ(narrow.rate, 0.0f);
  EXPECT_EQ(narrow.naturalLifetime, 0.0f);
  EXPECT_EQ(narrow.lifetime, 0.0f);
  EXPECT_GT(narrow.mean, 0.0f);

  // No absorbance at the wavelength for epsilon.
  const CSpectrum gap = Absorption([](float x) { return x == 450.0f ? 0.0f : 1.0f; });
  const StricklerBergResults unscaled = CalculateStricklerBerg(gap, emission, Inputs(420, 480));
  EXPECT_EQ(unscaled.integral, 0.0f);
  EXPECT_EQ(unscaled.rate, 0.0f);
  EXPECT_EQ(unscaled.naturalLifetime, 0.0f);
  EXPECT_EQ(unscaled.lifetime, 0.0f);

  // An emission without intensity has no mean.
  CSpectrum dark = MakeSpectrum(500.0f, 1.0f, 101, [](float) { return 0.0f; });
  const StricklerBergResults unlit = CalculateStricklerBerg(Absorption(), dark, Inputs(420, 480));
  EXPECT_EQ(unlit.mean, 0.0f);
  EXPECT_EQ(unlit.rate, 0.0f);
  EXPECT_EQ(unlit.naturalLifetime, 0.0f);
  EXPECT_EQ(unlit.lifetime, 0.0f);
  EXPECT_GT(unlit.integral, 0.0f);
}

TEST(StrickleDialog, FieldsValidateInExchangeOrderAndStoreAllOrNothing) {
  CStrickleDlg dlg;
  std::map<std::string, std::string> texts{{"epsilon", "eps"},      {"high", "480"},
                                           {"low", "420"},          {"refractiveIndex", "1.33"},
                                           {"quantumYield", "0.9"}, {"epsilonWavelength", "50"}};
  std::optional<FieldRefusal> refusal = dlg.StoreFields(texts);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "epsilon");
  EXPECT_EQ(refusal->message, "Please enter a number.");
  texts["epsilon"] = "6e4";
  texts["refractiveIndex"] = "";
  refusal = dlg.StoreFields(texts);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "refractiveIndex");
  EXPECT_EQ(refusal->message, "Please enter a number.");
  texts["refractiveIndex"] = "1.33";
  for (const char* outside : {"50", "99.9", "1000.1"}) {
    texts["epsilonWavelength"] = outside;
    refusal = dlg.StoreFields(texts);
    ASSERT_TRUE(refusal) << outside;
    EXPECT_EQ(refusal->key, "epsilonWavelength");
    EXPECT_EQ(refusal->message, "Please enter a number between 100 and 1000.");
  }
  EXPECT_EQ(dlg.m_epsilon, 0.0f);
  EXPECT_EQ(dlg.m_high, 0.0f);
  EXPECT_EQ(dlg.m_refractiveIndex, 0.0f);

  texts["epsilonWavelength"] = "1000";
  texts["rate"] = "not read";
  EXPECT_FALSE(dlg.StoreFields(texts));
  EXPECT_EQ(dlg.m_epsilon, 6.0e4f);
  EXPECT_EQ(dlg.m_high, 480.0f);
  EXPECT_EQ(dlg.m_low, 420.0f);
  EXPECT_EQ(dlg.m_refractiveIndex, 1.33f);
  EXPECT_EQ(dlg.m_quantumYield, 0.9f);
  EXPECT_EQ(dlg.m_epsilonWavelength, 1000.0f);
  EXPECT_EQ(dlg.m_rate, 0.0f);
  EXPECT_FALSE(dlg.StoreFields({{"epsilonWavelength", "100"}}));
}

// A dialog showing the results of one calculation.
CStrickleDlg Calculated() {
  CStrickleDlg dlg;
  dlg.m_compound = "Perylene";
  dlg.m_solvent = "cyclohexane";
  dlg.m_low = 1.0f;
  dlg.m_high = 2.0f;
  dlg.m_epsilon = 3.0f;
  dlg.m_integral = 4.0f;
  dlg.m_mean = 5.0f;
  dlg.m_refractiveIndex = 6.0f;
  dlg.m_quantumYield = 7.0f;
  dlg.m_naturalLifetime = 8.0f;
  dlg.m_rate = 9.0f;
  dlg.m_lifetime = 10.0f;
  return dlg;
}

TEST(StrickleDialog, PrintAndReportBlocksHoldTheShownValuesInTheirOwnOrders) {
  CStrickleDlg dlg = Calculated();
  dlg.BeginShowing();
  EXPECT_FALSE(dlg.m_outputEnabled);
  dlg.BeginShowing();
  EXPECT_TRUE(dlg.m_outputEnabled);

  ASSERT_FALSE(dlg.StoreFields({{"low", "400"}, {"refractiveIndex", "1.5"}}));
  dlg.OnCreateReport();
  EXPECT_TRUE(dlg.m_reportRequested);
  EXPECT_EQ(dlg.Report().numbers,
            (std::vector<float>{1.0f, 2.0f, 3.0f, 6.0f, 4.0f, 5.0f, 7.0f, 8.0f, 9.0f, 10.0f}));
  EXPECT_EQ(dlg.Report().texts, (std::vector<std::string>{"Perylene", "cyclohexane"}));
  EXPECT_EQ(dlg.m_low, 400.0f); // the edits stay for the next calculation
  EXPECT_EQ(dlg.m_refractiveIndex, 1.5f);

  dlg = Calculated();
  dlg.BeginShowing();
  ASSERT_FALSE(dlg.StoreFields({{"low", "400"}}));
  dlg.OnPrint();
  EXPECT_TRUE(dlg.m_printRequested);
  EXPECT_EQ(dlg.m_low, 1.0f); // the edits are dropped
  EXPECT_EQ(dlg.m_printNumbers,
            (std::array<float, 10>{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f, 9.0f, 10.0f}));
  EXPECT_EQ(dlg.m_printTexts, (std::array<std::string, 2>{"Perylene", "cyclohexane"}));
}

TEST(StrickleDialog, PrintSheetRowsStandBesideTheWidestLabel) {
  CStrickleDlg dlg = Calculated();
  dlg.m_integral = 6676.57f;
  dlg.m_mean = 6.0606e12f;
  dlg.m_rate = 2.622071e8f;
  dlg.m_naturalLifetime = 3.8137793f;
  dlg.m_lifetime = 1.9068896f;
  dlg.m_refractiveIndex = 1.5f;
  dlg.m_quantumYield = 0.5f;
  dlg.m_low = 420.0f;
  dlg.m_high = 480.0f;
  dlg.m_epsilon = 5.0e4f;
  dlg.BeginShowing();
  dlg.OnPrint();
  RecordingCanvas canvas;
  canvas.SetFont({"Helvetica", 10, 400, 0});
  dlg.DrawResults(canvas);

  // "Actural fluorescence lifetime (ns)": 34 characters, 6 units each in a 10-unit font.
  const int valueX = 34 * 6 + 70;
  const int pitch = 10 + 10;
  const std::vector<std::pair<std::string, std::string>> rows{
      {"Compound", "Perylene"},
      {"Solvent", "cyclohexane"},
      {"Low wavelength (nm)", "420.000"},
      {"High wavelength (nm)", "480.000"},
      {"Epsilon at maximum peak", "50000.000"},
      {"Integral term", "6.677e+03"},
      {"Average term", "6.061e+12"},
      {"Refractive index", "1.500"},
      {"Quantum yield", "0.500"},
      {"Natural radiative lifetime (ns)", "3.814"},
      {"Radiation rate constant (1/s)", "2.622e+08"},
      {"Actual fluorescence lifetime (ns)", "1.907"},
  };
  const std::vector<test::DrawnText> drawn = canvas.Texts();
  ASSERT_EQ(drawn.size(), 2 * rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int y = static_cast<int>(i + 2) * pitch + 30;
    EXPECT_EQ(drawn[2 * i].text, rows[i].first);
    EXPECT_EQ(drawn[2 * i].at, (CPoint{30, y}));
    EXPECT_EQ(drawn[2 * i + 1].text, rows[i].second);
    EXPECT_EQ(drawn[2 * i + 1].at, (CPoint{valueX, y}));
  }
}

class LifetimeCommand : public ::testing::Test {
protected:
  LifetimeCommand() : frame(prompts, views) { frame.Startup(); }

  CSpectrum& Add(CSpectrum spectrum, const std::string& name, bool selected = true) {
    spectrum.m_name = name;
    CSpectrum* added = frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(spectrum));
    frame.m_fileList.SetSelected(frame.m_fileList.AddEntry(name, frame.m_fileList.Count()),
                                 selected);
    return *added;
  }

  void Script(FakePrompts::DialogScript script) {
    prompts.classScripts["CStrickleDlg"].push_back(std::move(script));
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(LifetimeCommand, UsagePromptUnlessTwoSpectraAreSelected) {
  prompts.messageAnswers = {kResultHelp, kResultUsageOk, kResultUsageOk};
  Add(Absorption(), "absorption");
  EXPECT_TRUE(frame.Execute(kIdFluorescenceLifetime));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "Fluorescence Lifetime Calculation:  Open the emission spectrum and the absorption "
            "spectrum of the desired compound.  Then, highlight the data file in the Data File "
            "window and click the module icon on the toolbar.");
  EXPECT_EQ(prompts.messages[0].caption, "Fluorescence Lifetime Calculation");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108336});

  Add(Emission(), "emission");
  Add(Emission(), "another emission");
  frame.Execute(kIdFluorescenceLifetime); // three selected
  for (int i = 0; i < 3; ++i) {
    frame.m_fileList.SetSelected(i, false);
  }
  frame.Execute(kIdFluorescenceLifetime); // none selected
  EXPECT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages[2].text, prompts.messages[0].text);
  EXPECT_EQ(prompts.helpTopics.size(), 1u);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(LifetimeCommand, TwoSpectraMustBeOneAbsorptionAndOneEmission) {
  Add(Emission(), "emission");
  Add(Emission(), "another emission");
  frame.Execute(kIdFluorescenceLifetime);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "Please note: Two files (1 ems and 1 abs) are to be opened\n before 'Fluorescence "
            "Lifetime Calculation' can be performed.");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(LifetimeCommand, DialogReopensWithResultsUntilCancelAndHandsThemOver) {
  CSpectrum& emission = Add(Emission(), "Perylene emission");
  emission.m_quantumYield = 0.5f;
  CSpectrum& absorption = Add(Absorption(), "Perylene");
  absorption.m_solvent = "cyclohexane";
  absorption.m_epsilon = 5.0e4f;
  absorption.m_epsilonWavelength = 450.0f;
  const std::string templatePath =
      dir.Write("lifetime.htmt", ">\ni_n_p_u_t_0_\ni_n_p_u_t_1_\nn=d_a_t_a_3_\n");
  const std::string reportPath = dir.Path("report.html");
  auto printer = std::make_shared<FakePrinter>();
  prompts.printers.push_back(printer);
  prompts.classScripts["CUsername"].push_back([](CDialogModel& model) {
    dynamic_cast<CUsername&>(model).m_userName = "A. User";
    return kResultOk;
  });
  prompts.classScripts["CUsername"].push_back([](CDialogModel&) { return kResultOk; });
  prompts.fileAnswers = {templatePath, reportPath};

  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CStrickleDlg&>(model);
    EXPECT_FALSE(dlg.m_outputEnabled);
    EXPECT_EQ(dlg.m_compound, "Perylene");
    EXPECT_EQ(dlg.m_solvent, "cyclohexane");
    EXPECT_EQ(dlg.m_epsilon, 5.0e4f);
    EXPECT_EQ(dlg.m_epsilonWavelength, 450.0f);
    EXPECT_EQ(dlg.m_quantumYield, 0.5f);
    EXPECT_EQ(dlg.m_low, 0.0f);
    EXPECT_EQ(dlg.m_high, 0.0f);
    EXPECT_EQ(dlg.m_refractiveIndex, 0.0f);
    return kResultOk; // zero band and index: nothing to calculate
  });
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CStrickleDlg&>(model);
    EXPECT_TRUE(dlg.m_outputEnabled);
    EXPECT_EQ(dlg.m_integral, 0.0f);
    EXPECT_EQ(dlg.m_rate, 0.0f);
    EXPECT_FALSE(dlg.StoreFields({{"low", "300"}, {"high", "480"}, {"refractiveIndex", "1.5"}}));
    return kResultOk;
  });
  Script([this](CDialogModel& model) {
    auto& dlg = dynamic_cast<CStrickleDlg&>(model);
    // The band shows clipped to the absorption spectrum.
    EXPECT_EQ(dlg.m_low, 400.0f);
    EXPECT_EQ(dlg.m_high, 480.0f);
    EXPECT_TRUE(FuzzyCompare(dlg.m_integral, 5.0e4 * std::log(480.0 / 400.0), 1e-5));
    EXPECT_TRUE(FuzzyCompare(dlg.m_mean, FlatMean(500.0, 600.0), 1e-4));
    EXPECT_GT(dlg.m_rate, 0.0f);
    EXPECT_TRUE(FuzzyCompare(dlg.m_lifetime, 0.5 * dlg.m_naturalLifetime, 1e-6));
    return kResultPrint;
  });
  Script([this](CDialogModel& model) {
    auto& dlg = dynamic_cast<CStrickleDlg&>(model);
    EXPECT_EQ(dlg.m_printNumbers[0], 400.0f);
    return kResultCreateReport;
  });
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CStrickleDlg&>(model);
    // A band of neighbouring points: no integral, and lifetimes shown as 0, not infinite.
    EXPECT_FALSE(dlg.StoreFields({{"low", "450.2"}, {"high", "451.4"}}));
    return kResultOk;
  });
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CStrickleDlg&>(model);
    EXPECT_EQ(dlg.m_integral, 0.0f);
    EXPECT_EQ(dlg.m_rate, 0.0f);
    EXPECT_EQ(dlg.m_naturalLifetime, 0.0f);
    EXPECT_EQ(dlg.m_lifetime, 0.0f);
    return kResultCancel;
  });
  EXPECT_TRUE(frame.Execute(kIdFluorescenceLifetime));
  EXPECT_TRUE(prompts.classScripts["CStrickleDlg"].empty());
  EXPECT_EQ(frame.m_pData->Count(), 2);

  EXPECT_EQ(printer->pagesEnded, 1);
  EXPECT_TRUE(printer->canvas.FindText("Results of Fluorescence Lifetime Calculation"));
  EXPECT_TRUE(printer->canvas.FindText("Perylene"));
  EXPECT_TRUE(printer->canvas.FindText("400.000"));
  EXPECT_TRUE(printer->canvas.FindText("1.500"));
  const std::string report = TempDir::Read(reportPath);
  EXPECT_NE(report.find("\nPerylene\ncyclohexane\nn=1.5000\n"), std::string::npos) << report;
}

} // namespace
} // namespace lumivex

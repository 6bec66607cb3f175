#include "modules/Forster.h"
#include "FakePrompts.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "modules/ForsterDlg.h"
#include "ui/CommandIds.h"

#include <cmath>
#include <numbers>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::FuzzyCompare;
using test::MakeSpectrum;
using test::RecordingCanvas;

double Nu(double nm) {
  return 1.0e7 / nm;
}

// Integral of nu^-4 over the wavenumbers between two wavelengths (nm).
double InverseFourthIntegral(double fromNm, double toNm) {
  return std::fabs(std::pow(Nu(toNm), -3.0) - std::pow(Nu(fromNm), -3.0)) / 3.0;
}

CSpectrum Spectrum(SpectrumKind kind, float first, float step, int count, float (*y)(float)) {
  CSpectrum spectrum = MakeSpectrum(first, step, count, y);
  spectrum.m_kind = kind;
  return spectrum;
}

float One(float) {
  return 1.0f;
}

// A donor emitting evenly from 500 to 600 nm and an acceptor absorbing evenly from 400 to
// 700 nm: the overlap integral is then the integral of nu^-4 itself.
class ForsterCalculation : public ::testing::Test {
protected:
  ForsterInputs Inputs(float low, float high) const {
    ForsterInputs inputs;
    inputs.epsilon = 1.0e5f;
    inputs.epsilonWavelength = 550.0f;
    inputs.low = low;
    inputs.high = high;
    inputs.refractiveIndex = 1.4f;
    inputs.kappa2 = 2.0f / 3.0f;
    inputs.quantumYield = 0.5f;
    inputs.distance = 50.0f;
    return inputs;
  }

  CSpectrum donor = Spectrum(SpectrumKind::Emission, 500.0f, 1.0f, 101, One);
  CSpectrum acceptor = Spectrum(SpectrumKind::Absorption, 400.0f, 1.0f, 301, One);
  // Areas of the two flat spectra on the wavenumber axis.
  double donorArea = Nu(500) - Nu(600);
  double acceptorArea = Nu(400) - Nu(700);
};

TEST(ForsterOverlap, RangeIsWhereBothSpectraHaveData) {
  const CSpectrum donor = Spectrum(SpectrumKind::Emission, 500.0f, 1.0f, 101, One);
  const auto range = [&donor](const CSpectrum& acceptor) {
    return FindOverlapRange(donor, acceptor);
  };

  const auto wide = range(Spectrum(SpectrumKind::Absorption, 400.0f, 1.0f, 301, One));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->low, 500.0f);
  EXPECT_EQ(wide->high, 600.0f);
  // Stored from long to short wavelengths: 550 down to 450.
  const auto descending = range(Spectrum(SpectrumKind::Absorption, 550.0f, -1.0f, 101, One));
  ASSERT_TRUE(descending);
  EXPECT_EQ(descending->low, 500.0f);
  EXPECT_EQ(descending->high, 550.0f);
  // Touching at one wavelength still overlaps.
  const auto touching = range(Spectrum(SpectrumKind::Absorption, 300.0f, 1.0f, 201, One));
  ASSERT_TRUE(touching);
  EXPECT_EQ(touching->low, 500.0f);
  EXPECT_EQ(touching->high, 500.0f);
  EXPECT_FALSE(range(Spectrum(SpectrumKind::Absorption, 300.0f, 1.0f, 200, One)));
  EXPECT_FALSE(range(Spectrum(SpectrumKind::Absorption, 601.0f, 1.0f, 50, One)));
}

TEST(ForsterOverlap, ConstantIsNineThousandLnTenOverOneHundredTwentyEightPiToTheFifthNA) {
  // In Angstrom^6 for J in M^-1 cm^3: 1 cm^6 = 1e48 Angstrom^6, N_A = 6.02214076e23.
  const double exact =
      9000.0 * std::log(10.0) / (128.0 * std::pow(std::numbers::pi, 5) * 6.02214076e23) * 1.0e48;
  EXPECT_TRUE(FuzzyCompare(ForsterConstant(), exact, 1e-5));
}

TEST_F(ForsterCalculation, FlatSpectraGiveTheAnalyticIntegralsAndTextbookDistance) {
  const ForsterResults results = CalculateForster(donor, acceptor, Inputs(500.0f, 600.0f));
  const double overlap = 1.0e5 / donorArea * InverseFourthIntegral(500, 600);
  EXPECT_TRUE(FuzzyCompare(results.overlap, overlap, 1e-4));
  // Unit emission times unit absorption over the donor's whole range, per eV.
  EXPECT_TRUE(FuzzyCompare(results.dexter, 8066.0 / acceptorArea, 1e-5));

  // R0^6 = 8.79e-5 kappa^2 Phi J / n^4 for J in M^-1 cm^-1 nm^4 (1 cm^4 = 1e28 nm^4).
  const double r0Sixth = 8.7851e-5 * (2.0 / 3.0) * 0.5 * overlap * 1.0e28 / std::pow(1.4, 4);
  const double r0 = std::pow(r0Sixth, 1.0 / 6.0);
  EXPECT_TRUE(FuzzyCompare(results.forsterDistance, r0, 1e-4));
  EXPECT_TRUE(FuzzyCompare(results.efficiency, 100.0 / (1.0 + std::pow(50.0 / r0, 6)), 1e-3));
  EXPECT_FALSE(results.rate);

  // At r = R0 half the excitations transfer, at the rate of the donor's own decay.
  ForsterInputs atR0 = Inputs(500.0f, 600.0f);
  atR0.distance = static_cast<float>(r0);
  atR0.lifetime = 4.0f;
  const ForsterResults half = CalculateForster(donor, acceptor, atR0);
  EXPECT_TRUE(FuzzyCompare(half.efficiency, 50.0, 1e-3));
  ASSERT_TRUE(half.rate);
  EXPECT_TRUE(FuzzyCompare(*half.rate, 1.0e9 / 4.0, 1e-3));
}

TEST_F(ForsterCalculation, RangeMapsOntoDonorPointsAndIsClampedToThem) {
  const ForsterResults full = CalculateForster(donor, acceptor, Inputs(500.0f, 600.0f));
  // Indices (550 - 500) * 101 / 100 = 50.5 and 80.8 truncate to 50 and 80; the pairs run
  // from points 50-51 to 78-79, 550 to 579 nm.
  const ForsterResults part = CalculateForster(donor, acceptor, Inputs(550.0f, 580.0f));
  EXPECT_TRUE(
      FuzzyCompare(part.overlap, 1.0e5 / donorArea * InverseFourthIntegral(550, 579), 1e-4));
  EXPECT_TRUE(
      FuzzyCompare(part.dexter, 8066.0 * (Nu(550) - Nu(579)) / donorArea / acceptorArea, 1e-4));

  // Beyond the donor: clamped to its ends, the same as the full range.
  const ForsterResults beyond = CalculateForster(donor, acceptor, Inputs(100.0f, 2000.0f));
  EXPECT_EQ(beyond.low, 500.0f);
  EXPECT_EQ(beyond.high, 600.0f);
  EXPECT_EQ(beyond.overlap, full.overlap);
  EXPECT_EQ(beyond.dexter, full.dexter);
  const ForsterResults below = CalculateForster(donor, acceptor, Inputs(-1.0e30f, 10.0f));
  EXPECT_EQ(below.low, 500.0f);
  EXPECT_EQ(below.high, 500.0f);
  EXPECT_EQ(below.overlap, 0.0f);

  // Low and high may be given either way round.
  EXPECT_EQ(CalculateForster(donor, acceptor, Inputs(600.0f, 500.0f)).overlap, full.overlap);

  // A donor stored from 600 down to 500 nm covers the same pairs.
  CSpectrum reversed = Spectrum(SpectrumKind::Emission, 600.0f, -1.0f, 101, One);
  const ForsterResults fromReversed = CalculateForster(reversed, acceptor, Inputs(500.0f, 600.0f));
  EXPECT_TRUE(FuzzyCompare(fromReversed.overlap, full.overlap, 1e-5));
  EXPECT_TRUE(FuzzyCompare(fromReversed.dexter, full.dexter, 1e-5));
}

TEST_F(ForsterCalculation, TouchingRangesGiveNothing) {
  CSpectrum touching = Spectrum(SpectrumKind::Absorption, 300.0f, 1.0f, 201, One);
  const auto range = FindOverlapRange(donor, touching);
  ASSERT_TRUE(range);
  const ForsterResults results = CalculateForster(donor, touching, Inputs(range->low, range->high));
  EXPECT_EQ(results.overlap, 0.0f);
  EXPECT_EQ(results.dexter, 0.0f);
  EXPECT_EQ(results.forsterDistance, 0.0f);
  EXPECT_EQ(results.efficiency, 0.0f);
}

TEST_F(ForsterCalculation, ZeroOrientationFactorMeansNoTransfer) {
  ForsterInputs inputs = Inputs(500.0f, 600.0f);
  inputs.kappa2 = 0.0f;
  inputs.lifetime = 5.0f;
  const ForsterResults results = CalculateForster(donor, acceptor, inputs);
  EXPECT_GT(results.overlap, 0.0f);
  EXPECT_EQ(results.forsterDistance, 0.0f);
  EXPECT_EQ(results.efficiency, 0.0f);
  ASSERT_TRUE(results.rate);
  EXPECT_EQ(*results.rate, 0.0f);
}

TEST_F(ForsterCalculation, OnlyPositiveTermsAreSummed) {
  // Negative absorbance (baseline) below 520 nm, positive from 520 nm on.
  CSpectrum noisy =
      MakeSpectrum(500.0f, 1.0f, 101, [](float x) { return x < 520.0f ? -1.0 : 1.0; });
  noisy.m_kind = SpectrumKind::Absorption;
  ForsterInputs inputs = Inputs(500.0f, 600.0f);
  inputs.epsilonWavelength = 575.0f;
  const ForsterResults results = CalculateForster(donor, noisy, inputs);
  // Only 520-600 nm counts (the pair 519-520 adds a term 1e-4 of the whole).
  EXPECT_TRUE(
      FuzzyCompare(results.overlap, 1.0e5 / donorArea * InverseFourthIntegral(520, 600), 1e-3));
  // Summing the negative stretch too would take away about a third.
  EXPECT_GT(results.overlap, 0.9 * 1.0e5 / donorArea * InverseFourthIntegral(520, 600));
  const double noisyArea = -(Nu(500) - Nu(519)) + (Nu(520) - Nu(600));
  EXPECT_TRUE(FuzzyCompare(noisy.Area(), noisyArea, 1e-4));
  EXPECT_TRUE(
      FuzzyCompare(results.dexter, 8066.0 * (Nu(520) - Nu(600)) / donorArea / noisyArea, 1e-4));
}

TEST_F(ForsterCalculation, NonFiniteResultsAreZero) {
  const auto allFinite = [](const ForsterResults& r) {
    return std::isfinite(r.overlap) && std::isfinite(r.dexter) &&
           std::isfinite(r.forsterDistance) && std::isfinite(r.efficiency) &&
           (!r.rate || std::isfinite(*r.rate));
  };
  ForsterInputs inputs = Inputs(500.0f, 600.0f);
  inputs.lifetime = 2.0f;

  // No absorbance at the epsilon wavelength: the scaling divides by zero.
  CSpectrum gap = MakeSpectrum(400.0f, 1.0f, 301, [](float x) { return x > 650.0f ? 0.0 : 1.0; });
  gap.m_kind = SpectrumKind::Absorption;
  ForsterInputs atGap = inputs;
  atGap.epsilonWavelength = 680.0f;
  const ForsterResults noReference = CalculateForster(donor, gap, atGap);
  EXPECT_TRUE(allFinite(noReference));
  EXPECT_EQ(noReference.overlap, 0.0f);
  EXPECT_EQ(noReference.forsterDistance, 0.0f);
  EXPECT_EQ(*noReference.rate, 0.0f);
  EXPECT_GT(noReference.dexter, 0.0f);

  // A dark donor has no area to normalise by.
  CSpectrum dark = MakeSpectrum(500.0f, 1.0f, 101, [](float) { return 0.0; });
  dark.m_kind = SpectrumKind::Emission;
  const ForsterResults noArea = CalculateForster(dark, acceptor, inputs);
  EXPECT_TRUE(allFinite(noArea));
  EXPECT_EQ(noArea.overlap, 0.0f);
  EXPECT_EQ(noArea.dexter, 0.0f);

  ForsterInputs noIndex = inputs;
  noIndex.refractiveIndex = 0.0f;
  const ForsterResults vacuum = CalculateForster(donor, acceptor, noIndex);
  EXPECT_TRUE(allFinite(vacuum));
  EXPECT_GT(vacuum.overlap, 0.0f);
  EXPECT_EQ(vacuum.forsterDistance, 0.0f);
  EXPECT_EQ(vacuum.efficiency, 0.0f);

  ForsterInputs contact = inputs;
  contact.distance = 0.0f;
  const ForsterResults touching = CalculateForster(donor, acceptor, contact);
  EXPECT_TRUE(allFinite(touching));
  EXPECT_FLOAT_EQ(touching.efficiency, 100.0f);
  EXPECT_EQ(*touching.rate, 0.0f);
  EXPECT_GT(touching.forsterDistance, 0.0f);
}

class ForsterDialog : public ForsterCalculation {
protected:
  ForsterDialog() {
    donor.m_name = "Fluorescein";
    donor.m_solvent = "ethanol";
    donor.m_quantumYield = 0.92f;
    donor.m_structurePath = "/db/fluorescein.str.bmp";
    acceptor.m_name = "Eosin";
    acceptor.m_epsilon = 1.0e5f;
    acceptor.m_epsilonWavelength = 550.0f;
    acceptor.m_structurePath = "/db/eosin.str.bmp";
    dlg.Fill(donor, acceptor, 500.0f, 600.0f);
  }

  CForsterDlg dlg;
};

TEST_F(ForsterDialog, FieldsValidateWithTheProgramsMessages) {
  EXPECT_EQ(dlg.m_epsilon, 1.0e5f);
  EXPECT_EQ(dlg.m_epsilonWavelength, 550.0f);
  EXPECT_EQ(dlg.m_quantumYield, 0.92f);
  EXPECT_EQ(dlg.m_donorName, "Fluorescein");
  EXPECT_EQ(dlg.m_acceptorName, "Eosin");
  EXPECT_EQ(dlg.m_refractiveIndex, 1.0f);
  EXPECT_EQ(dlg.m_kappa2, 0.0f);
  EXPECT_EQ(dlg.m_distance, 0.1f);

  std::vector<std::string> keys;
  for (const DialogField& field : dlg.Fields()) {
    keys.emplace_back(field.key);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"refractiveIndex", "kappa2", "quantumYield", "distance",
                                            "forsterDistance", "efficiency", "high", "low",
                                            "overlap", "epsilon", "epsilonWavelength", "lifetime",
                                            "rate", "dexter", "donorName", "acceptorName"}));
  EXPECT_STREQ(dlg.Fields()[2].label, "Donor Quantum yield (0.0...1.0)");

  // The quantum yield is accepted up to 100, whatever its label says; nothing is stored
  // from a refused set of texts.
  auto refusal = dlg.StoreFields({{"kappa2", "0.6667"}, {"quantumYield", "100.5"}});
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "quantumYield");
  EXPECT_EQ(refusal->message, "Please enter a number between 0 and 100.");
  EXPECT_EQ(dlg.m_kappa2, 0.0f);
  refusal = dlg.StoreFields({{"quantumYield", "-0.1"}});
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Please enter a number between 0 and 100.");
  refusal = dlg.StoreFields({{"distance", "50 A"}});
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "distance");
  EXPECT_EQ(refusal->message, "Please enter a number.");

  // The other labels' ranges are advice only; result fields are never read back.
  EXPECT_FALSE(dlg.StoreFields(
      {{"kappa2", "9"}, {"quantumYield", "100"}, {"refractiveIndex", "0"}, {"overlap", "123"}}));
  EXPECT_EQ(dlg.m_kappa2, 9.0f);
  EXPECT_EQ(dlg.m_quantumYield, 100.0f);
  EXPECT_EQ(dlg.m_refractiveIndex, 0.0f);
  EXPECT_EQ(dlg.m_overlap, 0.0f);
}

TEST_F(ForsterDialog, CalculationKeepsTheRateWithoutALifetimeAndShowsTheClampedRange) {
  dlg.m_kappa2 = 2.0f / 3.0f;
  dlg.m_distance = 40.0f;
  dlg.m_lifetime = 2.0f;
  dlg.Calculate(donor, acceptor);
  const float rate = dlg.m_rate;
  EXPECT_GT(rate, 0.0f);
  const float efficiency = dlg.m_efficiency;

  dlg.m_lifetime = 0.0f;
  dlg.m_distance = 80.0f;
  dlg.m_low = 300.0f;
  dlg.Calculate(donor, acceptor);
  EXPECT_EQ(dlg.m_rate, rate);
  EXPECT_LT(dlg.m_efficiency, efficiency);
  EXPECT_EQ(dlg.m_low, 500.0f);
}

TEST_F(ForsterDialog, PrintSheetRowsFollowTheWidestLabel) {
  dlg.m_kappa2 = 2.0f / 3.0f;
  dlg.m_distance = 40.0f;
  dlg.Calculate(donor, acceptor);
  dlg.OnPrint();
  dlg.SetPrintTexts(donor, acceptor);
  EXPECT_TRUE(dlg.m_printRequested);

  // Fixed metric: "Rate of energy transfer (1/s)" is 29 * 6 = 174 wide and 10 high, so rows
  // are 20 apart, starting at 2 * 20 + 30, and values stand at 174 + 70.
  RecordingCanvas canvas;
  dlg.DrawResults(canvas);
  const auto at = [&canvas](const std::string& text) {
    const auto drawn = canvas.FindText(text);
    return drawn ? drawn->at : CPoint{-1, -1};
  };
  EXPECT_EQ(at("Donor"), (CPoint{30, 70}));
  EXPECT_EQ(at("Fluorescein"), (CPoint{244, 70}));
  EXPECT_EQ(at("Eosin"), (CPoint{244, 90}));
  EXPECT_EQ(at("ethanol"), (CPoint{244, 110}));
  EXPECT_EQ(at("Orientation factor"), (CPoint{30, 150}));
  EXPECT_EQ(at("0.667"), (CPoint{244, 150}));
  EXPECT_EQ(at("Actual distance"), (CPoint{30, 190}));
  EXPECT_EQ(at("40.000"), (CPoint{244, 190}));
  char overlap[32];
  std::snprintf(overlap, sizeof overlap, "%1.3e", static_cast<double>(dlg.m_overlap));
  EXPECT_EQ(at("J value (cm(6)/mmol)"), (CPoint{30, 290}));
  EXPECT_EQ(at(overlap), (CPoint{244, 290}));
  EXPECT_EQ(at("Efficiency (%)"), (CPoint{30, 330}));
  // No rate yet: the lifetime and rate rows are left out.
  EXPECT_FALSE(canvas.FindText("Fluorescence lifetime (ns)"));
  EXPECT_EQ(at("------------------------------------------"), (CPoint{30, 350}));
  EXPECT_EQ(at("Dexter overlap integral (1/eV)"), (CPoint{30, 370}));

  dlg.m_lifetime = 3.0f;
  dlg.Calculate(donor, acceptor);
  dlg.OnPrint();
  canvas.Clear();
  dlg.DrawResults(canvas);
  EXPECT_EQ(at("Fluorescence lifetime (ns)"), (CPoint{30, 350}));
  EXPECT_EQ(at("3.000"), (CPoint{244, 350}));
  EXPECT_EQ(at("Rate of energy transfer (1/s)"), (CPoint{30, 370}));
  EXPECT_EQ(at("------------------------------------------"), (CPoint{30, 390}));
  EXPECT_EQ(at("Dexter overlap integral (1/eV)"), (CPoint{30, 410}));
  EXPECT_EQ(canvas.TextStrings().size(), 2u * 18u);
}

TEST_F(ForsterDialog, ReportBlockHoldsNineNumbersSevenTextsAndBothPictures) {
  dlg.m_refractiveIndex = 1.33f;
  dlg.m_kappa2 = 2.0f / 3.0f;
  dlg.m_distance = 45.0f;
  dlg.m_lifetime = 4.0f;
  dlg.Calculate(donor, acceptor);
  dlg.OnCreateReport();
  dlg.SetReportSpectra(donor, acceptor);
  EXPECT_TRUE(dlg.m_reportRequested);
  const ReportBlock block = dlg.Report();
  EXPECT_EQ(block.numbers, (std::vector<float>{500.0f, 600.0f, 550.0f, 1.0e5f, 1.33f, 2.0f / 3.0f,
                                               4.0f, 45.0f, 0.92f}));
  ASSERT_EQ(block.texts.size(), 7u);
  EXPECT_EQ(block.texts[0], "Fluorescein");
  EXPECT_EQ(block.texts[1], "Eosin");
  const auto formatted = [](const char* format, float value) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return std::string(text);
  };
  EXPECT_EQ(block.texts[2], formatted("%1.3e", dlg.m_overlap));
  EXPECT_EQ(block.texts[3], formatted("%1.3f", dlg.m_forsterDistance));
  EXPECT_EQ(block.texts[4], formatted("%1.3e", dlg.m_efficiency));
  EXPECT_EQ(block.texts[5], formatted("%1.3f", dlg.m_rate));
  EXPECT_EQ(block.texts[6], formatted("%1.3e", dlg.m_dexter));
  EXPECT_NE(block.texts[2].find("e-13"), std::string::npos) << block.texts[2];
  EXPECT_EQ(block.donorPicture, "/db/fluorescein.str.bmp");
  EXPECT_EQ(block.acceptorPicture, "/db/eosin.str.bmp");
}

class ForsterCommand : public ::testing::Test {
protected:
  ForsterCommand() : frame(prompts, views) { frame.Startup(); }

  CSpectrum& Add(SpectrumKind kind, float first, int count, const std::string& name) {
    auto spectrum = std::make_unique<CSpectrum>(Spectrum(kind, first, 1.0f, count, One));
    spectrum->m_name = name;
    CSpectrum* added = frame.m_pData->AppendSpectrum(std::move(spectrum));
    frame.m_fileList.SetSelected(frame.m_fileList.AddEntry(name, frame.m_fileList.Count()), true);
    return *added;
  }

  void Script(FakePrompts::DialogScript script) {
    prompts.classScripts["CForsterDlg"].push_back(std::move(script));
  }

  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(ForsterCommand, UsagePromptUnlessAnEmissionAndAnAbsorptionAreSelected) {
  Add(SpectrumKind::Emission, 500.0f, 101, "donor");
  Add(SpectrumKind::LightSource, 400.0f, 301, "lamp");
  prompts.messageAnswers.push_back(kResultHelp);
  EXPECT_TRUE(frame.Execute(kIdForster));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "Forster Energy Transfer:  Open one emission spectrum (for the donor) and one "
            "absoption spectrum (for the acceptor) to calculate the Forster energy transfer "
            "efficiency.  Then, highlight both data files in the Data File window and click the "
            "module icon on the toolbar.");
  EXPECT_EQ(prompts.messages[0].caption, "Forster Energy Transfer");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108332});

  // An absorption spectrum not selected does not count; "OK" opens no help.
  Add(SpectrumKind::Absorption, 400.0f, 301, "acceptor");
  frame.m_fileList.SetSelected(2, false);
  prompts.messageAnswers.push_back(kResultUsageOk);
  frame.Execute(kIdForster);
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.helpTopics.size(), 1u);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(ForsterCommand, SpectraThatDoNotOverlapAreRefused) {
  Add(SpectrumKind::Emission, 500.0f, 101, "donor");
  Add(SpectrumKind::Absorption, 300.0f, 100, "acceptor");
  frame.Execute(kIdForster);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "No overlapped");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(ForsterCommand, TheSpectraListedLastAreUsed) {
  CSpectrum& first = Add(SpectrumKind::Absorption, 400.0f, 301, "first acceptor");
  first.m_epsilon = 1000.0f;
  CSpectrum& donor = Add(SpectrumKind::Emission, 500.0f, 101, "donor");
  donor.m_recordNumber = 7;
  Add(SpectrumKind::LightSource, 400.0f, 301, "lamp");
  CSpectrum& later = Add(SpectrumKind::Absorption, 450.0f, 101, "later acceptor");
  later.m_epsilon = 2000.0f;
  later.m_epsilonWavelength = 500.0f;
  later.m_recordNumber = 9;
  CForsterDlg seen;
  Script([&seen](CDialogModel& model) {
    seen = dynamic_cast<CForsterDlg&>(model);
    return kResultCancel;
  });
  frame.Execute(kIdForster);
  EXPECT_EQ(seen.m_acceptorName, "later acceptor");
  EXPECT_EQ(seen.m_donorName, "donor");
  EXPECT_EQ(seen.m_epsilon, 2000.0f);
  EXPECT_EQ(seen.m_epsilonWavelength, 500.0f);
  EXPECT_EQ(seen.m_quantumYield, 1.0f);
  EXPECT_EQ(seen.m_low, 500.0f);
  EXPECT_EQ(seen.m_high, 550.0f);
  // The later acceptor was found first, walking up; the donor's record is loaded last.
  EXPECT_EQ(frame.m_database.m_currentRecord, 7);
}

TEST_F(ForsterCommand, DialogReopensWithResultsUntilCancelAndHandsThemOver) {
  CSpectrum& donor = Add(SpectrumKind::Emission, 500.0f, 101, "donor");
  donor.m_solvent = "water";
  donor.m_structurePath = "donor.str.bmp";
  CSpectrum& acceptor = Add(SpectrumKind::Absorption, 400.0f, 301, "acceptor");
  acceptor.m_epsilon = 5.0e4f;
  acceptor.m_epsilonWavelength = 550.0f;
  acceptor.m_structurePath = "acceptor.str.bmp";
  CForsterDlg* shown = nullptr;

  Script([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CForsterDlg&>(model);
    shown = &dlg;
    EXPECT_FALSE(dlg.OutputEnabled());
    EXPECT_EQ(dlg.m_low, 500.0f);
    EXPECT_EQ(dlg.m_high, 600.0f);
    EXPECT_FALSE(dlg.StoreFields({{"kappa2", "0.6667"}, {"distance", "30"}}));
    return kResultOk;
  });
  float overlap = 0.0f;
  Script([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CForsterDlg&>(model);
    EXPECT_TRUE(dlg.OutputEnabled());
    EXPECT_GT(dlg.m_overlap, 0.0f);
    EXPECT_GT(dlg.m_forsterDistance, 0.0f);
    EXPECT_GT(dlg.m_efficiency, 0.0f);
    overlap = dlg.m_overlap;
    // A narrower range typed in is kept: the overlap is worked out only once.
    EXPECT_FALSE(dlg.StoreFields({{"low", "550"}}));
    return kResultOk;
  });
  Script([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CForsterDlg&>(model);
    EXPECT_EQ(dlg.m_low, 550.0f);
    EXPECT_LT(dlg.m_overlap, overlap);
    return kResultPrint;
  });
  Script([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CForsterDlg&>(model);
    EXPECT_EQ(dlg.m_printTexts, (std::array<std::string, 3>{"donor", "acceptor", "water"}));
    EXPECT_EQ(dlg.m_printNumbers[6], 550.0f);
    EXPECT_EQ(dlg.m_printNumbers[8], dlg.m_overlap);
    EXPECT_FALSE(dlg.m_printRequested);
    return kResultCreateReport;
  });
  Script([&](CDialogModel& model) {
    auto& dlg = dynamic_cast<CForsterDlg&>(model);
    EXPECT_EQ(dlg.m_report.numbers.size(), 9u);
    EXPECT_EQ(dlg.m_report.texts[0], "donor");
    EXPECT_EQ(dlg.m_report.texts[1], "acceptor");
    EXPECT_EQ(dlg.m_report.donorPicture, "donor.str.bmp");
    EXPECT_EQ(dlg.m_report.acceptorPicture, "acceptor.str.bmp");
    return kResultCancel;
  });
  EXPECT_TRUE(frame.Execute(kIdForster));
  EXPECT_NE(shown, nullptr);
  EXPECT_TRUE(prompts.classScripts["CForsterDlg"].empty());
  // The dialog is gone with the command; nothing points at it any more.
  EXPECT_EQ(frame.m_pData->Count(), 2);
}

} // namespace
} // namespace lumivex

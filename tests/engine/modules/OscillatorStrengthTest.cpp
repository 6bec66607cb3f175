#include "modules/OscillatorStrength.h"
#include "FakePrompts.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "database/Username.h"
#include "modules/DipoleDlg.h"
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

// A triangular band of height 1 at `centre`, 40 nm wide at its foot, on 400..600 nm in
// steps of 1 nm: its half maximum lies exactly 10 nm either side of the centre.
CSpectrum Triangle(float centre = 500.0f) {
  CSpectrum spectrum = MakeSpectrum(400.0f, 1.0f, 201, [centre](float x) {
    return std::max(0.0f, 1.0f - std::fabs(x - centre) / 20.0f);
  });
  spectrum.m_kind = SpectrumKind::Absorption;
  return spectrum;
}

// The same points stored from the long-wavelength end.
CSpectrum Reversed(const CSpectrum& ascending) {
  CSpectrum spectrum = ascending;
  std::reverse(spectrum.m_points.begin(), spectrum.m_points.end());
  spectrum.m_descending = 1;
  return spectrum;
}

OscillatorInputs Inputs(float low, float high, bool manual = false) {
  OscillatorInputs inputs;
  inputs.low = low;
  inputs.high = high;
  inputs.epsilon = 1.0e4f;
  inputs.epsilonWavelength = 500.0f;
  inputs.manual = manual;
  return inputs;
}

// The oscillator strength and dipole moment for a peak absorptivity, band edges and peak
// wavelength, worked out in double precision from the textbook relations.
struct Expected {
  double strength;
  double dipoleCm;
  double dipoleDebye;
};

Expected Textbook(double epsilonPeak, double low, double high, double peak) {
  const double width = std::fabs(1.0e7 / low - 1.0e7 / high);
  const double strength = 4.32e-9 * epsilonPeak * width;
  const double dipole = 4.86e-27 * std::sqrt(strength / (1.0e7 / peak));
  return {strength, dipole, dipole / 3.33564e-30};
}

void ExpectResults(const OscillatorResults& results, const Expected& expected,
                   double tolerance = 1e-5) {
  EXPECT_TRUE(FuzzyCompare(results.oscillatorStrength, expected.strength, tolerance));
  EXPECT_TRUE(FuzzyCompare(results.dipoleCm, expected.dipoleCm, tolerance));
  EXPECT_TRUE(FuzzyCompare(results.dipoleDebye, expected.dipoleDebye, tolerance));
}

TEST(OscillatorStrength, TriangularBandGivesTheHandWorkedStrengthAndDipole) {
  const OscillatorResults results = CalculateOscillatorStrength(Triangle(), Inputs(300, 700));
  ASSERT_TRUE(results.peakFound);
  EXPECT_EQ(results.pulledLow, 401.0f);
  EXPECT_EQ(results.pulledHigh, 599.0f);
  EXPECT_EQ(results.peakIndex, 100);
  EXPECT_EQ(results.peakWavelength, 500.0f);
  EXPECT_FLOAT_EQ(results.epsilonPeak, 1.0e4f);
  EXPECT_FLOAT_EQ(results.peakWavenumber, 20000.0f);
  EXPECT_FLOAT_EQ(results.low, 490.0f);
  EXPECT_FLOAT_EQ(results.high, 510.0f);
  // 1e7/490 - 1e7/510 = 800.32 cm^-1; f = 4.32e-9 * 1e4 * 800.32 = 0.034574;
  // mu = 4.86e-27 * sqrt(0.034574 / 20000) = 6.3899e-30 C m = 1.91565 D.
  EXPECT_TRUE(FuzzyCompare(results.bandWidth, 800.32013, 1e-5));
  EXPECT_TRUE(FuzzyCompare(results.oscillatorStrength, 0.0345738, 1e-5));
  EXPECT_TRUE(FuzzyCompare(results.dipoleCm, 6.389914e-30, 1e-5));
  EXPECT_TRUE(FuzzyCompare(results.dipoleDebye, 1.9156486, 1e-5));

  // The epsilon given at another wavelength is carried to the peak: 5000 where the band is
  // at half height means 10000 at its top.
  OscillatorInputs halfway = Inputs(300, 700);
  halfway.epsilon = 5.0e3f;
  halfway.epsilonWavelength = 490.0f;
  EXPECT_FLOAT_EQ(CalculateOscillatorStrength(Triangle(), halfway).epsilonPeak, 1.0e4f);
}

TEST(OscillatorStrength, GaussianBandWidthIsItsAnalyticFullWidthAtHalfMaximum) {
  // sigma = 15 nm: FWHM = 2 sqrt(2 ln 2) sigma = 35.3223 nm about 550 nm.
  CSpectrum gaussian = MakeSpectrum(400.0f, 0.25f, 1201, [](float x) {
    const double d = (x - 550.0) / 15.0;
    return std::exp(-d * d / 2.0);
  });
  gaussian.m_kind = SpectrumKind::Absorption;
  OscillatorInputs inputs = Inputs(450, 650);
  inputs.epsilon = 2.0e4f;
  inputs.epsilonWavelength = 550.0f;
  const OscillatorResults results = CalculateOscillatorStrength(gaussian, inputs);
  ASSERT_TRUE(results.peakFound);
  EXPECT_NEAR(results.low, 532.33885, 2e-3);
  EXPECT_NEAR(results.high, 567.66115, 2e-3);
  ExpectResults(results, Textbook(2.0e4, 532.33885, 567.66115, 550.0), 1e-4);
}

TEST(OscillatorStrength, RangeBeyondTheDataIsPulledOneNanometreInsideIt) {
  for (const CSpectrum& spectrum : {Triangle(), Reversed(Triangle())}) {
    SCOPED_TRACE(spectrum.m_descending);
    // A manual band is the range itself, pulled inside the data.
    const OscillatorResults pulled = CalculateOscillatorStrength(spectrum, Inputs(100, 9000, true));
    ASSERT_TRUE(pulled.peakFound);
    EXPECT_EQ(pulled.low, 401.0f);
    EXPECT_EQ(pulled.high, 599.0f);
    ExpectResults(pulled, Textbook(1.0e4, 401.0, 599.0, 500.0));
    // Without the box the band is the half-maximum width, whichever way the data run.
    const OscillatorResults half = CalculateOscillatorStrength(spectrum, Inputs(100, 9000));
    EXPECT_FLOAT_EQ(half.low, 490.0f);
    EXPECT_FLOAT_EQ(half.high, 510.0f);
    ExpectResults(half, Textbook(1.0e4, 490.0, 510.0, 500.0));

    // A range inside the data, or on its ends, is left as typed.
    const OscillatorResults inside = CalculateOscillatorStrength(spectrum, Inputs(400, 600, true));
    EXPECT_EQ(inside.low, 400.0f);
    EXPECT_EQ(inside.high, 600.0f);
    const OscillatorResults typed = CalculateOscillatorStrength(spectrum, Inputs(470, 530, true));
    EXPECT_EQ(typed.low, 470.0f);
    EXPECT_EQ(typed.high, 530.0f);
    ExpectResults(typed, Textbook(1.0e4, 470.0, 530.0, 500.0));
  }
}

TEST(OscillatorStrength, PeakNeedsTwoPointsOfRangeOnEitherSide) {
  // The range 450..520 covers points 50..120.
  const auto found = [](float centre) {
    return CalculateOscillatorStrength(Triangle(centre), Inputs(450, 520)).peakFound;
  };
  EXPECT_FALSE(found(450.0f)); // first point of the range
  EXPECT_FALSE(found(451.0f)); // second point
  EXPECT_TRUE(found(452.0f));
  EXPECT_TRUE(found(518.0f));
  EXPECT_FALSE(found(519.0f)); // last but one
  EXPECT_FALSE(found(520.0f)); // last
  // A band rising beyond the range has its largest value on the range's end.
  EXPECT_FALSE(found(530.0f));

  // No point is searched when the low end is not below the high end.
  EXPECT_FALSE(CalculateOscillatorStrength(Triangle(), Inputs(520, 450)).peakFound);
  EXPECT_FALSE(CalculateOscillatorStrength(Triangle(), Inputs(500, 500)).peakFound);
  // Only positive values make a peak.
  CSpectrum negative = MakeSpectrum(400.0f, 1.0f, 201, [](float x) { return -x; });
  EXPECT_FALSE(CalculateOscillatorStrength(negative, Inputs(300, 700)).peakFound);
  // A range wholly outside the data finds nothing and reads no point outside it.
  EXPECT_FALSE(CalculateOscillatorStrength(Triangle(), Inputs(700, 9000)).peakFound);
  EXPECT_FALSE(CalculateOscillatorStrength(Triangle(), Inputs(0, 300)).peakFound);
  // Of two equal maxima the first counts.
  CSpectrum twin = MakeSpectrum(400.0f, 1.0f, 201, [](float x) {
    return std::max(0.0f, 1.0f - std::fabs(x - 500.0f) / 20.0f) +
           std::max(0.0f, 1.0f - std::fabs(x - 560.0f) / 20.0f);
  });
  EXPECT_EQ(CalculateOscillatorStrength(twin, Inputs(300, 700)).peakWavelength, 500.0f);
}

TEST(OscillatorStrength, HalfMaximumBesideANarrowPeakIsNotSeenAndTheRangeEndIsTaken) {
  // The peak drops below half height at once on its short-wavelength side; on the other side
  // half height lies between 502 and 503 nm.
  const std::map<float, float> shape{{498.0f, 0.3f}, {499.0f, 0.4f}, {500.0f, 1.0f},
                                     {501.0f, 0.8f}, {502.0f, 0.6f}, {503.0f, 0.4f}};
  CSpectrum spike = MakeSpectrum(400.0f, 1.0f, 201, [&shape](float x) {
    const auto found = shape.find(x);
    return found == shape.end() ? 0.1f : found->second;
  });
  OscillatorInputs inputs = Inputs(450, 550);
  const OscillatorResults results = CalculateOscillatorStrength(spike, inputs);
  ASSERT_TRUE(results.peakFound);
  EXPECT_EQ(results.low, 450.0f);
  EXPECT_FLOAT_EQ(results.high, 502.5f);
  ExpectResults(results, Textbook(1.0e4, 450.0, 502.5, 500.0));

  // Stored the other way round, the same side runs to the same range end.
  const OscillatorResults reversed = CalculateOscillatorStrength(Reversed(spike), inputs);
  EXPECT_EQ(reversed.low, 450.0f);
  EXPECT_FLOAT_EQ(reversed.high, 502.5f);
}

TEST(OscillatorStrength, ResultsThatCannotBeCalculatedAreZero) {
  // The band is 0 at 420 nm: the peak's absorptivity would be infinite.
  OscillatorInputs inputs = Inputs(300, 700);
  inputs.epsilonWavelength = 420.0f;
  const OscillatorResults infinite = CalculateOscillatorStrength(Triangle(), inputs);
  ASSERT_TRUE(infinite.peakFound);
  EXPECT_EQ(infinite.oscillatorStrength, 0.0f);
  EXPECT_EQ(infinite.dipoleCm, 0.0f);
  EXPECT_EQ(infinite.dipoleDebye, 0.0f);

  // A negative epsilon would give a negative strength and an imaginary moment.
  inputs = Inputs(300, 700);
  inputs.epsilon = -1.0e4f;
  const OscillatorResults negative = CalculateOscillatorStrength(Triangle(), inputs);
  EXPECT_EQ(negative.oscillatorStrength, 0.0f);
  EXPECT_EQ(negative.dipoleCm, 0.0f);
  EXPECT_EQ(negative.dipoleDebye, 0.0f);
}

TEST(DipoleDialog, FieldsValidateInExchangeOrderAndStoreAllOrNothing) {
  CDipoleDlg dlg;
  const std::map<std::string, std::string> good{
      {"epsilonWavelength", "512"}, {"epsilon", "8.5e4"}, {"high", "600"}, {"low", "420"}};

  std::map<std::string, std::string> texts = good;
  texts["epsilon"] = "lots";
  texts["high"] = "10000.5";
  std::optional<FieldRefusal> refusal = dlg.StoreFields(texts, "Eosin", true);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "epsilon");
  EXPECT_EQ(refusal->message, "Please enter a number.");
  EXPECT_EQ(dlg.m_epsilon, 0.0f);
  EXPECT_EQ(dlg.m_compound, "");
  EXPECT_FALSE(dlg.m_manual);

  texts["epsilon"] = "8.5e4";
  refusal = dlg.StoreFields(texts, "Eosin", true);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "high");
  EXPECT_EQ(refusal->message, "Please enter a number between 0 and 10000.");
  texts["high"] = "600";
  texts["low"] = "-1";
  refusal = dlg.StoreFields(texts, "Eosin", true);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->key, "low");
  EXPECT_EQ(refusal->message, "Please enter a number between 0 and 10000.");
  EXPECT_EQ(dlg.m_high, 700.0f);
  EXPECT_EQ(dlg.m_low, 300.0f);

  texts = good;
  texts["oscillatorStrength"] = "not read";
  EXPECT_FALSE(dlg.StoreFields(texts, "Eosin", true));
  EXPECT_EQ(dlg.m_epsilonWavelength, 512.0f);
  EXPECT_EQ(dlg.m_epsilon, 8.5e4f);
  EXPECT_EQ(dlg.m_high, 600.0f);
  EXPECT_EQ(dlg.m_low, 420.0f);
  EXPECT_EQ(dlg.m_compound, "Eosin");
  EXPECT_TRUE(dlg.m_manual);
  EXPECT_EQ(dlg.m_oscillatorStrength, 0.0f);
  // The ends of the range are allowed.
  EXPECT_FALSE(dlg.StoreFields({{"low", "0"}, {"high", "10000"}}, "Eosin", false));
}

TEST(DipoleDialog, PrintDropsEditsAndReportKeepsThemWhileBothReportTheShownValues) {
  CDipoleDlg dlg;
  dlg.m_compound = "Eosin";
  dlg.m_epsilon = 9.0e4f;
  dlg.m_epsilonWavelength = 517.0f;
  dlg.m_oscillatorStrength = 0.4567f;
  dlg.m_dipoleDebye = 8.12345f;
  dlg.m_dipoleCm = 2.7096e-29f;

  dlg.BeginShowing();
  EXPECT_FALSE(dlg.m_outputEnabled);
  EXPECT_FALSE(dlg.m_firstShowing);
  dlg.m_reportRequested = true;
  dlg.BeginShowing();
  EXPECT_TRUE(dlg.m_outputEnabled);
  EXPECT_FALSE(dlg.m_reportRequested);

  // Edits typed, then "Create Report": the report has the values shown, the edits stay.
  ASSERT_FALSE(dlg.StoreFields({{"low", "450"}, {"epsilon", "1"}}, "Typed", true));
  dlg.OnCreateReport();
  EXPECT_TRUE(dlg.m_reportRequested);
  EXPECT_FALSE(dlg.m_printRequested);
  const std::vector<float> numbers{300.0f, 700.0f, 517.0f, 9.0e4f};
  const std::vector<std::string> texts{"Eosin", "0.457", "8.123", "2.710e-29"};
  EXPECT_EQ(dlg.Report().numbers, numbers);
  EXPECT_EQ(dlg.Report().texts, texts);
  EXPECT_EQ(dlg.m_low, 450.0f);
  EXPECT_EQ(dlg.m_epsilon, 1.0f);
  EXPECT_EQ(dlg.m_compound, "Typed");
  EXPECT_TRUE(dlg.m_manual);

  // "Print" puts the shown values back.
  dlg.BeginShowing();
  ASSERT_FALSE(dlg.StoreFields({{"high", "650"}}, "Other", false));
  dlg.OnPrint();
  EXPECT_TRUE(dlg.m_printRequested);
  EXPECT_EQ(dlg.m_high, 700.0f);
  EXPECT_EQ(dlg.m_low, 450.0f);
  EXPECT_EQ(dlg.m_compound, "Typed");
  EXPECT_TRUE(dlg.m_manual);
  EXPECT_EQ(dlg.Report().numbers, (std::vector<float>{450.0f, 700.0f, 517.0f, 1.0f}));
}

TEST(DipoleDialog, PrintSheetRowsStandBesideTheWidestLabel) {
  CDipoleDlg dlg;
  dlg.m_printCompound = "Eosin";
  dlg.m_printSolvent = "water";
  dlg.m_low = 490.0f;
  dlg.m_high = 510.0f;
  dlg.m_epsilonWavelength = 500.0f;
  dlg.m_epsilon = 1.0e4f;
  dlg.m_oscillatorStrength = 0.0345738f;
  dlg.m_dipoleDebye = 1.9156486f;
  dlg.m_dipoleCm = 6.389914e-30f;
  RecordingCanvas canvas;
  canvas.SetFont({"Helvetica", 20, 400, 0});
  dlg.DrawResults(canvas);

  // "Transition dipole moment (Debye)": 32 characters, 12 units each in a 20-unit font.
  const int valueX = 32 * 12 + 60;
  const int pitch = 20 + 10;
  const std::vector<std::pair<std::string, std::string>> rows{
      {"Compound", "Eosin"},
      {"Solvent", "water"},
      {"Low wavelength (nm)", "490.000"},
      {"High wavelength (nm)", "510.000"},
      {"Peak wavelength (nm)", "500.000"},
      {"Epsilon for peak", "10000.000"},
      {"Osillator strength", "0.035"},
      {"Transition dipole moment (Debye)", "1.916"},
      {"Transition dipole moment (C m)", "6.390e-30"},
  };
  const std::vector<test::DrawnText> drawn = canvas.Texts();
  ASSERT_EQ(drawn.size(), 2 * rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int y = static_cast<int>(i + 2) * pitch + 30;
    EXPECT_EQ(drawn[2 * i].text, rows[i].first);
    EXPECT_EQ(drawn[2 * i].at, (CPoint{30, y}));
    EXPECT_EQ(drawn[2 * i + 1].text, rows[i].second);
    EXPECT_EQ(drawn[2 * i + 1].at, (CPoint{valueX, y}));
    EXPECT_EQ(drawn[2 * i].align, TextAlign::LeftTop);
  }
}

class OscillatorCommand : public ::testing::Test {
protected:
  OscillatorCommand() : frame(prompts, views) { frame.Startup(); }

  CSpectrum& Add(CSpectrum spectrum, const std::string& name, bool selected = true) {
    spectrum.m_name = name;
    CSpectrum* added = frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(spectrum));
    frame.m_fileList.SetSelected(frame.m_fileList.AddEntry(name, frame.m_fileList.Count()),
                                 selected);
    return *added;
  }

  void Script(FakePrompts::DialogScript script) {
    prompts.classScripts["CDipoleDlg"].push_back(std::move(script));
  }

  // Usage prompts shown so far.
  int UsagePrompts() const {
    return static_cast<int>(std::count_if(
        prompts.messages.begin(), prompts.messages.end(),
        [](const FakePrompts::ShownMessage& shown) { return shown.text == kOscillatorUsage; }));
  }

  TempDir dir;
  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(OscillatorCommand, UsagePromptUnlessExactlyOneAbsorptionSpectrumIsSelected) {
  prompts.messageAnswers = {kResultHelp, kResultUsageOk, kResultUsageOk, kResultUsageOk};
  EXPECT_TRUE(frame.Execute(kIdOscillatorStrength));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "Oscillator Strength Calculation:  Open the absorption spectrum of the desired "
            "compound.  Then, highlight the data file in the Data File window and click the "
            "module icon on the toolbar.");
  EXPECT_EQ(prompts.messages[0].caption, "Oscillator Strength Calculation");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108333});

  CSpectrum emission = Triangle();
  emission.m_kind = SpectrumKind::Emission;
  Add(emission, "emission");
  frame.Execute(kIdOscillatorStrength);
  Add(Triangle(), "absorption");
  frame.Execute(kIdOscillatorStrength); // two selected
  frame.m_fileList.SetSelected(0, false);
  frame.m_fileList.SetSelected(1, false);
  frame.Execute(kIdOscillatorStrength); // none selected
  EXPECT_EQ(UsagePrompts(), 4);
  EXPECT_EQ(prompts.helpTopics.size(), 1u); // "OK" opens no help
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(OscillatorCommand, DialogReopensWithResultsUntilCancel) {
  CSpectrum& spectrum = Add(Triangle(), "Eosin");
  spectrum.m_epsilon = 1.0e4f;
  spectrum.m_epsilonWavelength = 500.0f;
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDipoleDlg&>(model);
    EXPECT_FALSE(dlg.m_outputEnabled);
    EXPECT_EQ(dlg.m_compound, "Eosin");
    EXPECT_EQ(dlg.m_epsilon, 1.0e4f);
    EXPECT_EQ(dlg.m_epsilonWavelength, 500.0f);
    EXPECT_EQ(dlg.m_low, 300.0f);
    EXPECT_EQ(dlg.m_high, 700.0f);
    EXPECT_EQ(dlg.m_oscillatorStrength, 0.0f);
    return kResultOk;
  });
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDipoleDlg&>(model);
    EXPECT_TRUE(dlg.m_outputEnabled);
    // The band edges found are the range of the next calculation.
    EXPECT_FLOAT_EQ(dlg.m_low, 490.0f);
    EXPECT_FLOAT_EQ(dlg.m_high, 510.0f);
    EXPECT_TRUE(FuzzyCompare(dlg.m_oscillatorStrength, 0.0345738, 1e-5));
    EXPECT_TRUE(FuzzyCompare(dlg.m_dipoleDebye, 1.9156486, 1e-5));
    EXPECT_TRUE(FuzzyCompare(dlg.m_dipoleCm, 6.389914e-30, 1e-5));
    EXPECT_FALSE(dlg.StoreFields({{"low", "100"}, {"high", "9000"}}, "Eosin", true));
    return kResultOk;
  });
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDipoleDlg&>(model);
    // A manual band beyond the data shows pulled 1 nm inside it.
    EXPECT_EQ(dlg.m_low, 401.0f);
    EXPECT_EQ(dlg.m_high, 599.0f);
    EXPECT_TRUE(FuzzyCompare(dlg.m_oscillatorStrength,
                             Textbook(1.0e4, 401.0, 599.0, 500.0).strength, 1e-5));
    // The spectrum is 0 at 420 nm: the results show as 0 and the dialog stays usable.
    EXPECT_FALSE(dlg.StoreFields({{"epsilonWavelength", "420"}}, "Eosin", true));
    return kResultOk;
  });
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDipoleDlg&>(model);
    EXPECT_EQ(dlg.m_oscillatorStrength, 0.0f);
    EXPECT_EQ(dlg.m_dipoleDebye, 0.0f);
    EXPECT_EQ(dlg.m_dipoleCm, 0.0f);
    return kResultCancel;
  });
  EXPECT_TRUE(frame.Execute(kIdOscillatorStrength));
  EXPECT_TRUE(prompts.classScripts["CDipoleDlg"].empty());
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(frame.m_pData->Count(), 1);
}

TEST_F(OscillatorCommand, NoPeakInTheRangeEndsTheModule) {
  Add(Triangle(), "Eosin");
  Script([](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDipoleDlg&>(model);
    EXPECT_FALSE(dlg.StoreFields({{"low", "450"}, {"high", "451"}}, "Eosin", false));
    return kResultOk;
  });
  Script([](CDialogModel&) { return kResultCancel; });
  frame.Execute(kIdOscillatorStrength);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "There is no peak in the selected range.");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
  // The dialog is not shown again.
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CDipoleDlg"});
  EXPECT_EQ(prompts.classScripts["CDipoleDlg"].size(), 1u);
}

TEST_F(OscillatorCommand, PrintAndReportHandTheResultsOver) {
  CSpectrum& spectrum = Add(Triangle(), "Eosin");
  spectrum.m_solvent = "water";
  spectrum.m_epsilon = 1.0e4f;
  spectrum.m_epsilonWavelength = 500.0f;
  const std::string templatePath =
      dir.Write("oscillator.htmt", ">\ni_n_p_u_t_0_\nf=i_n_p_u_t_1_\nd_a_t_a_0_\nd_a_t_a_3_\n");
  const std::string reportPath = dir.Path("report.html");
  auto printer = std::make_shared<FakePrinter>();
  prompts.printers.push_back(printer);
  prompts.classScripts["CUsername"].push_back([](CDialogModel& model) {
    dynamic_cast<CUsername&>(model).m_userName = "A. User";
    return kResultOk;
  });
  prompts.classScripts["CUsername"].push_back([](CDialogModel&) { return kResultOk; });
  prompts.fileAnswers = {templatePath, reportPath};

  Script([](CDialogModel&) { return kResultOk; });
  Script([this](CDialogModel& model) {
    // Edits before "Print" are dropped.
    EXPECT_FALSE(dynamic_cast<CDipoleDlg&>(model).StoreFields({{"epsilon", "1"}}, "x", true));
    return kResultPrint;
  });
  Script([this](CDialogModel& model) {
    auto& dlg = dynamic_cast<CDipoleDlg&>(model);
    EXPECT_EQ(dlg.m_epsilon, 1.0e4f);
    EXPECT_EQ(dlg.m_printCompound, "Eosin");
    EXPECT_EQ(dlg.m_printSolvent, "water");
    return kResultCreateReport;
  });
  Script([](CDialogModel&) { return kResultCancel; });
  frame.Execute(kIdOscillatorStrength);

  // The printed page: the title, then the sheet of the calculation run after "Print".
  EXPECT_EQ(printer->pagesEnded, 1);
  EXPECT_TRUE(printer->canvas.FindText("Results of Oscillator Calculation"));
  EXPECT_TRUE(printer->canvas.FindText("Eosin"));
  EXPECT_TRUE(printer->canvas.FindText("water"));
  EXPECT_TRUE(printer->canvas.FindText("0.035"));
  EXPECT_TRUE(printer->canvas.FindText("1.916"));

  const std::string report = TempDir::Read(reportPath);
  EXPECT_NE(report.find("\nEosin\nf=0.035\n490.0000\n10000.0000\n"), std::string::npos) << report;
}

} // namespace
} // namespace lumivex

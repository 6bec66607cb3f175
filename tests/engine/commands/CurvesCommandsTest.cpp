#include "commands/CurvesCommands.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "curves/CreateSpectra.h"
#include "curves/CurveDialogs.h"
#include "curves/SpectrumCalculator.h"
#include "ui/CommandIds.h"

#include <cmath>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::FuzzyCompare;
using test::MakeSpectrum;

// Types the texts into a form dialog as a user would and presses OK; a refused text fails
// the test.
FakePrompts::DialogScript Type(FieldTexts texts) {
  return [texts](CDialogModel& dlg) {
    const std::optional<FieldRefusal> refusal = dynamic_cast<CFormDlg&>(dlg).StoreFields(texts);
    EXPECT_FALSE(refusal) << refusal->message;
    return kResultOk;
  };
}

// The same for a page of Create Spectrum.
FakePrompts::DialogScript TypePage(FieldTexts texts) {
  return [texts](CDialogModel& dlg) {
    const std::optional<FieldRefusal> refusal =
        dynamic_cast<CCreateSpectra&>(dlg).StoreFields(texts);
    EXPECT_FALSE(refusal) << refusal->message;
    return kResultOk;
  };
}

int Cancel(CDialogModel& /*dlg*/) {
  return kResultCancel;
}

float ValueAt(const CSpectrum& spectrum, float x) {
  for (const SpectrumPoint& p : spectrum.m_points) {
    if (p.x == x) {
      return p.y;
    }
  }
  ADD_FAILURE() << "no point at " << x;
  return 0.0f;
}

class CurvesCommandsTest : public ::testing::Test {
protected:
  CurvesCommandsTest() : frame(prompts, views) { frame.Startup(); }

  // Puts a spectrum straight into the workspace with its Data File entry, selected.
  CSpectrum& Add(SpectrumKind kind, float peak, const std::string& name, float first = 400.0f,
                 int count = 301) {
    CSpectrum* s = frame.m_pData->AppendSpectrum(
        std::make_unique<CSpectrum>(MakeSpectrum(first, 1.0f, count, [peak, first, count](float x) {
          return peak * (1.0f - std::fabs(x - first - static_cast<float>(count / 2)) /
                                    static_cast<float>(count));
        })));
    s->m_kind = kind;
    s->m_name = name;
    const int index = frame.m_fileList.AddEntry(name, frame.m_fileList.Count());
    frame.m_fileList.SetSelected(index, true);
    return *s;
  }

  [[nodiscard]] int Count() const { return frame.m_pData->Count(); }
  [[nodiscard]] const CSpectrum& Last() const { return *frame.m_pData->m_spectra.back(); }
  [[nodiscard]] std::string LastEntry() const {
    return frame.m_fileList.Entry(frame.m_fileList.Count() - 1).text;
  }

  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(CurvesCommandsTest, ModelCurvesAreAddedAsTheOnlySelectedSpectrum) {
  struct Case {
    int command;
    const char* dialog;
    FieldTexts texts;
    const char* name;
    const char* title;
    std::size_t points;
    float first;
    float last;
    std::vector<std::pair<float, double>> values; // x, the worked value there
    float peakX;                                  // 0: no value is positive
  };
  const Case cases[] = {
      {kIdGaussian,
       "CDistributionDlg",
       {{"width", "10"}, {"peak", "500"}, {"factor", "1"}},
       "gaussian",
       "Gaussian Distribution",
       501,
       250.0f,
       750.0f,
       {{500.0f, 0.12616}},
       500.0f},
      {kIdLorentzian,
       "CLorentzDlg",
       {{"width", "10"}, {"peak", "500"}, {"factor", "1"}},
       "lorentzian",
       "Lorentzian Distribution",
       501,
       250.0f,
       750.0f,
       {{500.0f, 0.2}, {505.0f, 0.1}},
       500.0f},
      {kIdBlackbody,
       "CBlackbodyDlg",
       {},
       "Blackbody at 5776K",
       "Output of a Blackbody Radiator",
       801,
       200.0f,
       1000.0f,
       {{501.0f, 2.638}},
       501.0f},
      {kIdBlackbody,
       "CBlackbodyDlg",
       {{"temperature", "99.9"}},
       "Blackbody at 99K",
       "Output of a Blackbody Radiator",
       801,
       200.0f,
       1000.0f,
       {{1000.0f, 0.0}},
       0.0f},
  };
  Add(SpectrumKind::Absorption, 0.5f, "first");
  Add(SpectrumKind::Absorption, 0.5f, "second");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = Count();
    const int structures = views.structureChanged;
    const int repaints = views.graphInvalidated;
    prompts.dialogScripts.push_back(Type(c.texts));
    EXPECT_TRUE(frame.Execute(c.command));
    EXPECT_EQ(prompts.dialogsRun.back(), c.dialog);

    ASSERT_EQ(Count(), before + 1);
    const CSpectrum& curve = Last();
    EXPECT_EQ(curve.m_name, c.name);
    EXPECT_EQ(curve.m_kind, SpectrumKind::Curve);
    ASSERT_EQ(curve.m_points.size(), c.points);
    EXPECT_EQ(curve.m_points.front().x, c.first);
    EXPECT_EQ(curve.m_points.back().x, c.last);
    for (const auto& [x, y] : c.values) {
      EXPECT_TRUE(FuzzyCompare(ValueAt(curve, x), y, 1e-4)) << x;
    }
    EXPECT_EQ(curve.m_peakX, c.peakX);
    EXPECT_EQ(frame.m_pData->m_title, c.title);
    EXPECT_GE(frame.m_pData->m_absorptionMax, curve.m_peakY);
    EXPECT_LE(frame.m_pData->m_xMin, c.first);
    EXPECT_GE(frame.m_pData->m_xMax, c.last);
    // The new curve's entry, named after it, is the only one selected.
    EXPECT_EQ(LastEntry(), c.name);
    EXPECT_EQ(frame.Selection(), std::vector<int>{Count() - 1});
    EXPECT_GT(views.graphInvalidated, repaints);
    EXPECT_EQ(views.structureChanged, structures + 1);
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CurvesCommandsTest, ModelCurveDisplayResetsStayWhenNoCurveIsMade) {
  CLumivexData& data = *frame.m_pData;
  for (const int command : {kIdGaussian, kIdLorentzian, kIdBlackbody}) {
    data.m_lineWidth = 25;
    data.m_xLow = 300.0f;
    data.m_xHigh = 600.0f;
    data.m_emissionLow = 5.0f;
    data.m_absorptionLow = 7.0f;
    prompts.dialogScripts.push_back(Cancel);
    frame.Execute(command);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(data.m_lineWidth, 1);
    EXPECT_EQ(data.m_xLow, 1.0e7f);
    EXPECT_EQ(data.m_xHigh, 0.0f);
    EXPECT_EQ(data.m_emissionLow, 0.0f);
    EXPECT_EQ(data.m_absorptionLow, 7.0f);
  }
  data.m_lineWidth = 20;
  frame.Execute(kIdGaussian);
  EXPECT_EQ(data.m_lineWidth, 20);
}

TEST_F(CurvesCommandsTest, ModelCurvesWithoutTwoPointsAreNotAdded) {
  struct Case {
    int command;
    FieldTexts texts;
    bool told; // a range of one wavelength is refused aloud, zero parameters quietly
  };
  const Case cases[] = {
      {kIdBlackbody, {{"low", "500"}, {"high", "500"}}, true},
      {kIdGaussian, {{"width", "10"}, {"peak", "0.5"}, {"factor", "1"}}, true},
      {kIdLorentzian, {{"width", "10"}, {"peak", "0.6"}, {"factor", "1"}}, true},
      {kIdGaussian, {{"width", "0"}, {"peak", "500"}, {"factor", "1"}}, false},
      {kIdLorentzian, {{"width", "10"}, {"peak", "0"}, {"factor", "1"}}, false},
      {kIdGaussian, {{"width", "10"}, {"peak", "-20"}, {"factor", "1"}}, false},
      {kIdBlackbody, {{"temperature", "0"}}, false},
      {kIdBlackbody, {{"low", "900"}, {"high", "300"}}, false},
  };
  for (const Case& c : cases) {
    prompts.messages.clear();
    prompts.dialogScripts.push_back(Type(c.texts));
    frame.Execute(c.command);
    EXPECT_EQ(Count(), 0) << c.command;
    EXPECT_EQ(frame.m_fileList.Count(), 0);
    ASSERT_EQ(prompts.messages.size(), c.told ? 1u : 0u) << c.command;
    if (c.told) {
      EXPECT_NE(prompts.messages[0].text.find("single wavelength"), std::string::npos);
    }
  }
  // A peak at 1 nm still gives two points, 0 and 1 nm.
  prompts.dialogScripts.push_back(Type({{"width", "1"}, {"peak", "1"}, {"factor", "1"}}));
  frame.Execute(kIdGaussian);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().m_points.size(), 2u);
}

TEST_F(CurvesCommandsTest, CalculatorNeedsTwoSpectraOfOneKind) {
  Add(SpectrumKind::Absorption, 1.0f, "alone");
  prompts.messageAnswers.push_back(kResultHelp);
  frame.Execute(kIdSpectrumCalculator);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kCalculatorUsage);
  EXPECT_EQ(prompts.messages[0].caption, "Spectrum Calculator");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{kHelpTopicBase + kIdSpectrumCalculator});

  Add(SpectrumKind::Emission, 1.0f, "other kind");
  frame.Execute(kIdSpectrumCalculator);
  EXPECT_EQ(prompts.messages.back().text, kCalculatorSameType);
  EXPECT_TRUE(prompts.dialogsRun.empty());
  EXPECT_EQ(Count(), 2);
}

TEST_F(CurvesCommandsTest, CalculatorCombinesByTheFormulaAndKeepsIt) {
  CSpectrum& a = Add(SpectrumKind::Absorption, 1.0f, "spectrum a");
  CSpectrum& b = Add(SpectrumKind::Absorption, 2.0f, "spectrum b");
  std::vector<std::string> names;
  std::vector<std::string> shownFormulas;
  const auto calculate = [&](const std::string& formula) {
    prompts.dialogScripts.push_back([&, formula](CDialogModel& dlg) {
      auto& calculator = dynamic_cast<CAddSubtractSpectra&>(dlg);
      names = calculator.Notes();
      shownFormulas.push_back(calculator.m_formula);
      return Type({{"formula", formula}})(dlg);
    });
    frame.Execute(kIdSpectrumCalculator);
  };

  calculate("1/3A  + 0.2b");
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Last().m_name, "1/3A+0.2B");
  EXPECT_EQ(LastEntry(), "1/3A+0.2B");
  EXPECT_EQ(Last().m_kind, SpectrumKind::Absorption);
  for (const float x : {400.0f, 550.0f, 640.0f}) {
    EXPECT_TRUE(FuzzyCompare(ValueAt(Last(), x), a.Interpolate(x) / 3.0f + 0.2f * b.Interpolate(x)))
        << x;
  }
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1], "A: spectrum a");
  EXPECT_EQ(names[2], "B: spectrum b");
  // The inputs stay selected, the result does not join them; the graph was reset.
  EXPECT_EQ(frame.Selection(), (std::vector<int>{0, 1}));
  EXPECT_EQ(frame.m_pData->m_settingsApplied, 0);
  EXPECT_EQ(frame.m_pData->m_freshSettings, 1);

  // The next run shows the formula typed last.
  calculate("A-B");
  ASSERT_EQ(shownFormulas, (std::vector<std::string>{"", "1/3A  + 0.2b"}));
  EXPECT_TRUE(FuzzyCompare(ValueAt(Last(), 550.0f), a.Interpolate(550.0f) - b.Interpolate(550.0f)));
  EXPECT_EQ(a.m_weight, 1.0f);
  EXPECT_EQ(b.m_weight, 1.0f);
}

TEST_F(CurvesCommandsTest, CalculatorRefusalsLeaveTheWeightsAtOne) {
  struct Case {
    const char* formula;
    const char* message;
    MessageIcon icon;
  };
  const Case cases[] = {
      {"1/0A+B", kDivisionByZero, MessageIcon::None},
      {"2/A+B", kDivisionByZero, MessageIcon::None},
      {"*A+B", kInvalidOperator, MessageIcon::Information},
      {"(A+B)", kInvalidOperator, MessageIcon::Information},
  };
  CSpectrum& a = Add(SpectrumKind::Emission, 1.0f, "a");
  CSpectrum& b = Add(SpectrumKind::Emission, 1.0f, "b");
  for (const Case& c : cases) {
    prompts.messages.clear();
    prompts.dialogScripts.push_back(Type({{"formula", c.formula}}));
    frame.Execute(kIdSpectrumCalculator);
    EXPECT_EQ(Count(), 2) << c.formula;
    ASSERT_EQ(prompts.messages.size(), 1u) << c.formula;
    EXPECT_EQ(prompts.messages[0].text, c.message);
    EXPECT_EQ(prompts.messages[0].icon, c.icon);
    EXPECT_EQ(a.m_weight, 1.0f) << c.formula;
    EXPECT_EQ(b.m_weight, 1.0f) << c.formula;
  }
}

TEST_F(CurvesCommandsTest, CalculatorPutsSelectedEmissionOnTheAreaScale) {
  CSpectrum& a = Add(SpectrumKind::Emission, 3.0f, "a");
  CSpectrum& b = Add(SpectrumKind::Emission, 5.0f, "b");
  a.m_quantumYield = 0.5f;
  b.m_quantumYield = 0.25f;
  prompts.dialogScripts.push_back(Type({{"formula", "A+B"}}));
  frame.Execute(kIdSpectrumCalculator);
  ASSERT_EQ(Count(), 3);
  // The cached areas stay as they were; the points now hold an area of the quantum yield.
  CSpectrum uncachedA = a;
  CSpectrum uncachedB = b;
  uncachedA.m_area = 0.0f;
  uncachedB.m_area = 0.0f;
  EXPECT_TRUE(FuzzyCompare(uncachedA.CurrentArea(), 0.5, 1e-4));
  EXPECT_TRUE(FuzzyCompare(uncachedB.CurrentArea(), 0.25, 1e-4));
  EXPECT_EQ(a.m_weight, 1.0f);
}

TEST_F(CurvesCommandsTest, CalculatorLettersGoPastZ) {
  for (int i = 0; i < 26; ++i) {
    Add(SpectrumKind::Absorption, 1.0f, "absorption " + std::to_string(i));
  }
  Add(SpectrumKind::Curve, 4.0f, "curve 27");
  Add(SpectrumKind::Curve, 8.0f, "curve 28");
  std::vector<std::string> lines;
  prompts.dialogScripts.push_back([&lines](CDialogModel& dlg) {
    lines = dynamic_cast<CAddSubtractSpectra&>(dlg).Notes();
    return Type({{"formula", "\\"}})(dlg);
  });
  frame.Execute(kIdSpectrumCalculator);
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[27], "[: curve 27");
  EXPECT_EQ(lines[28], "\\: curve 28");
  ASSERT_EQ(Count(), 29);
  EXPECT_EQ(Last().m_name, "\\");
  EXPECT_TRUE(FuzzyCompare(ValueAt(Last(), 550.0f), frame.m_pData->At(27)->Interpolate(550.0f)));
}

TEST_F(CurvesCommandsTest, CreateSpectrumFromItsPages) {
  struct Case {
    SpectrumKind kind; // as the first page's buttons set it
    PeakFunction function;
    std::vector<std::pair<float, double>> values; // x, the worked value there
    const char* name;
    const char* title;
    int CLumivexData::*shown;
    float CLumivexData::*maximum;
  };
  const Case cases[] = {
      {SpectrumKind::Absorption,
       PeakFunction::Gaussian,
       {{550, 1.0}, {540, 0.5}, {560, 0.5}},
       "Created Absorption Spectrum",
       "Absorption Spectrum",
       &CLumivexData::m_showAbsorption,
       &CLumivexData::m_absorptionMax},
      {SpectrumKind::Emission,
       PeakFunction::Lorentzian,
       {{550, 1.0}, {540, 0.5}, {560, 0.5}, {530, 0.2}},
       "Created Emission Spectrum",
       "Emission Spectrum",
       &CLumivexData::m_showFluorescence,
       &CLumivexData::m_emissionMax},
      {SpectrumKind::LightSource,
       PeakFunction::Delta,
       {{550, 1.0}, {549, 0.0}, {551, 0.0}},
       "Created Light Source Spectrum",
       "Light Source Spectrum",
       &CLumivexData::m_showIrradiance,
       &CLumivexData::m_lightSourceMax},
  };
  CLumivexData& data = *frame.m_pData;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    data.m_showAbsorption = data.m_showFluorescence = data.m_showIrradiance = 1;
    std::vector<int> shownFunctions;
    std::vector<int> shownNumbers;
    prompts.dialogScripts.push_back([&c](CDialogModel& dlg) {
      auto& page = dynamic_cast<CCreateSpectra&>(dlg);
      EXPECT_TRUE(page.KindEditable());
      page.m_kind = c.kind;
      return TypePage({{"peaks", "2"}, {"low", "400"}, {"high", "700"}})(dlg);
    });
    const auto peakPage = [&](FieldTexts texts, PeakFunction function) {
      prompts.dialogScripts.push_back([&, texts, function](CDialogModel& dlg) {
        auto& page = dynamic_cast<CCreateSpectra&>(dlg);
        EXPECT_FALSE(page.KindEditable());
        EXPECT_FALSE(page.Editable("peaks"));
        shownFunctions.push_back(page.m_function);
        shownNumbers.push_back(page.m_peakNumber);
        page.m_function = static_cast<int>(function);
        return TypePage(texts)(dlg);
      });
    };
    peakPage({{"peakWavelength", "550"}, {"fullWidth", "20"}, {"intensity", "1"}}, c.function);
    // A delta between two whole nanometres adds nothing on the grid.
    peakPage({{"peakWavelength", "650.5"}}, PeakFunction::Delta);
    const int before = Count();
    frame.Execute(kIdCreateSpectrum);
    ASSERT_EQ(Count(), before + 1);

    // The first peak page offers a Gaussian; the next opens with the values left before.
    EXPECT_EQ(shownFunctions, (std::vector<int>{1, static_cast<int>(c.function)}));
    EXPECT_EQ(shownNumbers, (std::vector<int>{1, 2}));
    const CSpectrum& created = Last();
    EXPECT_EQ(created.m_kind, c.kind);
    EXPECT_EQ(created.m_name, c.name);
    EXPECT_EQ(LastEntry(), c.name);
    EXPECT_EQ(frame.Selection(), std::vector<int>{Count() - 1});
    ASSERT_EQ(created.m_points.size(), 301u);
    for (const auto& [x, y] : c.values) {
      EXPECT_TRUE(FuzzyCompare(ValueAt(created, x), y, 1e-5, 1e-7)) << x;
    }
    // Nothing of the delta: the first peak alone, the same 100 nm either side of it.
    EXPECT_EQ(ValueAt(created, 650.0f), ValueAt(created, 450.0f));
    EXPECT_EQ(created.m_peakX, 550.0f);

    EXPECT_EQ(data.m_title, c.title);
    EXPECT_EQ(data.*c.shown, 1);
    EXPECT_EQ(data.m_showAbsorption + data.m_showFluorescence + data.m_showIrradiance, 1);
    EXPECT_EQ(data.*c.maximum, created.m_peakY);
    EXPECT_EQ(data.m_yHigh, created.m_peakY);
    EXPECT_EQ(data.m_xLow, 400.0f);
    EXPECT_EQ(data.m_xHigh, 700.0f);
    EXPECT_EQ(data.m_settingsApplied, 1);
  }
}

TEST_F(CurvesCommandsTest, CreateSpectrumRefusesRangesAndWidthsBeforeStoringThem) {
  struct Case {
    FieldTexts first;
    const char* width; // of a Gaussian peak
    const char* message;
  };
  const Case cases[] = {
      {{{"peaks", "1"}, {"low", "500"}, {"high", "500"}}, "20", kCreateRangeTooNarrow},
      {{{"peaks", "1"}, {"low", "600"}, {"high", "500"}}, "20", kCreateRangeTooNarrow},
      {{{"peaks", "1"}, {"low", "400"}, {"high", "700"}}, "0", kZeroPeakWidth},
  };
  for (const Case& c : cases) {
    std::vector<std::string> refusals;
    prompts.dialogScripts.push_back([&](CDialogModel& dlg) {
      auto& page = dynamic_cast<CCreateSpectra&>(dlg);
      if (const auto refusal = page.StoreFields(c.first)) {
        refusals.push_back(refusal->message);
        EXPECT_EQ(page.m_low, 0);
        EXPECT_EQ(page.m_high, 0);
        return kResultCancel;
      }
      return kResultOk;
    });
    prompts.dialogScripts.push_back([&](CDialogModel& dlg) {
      auto& page = dynamic_cast<CCreateSpectra&>(dlg);
      const auto refusal =
          page.StoreFields({{"peakWavelength", "550"}, {"fullWidth", c.width}, {"intensity", "1"}});
      if (refusal) {
        refusals.push_back(refusal->message);
        EXPECT_EQ(page.m_peakWavelength, 0.0f);
        return kResultCancel;
      }
      return kResultOk;
    });
    frame.Execute(kIdCreateSpectrum);
    EXPECT_EQ(refusals, std::vector<std::string>{c.message});
    EXPECT_EQ(Count(), 0);
    prompts.dialogScripts.clear();
  }
}

TEST_F(CurvesCommandsTest, AlterSpectrumShiftsScalesAndRemovesSources) {
  frame.Execute(kIdAlterSpectrum);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("'Alter Spectrum'"), std::string::npos);

  for (const char* name : {"s0", "s1", "s2", "s3"}) {
    Add(SpectrumKind::Absorption, 1.0f, name);
  }
  frame.m_fileList.ClearSelection();
  frame.m_fileList.SetSelected(1, true);
  frame.m_fileList.SetSelected(3, true);
  const CSpectrum source = *frame.m_pData->At(1);
  prompts.dialogScripts.push_back(
      Type({{"shift", "10"}, {"scale", "2"}, {"keepSources", CheckText(false)}}));
  frame.Execute(kIdAlterSpectrum);

  // s1 and s3 are gone; their altered copies follow s0 and s2.
  std::vector<std::string> texts;
  for (const SpectrumListEntry& entry : frame.m_fileList.Entries()) {
    texts.push_back(entry.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"s0", "s2", "Altered Spectrum from 's1'",
                                             "Altered Spectrum from 's3'"}));
  ASSERT_EQ(Count(), 4);
  const CSpectrum& altered = *frame.m_pData->At(2);
  EXPECT_EQ(altered.m_name, "s1");
  EXPECT_EQ(altered.m_points.front().x, 410.0f);
  EXPECT_EQ(altered.m_points.back().x, 710.0f);
  EXPECT_TRUE(FuzzyCompare(ValueAt(altered, 560.0f), 2.0 * source.Interpolate(550.0f)));
  for (int i = 0; i < frame.m_fileList.Count(); ++i) {
    EXPECT_EQ(frame.m_fileList.Entry(i).colour, WorkspaceColour(i)) << i;
  }
}

TEST_F(CurvesCommandsTest, NormalizeCopiesToPeakOneAndSkipsZeroPeaksOnce) {
  frame.Execute(kIdNormalize);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("'Normalize'"), std::string::npos);
  prompts.messages.clear();

  Add(SpectrumKind::Absorption, 0.5f, "half");
  Add(SpectrumKind::Absorption, 1.0f, "unit");
  Add(SpectrumKind::Absorption, 200000.0f, "large");
  Add(SpectrumKind::Absorption, 0.0f, "flat");
  Add(SpectrumKind::Absorption, std::nanf(""), "not a number");
  frame.Execute(kIdNormalize);

  // Copies of the first and third; the unit spectrum needs none, the flat ones have none.
  ASSERT_EQ(Count(), 7);
  EXPECT_EQ(frame.m_fileList.Entry(5).text, "half(Norm)");
  EXPECT_EQ(frame.m_fileList.Entry(6).text, "large(Norm)");
  for (const int index : {5, 6}) {
    const CSpectrum& normalized = *frame.m_pData->At(index);
    EXPECT_TRUE(FuzzyCompare(normalized.Interpolate(normalized.m_peakX), 1.0, 1e-6)) << index;
  }
  EXPECT_EQ(frame.m_pData->At(6)->m_name, "large");
  EXPECT_EQ(frame.Selection(), (std::vector<int>{0, 1, 2, 3, 4}));
  ASSERT_EQ(prompts.messages.size(), 1u);
  const std::string& told = prompts.messages[0].text;
  EXPECT_NE(told.find("\nflat"), std::string::npos);
  EXPECT_NE(told.find("\nnot a number"), std::string::npos);
  EXPECT_EQ(told.find("half"), std::string::npos);
}

} // namespace
} // namespace lumivex

#include "curves/ModelCurves.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

using test::FuzzyCompare;

ModelCurve Peak(CurveFunction function, float width, float peak, float factor) {
  ModelCurve curve;
  curve.function = function;
  curve.width = width;
  curve.peak = peak;
  curve.factor = factor;
  return curve;
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

TEST(ModelCurves, PeaksSampledFromHalfToOneAndAHalfThePeakWavelength) {
  struct Case {
    CurveFunction function;
    float x;
    double expected;
  };
  // Gaussian: 1 / sqrt(2 * 3.1415 * 10) at the peak; Lorentzian: (w/2) / ((w/2)^2 + d^2).
  const Case cases[] = {
      {CurveFunction::Gaussian, 500.0f, 0.12616},
      {CurveFunction::Gaussian, 510.0f, 0.12616 * std::exp(-0.5)},
      {CurveFunction::Lorentzian, 500.0f, 0.2},
      {CurveFunction::Lorentzian, 505.0f, 0.1},
  };
  for (const Case& c : cases) {
    const GeneratedCurve curve = GenerateCurveSpectrum(Peak(c.function, 10.0f, 500.0f, 1.0f));
    ASSERT_TRUE(curve.spectrum);
    const CSpectrum& s = *curve.spectrum;
    ASSERT_EQ(s.m_points.size(), 501u);
    EXPECT_EQ(s.m_points.front().x, 250.0f);
    EXPECT_EQ(s.m_points.back().x, 750.0f);
    EXPECT_EQ(s.m_kind, SpectrumKind::Curve);
    EXPECT_EQ(s.m_xStep, 1.0f);
    EXPECT_EQ(s.m_descending, 0);
    EXPECT_EQ(s.m_peakX, 500.0f);
    EXPECT_EQ(s.m_peakY, ValueAt(s, 500.0f));
    EXPECT_EQ(s.m_normalizedPeak, s.m_peakY);
    EXPECT_TRUE(FuzzyCompare(ValueAt(s, c.x), c.expected, 1e-4))
        << static_cast<int>(c.function) << " at " << c.x;
  }
  EXPECT_EQ(CurveName(Peak(CurveFunction::Gaussian, 1, 1, 1)), "gaussian");
  EXPECT_EQ(CurveName(Peak(CurveFunction::Lorentzian, 1, 1, 1)), "lorentzian");
}

TEST(ModelCurves, DefaultBlackbodyPeaksAt501Nanometres) {
  const GeneratedCurve curve =
      GenerateCurveSpectrum(ModelCurve{.function = CurveFunction::Blackbody});
  ASSERT_TRUE(curve.spectrum);
  EXPECT_EQ(curve.spectrum->m_points.size(), 801u);
  EXPECT_EQ(curve.spectrum->m_name, "Blackbody at 5776K");
  EXPECT_EQ(curve.spectrum->m_peakX, 501.0f);
  EXPECT_TRUE(FuzzyCompare(curve.spectrum->m_peakY, 2.638, 1e-3));

  ModelCurve cold{.function = CurveFunction::Blackbody};
  cold.temperature = 99.9f;
  cold.low = 200;
  cold.high = 300;
  const GeneratedCurve frozen = GenerateCurveSpectrum(cold);
  ASSERT_TRUE(frozen.spectrum);
  EXPECT_EQ(frozen.spectrum->m_name, "Blackbody at 99K");
  // exp(1.438e7 / (x T)) overflows single precision: the radiance is 0, never nan.
  for (const SpectrumPoint& p : frozen.spectrum->m_points) {
    ASSERT_EQ(p.y, 0.0f) << p.x;
  }
  EXPECT_EQ(frozen.spectrum->m_peakY, 0.0f);
  EXPECT_EQ(frozen.spectrum->m_peakX, 0.0f);
}

TEST(ModelCurves, ParametersThatGiveNoCurve) {
  ModelCurve blackbodyOnePoint{.function = CurveFunction::Blackbody};
  blackbodyOnePoint.low = 400;
  blackbodyOnePoint.high = 400;
  ModelCurve blackbodyCold{.function = CurveFunction::Blackbody};
  blackbodyCold.temperature = 0.0f;
  struct Case {
    const char* what;
    ModelCurve curve;
    bool refused; // a message is shown (otherwise the command ends quietly)
  };
  const Case cases[] = {
      {"zero width", Peak(CurveFunction::Gaussian, 0.0f, 500.0f, 1.0f), false},
      {"zero peak", Peak(CurveFunction::Lorentzian, 10.0f, 0.0f, 1.0f), false},
      {"negative peak: end below start", Peak(CurveFunction::Gaussian, 10.0f, -5.0f, 1.0f), false},
      {"zero temperature", blackbodyCold, false},
      {"peak 0.5: start = end = 0", Peak(CurveFunction::Gaussian, 10.0f, 0.5f, 1.0f), true},
      {"blackbody low = high", blackbodyOnePoint, true},
      {"range beyond any spectrum", Peak(CurveFunction::Gaussian, 10.0f, 1e9f, 1.0f), true},
  };
  for (const Case& c : cases) {
    const GeneratedCurve curve = GenerateCurveSpectrum(c.curve);
    EXPECT_FALSE(curve.spectrum) << c.what;
    EXPECT_EQ(!curve.refusal.empty(), c.refused) << c.what << ": " << curve.refusal;
  }
}

TEST(ModelCurves, SmallestAndNegativeCurves) {
  // Peak wavelength 1: start 0, end 1, two points.
  const GeneratedCurve tiny =
      GenerateCurveSpectrum(Peak(CurveFunction::Gaussian, 1.0f, 1.0f, 1.0f));
  ASSERT_TRUE(tiny.spectrum);
  ASSERT_EQ(tiny.spectrum->m_points.size(), 2u);
  EXPECT_EQ(tiny.spectrum->m_points[0].x, 0.0f);
  EXPECT_EQ(tiny.spectrum->m_points[1].x, 1.0f);
  // A negative multiplier: every value at or below 0, so no peak.
  const GeneratedCurve negative =
      GenerateCurveSpectrum(Peak(CurveFunction::Lorentzian, 10.0f, 500.0f, -1.0f));
  ASSERT_TRUE(negative.spectrum);
  EXPECT_EQ(negative.spectrum->m_peakY, 0.0f);
  EXPECT_EQ(negative.spectrum->m_peakX, 0.0f);
  EXPECT_LT(negative.spectrum->m_points[250].y, 0.0f);
}

} // namespace
} // namespace lumivex

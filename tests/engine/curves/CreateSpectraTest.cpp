#include "curves/CreateSpectra.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

float ValueAt(const CSpectrum& spectrum, float x) {
  for (const SpectrumPoint& p : spectrum.m_points) {
    if (p.x == x) {
      return p.y;
    }
  }
  ADD_FAILURE() << "no point at " << x;
  return 0.0f;
}

TEST(CreateSpectrum, PeaksOnTheWholeNanometreGrid) {
  struct Case {
    PeakFunction function;
    float center;
    std::vector<std::pair<float, double>> values; // x, expected y
  };
  const Case cases[] = {
      {PeakFunction::Gaussian, 550.0f, {{550, 1.0}, {540, 0.5}, {560, 0.5}}},
      {PeakFunction::Lorentzian,
       550.0f,
       {{550, 1.0}, {540, 0.5}, {560, 0.5}, {530, 0.2}, {570, 0.2}}},
      {PeakFunction::Delta, 550.0f, {{550, 1.0}, {549, 0.0}, {551, 0.0}}},
      {PeakFunction::Delta, 550.5f, {{550, 0.0}, {551, 0.0}}},
  };
  for (const Case& c : cases) {
    std::string refusal;
    const auto s = CreateSyntheticSpectrum({{static_cast<int>(c.function), c.center, 20.0f, 1.0f}},
                                           400, 700, SpectrumKind::Emission, refusal);
    ASSERT_TRUE(s) << refusal;
    EXPECT_EQ(s->m_points.size(), 301u);
    EXPECT_EQ(s->m_name, "Created Emission Spectrum");
    EXPECT_EQ(s->m_kind, SpectrumKind::Emission);
    for (const auto& [x, y] : c.values) {
      EXPECT_TRUE(FuzzyCompare(ValueAt(*s, x), y, 1e-5, 1e-7))
          << static_cast<int>(c.function) << " at " << x;
    }
    EXPECT_EQ(s->m_peakX, c.center == 550.0f ? 550.0f : 0.0f);
  }
}

TEST(CreateSpectrum, OverlappingPeaksAddAndNarrowRangesAreRefused) {
  const std::vector<SyntheticPeak> peaks = {
      {static_cast<int>(PeakFunction::Gaussian), 500.0f, 40.0f, 1.0f},
      {static_cast<int>(PeakFunction::Lorentzian), 520.0f, 10.0f, 0.5f},
      {7, 510.0f, 10.0f, 100.0f}}; // unknown function: nothing
  std::string refusal;
  const auto s = CreateSyntheticSpectrum(peaks, 450, 560, SpectrumKind::Absorption, refusal);
  ASSERT_TRUE(s);
  for (const SpectrumPoint& p : s->m_points) {
    const float only0 = SyntheticValue({peaks[0]}, p.x);
    const float only1 = SyntheticValue({peaks[1]}, p.x);
    ASSERT_TRUE(FuzzyCompare(p.y, only0 + only1, 1e-6)) << p.x;
  }
  for (const auto& [low, high] : {std::pair{500, 500}, std::pair{600, 500}}) {
    refusal.clear();
    EXPECT_FALSE(CreateSyntheticSpectrum(peaks, low, high, SpectrumKind::Absorption, refusal));
    EXPECT_EQ(refusal, kCreateRangeTooNarrow);
  }
}

TEST(Normalize, BothPassesBringThePeakToOne) {
  struct Case {
    float peak;
    bool added;
  };
  for (const Case c : {Case{0.5f, true}, Case{200000.0f, true}, Case{1.0f, false}}) {
    CLumivexData document;
    CSpectrum s = MakeSpectrum(400.0f, 1.0f, 201, [&](float x) {
      return c.peak * std::exp(-(x - 500.0f) * (x - 500.0f) / 200.0f);
    });
    s.m_kind = SpectrumKind::Absorption;
    const NormalizedSpectrum normalized = NormalizeSpectrum(document, s);
    EXPECT_FALSE(normalized.unusable);
    const std::unique_ptr<CSpectrum>& r = normalized.spectrum;
    ASSERT_EQ(static_cast<bool>(r), c.added) << c.peak;
    // Only the clamped first pass leaves work for the second.
    EXPECT_EQ(normalized.secondFactor.has_value(), c.peak > 1000.0f) << c.peak;
    if (r) {
      EXPECT_EQ(r->Interpolate(r->m_peakX), 1.0f) << c.peak;
      // The clamped first pass adds s and -0.99999 s: the cancellation leaves about three
      // significant digits of the shape, which the second pass keeps.
      const double tolerance = c.peak > 1000.0f ? 1e-3 : 1e-5;
      EXPECT_TRUE(FuzzyCompare(r->Interpolate(450.0f), s.Interpolate(450.0f) / c.peak, tolerance))
          << c.peak;
    }
  }
  // A spectrum that is 0 at its peak position cannot be normalised.
  CLumivexData document;
  CSpectrum flat = MakeSpectrum(400.0f, 1.0f, 11, [](float) { return 0.0f; });
  const NormalizedSpectrum normalized = NormalizeSpectrum(document, flat);
  EXPECT_FALSE(normalized.spectrum);
  EXPECT_TRUE(normalized.unusable);
}

} // namespace
} // namespace lumivex

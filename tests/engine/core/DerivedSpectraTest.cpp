#include "core/DerivedSpectra.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

TEST(CombineSpectra, DifferentRangesStepsAndDirectionsOnTheFirstGrid) {
  CLumivexData document;
  CSpectrum a = MakeSpectrum(400.0f, 2.0f, 151, [](float) { return 1.0f; });          // 400..700
  CSpectrum b = MakeSpectrum(500.0f, -1.0f, 201, [](float x) { return x / 100.0f; }); // 500..300
  a.m_kind = SpectrumKind::Absorption;
  a.m_name = "A";
  b.m_kind = SpectrumKind::Emission;
  const auto c = CombineSpectra(document, a, b, 0.5f, 0.0f);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->m_kind, SpectrumKind::Absorption);
  EXPECT_EQ(c->m_name, "A");
  EXPECT_EQ(c->m_descending, 0);
  EXPECT_EQ(c->m_xStep, 2.0f);
  ASSERT_EQ(c->m_points.size(), 201u); // 300, 302, ..., 700
  EXPECT_EQ(c->m_points.front().x, 300.0f);
  EXPECT_EQ(c->m_points.back().x, 700.0f);
  for (const SpectrumPoint& p : c->m_points) {
    const float expected = a.Interpolate(p.x) + 0.5f * b.Interpolate(p.x);
    ASSERT_EQ(p.y, expected) << p.x;
  }
  // Inside both spectra the sum is exact: 1 + 0.5 * x / 100 at 450 nm.
  EXPECT_FLOAT_EQ(c->m_points[75].y, 1.0f + 0.5f * 4.5f);
  // The stored area stands for "already normalised": Area(null) answers 1 without summing.
  EXPECT_EQ(c->Area(), 1.0f);
  EXPECT_EQ(c->m_weight, 1.0f);
  EXPECT_EQ(c->m_quantumYield, 1.0f);
  EXPECT_EQ(c->m_peakY, c->m_points[100].y); // 500 nm, where b's value is largest
  EXPECT_EQ(c->m_peakX, 500.0f);

  // A descending first spectrum gives a descending grid from the top.
  const auto d = CombineSpectra(document, b, a, 1.0f, 0.0f);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->m_descending, 1);
  EXPECT_EQ(d->m_points.front().x, 700.0f);
  EXPECT_EQ(d->m_points.back().x, 300.0f);
  EXPECT_EQ(d->m_points.size(), 401u);
}

TEST(CombineSpectra, WeightsOffsetAndDatabaseConstants) {
  CLumivexData document;
  CSpectrum a = MakeSpectrum(400.0f, 1.0f, 101, [](float) { return 0.5f; });
  CSpectrum b = MakeSpectrum(400.0f, 1.0f, 201, [](float x) { return x / 1000.0f; });
  a.m_kind = SpectrumKind::Absorption;
  a.m_fromDatabase = 1;
  a.m_weight = 2.0f;
  a.m_epsilon = 1000.0f;
  a.m_epsilonWavelength = 450.0f;
  b.m_epsilon = 3000.0f;
  b.m_epsilonWavelength = 500.0f;
  b.m_weight = 4.0f;
  const auto c = CombineSpectra(document, a, b, 0.25f, 5.0f);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->m_points.front().x, 405.0f);
  EXPECT_EQ(c->m_points.front().y, 0.5f * 2.0f + 0.25f * 4.0f * 0.4f);
  // The grid position without the offset; at b's last point (600) its neighbour's value
  // stands, so the maximum is first reached at 599.
  EXPECT_EQ(c->m_peakX, 599.0f);
  // epsilon = a's + f * b's scaled to a's wavelength: 1000 + 0.25 * 3000 * 0.45 / 0.5.
  EXPECT_EQ(c->m_epsilonWavelength, 450.0f);
  EXPECT_TRUE(FuzzyCompare(c->m_epsilon, 1675.0));
  EXPECT_TRUE(FuzzyCompare(c->m_epsilonPeak, c->m_peakY * c->m_epsilon / c->Interpolate(450.0f)));
}

TEST(CombineSpectra, EmissionUnderTheIntensityDisplay) {
  CLumivexData document;
  CSpectrum a = MakeSpectrum(400.0f, 1.0f, 401, [](float) { return 1.0f; });
  CSpectrum b = MakeSpectrum(400.0f, 1.0f, 401, [](float) { return 2.0f; });
  a.m_kind = SpectrumKind::Emission;
  a.m_quantumYield = 0.5f;
  b.m_quantumYield = 0.25f;
  document.m_settingsApplied = 1;
  document.m_showIntensity = 1;
  const auto c = CombineSpectra(document, a, b, 1.0f, 0.0f);
  ASSERT_TRUE(c);
  // Both spectra scaled to area = quantum yield: 0.5/12500 + 0.25/12500.
  EXPECT_TRUE(FuzzyCompare(c->m_points[10].y, 0.75 / 12500.0, 1e-5));
  EXPECT_EQ(c->m_normalizedPeak, c->m_peakY);
  EXPECT_EQ(document.m_intensityMax, c->m_peakY);

  // From a database without the intensity display: the area (stored as 1) normalises.
  CLumivexData plain;
  a.m_fromDatabase = 1;
  const auto e = CombineSpectra(plain, a, b, 1.0f, 0.0f);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_points[10].y, 3.0f);
  EXPECT_EQ(e->m_area, 1.0f);
  EXPECT_EQ(e->m_normalizedPeak, 3.0f);
  EXPECT_EQ(plain.m_intensityMax, 3.0f);
}

TEST(ScaleShiftSpectrum, ScalesShiftsAndKeepsThePeakPositionUnshifted) {
  CLumivexData document;
  CSpectrum a =
      MakeSpectrum(400.0f, 1.0f, 301, [](float x) { return x < 550.0f ? x / 1000.0f : 0.1f; });
  a.m_kind = SpectrumKind::LightSource;
  const auto c = ScaleShiftSpectrum(document, a, 2.0f, 10.0f);
  ASSERT_TRUE(c);
  ASSERT_EQ(c->m_points.size(), 301u);
  EXPECT_EQ(c->m_points.front().x, 410.0f);
  EXPECT_EQ(c->m_points.back().x, 710.0f);
  EXPECT_EQ(c->m_points[0].y, 0.8f);
  EXPECT_EQ(c->m_peakX, 549.0f);
  EXPECT_EQ(c->m_peakY, 2.0f * a.Interpolate(549.0f));
  EXPECT_EQ(c->m_area, 0.0f);
  EXPECT_EQ(c->m_kind, SpectrumKind::LightSource);

  // Among equal maxima the last one wins.
  CSpectrum flat = MakeSpectrum(400.0f, 1.0f, 11, [](float) { return 1.0f; });
  const auto f = ScaleShiftSpectrum(document, flat, 1.0f, 0.0f);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->m_peakX, 410.0f);

  // A database absorption spectrum scales its epsilon too.
  flat.m_kind = SpectrumKind::Absorption;
  flat.m_fromDatabase = 1;
  flat.m_epsilon = 500.0f;
  flat.m_epsilonWavelength = 405.0f;
  const auto g = ScaleShiftSpectrum(document, flat, 3.0f, 0.0f);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->m_epsilon, 1500.0f);
  EXPECT_EQ(g->m_epsilonPeak, 1500.0f);

  // A database emission spectrum gets its own area and normalised peak.
  CSpectrum emission = MakeSpectrum(400.0f, 1.0f, 401, [](float) { return 1.0f; });
  emission.m_kind = SpectrumKind::Emission;
  emission.m_fromDatabase = 1;
  const auto h = ScaleShiftSpectrum(document, emission, 1.0f, 0.0f);
  ASSERT_TRUE(h);
  EXPECT_TRUE(FuzzyCompare(h->m_area, 12500.0, 1e-4));
  EXPECT_TRUE(FuzzyCompare(h->m_normalizedPeak, 1.0 / 12500.0, 1e-4));
  EXPECT_EQ(document.m_intensityMax, h->m_normalizedPeak);
}

TEST(DerivedSpectra, DegenerateInputsGiveNoSpectrum) {
  CLumivexData document;
  CSpectrum good = MakeSpectrum(400.0f, 1.0f, 10, [](float) { return 1.0f; });
  CSpectrum empty;
  CSpectrum flat = good;
  flat.m_xStep = 0.0f;
  EXPECT_FALSE(CombineSpectra(document, good, empty, 1.0f, 0.0f));
  EXPECT_FALSE(CombineSpectra(document, flat, good, 1.0f, 0.0f));
  EXPECT_FALSE(ScaleShiftSpectrum(document, empty, 1.0f, 0.0f));
  EXPECT_FALSE(ScaleShiftSpectrum(document, flat, 1.0f, 0.0f));
  // A step far too fine for the range would need billions of points.
  CSpectrum fine = MakeSpectrum(400.0f, 1.0e-5f, 2, [](float) { return 1.0f; });
  CSpectrum wide = MakeSpectrum(200.0f, 100.0f, 10, [](float) { return 1.0f; });
  EXPECT_FALSE(CombineSpectra(document, fine, wide, 1.0f, 0.0f));
}

} // namespace
} // namespace lumivex

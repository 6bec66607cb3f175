#include "core/Spectrum.h"
#include "TestSupport.h"

#include <cmath>
#include <limits>
#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

// Ten points 400..409 nm with distinct values y = 10 * (x - 400) + 1.
float Line(float x) {
  return 10.0f * (x - 400.0f) + 1.0f;
}

TEST(SpectrumInterpolate, AscendingInsideAtAndBeyondBothEnds) {
  const CSpectrum s = MakeSpectrum(400.0f, 1.0f, 10, Line);
  EXPECT_FLOAT_EQ(s.Interpolate(400.0f), 1.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(400.5f), 6.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(404.25f), 43.5f);
  // Half a step before the first point still uses the first pair: linear extrapolation.
  EXPECT_FLOAT_EQ(s.Interpolate(399.5f), -4.0f);
  // Further below, the value of the smallest x.
  EXPECT_FLOAT_EQ(s.Interpolate(398.0f), 1.0f);
  // At and beyond the last point: the second-last point's value.
  EXPECT_FLOAT_EQ(s.Interpolate(409.0f), 81.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(408.5f), 86.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(500.0f), 81.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(1.0e30f), 81.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(-1.0e30f), 1.0f);
}

TEST(SpectrumInterpolate, DescendingInsideAtAndBeyondBothEnds) {
  const CSpectrum s = MakeSpectrum(409.0f, -1.0f, 10, Line);
  ASSERT_EQ(s.m_descending, 1);
  EXPECT_FLOAT_EQ(s.Interpolate(400.0f), 1.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(400.5f), 6.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(404.25f), 43.5f);
  EXPECT_FLOAT_EQ(s.Interpolate(399.5f), -4.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(398.0f), 1.0f);
  // At the largest x (the first point) the neighbour's value, as for ascending data.
  EXPECT_FLOAT_EQ(s.Interpolate(409.0f), 81.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(430.0f), 81.0f);
}

TEST(SpectrumInterpolate, ShiftMovesTheCurve) {
  CSpectrum s = MakeSpectrum(400.0f, 1.0f, 10, Line);
  s.m_xShift = 10.0f;
  EXPECT_FLOAT_EQ(s.Interpolate(410.5f), 6.0f);
  EXPECT_FLOAT_EQ(s.Interpolate(400.5f), 1.0f);
}

TEST(SpectrumInterpolate, DegenerateSpectraAnswerWithoutFailing) {
  CSpectrum empty;
  EXPECT_EQ(empty.Interpolate(500.0f), 0.0f);

  CSpectrum one;
  one.m_points = {{500.0f, 3.0f}};
  one.m_xStep = 1.0f;
  EXPECT_EQ(one.Interpolate(700.0f), 3.0f);

  CSpectrum flat = MakeSpectrum(500.0f, 1.0f, 3, Line);
  flat.m_xStep = 0.0f;
  EXPECT_EQ(flat.Interpolate(501.0f), flat.m_points[0].y);

  const CSpectrum s = MakeSpectrum(400.0f, 1.0f, 10, Line);
  EXPECT_EQ(s.Interpolate(std::numeric_limits<float>::quiet_NaN()), 1.0f);
}

// Sampling many places at once answers at each place exactly what one interpolation there
// answers, inside, between and beyond the points, for a few places and for many more than
// are requested ahead at a time, in either direction, shifted, and for degenerate spectra.
TEST(SpectrumInterpolateMany, AnswersWhatInterpolateAnswersAtEveryPlace) {
  CSpectrum shifted = MakeSpectrum(400.0f, 1.0f, 10, Line);
  shifted.m_xShift = 2.5f;
  CSpectrum flat = MakeSpectrum(500.0f, 1.0f, 3, Line);
  flat.m_xStep = 0.0f;
  struct Case {
    const char* name;
    CSpectrum spectrum;
    std::size_t places;
  };
  const Case cases[] = {
      {"ascending, a few places", MakeSpectrum(400.0f, 1.0f, 10, Line), 5},
      {"ascending, many places", MakeSpectrum(400.0f, 1.0f, 10, Line), 300},
      {"descending, many places", MakeSpectrum(409.0f, -1.0f, 10, Line), 300},
      {"long, many places", MakeSpectrum(200.0f, 0.001f, 1000000, Line), 1700},
      {"shifted", shifted, 300},
      {"without a step", flat, 300},
      {"empty", CSpectrum{}, 300},
      {"no places", MakeSpectrum(400.0f, 1.0f, 10, Line), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // From well below the first point to well beyond the last, in uneven steps.
    const float lowest = c.spectrum.SmallestX() - 20.0f;
    const float span = c.spectrum.LargestX() - c.spectrum.SmallestX() + 40.0f;
    std::vector<float> xs;
    for (std::size_t k = 0; k < c.places; ++k) {
      const float fraction =
          static_cast<float>(k * 7 % (c.places + 1)) / static_cast<float>(c.places);
      xs.push_back(lowest + fraction * span);
    }
    if (!xs.empty()) {
      xs.back() = std::numeric_limits<float>::quiet_NaN();
    }
    std::vector<float> ys(xs.size(), -1.0f);
    c.spectrum.InterpolateMany(xs, ys);
    for (std::size_t k = 0; k < xs.size(); ++k) {
      EXPECT_EQ(ys[k], c.spectrum.Interpolate(xs[k])) << "at " << xs[k];
    }
  }
}

TEST(SpectrumArea, TrapezoidsOnTheWavenumberScale) {
  // A constant 1 from 400 to 800 nm covers 25000 - 12500 cm^-1 exactly.
  CSpectrum flat = MakeSpectrum(400.0f, 1.0f, 401, [](float) { return 1.0f; });
  EXPECT_TRUE(FuzzyCompare(flat.Area(), 12500.0, 1e-5));
  // The same data stored descending give the same area.
  CSpectrum flatDown = MakeSpectrum(800.0f, -1.0f, 401, [](float) { return 1.0f; });
  EXPECT_TRUE(FuzzyCompare(flatDown.Area(), 12500.0, 1e-5));

  // The nu^-3 integral of 1 over 12500..25000 cm^-1 is (1/12500^2 - 1/25000^2) / 2.
  float nu3 = 0.0f;
  flat.Area(&nu3);
  EXPECT_TRUE(FuzzyCompare(nu3, 2.4e-9, 1e-4));

  // A Gaussian band against an independent double-precision trapezoid sum.
  CSpectrum band = MakeSpectrum(350.0f, 0.5f, 801, [](float x) {
    const double nu = 1.0e7 / x;
    return std::exp(-std::pow((nu - 20000.0) / 1500.0, 2));
  });
  double area = 0.0;
  double weighted = 0.0;
  for (std::size_t k = 1; k < band.m_points.size(); ++k) {
    const double n1 = 1.0e7 / band.m_points[k - 1].x;
    const double n2 = 1.0e7 / band.m_points[k].x;
    const double y1 = band.m_points[k - 1].y;
    const double y2 = band.m_points[k].y;
    area += (y1 + y2) * std::fabs(n1 - n2) / 2.0;
    weighted += (y1 / (n1 * n1 * n1) + y2 / (n2 * n2 * n2)) * std::fabs(n1 - n2) / 2.0;
  }
  float bandNu3 = 0.0f;
  EXPECT_TRUE(FuzzyCompare(band.Area(&bandNu3), area, 1e-4));
  EXPECT_TRUE(FuzzyCompare(bandNu3, weighted, 1e-4));
  // And against the closed form sqrt(pi) * 1500 of the whole band.
  EXPECT_TRUE(FuzzyCompare(band.Area(), std::sqrt(M_PI) * 1500.0, 1e-3));
}

TEST(SpectrumArea, CacheIsUsedOnlyWithoutTheIntegral) {
  CSpectrum s = MakeSpectrum(400.0f, 1.0f, 401, [](float) { return 1.0f; });
  s.m_area = 5.0f;
  EXPECT_EQ(s.Area(), 5.0f);
  float nu3 = 0.0f;
  EXPECT_TRUE(FuzzyCompare(s.Area(&nu3), 12500.0, 1e-5));
  EXPECT_TRUE(FuzzyCompare(s.m_area, 12500.0, 1e-5));

  CSpectrum one;
  one.m_points = {{500.0f, 1.0f}};
  EXPECT_EQ(one.Area(&nu3), 0.0f);
  EXPECT_EQ(nu3, 0.0f);
}

TEST(SpectrumEdits, ScaleSetAndAddWithinClampedRanges) {
  CSpectrum s = MakeSpectrum(400.0f, 1.0f, 10, Line);
  s.m_area = 7.0f;
  const float peakX = s.m_peakX;
  s.ScaleY(2.0f);
  EXPECT_EQ(s.m_points[3].y, 62.0f);
  EXPECT_EQ(s.m_peakY, 182.0f);
  EXPECT_EQ(s.m_peakX, peakX);
  EXPECT_EQ(s.m_area, 7.0f);

  s.SetY(2, 4, -1.0f);
  EXPECT_EQ(s.m_points[1].y, 22.0f);
  EXPECT_EQ(s.m_points[2].y, -1.0f);
  EXPECT_EQ(s.m_points[4].y, -1.0f);
  EXPECT_EQ(s.m_points[5].y, 102.0f);
  EXPECT_EQ(s.m_points[2].x, 402.0f);

  s.AddY(8, 20, 0.5f); // the end beyond the array is clamped
  EXPECT_EQ(s.m_points[7].y, 142.0f);
  EXPECT_EQ(s.m_points[8].y, 162.5f);
  EXPECT_EQ(s.m_points[9].y, 182.5f);

  const CSpectrum before = s;
  s.SetY(6, 5, 0.0f); // an empty range
  s.AddY(-5, -1, 1.0f);
  EXPECT_EQ(s.m_points, before.m_points);
}

TEST(SpectrumSmooth, FivePointMeanInsideTheRegion) {
  CSpectrum s = MakeSpectrum(400.0f, 1.0f, 10, [](float x) { return x == 405.0f ? 50.0f : 0.0f; });
  CSpectrum one = s;
  one.Smooth(5, 5);
  EXPECT_EQ(one.m_points, s.m_points);

  CSpectrum ramp = MakeSpectrum(400.0f, 1.0f, 10, Line);
  ramp.Smooth(0, 9);
  EXPECT_FLOAT_EQ(ramp.m_points[0].y, (1.0f + 11.0f + 21.0f) / 3.0f);
  EXPECT_FLOAT_EQ(ramp.m_points[1].y, (1.0f + 11.0f + 21.0f + 31.0f) / 4.0f);
  EXPECT_FLOAT_EQ(ramp.m_points[5].y, 51.0f);
  EXPECT_FLOAT_EQ(ramp.m_points[9].y, (71.0f + 81.0f + 91.0f) / 3.0f);

  // All means come from the values before smoothing: a spike spreads over its
  // neighbours, and near the region's edges fewer terms share it.
  s.Smooth(2, 8);
  for (int i = 4; i <= 6; ++i) {
    EXPECT_FLOAT_EQ(s.m_points[i].y, 10.0f) << i;
  }
  EXPECT_FLOAT_EQ(s.m_points[3].y, 12.5f);
  EXPECT_FLOAT_EQ(s.m_points[7].y, 12.5f);
  EXPECT_EQ(s.m_points[2].y, 0.0f);
  EXPECT_EQ(s.m_points[8].y, 0.0f);
  EXPECT_EQ(s.m_points[1].x, 401.0f);

  CSpectrum region = MakeSpectrum(400.0f, 1.0f, 10, Line);
  region.Smooth(7, 30); // the region is clamped to the array
  EXPECT_FLOAT_EQ(region.m_points[9].y, (71.0f + 81.0f + 91.0f) / 3.0f);
  EXPECT_EQ(region.m_points[6].y, 61.0f);
}

} // namespace
} // namespace lumivex

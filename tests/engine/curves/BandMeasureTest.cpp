#include "curves/BandMeasure.h"
#include "TestSupport.h"

#include <functional>
#include <numbers>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

// A Gaussian band of height 2 at 500 nm with sigma 20 nm, and one of height 2 at
// 20,000 cm^-1 with sigma 800 cm^-1 on the wavenumber scale.
constexpr double kHeight = 2.0;
constexpr double kCentre = 500.0;
constexpr double kSigma = 20.0;
constexpr double kCentreWavenumber = 20000.0;
constexpr double kSigmaWavenumber = 800.0;
const double kFullWidthPerSigma = 2.0 * std::sqrt(2.0 * std::numbers::ln2);
const double kAreaPerSigma = kHeight * std::sqrt(2.0 * std::numbers::pi);

double Gaussian(double x) {
  return kHeight * std::exp(-(x - kCentre) * (x - kCentre) / (2.0 * kSigma * kSigma));
}

double GaussianInWavenumber(double x) {
  const double nu = 1.0e7 / x;
  return kHeight * std::exp(-(nu - kCentreWavenumber) * (nu - kCentreWavenumber) /
                            (2.0 * kSigmaWavenumber * kSigmaWavenumber));
}

double SlopedLine(double x) {
  return 0.3 + 0.001 * (x - 300.0);
}

TEST(BandMeasure, GaussianBandsWithAndWithoutBaseline) {
  struct Case {
    const char* what;
    std::function<double(double)> y;
    float first, step;
    bool baseline;
    float low, high;
    std::optional<double> maximum, maximumAt, widthNm, widthWavenumber, centroid, areaNm,
        areaWavenumber;
  };
  const double width = kFullWidthPerSigma * kSigma;
  const double area = kAreaPerSigma * kSigma;
  // The line under the band adds 0.3 * 400 + 0.001 * 400^2 / 2 over 300..700 nm.
  const double lineArea = 200.0;
  const std::optional<double> none;
  const Case cases[] = {
      {"Gaussian", Gaussian, 300, 0.5, false, 300, 700, kHeight, kCentre, width, none, kCentre,
       area, none},
      {"stored descending", Gaussian, 700, -0.5, false, 300, 700, kHeight, kCentre, width, none,
       kCentre, area, none},
      {"ends between grid points", Gaussian, 300, 0.5, false, 380.25, 620.75, kHeight, kCentre,
       width, none, kCentre, area, none},
      {"on a sloped line, baseline subtracted",
       [](double x) { return Gaussian(x) + SlopedLine(x); }, 300, 0.5, true, 300, 700, kHeight,
       kCentre, width, none, kCentre, area, none},
      {"on a sloped line, kept", [](double x) { return Gaussian(x) + SlopedLine(x); }, 300, 0.5,
       false, 300, 700, none, none, none, none, none, area + lineArea, none},
      {"Gaussian in wavenumber", GaussianInWavenumber, 400, 0.5, false, 400, 700, kHeight, none,
       none, kFullWidthPerSigma * kSigmaWavenumber, none, none, kAreaPerSigma * kSigmaWavenumber},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int count = static_cast<int>(400.0f / std::fabs(c.step)) + 1;
    const CSpectrum spectrum = MakeSpectrum(c.first, c.step, count, c.y);
    const BandResult result = MeasureBand(spectrum, c.low, c.high, {c.baseline});
    ASSERT_TRUE(result.measurement) << result.refusal;
    const BandMeasurement& band = *result.measurement;
    EXPECT_EQ(band.baseline.has_value(), c.baseline);
    const auto expect = [](std::optional<double> expected, double actual) {
      if (expected) {
        EXPECT_TRUE(FuzzyCompare(actual, *expected, 1e-3));
      }
    };
    expect(c.maximum, band.maximum);
    expect(c.maximumAt, band.maximumAt);
    ASSERT_TRUE(band.width);
    expect(c.widthNm, band.width->nm);
    expect(c.widthWavenumber, band.width->wavenumber);
    ASSERT_TRUE(band.centroid);
    expect(c.centroid, *band.centroid);
    expect(c.areaNm, band.areaNm);
    expect(c.areaWavenumber, band.areaWavenumber);
  }
}

TEST(BandMeasure, WhatCannotBeMeasured) {
  struct Case {
    const char* what;
    CSpectrum spectrum;
    float low, high;
    const char* refusal; ///< empty: measured, but neither width nor centroid found
  };
  const CSpectrum band = MakeSpectrum(300.0f, 0.5f, 801, Gaussian);
  const CSpectrum negative = MakeSpectrum(300.0f, 0.5f, 801, [](double x) { return -Gaussian(x); });
  const Case cases[] = {
      {"one point", MakeSpectrum(300.0f, 0.5f, 1, Gaussian), 300, 300, kBandNotUsable},
      {"high below low", band, 600, 400, kBandInverted},
      {"beyond the points", band, 250, 500,
       "The band 250 to 500 nm reaches beyond the spectrum's points (300 to 700 nm)."},
      {"beyond the shifted points",
       [&] {
         CSpectrum shifted = band;
         shifted.m_xShift = 10.0f;
         return shifted;
       }(),
       305, 500, "The band 305 to 500 nm reaches beyond the spectrum's points (310 to 710 nm)."},
      {"one point inside", band, 500.1f, 500.6f,
       "The band 500.1 to 500.6 nm holds fewer than 2 points of the spectrum."},
      {"not fallen to half on the left", band, 480, 700, ""},
      {"nothing above 0", negative, 400, 600, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const BandResult result = MeasureBand(c.spectrum, c.low, c.high, {});
    EXPECT_EQ(result.refusal, c.refusal);
    if (result.measurement) {
      EXPECT_FALSE(result.measurement->width);
      EXPECT_EQ(result.measurement->centroid.has_value(), result.measurement->areaNm > 0.0f);
    }
    EXPECT_EQ(result.measurement.has_value(), std::string(c.refusal).empty());
  }
}

} // namespace
} // namespace lumivex

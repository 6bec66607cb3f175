#include "import/Importer.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace lumivex {
namespace {

// A table of x in `unit` with one series of `kind`, its rows on lines 2, 3, ...
ImportedTable Table(SourceXUnit unit, std::vector<double> x, YKind kind, std::vector<double> y,
                    std::string name = "A") {
  ImportedTable table;
  table.sourcePath = "dir/sample.csv";
  table.format = "delimited text";
  table.xUnit = unit;
  table.x = std::move(x);
  for (std::size_t i = 0; i < table.x.size(); ++i) {
    table.lines.push_back(static_cast<int>(i) + 2);
  }
  table.series.push_back({std::move(name), {}, kind, std::move(y)});
  return table;
}

bool Contains(const std::vector<std::string>& notes, const std::string& part) {
  for (const std::string& note : notes) {
    if (note.find(part) != std::string::npos) {
      return true;
    }
  }
  return false;
}

// An absorption band that is a Gaussian on the wavenumber scale, written high to low in
// wavenumbers as infrared and many UV/VIS programs write it: on the nm grid it becomes, its
// peak stays at 500 nm and its area on the wavenumber scale stays that of the Gaussian.
TEST(Importer, WavenumbersBecomeAnEvenNanometreGridKeepingBandPositionAndArea) {
  constexpr double kCentre = 20000.0; // cm^-1, 500 nm
  constexpr double kWidth = 800.0;    // sigma, cm^-1
  constexpr double kHeight = 0.8;
  std::vector<double> x;
  std::vector<double> y;
  for (double nu = 26000.0; nu >= 14000.0; nu -= 10.0) {
    x.push_back(nu);
    y.push_back(kHeight * std::exp(-0.5 * std::pow((nu - kCentre) / kWidth, 2)));
  }
  const ImportResult result =
      ImportSpectra(Table(SourceXUnit::Wavenumber, x, YKind::Absorbance, y), {});
  ASSERT_TRUE(result.Ok()) << result.error.Text();
  ASSERT_EQ(result.spectra.size(), 1u);
  ImportedSpectrum imported = result.spectra.front();
  CSpectrum& spectrum = imported.spectrum;
  EXPECT_TRUE(imported.resampled);
  EXPECT_EQ(spectrum.m_descending, 0);
  EXPECT_EQ(spectrum.m_kind, SpectrumKind::Absorption);
  EXPECT_NEAR(spectrum.m_points.front().x, 1e7 / 26000.0, 1e-3);
  EXPECT_NEAR(spectrum.m_points.back().x, 1e7 / 14000.0, spectrum.m_xStep);
  // The finest spacing of the source lies at its shortest wavelength.
  EXPECT_NEAR(spectrum.m_xStep, 1e7 / 25990.0 - 1e7 / 26000.0, 1e-4);
  EXPECT_NEAR(spectrum.m_peakX, 500.0, spectrum.m_xStep);
  EXPECT_NEAR(spectrum.m_peakY, kHeight, 1e-4);
  const double gaussianArea = kHeight * kWidth * std::sqrt(2.0 * std::numbers::pi);
  EXPECT_NEAR(spectrum.Area(), gaussianArea, 0.005 * gaussianArea);
  EXPECT_NEAR(result.used.step, spectrum.m_xStep, 1e-5);
  EXPECT_TRUE(Contains(result.notes, "x converted from cm-1 to nm as 1e7 / x"));
  EXPECT_TRUE(Contains(result.notes, "x not evenly spaced in nm: resampled"));
}

TEST(Importer, TransmittanceBecomesAbsorbance) {
  struct Case {
    YKind kind;
    std::vector<double> y;
    std::vector<float> absorbance;
  };
  const std::vector<Case> cases = {
      {YKind::Transmittance, {1, 0.1, 0.01, 0}, {0, 1, 2, 6}},
      {YKind::PercentTransmittance, {100, 10, 1, -3}, {0, 1, 2, 6}},
      {YKind::Absorbance, {0.5, 1.5, 0, -0.25}, {0.5, 1.5, 0, -0.25}},
  };
  for (const Case& c : cases) {
    const ImportResult result =
        ImportSpectra(Table(SourceXUnit::Nanometre, {400, 401, 402, 403}, c.kind, c.y), {});
    ASSERT_TRUE(result.Ok()) << result.error.Text();
    const ImportedSpectrum& imported = result.spectra.front();
    std::vector<float> y;
    for (const SpectrumPoint& point : imported.spectrum.m_points) {
      y.push_back(point.y);
    }
    ASSERT_EQ(y.size(), c.absorbance.size());
    for (std::size_t i = 0; i < y.size(); ++i) {
      EXPECT_NEAR(y[i], c.absorbance[i], 1e-6) << YKindName(c.kind) << " " << i;
    }
    EXPECT_EQ(imported.spectrum.m_kind, SpectrumKind::Absorption);
    EXPECT_EQ(Contains(imported.notes, "1 point with transmittance below 1e-06 (the first on "
                                       "line 5) taken as 1e-06: absorbance 6"),
              c.kind != YKind::Absorbance)
        << YKindName(c.kind);
  }
}

TEST(Importer, KeepsEvenNanometreGridsAndResamplesTheRest) {
  struct Case {
    const char* what;
    SourceXUnit unit;
    std::vector<double> x;
    double step; // set in the settings; 0 for none
    bool resampled;
    std::vector<float> gridX;
  };
  const std::vector<Case> cases = {
      {"even, descending nm", SourceXUnit::Nanometre, {500, 490, 480}, 0, false, {500, 490, 480}},
      {"even um", SourceXUnit::Micrometre, {0.4, 0.5, 0.6}, 0, false, {400, 500, 600}},
      {"uneven nm", SourceXUnit::Nanometre, {400, 402, 403}, 0, true, {400, 401, 402, 403}},
      {"a step set", SourceXUnit::Nanometre, {400, 410, 420}, 5, true, {400, 405, 410, 415, 420}},
      {"electronvolts",
       SourceXUnit::ElectronVolt,
       {2.47968396, 2.06640330, 1.77120283},
       100,
       true,
       {500, 600, 700}},
  };
  for (const Case& c : cases) {
    ImportSettings settings;
    settings.step = c.step;
    settings.kind = SpectrumKind::Emission;
    const ImportResult result = ImportSpectra(
        Table(c.unit, c.x, YKind::Intensity, std::vector<double>(c.x.size(), 1.0)), settings);
    ASSERT_TRUE(result.Ok()) << c.what << ": " << result.error.Text();
    const ImportedSpectrum& imported = result.spectra.front();
    EXPECT_EQ(imported.resampled, c.resampled) << c.what;
    ASSERT_EQ(imported.spectrum.m_points.size(), c.gridX.size()) << c.what;
    for (std::size_t i = 0; i < c.gridX.size(); ++i) {
      EXPECT_NEAR(imported.spectrum.m_points[i].x, c.gridX[i], 1e-3) << c.what;
    }
  }
}

TEST(Importer, CapsThePointsOfAResampledGrid) {
  ImportSettings settings;
  settings.kind = SpectrumKind::Absorption;
  settings.step = 0.001;
  settings.maxPoints = 1001;
  const ImportResult result =
      ImportSpectra(Table(SourceXUnit::Nanometre, {400, 500}, YKind::Absorbance, {0, 1}), settings);
  ASSERT_TRUE(result.Ok()) << result.error.Text();
  EXPECT_EQ(result.spectra.front().spectrum.m_points.size(), 1001u);
  EXPECT_DOUBLE_EQ(result.used.step, 0.1);
  EXPECT_TRUE(Contains(result.notes, "a step of 0.001 nm would give 100001 points; the step is "
                                     "0.1 nm for 1001 points instead"));
  EXPECT_NEAR(result.spectra.front().spectrum.Interpolate(450.0f), 0.5f, 1e-5f);

  // A range and a finest spacing whose count no integer holds are capped the same way.
  settings.step = 0.0;
  const ImportResult vast = ImportSpectra(
      Table(SourceXUnit::Nanometre, {50.0, 300.7, 2.02e23}, YKind::Absorbance, {1, 2, 3}),
      settings);
  ASSERT_TRUE(vast.Ok()) << vast.error.Text();
  EXPECT_EQ(vast.spectra.front().spectrum.m_points.size(), 1001u);
}

TEST(Importer, RefusesWhatIsNoOpticalSpectrum) {
  ImportedTable hertz = Table(SourceXUnit::NotOptical, {1, 2}, YKind::Absorbance, {1, 2});
  hertz.xUnitText = "HZ";
  struct Refusal {
    ImportedTable table;
    SpectrumKind kind;
    std::string message;
  };
  const std::vector<Refusal> cases = {
      {hertz, SpectrumKind::None,
       "dir/sample.csv: x in 'HZ' is no wavelength, wavenumber or photon energy and cannot be "
       "imported"},
      {Table(SourceXUnit::Nanometre, {400, 401}, YKind::Unknown, {1, 2}), SpectrumKind::None,
       "dir/sample.csv: the file does not tell whether it holds absorption, emission or light "
       "source spectra: choose the kind"},
      {Table(SourceXUnit::Nanometre, {400, 401, 400.5}, YKind::Absorbance, {1, 2, 3}),
       SpectrumKind::None,
       "dir/sample.csv: line 4: x 400.5 after 401: x must rise or fall all along the data"},
      {Table(SourceXUnit::Nanometre, {400, 400}, YKind::Absorbance, {1, 2}), SpectrumKind::None,
       "dir/sample.csv: line 3: x 400 after 400: x must rise or fall all along the data"},
      {Table(SourceXUnit::Wavenumber, {1000, 0}, YKind::Intensity, {1, 2}), SpectrumKind::Emission,
       "dir/sample.csv: line 3: the wavenumber 0 cm-1 has no wavelength"},
      {Table(SourceXUnit::Nanometre, {-5, 400}, YKind::Absorbance, {1, 2}), SpectrumKind::None,
       "dir/sample.csv: line 2: x -5 nm is no wavelength a spectrum can hold (-5 nm)"},
      {Table(SourceXUnit::Nanometre, {400, 401}, YKind::Absorbance, {1, 1e40}), SpectrumKind::None,
       "dir/sample.csv: line 3: y 1e+40 is beyond the values a spectrum can hold"},
      {Table(SourceXUnit::Nanometre, {400}, YKind::Absorbance, {1}), SpectrumKind::None,
       "dir/sample.csv: line 2: fewer than two points: a spectrum needs at least two"},
  };
  for (const Refusal& c : cases) {
    ImportSettings settings;
    settings.kind = c.kind;
    const ImportResult result = ImportSpectra(c.table, settings);
    EXPECT_FALSE(result.Ok()) << c.message;
    EXPECT_TRUE(result.spectra.empty());
    EXPECT_EQ(result.error.Text(), c.message);
  }
}

TEST(Importer, NamesEachSpectrumAfterItsSeriesAndFile) {
  ImportedTable table =
      Table(SourceXUnit::Nanometre, {400, 401}, YKind::Intensity, {1, 2}, "dye: 1/2");
  table.series.push_back({"lamp", {}, YKind::Intensity, {3, 4}});
  ImportSettings settings;
  settings.kind = SpectrumKind::LightSource;
  const ImportResult result = ImportSpectra(table, settings);
  ASSERT_TRUE(result.Ok()) << result.error.Text();
  ASSERT_EQ(result.spectra.size(), 2u);
  EXPECT_EQ(result.spectra[0].spectrum.m_name, "sample.csv (dye: 1/2)");
  EXPECT_EQ(result.spectra[1].spectrum.m_name, "sample.csv (lamp)");
  EXPECT_EQ(result.spectra[0].spectrum.m_filePath, "dir/sample.csv");
  EXPECT_EQ(ImportedFileName(result.spectra[0], true), "sample_dye_ 1_2.els.txt");
  EXPECT_EQ(ImportedFileName(result.spectra[1], false), "sample.els.txt");
  EXPECT_EQ(result.used.kind, SpectrumKind::LightSource);
}

} // namespace
} // namespace lumivex

#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::FuzzyCompare;
using lumivex::test::MakeSpectrum;
using lumivex::test::TempDir;

using test::Cli;
using test::CliRun;

nlohmann::json Parse(const CliRun& run) {
  EXPECT_EQ(run.code, 0) << run.err;
  return run.code == 0 ? nlohmann::json::parse(run.out) : nlohmann::json::object();
}

class CurveCommands : public ::testing::Test {
protected:
  std::string Write(const std::string& name, float peak) const {
    CSpectrum s = MakeSpectrum(400.0f, 1.0f, 301, [peak](float x) {
      return peak * std::exp(-(x - 550.0f) * (x - 550.0f) / 800.0f);
    });
    const std::string path = dir.Path(name);
    EXPECT_TRUE(WriteSpectrumFile(s, path).ok);
    return path;
  }

  TempDir dir;
};

TEST_F(CurveCommands, ModelCurvesWithTheDialogsDefaults) {
  struct Case {
    std::vector<std::string> args;
    const char* name;
    double points, firstX, lastX, peakX, peakY;
  };
  const Case cases[] = {
      {{"curve", "gaussian", "--width", "10", "--peak", "500"},
       "gaussian",
       501,
       250,
       750,
       500,
       0.12616},
      {{"curve", "lorentzian", "--width", "10", "--peak", "500", "--factor", "2"},
       "lorentzian",
       501,
       250,
       750,
       500,
       0.4},
      {{"curve", "blackbody"}, "Blackbody at 5776K", 801, 200, 1000, 501, 2.638},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--out", dir.Path("curve.ems.txt")});
    const nlohmann::json answer = Parse(Cli(args));
    EXPECT_EQ(answer.value("name", ""), c.name);
    EXPECT_EQ(answer.value("points", 0.0), c.points) << c.name;
    EXPECT_EQ(answer.value("first_x", 0.0), c.firstX) << c.name;
    EXPECT_EQ(answer.value("last_x", 0.0), c.lastX) << c.name;
    EXPECT_EQ(answer.value("peak_x", 0.0), c.peakX) << c.name;
    EXPECT_TRUE(FuzzyCompare(answer.value("peak_y", 0.0), c.peakY, 1e-3)) << c.name;
  }
  const SpectrumReadResult read = ReadSpectrumFile(dir.Path("curve.ems.txt"));
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.spectrum.m_points.size(), 801u);
}

TEST_F(CurveCommands, CalcCreateNormalizeAndPeak) {
  const std::string a = Write("a.abs.txt", 3.0f);
  const std::string b = Write("b.abs.txt", 10.0f);
  const nlohmann::json calc =
      Parse(Cli({"calc", "1/3A + 0.2b", a, b, "--out", dir.Path("sum.abs.txt")}));
  EXPECT_EQ(calc.value("name", ""), "1/3A+0.2B");
  EXPECT_TRUE(FuzzyCompare(calc["coefficients"].value("A", 0.0), 1.0 / 3.0, 1e-6));
  EXPECT_TRUE(FuzzyCompare(calc["coefficients"].value("B", 0.0), 0.2, 1e-6));
  EXPECT_TRUE(FuzzyCompare(calc["info"].value("peak_y", 0.0), 3.0, 1e-5));

  const nlohmann::json created = Parse(
      Cli({"create", "--kind", "emission", "--low", "400", "--high", "700", "--peak",
           "gaussian:550:20:1", "--peak", "delta:600:0:0.25", "--out", dir.Path("made.ems.txt")}));
  EXPECT_EQ(created.value("name", ""), "Created Emission Spectrum");
  EXPECT_EQ(created.value("points", 0.0), 301.0);
  EXPECT_EQ(created.value("peak_x", 0.0), 550.0);

  const nlohmann::json normalized = Parse(Cli({"normalize", b, "--out", dir.Path("norm.abs.txt")}));
  EXPECT_TRUE(FuzzyCompare(normalized.value("first_factor", 0.0), -0.9, 1e-5));
  EXPECT_TRUE(normalized["second_factor"].is_null());
  EXPECT_FLOAT_EQ(normalized.value("peak_value", 0.0f), 1.0f);

  const nlohmann::json peak = Parse(Cli({"peak", a, "--start", "500", "--end", "600"}));
  EXPECT_EQ(peak.value("start_index", 0), 100);
  EXPECT_EQ(peak.value("end_index", 0), 200);
  EXPECT_EQ(peak.value("found", 0.0), 550.0);
  const nlohmann::json empty = Parse(Cli({"peak", a, "--start", "600", "--end", "500"}));
  EXPECT_TRUE(empty["found"].is_null());
}

TEST_F(CurveCommands, RefusalsAreOneLineErrors) {
  const std::string a = Write("a.abs.txt", 1.0f);
  const std::string e = Write("e.ems.txt", 1.0f);
  const std::string out = dir.Path("never.abs.txt");
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {{"curve", "blackbody", "--low", "400", "--high", "400", "--out", out}, "single wavelength"},
      {{"curve", "blackbody", "--low", "-1", "--out", out}, "between 0 and 100000"},
      {{"calc", "A+B", a, e, "--out", out}, "Same spectrum type"},
      {{"calc", "1/0A+B", a, a, "--out", out}, "division by zero"},
      {{"calc", "2*A", a, a, "--out", out}, "Invalid operator"},
      {{"create", "--kind", "absorption", "--low", "500", "--high", "500", "--peak",
        "gaussian:550:20:1", "--out", out},
       "greater than the low"},
      {{"create", "--kind", "absorption", "--low", "400", "--high", "700", "--peak",
        "gaussian:550:0:1", "--out", out},
       "must not be 0"},
      {{"create", "--kind", "absorption", "--low", "400", "--high", "700", "--peak", "box:1:2:3",
        "--out", out},
       "unknown function"},
      {{"peak", a, "--start", "300", "--end", "500"}, "out of spectrum boundary"},
      {{"peak", a, "--start", "50", "--end", "500"}, "between 100 and 1000"},
      {{"band", a, "--low", "300", "--high", "500"}, "reaches beyond the spectrum's points"},
      {{"band", a, "--low", "0", "--high", "500"}, "between 1 and 100000"},
      {{"band", a, "--low", "550.2", "--high", "550.8"}, "fewer than 2 points"},
      {{"band", a, "--low", "600", "--high", "500"}, "below its high end"},
  };
  for (const auto& [args, message] : refused) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.code, 0) << args[0];
    EXPECT_TRUE(run.out.empty()) << args[0];
    EXPECT_NE(run.err.find(message), std::string::npos) << args[0] << ": " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

// A Gaussian band of height 3 at 550 nm with sigma 20 nm on a line rising from 0.1 to 0.4
// over 400..700 nm: with the baseline subtracted the band's own measures come out, without
// it the line's area 75 joins the band's.
TEST_F(CurveCommands, BandMeasuresWithAndWithoutBaseline) {
  const CSpectrum sloped = MakeSpectrum(400.0f, 1.0f, 301, [](float x) {
    return 3.0f * std::exp(-(x - 550.0f) * (x - 550.0f) / 800.0f) + 0.1f + 0.001f * (x - 400.0f);
  });
  const std::string file = dir.Path("sloped.abs.txt");
  ASSERT_TRUE(WriteSpectrumFile(sloped, file).ok);
  const double area = 3.0 * 20.0 * std::sqrt(2.0 * std::numbers::pi);
  const double width = 2.0 * std::sqrt(2.0 * std::numbers::ln2) * 20.0;

  const nlohmann::json band =
      Parse(Cli({"band", file, "--low", "400", "--high", "700", "--baseline"}));
  EXPECT_EQ(band.value("points", 0), 301);
  EXPECT_TRUE(FuzzyCompare(band["baseline"].value("low", 0.0), 0.1, 1e-4));
  EXPECT_TRUE(FuzzyCompare(band["baseline"].value("high", 0.0), 0.4, 1e-4));
  EXPECT_TRUE(FuzzyCompare(band.value("maximum", 0.0), 3.0, 1e-4));
  EXPECT_EQ(band.value("maximum_at", 0.0), 550.0);
  EXPECT_TRUE(FuzzyCompare(band["fwhm"].value("nm", 0.0), width, 1e-3));
  EXPECT_TRUE(FuzzyCompare(band["fwhm"].value("left", 0.0), 550.0 - width / 2.0, 1e-4));
  EXPECT_TRUE(FuzzyCompare(band["fwhm"].value("right", 0.0), 550.0 + width / 2.0, 1e-4));
  EXPECT_TRUE(FuzzyCompare(band.value("centroid", 0.0), 550.0, 1e-4));
  EXPECT_TRUE(FuzzyCompare(band.value("area_nm", 0.0), area, 1e-3));

  const nlohmann::json kept = Parse(Cli({"band", file, "--low", "400", "--high", "700"}));
  EXPECT_TRUE(kept["baseline"].is_null());
  EXPECT_TRUE(FuzzyCompare(kept.value("area_nm", 0.0), area + 75.0, 1e-3));
  EXPECT_GT(kept.value("area_wavenumber", 0.0), band.value("area_wavenumber", 0.0));

  // From 560 nm on the band never falls to half its maximum on its short side.
  const nlohmann::json half = Parse(Cli({"band", file, "--low", "560", "--high", "700"}));
  EXPECT_TRUE(half["fwhm"].is_null());
}

} // namespace
} // namespace lumivex::cli

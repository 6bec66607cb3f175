#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::FuzzyCompare;
using lumivex::test::MakeSpectrum;
using lumivex::test::TempDir;

using test::Cli;
using test::CliRun;
using test::IsOneLineError;
using test::Number;

// The answer from the first mention of `text` on, to read the values that follow it.
std::string From(const std::string& json, const std::string& text) {
  const std::size_t at = json.find(text);
  EXPECT_NE(at, std::string::npos) << text << " not in " << json;
  return at == std::string::npos ? json : json.substr(at);
}

float Band(float x, float centre, float width) {
  const float d = (x - centre) / width;
  return std::fabs(d) > 4.0f ? 0.0f : std::exp(-d * d);
}

class FitCommands : public ::testing::Test {
protected:
  std::string Spectrum(const std::string& name, float first, float step, int count,
                       const std::function<float(float)>& f) const {
    return dir.Write(name, FormatSpectrumText(MakeSpectrum(first, step, count, f)));
  }

  // Three records: emission bands at 480, 540 and 600 nm with quantum yield 1, and the same
  // absorption spectrum (y = x / 1000, epsilon 10000 at 500 nm) for each, so that every
  // component has the same epsilon at any excitation.
  std::string Chain() const {
    Spectrum("dye.abs.txt", 350.0f, 1.0f, 401, [](float x) { return x / 1000.0f; });
    std::string db = "[Spectra]\nNumber = 3\n\n";
    const float centres[] = {480.0f, 540.0f, 600.0f};
    for (int r = 1; r <= 3; ++r) {
      const std::string ems = "dye" + std::to_string(r) + ".ems.txt";
      const float centre = centres[r - 1];
      Spectrum(ems, 400.0f, 0.5f, 601, [centre](float x) { return Band(x, centre, 20.0f); });
      db += "[" + std::to_string(r) + " Absorption]\nName = Dye " + std::to_string(r) +
            "\nEpsilon = 10000\nWavelength = 500\nFile = dye.abs.txt\n[" + std::to_string(r) +
            " Emission]\nQuantumYield = 1\nFile = " + ems + "\n\n";
    }
    return dir.Write("chain.db", db);
  }

  TempDir dir;
};

TEST_F(FitCommands, McaResolvesAMixtureIntoFractionsAndConcentrations) {
  const std::string a =
      Spectrum("a.abs.txt", 300.0f, 1.0f, 401, [](float x) { return Band(x, 420.0f, 30.0f); });
  const std::string b =
      Spectrum("b.abs.txt", 300.0f, 1.0f, 401, [](float x) { return Band(x, 520.0f, 40.0f); });
  const std::string mix = Spectrum("mix.abs.txt", 300.0f, 1.0f, 401, [](float x) {
    return 0.3f * Band(x, 420.0f, 30.0f) + 0.6f * Band(x, 520.0f, 40.0f);
  });
  const CliRun run = Cli({"mca", mix, a, b, "--wavelengths", "400,420,450,500,520,560"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Number(run.out, "components"), 2.0);
  EXPECT_LT(Number(run.out, "residual"), 1e-4);
  EXPECT_NE(run.out.find("\"name\":\"" + a + "\""), std::string::npos) << run.out;
  EXPECT_NEAR(Number(run.out, "value"), 0.3, 5e-3);
  EXPECT_NEAR(Number(From(run.out, "\"" + b + "\""), "value"), 0.6, 5e-3);

  const CliRun concentrations = Cli(
      {"mca", mix, a, b, "--wavelengths", "400,420,450,500,520,560", "--concentrations", "10,0"});
  ASSERT_EQ(concentrations.code, 0) << concentrations.err;
  EXPECT_NEAR(Number(concentrations.out, "value"), 3.0, 5e-2);
  EXPECT_NEAR(Number(From(concentrations.out, "\"" + b + "\""), "value"), 0.6, 5e-3);

  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"mca", mix, a, "--wavelengths", "400"}, "A minimum of 3 data files"},
      {{"mca", mix, a, b, "--wavelengths", "400", "--fractions", "0.5"}, "--fractions"},
      {{"mca", mix, a, b, "--wavelengths", "400,410,420,430,440,450,460"}, "room for 6"},
  };
  for (const auto& [args, message] : refused) {
    const CliRun bad = Cli(args);
    EXPECT_TRUE(IsOneLineError(bad.code, bad.out, bad.err));
    EXPECT_NE(bad.err.find(message), std::string::npos) << bad.err;
  }
}

TEST_F(FitCommands, EtsimForwardChainOfThree) {
  const std::string db = Chain();
  const std::string out = dir.Path("simulated.ems.txt");
  const CliRun run =
      Cli({"etsim", "--db", db, "--records", "1,2,3", "--excitation", "450", "--out", out});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"mode\":\"forward\""), std::string::npos);
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "q_end"), 0.25));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "rel_abs"), 1.0 / 3));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "q_double_prime"), 1.0 / 6));
  EXPECT_TRUE(FuzzyCompare(Number(From(run.out, "\"Dye 2\""), "q_double_prime"), 0.25));
  EXPECT_TRUE(FuzzyCompare(Number(From(run.out, "\"Dye 3\""), "em"), 7.0 / 12));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "epsilon"), 10000.0 * 450 / 500));
  const SpectrumReadResult simulated = ReadSpectrumFile(out);
  ASSERT_TRUE(simulated.Ok()) << simulated.message;
  EXPECT_EQ(Number(run.out, "points", "simulated"), simulated.spectrum.m_points.size());
}

TEST_F(FitCommands, EtsimReverseRecoversTheEfficiencies) {
  const std::string db = Chain();
  const std::string measured = dir.Path("array.ems.txt");
  ASSERT_EQ(Cli({"etsim", "--db", db, "--records", "1,2,3", "--excitation", "450", "--efficiencies",
                 "0.7,0.4", "--out", measured})
                .code,
            0);
  const CliRun run =
      Cli({"etsim", "--db", db, "--records", "1,2,3", "--excitation", "450", "--reverse",
           "--measured", measured, "--wavelengths", "470,480,500,530,540,570,600,620"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"mode\":\"reverse\""), std::string::npos);
  EXPECT_NEAR(Number(run.out, "T"), 0.7, 0.01);
  EXPECT_NEAR(Number(From(run.out, "\"Dye 2\""), "T"), 0.4, 0.01);
  EXPECT_EQ(Number(From(run.out, "\"Dye 3\""), "T"), 0.0);

  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"etsim", "--db", db, "--records", "1", "--excitation", "450"}, "at least two"},
      {{"etsim", "--db", db, "--records", "1,2", "--excitation", "0"}, "--excitation"},
      {{"etsim", "--db", db, "--records", "1,2", "--excitation", "450", "--efficiencies", "1.5"},
       "between 0 and 1"},
      {{"etsim", "--db", db, "--records", "1,4", "--excitation", "450"}, "--records"},
      {{"etsim", "--db", db, "--records", "1,2", "--excitation", "450", "--reverse", "--measured",
        measured, "--wavelengths", "900"},
       "900.00 nm"},
  };
  for (const auto& [args, message] : refused) {
    const CliRun bad = Cli(args);
    EXPECT_TRUE(IsOneLineError(bad.code, bad.out, bad.err));
    EXPECT_NE(bad.err.find(message), std::string::npos) << bad.err;
  }
}

} // namespace
} // namespace lumivex::cli

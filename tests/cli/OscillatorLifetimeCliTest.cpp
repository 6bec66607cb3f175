#include "CliCommands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::FuzzyCompare;
using lumivex::test::MakeSpectrum;
using lumivex::test::TempDir;

using test::Cli;
using test::CliRun;
using test::Number;

class OscillatorLifetimeCli : public ::testing::Test {
protected:
  TempDir dir;
  // A triangular absorption band of height 1 at 500 nm, 40 nm wide at its foot, on
  // 400..600 nm: half height at 490 and 510 nm.
  std::string triangle =
      dir.Write("triangle.abs.txt", FormatSpectrumText(MakeSpectrum(400.0f, 1.0f, 201, [](float x) {
                  return std::max(0.0f, 1.0f - std::fabs(x - 500.0f) / 20.0f);
                })));
  // Flat absorption on 400..500 nm and flat emission on 500..600 nm.
  std::string flatAbsorption =
      dir.Write("flat.abs.txt",
                FormatSpectrumText(MakeSpectrum(400.0f, 1.0f, 101, [](float) { return 1.0f; })));
  std::string flatEmission =
      dir.Write("flat.ems.txt",
                FormatSpectrumText(MakeSpectrum(500.0f, 1.0f, 101, [](float) { return 1.0f; })));
  std::string db = dir.Path("dyes.db");
};

// f and mu in Debye for a peak absorptivity over a band, from the textbook relations.
std::pair<double, double> Textbook(double epsilonPeak, double low, double high, double peak) {
  const double strength = 4.32e-9 * epsilonPeak * std::fabs(1.0e7 / low - 1.0e7 / high);
  return {strength, 4.86e-27 * std::sqrt(strength / (1.0e7 / peak)) / 3.33564e-30};
}

// <nu^-3>^-1 of an emission flat between two wavelengths.
double FlatMean(double shortWavelength, double longWavelength) {
  const double high = 1.0e7 / shortWavelength;
  const double low = 1.0e7 / longWavelength;
  return (high - low) / ((1.0 / (low * low) - 1.0 / (high * high)) / 2.0);
}

TEST_F(OscillatorLifetimeCli, OscillatorFindsTheHalfMaximumBandInsideThePulledRange) {
  const CliRun run =
      Cli({"oscillator", triangle, "--epsilon", "10000", "--epsilon-wavelength", "500"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Number(run.out, "low", "inputs"), 401.0);
  EXPECT_EQ(Number(run.out, "high", "inputs"), 599.0);
  EXPECT_EQ(Number(run.out, "epsilon", "inputs"), 10000.0);
  EXPECT_NE(run.out.find("\"manual\":false"), std::string::npos) << run.out;
  EXPECT_EQ(Number(run.out, "peak_wavelength", "results"), 500.0);
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "band_low", "results"), 490.0, 1e-6));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "band_high", "results"), 510.0, 1e-6));
  const auto [strength, debye] = Textbook(1.0e4, 490.0, 510.0, 500.0);
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "oscillator_strength", "results"), strength, 1e-5));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "dipole_debye", "results"), debye, 1e-5));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "dipole_cm", "results"), debye * 3.33564e-30, 1e-5));

  const CliRun manual = Cli({"oscillator", triangle, "--manual", "--epsilon", "10000",
                             "--epsilon-wavelength", "500", "--low", "470", "--high", "530"});
  ASSERT_EQ(manual.code, 0) << manual.err;
  EXPECT_NE(manual.out.find("\"manual\":true"), std::string::npos) << manual.out;
  EXPECT_EQ(Number(manual.out, "band_low", "results"), 470.0);
  EXPECT_EQ(Number(manual.out, "band_high", "results"), 530.0);
  EXPECT_TRUE(FuzzyCompare(Number(manual.out, "oscillator_strength", "results"),
                           Textbook(1.0e4, 470.0, 530.0, 500.0).first, 1e-5));
}

TEST_F(OscillatorLifetimeCli, OscillatorTakesTheRecordsEpsilon) {
  const CliRun added = Cli({"db", "add", db, "--create", "--set", "Absorption.Name=Triangle",
                            "Epsilon=5000", "Wavelength=490", "--abs-file", triangle});
  ASSERT_EQ(added.code, 0) << added.err;
  const CliRun run = Cli({"oscillator", "--db", db, "--record", "1"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"spectrum\":{\"name\":\"Triangle\""), std::string::npos) << run.out;
  EXPECT_EQ(Number(run.out, "epsilon", "inputs"), 5000.0);
  EXPECT_EQ(Number(run.out, "epsilon_wavelength", "inputs"), 490.0);
  // 5000 at half height is 10000 at the top.
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "epsilon_peak", "results"), 1.0e4, 1e-6));
}

TEST_F(OscillatorLifetimeCli, OscillatorRefusals) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {{"oscillator", triangle}, "needs --epsilon and --epsilon-wavelength"},
      {{"oscillator", triangle, "--epsilon", "1e4", "--epsilon-wavelength", "500", "--low", "450",
        "--high", "451"},
       "There is no peak in the selected range."},
      {{"oscillator", triangle, "--epsilon", "1e4", "--epsilon-wavelength", "500", "--high",
        "20000"},
       "--high '20000': Please enter a number between 0 and 10000."},
      {{"oscillator", triangle, "--epsilon", "lots", "--epsilon-wavelength", "500"},
       "Please enter a number."},
      {{"oscillator", flatEmission, "--epsilon", "1", "--epsilon-wavelength", "500"},
       "must be an absorption spectrum"},
      {{"oscillator", triangle, triangle}, "takes one FILE"},
      {{"oscillator", triangle, "--db", db, "--record", "1"}, "not both"},
      {{"oscillator"}, "missing FILE"},
  };
  for (const auto& [args, message] : refused) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, 1) << message;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

TEST_F(OscillatorLifetimeCli, LifetimeOfFlatBandsAndItsClippedBand) {
  const CliRun run = Cli({"lifetime", "--absorption", flatAbsorption, "--emission", flatEmission,
                          "--epsilon", "50000", "--epsilon-wavelength", "450", "--quantum-yield",
                          "0.5", "--refractive-index", "1.5", "--low", "300", "--high", "480"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Number(run.out, "low", "inputs"), 400.0);
  EXPECT_EQ(Number(run.out, "high", "inputs"), 480.0);
  EXPECT_EQ(Number(run.out, "quantum_yield", "inputs"), 0.5);
  EXPECT_EQ(Number(run.out, "refractive_index", "inputs"), 1.5);
  EXPECT_EQ(Number(run.out, "reference_index", "results"), 50.0);
  const double integral = 5.0e4 * std::log(480.0 / 400.0);
  const double mean = FlatMean(500.0, 600.0);
  const double rate = 2.88e-9 * 2.25 * mean * integral;
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "integral", "results"), integral, 1e-5));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "mean", "results"), mean, 1e-4));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "rate", "results"), rate, 1e-4));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "natural_lifetime", "results"), 1.0e9 / rate, 1e-4));
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "lifetime", "results"), 0.5e9 / rate, 1e-4));

  // A plain emission file has the quantum yield 1; a band of neighbouring points gives no
  // integral, and the lifetimes come out 0 rather than infinite.
  const CliRun narrow = Cli({"lifetime", "--absorption", flatAbsorption, "--emission", flatEmission,
                             "--epsilon", "50000", "--epsilon-wavelength", "450",
                             "--refractive-index", "1.5", "--low", "450.2", "--high", "451.4"});
  ASSERT_EQ(narrow.code, 0) << narrow.err;
  EXPECT_EQ(Number(narrow.out, "quantum_yield", "inputs"), 1.0);
  EXPECT_EQ(Number(narrow.out, "integral", "results"), 0.0);
  EXPECT_EQ(Number(narrow.out, "natural_lifetime", "results"), 0.0);
  EXPECT_EQ(Number(narrow.out, "lifetime", "results"), 0.0);
  EXPECT_EQ(narrow.out.find("null"), std::string::npos) << narrow.out;
}

TEST_F(OscillatorLifetimeCli, LifetimeTakesTheRecordsConstants) {
  const CliRun added = Cli({"db", "add", db, "--create", "--set", "Absorption.Name=Flat",
                            "Epsilon=40000", "Wavelength=450", "QuantumYield=0.25", "--abs-file",
                            flatAbsorption, "--ems-file", flatEmission});
  ASSERT_EQ(added.code, 0) << added.err;
  const CliRun run =
      Cli({"lifetime", "--absorption-db", db, "--absorption-record", "1", "--emission-db", db,
           "--emission-record", "1", "--refractive-index", "1", "--low", "400", "--high", "500"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Number(run.out, "epsilon", "inputs"), 40000.0);
  EXPECT_EQ(Number(run.out, "epsilon_wavelength", "inputs"), 450.0);
  EXPECT_EQ(Number(run.out, "quantum_yield", "inputs"), 0.25);
  EXPECT_TRUE(FuzzyCompare(Number(run.out, "integral", "results"), 4.0e4 * std::log(1.25), 1e-5));
}

TEST_F(OscillatorLifetimeCli, LifetimeRefusals) {
  const std::vector<std::string> both{"--absorption",         flatAbsorption, "--emission",
                                      flatEmission,           "--epsilon",    "50000",
                                      "--epsilon-wavelength", "450"};
  const auto with = [&both](std::vector<std::string> extra) {
    std::vector<std::string> args{"lifetime"};
    args.insert(args.end(), both.begin(), both.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {with({"--low", "400", "--high", "480"}), "needs --refractive-index"},
      {with({"--low", "400", "--high", "0", "--refractive-index", "1.5"}), "must not be 0"},
      {with({"--low", "400", "--high", "480", "--refractive-index", "1.5", "--epsilon-wavelength",
             "50"}),
       "--epsilon-wavelength '50': Please enter a number between 100 and 1000."},
      {{"lifetime", "--absorption", flatEmission, "--emission", flatAbsorption, "--low", "400",
        "--high", "480", "--refractive-index", "1.5"},
       "--absorption must be an absorption spectrum"},
      {{"lifetime", "--absorption", flatAbsorption, "--emission", flatEmission, "--low", "400",
        "--high", "480", "--refractive-index", "1.5"},
       "needs --epsilon and --epsilon-wavelength"},
      {with({"extra", "--low", "400", "--high", "480", "--refractive-index", "1.5"}),
       "takes no FILE"},
  };
  for (const auto& [args, message] : refused) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, 1) << message;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

} // namespace
} // namespace lumivex::cli

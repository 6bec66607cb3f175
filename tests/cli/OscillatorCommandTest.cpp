#include "Commands.h"

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

class OscillatorCommand : public test::BandSpectra {};

// f and mu in Debye for a peak absorptivity over a band, from the textbook relations.
std::pair<double, double> Textbook(double epsilonPeak, double low, double high, double peak) {
  const double strength = 4.32e-9 * epsilonPeak * std::fabs(1.0e7 / low - 1.0e7 / high);
  return {strength, 4.86e-27 * std::sqrt(strength / (1.0e7 / peak)) / 3.33564e-30};
}

TEST_F(OscillatorCommand, OscillatorFindsTheHalfMaximumBandInsideThePulledRange) {
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

TEST_F(OscillatorCommand, OscillatorTakesTheRecordsEpsilon) {
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

TEST_F(OscillatorCommand, OscillatorRefusals) {
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

} // namespace
} // namespace lumivex::cli

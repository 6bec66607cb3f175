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

class StricklerBergCommand : public test::BandSpectra {};

// <nu^-3>^-1 of an emission flat between two wavelengths.
double FlatMean(double shortWavelength, double longWavelength) {
  const double high = 1.0e7 / shortWavelength;
  const double low = 1.0e7 / longWavelength;
  return (high - low) / ((1.0 / (low * low) - 1.0 / (high * high)) / 2.0);
}

TEST_F(StricklerBergCommand, LifetimeOfFlatBandsAndItsClippedBand) {
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

TEST_F(StricklerBergCommand, LifetimeTakesTheRecordsConstants) {
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

TEST_F(StricklerBergCommand, LifetimeRefusals) {
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
      {with({"--low", "400", "--high", "480"}), "--refractive-index is required"},
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

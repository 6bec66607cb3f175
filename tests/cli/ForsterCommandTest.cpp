#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
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

double Nu(double nm) {
  return 1.0e7 / nm;
}

class ForsterCommand : public test::FlatSpectra {};

TEST_F(ForsterCommand, ForsterPrintsTheInputsUsedAndEveryResult) {
  const CliRun run =
      Cli({"forster", "--donor", donor, "--acceptor", acceptor, "--epsilon", "1e5",
           "--epsilon-wavelength", "550", "--kappa2", "0.6666667", "--quantum-yield", "0.5",
           "--refractive-index", "1.4", "--distance", "50", "--lifetime", "4"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string& json = run.out;
  EXPECT_NE(json.find("\"donor\":{\"name\":\"\",\"path\":\"" + donor + "\""), std::string::npos)
      << json;
  EXPECT_EQ(Number(json, "low", "inputs"), 500.0);
  EXPECT_EQ(Number(json, "high", "inputs"), 600.0);
  EXPECT_EQ(Number(json, "epsilon", "inputs"), 1.0e5);
  EXPECT_EQ(Number(json, "lifetime", "inputs"), 4.0);

  // Integral of nu^-4 over the donor's band, per unit donor area, times epsilon.
  const double overlap =
      1.0e5 * (std::pow(Nu(600), -3.0) - std::pow(Nu(500), -3.0)) / 3.0 / (Nu(500) - Nu(600));
  EXPECT_TRUE(FuzzyCompare(Number(json, "j_value", "results"), overlap, 1e-4));
  const double r0 =
      std::pow(8.7851e-5 * (2.0 / 3.0) * 0.5 * overlap * 1e28 / std::pow(1.4, 4), 1.0 / 6.0);
  EXPECT_TRUE(FuzzyCompare(Number(json, "forster_distance", "results"), r0, 1e-4));
  const double efficiency = 100.0 / (1.0 + std::pow(50.0 / r0, 6.0));
  EXPECT_TRUE(FuzzyCompare(Number(json, "efficiency", "results"), efficiency, 1e-3));
  EXPECT_TRUE(
      FuzzyCompare(Number(json, "rate", "results"), 1.0e9 / 4.0 * std::pow(r0 / 50.0, 6.0), 1e-3));
  EXPECT_TRUE(FuzzyCompare(Number(json, "dexter", "results"), 8066.0 / (Nu(400) - Nu(700)), 1e-4));
}

TEST_F(ForsterCommand, ForsterClampsTheRangeAndKeepsTheDialogDefaults) {
  const CliRun run =
      Cli({"forster", "--donor", donor, "--acceptor", acceptor, "--low", "100", "--high", "2000"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Number(run.out, "low", "inputs"), 500.0);
  EXPECT_EQ(Number(run.out, "high", "inputs"), 600.0);
  EXPECT_EQ(Number(run.out, "refractive_index", "inputs"), 1.0);
  EXPECT_EQ(Number(run.out, "kappa2", "inputs"), 0.0);
  EXPECT_FLOAT_EQ(static_cast<float>(Number(run.out, "distance", "inputs")), 0.1f);
  // A plain file brings no epsilon: no overlap integral, and nothing is "nan".
  EXPECT_EQ(Number(run.out, "j_value", "results"), 0.0);
  EXPECT_EQ(Number(run.out, "forster_distance", "results"), 0.0);
  EXPECT_EQ(run.out.find("null"), std::string::npos) << run.out;
}

TEST_F(ForsterCommand, ForsterTakesTheRecordsConstants) {
  const std::string db = dir.Path("dyes.db");
  const CliRun added =
      Cli({"db", "add", db, "--create", "--set", "Absorption.Name=Dye", "Epsilon=80000",
           "Wavelength=550", "QuantumYield=0.8", "--abs-file", acceptor, "--ems-file", donor});
  ASSERT_EQ(added.code, 0) << added.err;
  const CliRun run = Cli({"forster", "--donor-db", db, "--donor-record", "1", "--acceptor-db", db,
                          "--acceptor-record", "1", "--kappa2", "0.6667"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Number(run.out, "epsilon", "inputs"), 80000.0);
  EXPECT_EQ(Number(run.out, "epsilon_wavelength", "inputs"), 550.0);
  EXPECT_FLOAT_EQ(static_cast<float>(Number(run.out, "quantum_yield", "inputs")), 0.8f);
  EXPECT_NE(run.out.find("\"acceptor\":{\"name\":\"Dye\""), std::string::npos) << run.out;
  EXPECT_GT(Number(run.out, "j_value", "results"), 0.0);

  // An option still overrides the record's constant.
  const CliRun typed = Cli({"forster", "--donor-db", db, "--donor-record", "1", "--acceptor",
                            acceptor, "--quantum-yield", "0.25"});
  ASSERT_EQ(typed.code, 0) << typed.err;
  EXPECT_EQ(Number(typed.out, "quantum_yield", "inputs"), 0.25);
}

TEST_F(ForsterCommand, ForsterRefusals) {
  const std::string apart = Flat("far.abs.txt", 700.0f, 50);
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {{"forster", "--donor", acceptor, "--acceptor", acceptor}, "must be an emission"},
      {{"forster", "--donor", donor, "--acceptor", apart}, "No overlapped"},
      {{"forster", "--donor", donor, "--acceptor", acceptor, "--quantum-yield", "150"},
       "Please enter a number between 0 and 100."},
      {{"forster", "--donor", donor, "--acceptor", acceptor, "--distance", "far"},
       "Please enter a number."},
      {{"forster", "--donor", donor}, "--acceptor"},
      {{"forster", "--donor", donor, "--acceptor", acceptor, "--colour", "red"}, "unknown option"},
  };
  for (const auto& [args, reason] : refused) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.code, 0) << reason;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
  }
}

} // namespace
} // namespace lumivex::cli

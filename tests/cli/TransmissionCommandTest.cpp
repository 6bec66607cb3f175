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

class TransmissionCommand : public test::FlatSpectra {};

TEST_F(TransmissionCommand, TransmissionWritesTheAttenuatedSource) {
  const std::string lamp = Lamp();
  const std::string out = dir.Path("through.els.txt");
  const CliRun run = Cli({"transmission", "--source", lamp, "--absorber", acceptor, "--out", out});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"entry\":\"Transmission '1.00'\""), std::string::npos) << run.out;
  EXPECT_EQ(Number(run.out, "factor"), 1.0);
  EXPECT_EQ(Number(run.out, "points"), 251.0);
  const SpectrumReadResult read = ReadSpectrumFile(out);
  ASSERT_TRUE(read.Ok()) << read.message;
  ASSERT_EQ(read.spectrum.m_points.size(), 251u);
  // Absorbance 1 everywhere, edges included: a tenth of the lamp.
  EXPECT_TRUE(FuzzyCompare(read.spectrum.m_points[0].y, 0.3));
  EXPECT_TRUE(FuzzyCompare(read.spectrum.m_points[250].y, 0.8));

  const CliRun none = Cli({"transmission", "--source", lamp, "--absorber", acceptor, "--factor",
                           "0", "--out", dir.Path("same.els.txt")});
  ASSERT_EQ(none.code, 0) << none.err;
  EXPECT_NE(none.out.find("\"entry\":\"Transmission '0.00'\""), std::string::npos);
  EXPECT_EQ(TempDir::Read(dir.Path("same.els.txt")), TempDir::Read(lamp));
}

TEST_F(TransmissionCommand, TransmissionRefusals) {
  const std::string lamp = Lamp();
  const std::string out = dir.Path("never.els.txt");
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {{"transmission", "--source", lamp, "--absorber", acceptor, "--factor", "1.5", "--out", out},
       "Please enter a number between 0 and 1."},
      {{"transmission", "--source", lamp, "--absorber", acceptor}, "--out"},
      {{"transmission", "--source", acceptor, "--absorber", acceptor, "--out", out},
       "--source must be"},
      {{"transmission", "--source", lamp, "--absorber", lamp, "--out", out}, "--absorber must be"},
  };
  for (const auto& [args, reason] : refused) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.code, 0) << reason;
    EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace lumivex::cli

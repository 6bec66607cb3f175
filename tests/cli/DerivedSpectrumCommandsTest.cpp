#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/LumivexData.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::FuzzyCompare;
using lumivex::test::MakeSpectrum;
using lumivex::test::TempDir;
using test::AbsorbanceAt;
using test::DataLine;
using test::EmissionAt;
using test::FileEntries;
using test::IsOneLineError;
using test::JsonNumber;
using test::JsonValue;
using test::Lines;

class DerivedSpectrumCommands : public test::SpectrumFiles {};

TEST_F(DerivedSpectrumCommands, ScaleShiftWritesTheScaledMovedSpectrumAndDescribesIt) {
  const std::string input = WriteAbsorption();
  const std::string output = m_dir.Path("shifted_abs.txt");
  ASSERT_EQ(Run({"scale-shift", input, "--factor", "2", "--offset", "10", "--out", output}), 0)
      << m_err;
  EXPECT_TRUE(m_err.empty());

  const std::vector<std::string> lines = Lines(TempDir::Read(output));
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines.front(), DataLine(410.0, 2.0f * AbsorbanceAt(400.0f)));
  EXPECT_EQ(lines.front().substr(0, 16), "410.000         ");
  EXPECT_EQ(lines[15], DataLine(560.0, 2.0f * AbsorbanceAt(550.0f)));
  EXPECT_EQ(lines.back().substr(0, 8), "710.000 ");

  EXPECT_EQ(JsonValue(m_out, "path"), output);
  EXPECT_EQ(JsonValue(m_out, "kind"), "Absorption");
  EXPECT_EQ(JsonValue(m_out, "points"), "31");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "first_x"), 410.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "last_x"), 710.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "step"), 10.0));
  EXPECT_EQ(JsonValue(m_out, "descending"), "false");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "peak_x"), 560.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "peak_y"), 2.0));
}

TEST_F(DerivedSpectrumCommands, CombineCoversBothRangesOnTheFirstSpectrumsGrid) {
  const std::string absorption = WriteAbsorption();
  const std::string emission = WriteEmission();
  const std::string output = m_dir.Path("combined_abs.txt");
  ASSERT_EQ(Run({"combine", absorption, emission, "--out", output}), 0) << m_err;
  EXPECT_TRUE(m_err.empty());

  EXPECT_EQ(JsonValue(m_out, "points"), "41");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "first_x"), 300.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "last_x"), 700.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "step"), 10.0));
  EXPECT_EQ(JsonValue(m_out, "descending"), "false");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "peak_x"), 420.0));

  const std::vector<std::string> lines = Lines(TempDir::Read(output));
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(lines.front().substr(0, 8), "300.000 ");
  EXPECT_EQ(lines[15], DataLine(450.0, AbsorbanceAt(450.0f) + EmissionAt(450.0f)));
  EXPECT_EQ(lines.back().substr(0, 8), "700.000 ");

  ASSERT_EQ(Run({"combine", absorption, emission, "--factor", "2", "--out", output}), 0) << m_err;
  EXPECT_EQ(Lines(TempDir::Read(output))[15],
            DataLine(450.0, AbsorbanceAt(450.0f) + 2.0f * EmissionAt(450.0f)));
}

TEST_F(DerivedSpectrumCommands, MissingInputIsAnErrorNamingItAndWritesNothing) {
  const std::string absorption = WriteAbsorption();
  const std::string missing = m_dir.Path("missing_ems.txt");
  const std::string output = m_dir.Path("result_abs.txt");

  EXPECT_TRUE(IsOneLineError(Run({"combine", absorption, missing, "--out", output}), m_out, m_err));
  EXPECT_NE(m_err.find(missing), std::string::npos) << m_err;
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", missing, "--out", output}), m_out, m_err));
  EXPECT_NE(m_err.find(missing), std::string::npos) << m_err;
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(DerivedSpectrumCommands, DerivedCommandsNeedTheirInputsAndOutput) {
  const std::string absorption = WriteAbsorption();
  const std::string output = m_dir.Path("result_abs.txt");
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", absorption}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", absorption, "--out"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"combine", absorption, "--out", output}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", absorption, "--factor", "two", "--out", output}),
                             m_out, m_err));
  EXPECT_FALSE(std::filesystem::exists(output));
}

} // namespace
} // namespace lumivex::cli

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

class InfoCommand : public test::SpectrumFiles {};

TEST_F(InfoCommand, InfoDescribesEachFile) {
  const std::string absorption = WriteAbsorption();
  const std::string emission = WriteEmission();
  ASSERT_EQ(Run({"info", absorption, emission}), 0) << m_err;
  EXPECT_TRUE(m_err.empty());
  EXPECT_EQ(m_out.back(), '\n');

  const std::vector<std::string> files = FileEntries(m_out);
  ASSERT_EQ(files.size(), 2u) << m_out;

  const std::string& abs = files[0];
  EXPECT_EQ(JsonValue(abs, "path"), absorption);
  EXPECT_EQ(JsonValue(abs, "kind"), "Absorption");
  EXPECT_EQ(JsonValue(abs, "kind_code"), "0");
  EXPECT_EQ(JsonValue(abs, "points"), "31");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(abs, "first_x"), 400.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(abs, "last_x"), 700.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(abs, "step"), 10.0));
  EXPECT_EQ(JsonValue(abs, "descending"), "false");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(abs, "peak_x"), 550.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(abs, "peak_y"), 1.0));

  const std::string& ems = files[1];
  EXPECT_EQ(JsonValue(ems, "path"), emission);
  EXPECT_EQ(JsonValue(ems, "kind"), "Emission");
  EXPECT_EQ(JsonValue(ems, "kind_code"), "1");
  EXPECT_EQ(JsonValue(ems, "points"), "41");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(ems, "first_x"), 500.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(ems, "last_x"), 300.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(ems, "step"), 5.0));
  EXPECT_EQ(JsonValue(ems, "descending"), "true");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(ems, "peak_x"), 420.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(ems, "peak_y"), 0.5));
}

TEST_F(InfoCommand, InfoRefusesMissingAndUnreadableFiles) {
  const std::string missing = m_dir.Path("missing_abs.txt");
  EXPECT_TRUE(IsOneLineError(Run({"info", WriteAbsorption(), missing}), m_out, m_err));
  EXPECT_NE(m_err.find(missing), std::string::npos) << m_err;

  const std::string single = m_dir.Write("single_abs.txt", "400.0 0.5\n");
  EXPECT_TRUE(IsOneLineError(Run({"info", single}), m_out, m_err));
  EXPECT_NE(m_err.find(single), std::string::npos) << m_err;

  EXPECT_TRUE(IsOneLineError(Run({"info"}), m_out, m_err));
}

} // namespace
} // namespace lumivex::cli

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

class AxisCommand : public test::SpectrumFiles {};

TEST_F(AxisCommand, AxisConvertsWavelengthsAndGivesTheLabel) {
  ASSERT_EQ(Run({"axis", "--unit", "1", "500"}), 0) << m_err;
  EXPECT_TRUE(m_err.empty());
  EXPECT_EQ(JsonValue(m_out, "unit"), "1");
  EXPECT_EQ(JsonValue(m_out, "text"), "Wavenumber (cm");
  EXPECT_EQ(JsonValue(m_out, "superscript"), "-1");
  EXPECT_EQ(JsonValue(m_out, "tail"), ")");
  EXPECT_EQ(JsonValue(m_out, "plain"), "Wavenumber (cm^-1)");
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "nm"), 500.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "value"), 20000.0));

  ASSERT_EQ(Run({"axis", "400", "--unit", "1", "250"}), 0) << m_err;
  const std::size_t second = m_out.find("\"nm\":250");
  ASSERT_NE(second, std::string::npos) << m_out;
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "value"), 25000.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out.substr(second), "value"), 40000.0));

  ASSERT_EQ(Run({"axis", "--unit", "0", "512.5"}), 0) << m_err;
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "value"), 512.5));
}

TEST_F(AxisCommand, AxisRefusesUnitsOutsideZeroToSix) {
  for (const char* unit : {"7", "abc", "-1", "1.5", ""}) {
    SCOPED_TRACE(unit);
    EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", unit, "500"}), m_out, m_err));
  }
}

TEST_F(AxisCommand, AxisRefusesMissingUnitOrWavelengths) {
  EXPECT_TRUE(IsOneLineError(Run({"axis", "500"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", "1"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", "1", "5x0"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit"}), m_out, m_err));
}

} // namespace
} // namespace lumivex::cli

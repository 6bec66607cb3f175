#include "core/SpectraCsv.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

using Row = std::vector<std::string>;

// Reads CSV text as RFC 4180 has it: CRLF line ends, quoted fields with doubled quotes.
std::vector<Row> ReadCsv(const std::string& text) {
  std::vector<Row> rows;
  Row row;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(field);
      rows.push_back(row);
      row.clear();
      field.clear();
      ++i;
    } else {
      field += c;
    }
  }
  EXPECT_TRUE(field.empty() && row.empty()) << "the text does not end with CRLF";
  return rows;
}

float Number(const std::string& text) {
  std::size_t used = 0;
  const float value = std::stof(text, &used);
  EXPECT_EQ(used, text.size()) << text;
  return value;
}

class SpectraCsvTest : public ::testing::Test {
protected:
  SpectraCsvTest() {
    // The first spectrum runs downward, 500 to 400 nm; the second 450 to 600 nm.
    first = MakeSpectrum(500.0f, -10.0f, 11, [](float x) { return x / 1000.0f; });
    second = MakeSpectrum(450.0f, 10.0f, 16, [](float x) { return 2.0f - x / 1000.0f; });
    spectra = {{&first, "Dye \"A\", in ethanol", YQuantity::Absorption},
               {&second, "B", YQuantity::Fluorescence}};
  }

  CSpectrum first;
  CSpectrum second;
  std::vector<ExportedSpectrum> spectra;
};

// The rows follow the first spectrum's 10 nm grid over 400..600 nm, ascending in the unit.
TEST_F(SpectraCsvTest, ColumnsReadBackToTheSameNumbersInEveryUnit) {
  for (int code = 0; code < kXUnitCount; ++code) {
    const XUnit unit = XUnitFromCode(code);
    const std::vector<Row> rows = ReadCsv(SpectraCsv(spectra, unit, CsvLayout::Columns));
    ASSERT_EQ(rows.size(), 22u) << code;
    EXPECT_EQ(rows[0], (Row{XAxisLabel(unit).Plain(), "Dye \"A\", in ethanol", "B"})) << code;
    float previous = -INFINITY;
    int inFirst = 0;
    int inSecond = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
      ASSERT_EQ(rows[r].size(), 3u);
      const float x = Number(rows[r][0]);
      EXPECT_GT(x, previous) << code;
      previous = x;
      const float nm = std::round(FromAxis(unit, x));
      EXPECT_EQ(ToAxis(unit, nm), x) << code << " row " << r;
      if (nm >= 400.0f && nm <= 500.0f) {
        ++inFirst;
        EXPECT_EQ(Number(rows[r][1]), nm / 1000.0f) << code << " " << nm;
      } else {
        EXPECT_EQ(rows[r][1], "") << code << " " << nm;
      }
      if (nm >= 450.0f && nm <= 600.0f) {
        ++inSecond;
        EXPECT_TRUE(FuzzyCompare(Number(rows[r][2]), 2.0f - nm / 1000.0f)) << code << " " << nm;
      } else {
        EXPECT_EQ(rows[r][2], "") << code << " " << nm;
      }
    }
    EXPECT_EQ(inFirst, 11) << code;
    EXPECT_EQ(inSecond, 16) << code;
  }
}

TEST_F(SpectraCsvTest, TidyRowsHoldEachSpectrumsValuesInsideItsRange) {
  const std::vector<Row> rows = ReadCsv(SpectraCsv(spectra, XUnit::Wavelength, CsvLayout::Tidy));
  ASSERT_EQ(rows.size(), 1u + 11u + 16u);
  EXPECT_EQ(rows[0], (Row{"spectrum", "Wavelength(nm)", "y"}));
  for (std::size_t r = 1; r < rows.size(); ++r) {
    ASSERT_EQ(rows[r].size(), 3u);
    const bool ofFirst = r <= 11;
    EXPECT_EQ(rows[r][0], ofFirst ? "Dye \"A\", in ethanol" : "B");
    const float nm = Number(rows[r][1]);
    const auto index = static_cast<float>(ofFirst ? r - 1 : r - 12);
    EXPECT_EQ(nm, (ofFirst ? 400.0f : 450.0f) + 10.0f * index);
    EXPECT_TRUE(FuzzyCompare(Number(rows[r][2]), ofFirst ? nm / 1000.0f : 2.0f - nm / 1000.0f));
  }
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"plain name", "plain name"},         {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"two\nlines", "\"two\nlines\""},
      {"cr\rhere", "\"cr\rhere\""},         {"", ""},
  };
  for (const auto& [text, field] : cases) {
    EXPECT_EQ(CsvField(text), field) << text;
  }
}

} // namespace
} // namespace lumivex

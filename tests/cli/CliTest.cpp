#include "CliCommands.h"

#include "TestSupport.h"
#include "core/LumivexData.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;
using test::TempDir;

// Triangular bands whose grid values are exact binary fractions, so every written and
// re-read y is exact.
float AbsorbanceAt(float x) {
  return 1.0f - std::fabs(x - 550.0f) / 512.0f;
}
float EmissionAt(float x) {
  return 0.5f - std::fabs(x - 420.0f) / 256.0f;
}

// The text of `key`'s first value in `json`: a string without its quotes, else the token
// up to the next ',', '}' or ']'.
std::string JsonValue(const std::string& json, const std::string& key) {
  const std::string marker = "\"" + key + "\":";
  const std::size_t at = json.find(marker);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << key << "\" in " << json;
    return {};
  }
  const std::size_t begin = at + marker.size();
  if (json.compare(begin, 1, "\"") == 0) {
    const std::size_t end = json.find('"', begin + 1);
    return json.substr(begin + 1, end - begin - 1);
  }
  return json.substr(begin, json.find_first_of(",}]", begin) - begin);
}

double JsonNumber(const std::string& json, const std::string& key) {
  const std::string text = JsonValue(json, key);
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') {
    ADD_FAILURE() << "\"" << key << "\" is not a number: " << text;
    return std::nan("");
  }
  return value;
}

// The objects of the "files" array of an info answer, each up to the next one.
std::vector<std::string> FileEntries(const std::string& json) {
  const std::string start = "{\"path\":";
  std::vector<std::string> entries;
  for (std::size_t at = json.find(start); at != std::string::npos;) {
    const std::size_t next = json.find(start, at + 1);
    entries.push_back(json.substr(at, next == std::string::npos ? next : next - at));
    at = next;
  }
  return entries;
}

std::string DataLine(double x, double y) {
  char line[96];
  std::snprintf(line, sizeof line, "%.3f         %.12f", x, y);
  return line;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', begin)) {
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

::testing::AssertionResult IsOneLineError(int code, const std::string& out,
                                          const std::string& err) {
  if (code == 0) {
    return ::testing::AssertionFailure() << "exit code 0; out: " << out;
  }
  if (!out.empty()) {
    return ::testing::AssertionFailure() << "out is not empty: " << out;
  }
  if (err.empty() || err.back() != '\n' || std::count(err.begin(), err.end(), '\n') != 1) {
    return ::testing::AssertionFailure() << "err is not one line: [" << err << "]";
  }
  return ::testing::AssertionSuccess();
}

class Cli : public ::testing::Test {
protected:
  int Run(const std::vector<std::string>& args) { return RunCli(args, m_out, m_err); }

  // Absorption, ascending 400-700 nm in 10 nm steps, peak 1 at 550 nm.
  std::string WriteAbsorption() {
    return m_dir.Write("anthracene_abs.txt",
                       FormatSpectrumText(MakeSpectrum(400.0f, 10.0f, 31, AbsorbanceAt)));
  }
  // Emission, descending 500-300 nm in 5 nm steps, peak 0.5 at 420 nm.
  std::string WriteEmission() {
    return m_dir.Write("perylene_ems.txt",
                       FormatSpectrumText(MakeSpectrum(500.0f, -5.0f, 41, EmissionAt)));
  }

  TempDir m_dir;
  std::string m_out;
  std::string m_err;
};

// ---- info ----------------------------------------------------------------------------

TEST_F(Cli, InfoDescribesEachFile) {
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

TEST_F(Cli, InfoRefusesMissingAndUnreadableFiles) {
  const std::string missing = m_dir.Path("missing_abs.txt");
  EXPECT_TRUE(IsOneLineError(Run({"info", WriteAbsorption(), missing}), m_out, m_err));
  EXPECT_NE(m_err.find(missing), std::string::npos) << m_err;

  const std::string single = m_dir.Write("single_abs.txt", "400.0 0.5\n");
  EXPECT_TRUE(IsOneLineError(Run({"info", single}), m_out, m_err));
  EXPECT_NE(m_err.find(single), std::string::npos) << m_err;

  EXPECT_TRUE(IsOneLineError(Run({"info"}), m_out, m_err));
}

// ---- axis ----------------------------------------------------------------------------

TEST_F(Cli, AxisConvertsWavelengthsAndGivesTheLabel) {
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

TEST_F(Cli, AxisRefusesUnitsOutsideZeroToSix) {
  for (const char* unit : {"7", "abc", "-1", "1.5", ""}) {
    SCOPED_TRACE(unit);
    EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", unit, "500"}), m_out, m_err));
  }
}

TEST_F(Cli, AxisRefusesMissingUnitOrWavelengths) {
  EXPECT_TRUE(IsOneLineError(Run({"axis", "500"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", "1"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", "1", "5x0"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit"}), m_out, m_err));
}

// ---- scale-shift and combine -----------------------------------------------------------

TEST_F(Cli, ScaleShiftWritesTheScaledMovedSpectrumAndDescribesIt) {
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

TEST_F(Cli, CombineCoversBothRangesOnTheFirstSpectrumsGrid) {
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

TEST_F(Cli, MissingInputIsAnErrorNamingItAndWritesNothing) {
  const std::string absorption = WriteAbsorption();
  const std::string missing = m_dir.Path("missing_ems.txt");
  const std::string output = m_dir.Path("result_abs.txt");

  EXPECT_TRUE(IsOneLineError(Run({"combine", absorption, missing, "--out", output}), m_out, m_err));
  EXPECT_NE(m_err.find(missing), std::string::npos) << m_err;
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", missing, "--out", output}), m_out, m_err));
  EXPECT_NE(m_err.find(missing), std::string::npos) << m_err;
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(Cli, DerivedCommandsNeedTheirInputsAndOutput) {
  const std::string absorption = WriteAbsorption();
  const std::string output = m_dir.Path("result_abs.txt");
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", absorption}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", absorption, "--out"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"combine", absorption, "--out", output}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"scale-shift", absorption, "--factor", "two", "--out", output}),
                             m_out, m_err));
  EXPECT_FALSE(std::filesystem::exists(output));
}

// ---- command line --------------------------------------------------------------------

TEST_F(Cli, UnknownCommandOrOptionIsAnError) {
  EXPECT_TRUE(IsOneLineError(Run({"frobnicate", "x"}), m_out, m_err));
  EXPECT_NE(m_err.find("frobnicate"), std::string::npos) << m_err;

  EXPECT_TRUE(IsOneLineError(Run({"info", "--colour", "red", WriteAbsorption()}), m_out, m_err));
  EXPECT_NE(m_err.find("--colour"), std::string::npos) << m_err;

  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", "1", "--scale", "2", "500"}), m_out, m_err));
  EXPECT_NE(m_err.find("--scale"), std::string::npos) << m_err;
}

TEST_F(Cli, UsageGoesToErrWithoutArgumentsAndToOutOnRequest) {
  EXPECT_NE(Run({}), 0);
  EXPECT_TRUE(m_out.empty());
  EXPECT_NE(m_err.find("usage"), std::string::npos) << m_err;

  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_TRUE(m_err.empty());
  EXPECT_NE(m_out.find("usage"), std::string::npos) << m_out;
}

// ---- plot ----------------------------------------------------------------------------

// The pixels of a 24-bit bottom-up BMP, row by row from the top; empty when the header is
// not one.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
};

Picture ReadBmp24(const std::string& bytes) {
  const auto u32 = [&bytes](std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
      value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
  };
  Picture picture;
  if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || u32(28) % 65536 != 24) {
    return picture;
  }
  picture.width = static_cast<int>(u32(18));
  picture.height = static_cast<int>(u32(22));
  const std::size_t row = (static_cast<std::size_t>(picture.width) * 3 + 3) / 4 * 4;
  const std::size_t offset = u32(10);
  if (bytes.size() < offset + row * static_cast<std::size_t>(picture.height)) {
    return {};
  }
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::size_t at =
          offset + row * static_cast<std::size_t>(y) + 3 * static_cast<std::size_t>(x);
      picture.pixels.push_back({static_cast<std::uint8_t>(bytes[at + 2]),
                                static_cast<std::uint8_t>(bytes[at + 1]),
                                static_cast<std::uint8_t>(bytes[at])});
    }
  }
  return picture;
}

TEST_F(Cli, PlotDrawsTheOpenedSpectraInTheirColours) {
  const std::string absorption =
      m_dir.Write("dye.abs.txt", FormatSpectrumText(MakeSpectrum(400.0f, 10.0f, 31, AbsorbanceAt)));
  const std::string emission =
      m_dir.Write("dye.ems.txt", FormatSpectrumText(MakeSpectrum(500.0f, -5.0f, 41, EmissionAt)));
  const std::string out = m_dir.Path("graph.bmp");
  ASSERT_EQ(Run({"plot", absorption, emission, "--out", out, "--width", "600", "--height", "400",
                 "--title", "Dye"}),
            0)
      << m_err;
  EXPECT_EQ(JsonValue(m_out, "width"), "600");
  EXPECT_EQ(JsonValue(m_out, "unit"), "0");
  // The automatic range 300-700 nm, snapped to multiples of the ten partitions.
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "x_min_nm"), 300.0));
  EXPECT_TRUE(FuzzyCompare(JsonNumber(m_out, "x_max_nm"), 700.0));

  const Picture picture = ReadBmp24(TempDir::Read(out));
  ASSERT_EQ(picture.width, 600);
  ASSERT_EQ(picture.height, 400);
  const auto count = [&picture](Rgb colour) {
    return std::count(picture.pixels.begin(), picture.pixels.end(), colour);
  };
  EXPECT_GT(count({255, 0, 0}), 100); // the absorption curve, red
  EXPECT_GT(count({0, 255, 0}), 50);  // the dashed emission curve, green
  EXPECT_GT(count({255, 255, 255}), 100000);

  // A PNG in another unit.
  const std::string png = m_dir.Path("graph.png");
  ASSERT_EQ(Run({"plot", absorption, "--out", png, "--unit", "1"}), 0) << m_err;
  EXPECT_EQ(TempDir::Read(png).substr(1, 3), "PNG");
}

TEST_F(Cli, PlotRefusesWhatTheProgramRefuses) {
  const std::string absorption =
      m_dir.Write("dye.abs.txt", FormatSpectrumText(MakeSpectrum(400.0f, 10.0f, 31, AbsorbanceAt)));
  EXPECT_TRUE(IsOneLineError(Run({"plot", absorption}), m_out, m_err));
  const std::string plain = m_dir.Write("notes.txt", "400 1\n401 2\n");
  EXPECT_TRUE(IsOneLineError(Run({"plot", plain, "--out", m_dir.Path("x.png")}), m_out, m_err));
  EXPECT_NE(m_err.find("notes.txt"), std::string::npos) << m_err;
  EXPECT_TRUE(IsOneLineError(
      Run({"plot", absorption, "--out", m_dir.Path("x.png"), "--width", "0"}), m_out, m_err));
  EXPECT_TRUE(IsOneLineError(Run({"plot", absorption, "--out", m_dir.Path("no/such/folder/x.bmp")}),
                             m_out, m_err));
}

} // namespace
} // namespace lumivex::cli

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

class PlotCommand : public test::SpectrumFiles {};

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

TEST_F(PlotCommand, PlotDrawsTheOpenedSpectraInTheirColours) {
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

// Each ending gives its format; --scale multiplies a bitmap's pixels.
TEST_F(PlotCommand, PlotWritesTheFormatItsNameEndsWith) {
  const std::string absorption =
      m_dir.Write("dye.abs.txt", FormatSpectrumText(MakeSpectrum(400.0f, 10.0f, 31, AbsorbanceAt)));
  const std::pair<const char*, const char*> cases[] = {{"graph.svg", "<?xml"},
                                                       {"graph.pdf", "%PDF-"},
                                                       {"graph.PNG", "\x89PNG"},
                                                       {"graph.bmp", "BM"}};
  for (const auto& [name, start] : cases) {
    const std::string out = m_dir.Path(name);
    ASSERT_EQ(Run({"plot", absorption, "--out", out, "--width", "300", "--height", "200", "--scale",
                   "2"}),
              0)
        << m_err;
    EXPECT_TRUE(TempDir::Read(out).starts_with(start)) << name;
  }
  EXPECT_EQ(ReadBmp24(TempDir::Read(m_dir.Path("graph.bmp"))).width, 600);
  EXPECT_NE(TempDir::Read(m_dir.Path("graph.svg")).find("width=\"300\" height=\"200\""),
            std::string::npos);
  EXPECT_TRUE(IsOneLineError(
      Run({"plot", absorption, "--out", m_dir.Path("x.png"), "--scale", "5"}), m_out, m_err));
}

TEST_F(PlotCommand, ExportWritesTheSpectraAsCsvOrNothing) {
  const std::string absorption = WriteAbsorption();
  const std::string emission = WriteEmission();
  const std::string out = m_dir.Path("spectra.csv");
  ASSERT_EQ(Run({"export", absorption, emission, "--unit", "1", "--out", out}), 0) << m_err;
  const std::vector<std::string> lines = Lines(TempDir::Read(out));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "Wavenumber (cm^-1),anthracene_abs.txt,perylene_ems.txt\r");
  // 300 to 700 nm on the absorption's 10 nm grid.
  EXPECT_EQ(lines.size(), 42u);
  EXPECT_EQ(JsonValue(m_out, "layout"), "columns");

  ASSERT_EQ(Run({"export", emission, "--tidy", "--out", out}), 0) << m_err;
  EXPECT_EQ(Lines(TempDir::Read(out)).size(), 42u);
  EXPECT_TRUE(TempDir::Read(out).starts_with("spectrum,Wavelength(nm),y\r\nperylene_ems.txt,300,"));

  const std::string unwritable = m_dir.Path("no/such/folder/x.csv");
  EXPECT_TRUE(IsOneLineError(Run({"export", absorption, "--out", unwritable}), m_out, m_err));
  EXPECT_NE(m_err.find(unwritable), std::string::npos) << m_err;
}

TEST_F(PlotCommand, PlotRefusesWhatTheProgramRefuses) {
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

#include "core/SpectrumFile.h"
#include "TestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace lumivex {
namespace {

using test::MakeSpectrum;
using test::TempDir;

TEST(KindFromPath, MarkersAfterTheFirstCharacterLaterOnesWin) {
  EXPECT_EQ(KindFromPath("/data/quinine.abs.txt"), SpectrumKind::Absorption);
  EXPECT_EQ(KindFromPath("/data/quinine.ems.txt"), SpectrumKind::Emission);
  EXPECT_EQ(KindFromPath("/data/lamp.els.txt"), SpectrumKind::LightSource);
  // The whole path counts, folders included.
  EXPECT_EQ(KindFromPath("/home/labs/notes.txt"), SpectrumKind::Absorption);
  EXPECT_EQ(KindFromPath("/home/gems/sample.abs.txt"), SpectrumKind::Emission);
  EXPECT_EQ(KindFromPath("/models/sample.ems.txt"), SpectrumKind::LightSource);
  // Case-sensitive, and a marker at the very start does not count.
  EXPECT_EQ(KindFromPath("/data/QUININE.ABS.TXT"), SpectrumKind::None);
  EXPECT_EQ(KindFromPath("abs.txt"), SpectrumKind::None);
  EXPECT_EQ(KindFromPath("xabs.txt"), SpectrumKind::Absorption);
  EXPECT_EQ(KindFromPath("abs/abs.txt"), SpectrumKind::Absorption);
  EXPECT_EQ(KindFromPath(""), SpectrumKind::None);
}

TEST(ListText, LongPathsKeepTheirHeadAndTail) {
  const std::string ninety(90, 'p');
  EXPECT_EQ(ListText(ninety), ninety);

  std::string hundred = "/ab";
  for (int i = 0; hundred.size() < 100; ++i) {
    hundred += static_cast<char>('a' + i % 26);
  }
  const std::string listed = ListText(hundred);
  EXPECT_EQ(listed.size(), 91u);
  EXPECT_EQ(listed, "/ab..." + hundred.substr(15));

  // Characters, not bytes: a two-byte character is never cut in half.
  std::string accented;
  for (int i = 0; i < 95; ++i) {
    accented += "\xC3\xA9"; // e with acute accent
  }
  const std::string short_ = ListText(accented);
  EXPECT_EQ(short_.size(), (3 + 85) * 2 + 3);
  EXPECT_EQ(short_.substr(0, 9), "\xC3\xA9\xC3\xA9\xC3\xA9...");
}

// What the C library's "%f %f" scan says of a chunk, with the finite rule on top.
bool LibraryScan(const std::string& chunk, float& x, float& y) {
  return std::sscanf(chunk.c_str(), "%f %f", &x, &y) == 2 && std::isfinite(x) && std::isfinite(y);
}

void ExpectSameAsLibrary(const std::string& chunk) {
  float x = 0.0f;
  float y = 0.0f;
  float expectedX = 0.0f;
  float expectedY = 0.0f;
  const bool expected = LibraryScan(chunk, expectedX, expectedY);
  ASSERT_EQ(ScanDataLine(chunk, x, y), expected) << "chunk '" << chunk << "'";
  if (expected) {
    EXPECT_EQ(std::memcmp(&x, &expectedX, sizeof x), 0) << "chunk '" << chunk << "'";
    EXPECT_EQ(std::memcmp(&y, &expectedY, sizeof y), 0) << "chunk '" << chunk << "'";
  }
}

TEST(ScanDataLine, DecidesAsTheCScanDoes) {
  float x = 0.0f;
  float y = 0.0f;
  ASSERT_TRUE(ScanDataLine("400\t0.1\n", x, y));
  EXPECT_EQ(x, 400.0f);
  EXPECT_EQ(y, 0.1f);
  ASSERT_TRUE(ScanDataLine("  400.5 \t -2e-3 trailing words\r\n", x, y));
  EXPECT_EQ(x, 400.5f);
  EXPECT_EQ(y, -2e-3f);
  EXPECT_FALSE(ScanDataLine("400\n", x, y));
  EXPECT_FALSE(ScanDataLine("Wavelength\tAbsorbance\n", x, y));
  EXPECT_FALSE(ScanDataLine("400,0.1\n", x, y));
  EXPECT_FALSE(ScanDataLine("", x, y));
  // Numbers that are not finite do not make a data line.
  EXPECT_FALSE(ScanDataLine("nan 1\n", x, y));
  EXPECT_FALSE(ScanDataLine("400 inf\n", x, y));
  EXPECT_FALSE(ScanDataLine("400 1e39\n", x, y));

  for (const char* chunk :
       {"1.5-2",      "+5 .5",    "-.5 -0",          "0x10 1",         "1e 2",
        "1e+ 2",      "1.2.3 4",  "400 0.1abc",      "1e5x 2",         "- 5",
        "+-1 2",      ". 5",      "1. 2.",           "400\v0.1",       "1e-50 3",
        "infinity 2", "5 nan(1)", "00012 0000.5000", "3.4028235e38 1", "1.17549435e-38 1.4e-45",
        "7 8 9",      "400\0 0.1"}) {
    ExpectSameAsLibrary(chunk);
  }
}

TEST(ScanDataLine, AgreesWithTheCScanOnRandomText) {
  std::mt19937 random(20261209);
  const std::string alphabet = "0123456789012345.eE+- \t-x,naif";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 14);
  for (int n = 0; n < 20000; ++n) {
    std::string chunk;
    for (int i = length(random); i > 0; --i) {
      chunk += alphabet[pick(random)];
    }
    ExpectSameAsLibrary(chunk);
    if (HasFatalFailure()) {
      return;
    }
  }
}

TEST(ParseSpectrumText, LinesAreJudgedInChunksOf99Characters) {
  std::vector<SpectrumPoint> points;
  // A long header line whose continuation is a data line.
  ParseSpectrumText(std::string(99, 'a') + "400 0.5\n", points);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0], (SpectrumPoint{400.0f, 0.5f}));

  // A pair cut by the chunk boundary is lost; a later pair in the same line is read.
  points.clear();
  ParseSpectrumText(std::string(95, ' ') + "400 0.25\n", points);
  EXPECT_TRUE(points.empty());
  ParseSpectrumText(std::string(97, ' ') + "1 2 3 4\n", points);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0], (SpectrumPoint{2.0f, 3.0f}));

  // CRLF line ends, a missing final line feed and a NUL byte inside a line.
  points.clear();
  ParseSpectrumText(std::string("400 0.1\r\n401 0.2\r\n402\0 0.3\n403 0.4", 35), points);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1], (SpectrumPoint{401.0f, 0.2f}));
  EXPECT_EQ(points[2], (SpectrumPoint{403.0f, 0.4f}));
}

TEST(ReadSpectrumFile, HeadersBlankLinesDirectionStepAndPeak) {
  const TempDir dir;
  const std::string path =
      dir.Write("sample.abs.txt", "Sample absorbance\nnm\tA\n\n400\t0.1\n401\t0.2\n");
  const SpectrumReadResult read = ReadSpectrumFile(path);
  ASSERT_TRUE(read.Ok()) << read.message;
  const CSpectrum& s = read.spectrum;
  EXPECT_EQ(s.m_points.size(), 2u);
  EXPECT_EQ(s.m_kind, SpectrumKind::Absorption);
  EXPECT_EQ(s.m_descending, 0);
  EXPECT_EQ(s.m_xStep, 1.0f);
  EXPECT_EQ(s.m_peakX, 401.0f);
  EXPECT_EQ(s.m_peakY, 0.2f);
  EXPECT_EQ(s.m_filePath, path);

  const std::string down =
      dir.Write("down.ems.txt", "700 0.1\n600 0.5\n500 0.5\n400 0.2\n300 0.0\n");
  const SpectrumReadResult descending = ReadSpectrumFile(down);
  ASSERT_TRUE(descending.Ok());
  EXPECT_EQ(descending.spectrum.m_descending, 1);
  EXPECT_EQ(descending.spectrum.m_xStep, 100.0f);
  EXPECT_EQ(descending.spectrum.m_peakX, 600.0f); // the first of equal maxima
  EXPECT_EQ(descending.spectrum.SmallestX(), 300.0f);
  EXPECT_EQ(descending.spectrum.LargestX(), 700.0f);

  // No positive value: peak 0 without a position.
  const SpectrumReadResult negative =
      ReadSpectrumFile(dir.Write("neg.abs.txt", "400 -1\n401 -2\n"));
  ASSERT_TRUE(negative.Ok());
  EXPECT_EQ(negative.spectrum.m_peakY, 0.0f);
}

TEST(ReadSpectrumFile, RefusesFilesThatCannotBeSpectra) {
  const TempDir dir;
  const SpectrumReadResult missing = ReadSpectrumFile(dir.Path("missing.abs.txt"));
  EXPECT_EQ(missing.status, ReadStatus::CannotOpen);
  EXPECT_NE(missing.message.find("missing.abs.txt"), std::string::npos);

  const std::string onePoint = dir.Write("one.abs.txt", "header\n400 0.1\n");
  const SpectrumReadResult one = ReadSpectrumFile(onePoint);
  EXPECT_EQ(one.status, ReadStatus::TooFewPoints);
  EXPECT_NE(one.message.find("fewer than two"), std::string::npos);
  EXPECT_NE(one.message.find(onePoint), std::string::npos);
  EXPECT_EQ(ReadSpectrumFile(dir.Write("empty.abs.txt", "")).status, ReadStatus::TooFewPoints);

  const SpectrumReadResult flat = ReadSpectrumFile(dir.Write("flat.abs.txt", "400 1\n400 2\n"));
  EXPECT_EQ(flat.status, ReadStatus::ZeroStep);
  EXPECT_NE(flat.message.find("equal"), std::string::npos);

  EXPECT_EQ(ReadSpectrumFile(dir.Path("")).status, ReadStatus::CannotOpen); // a folder
}

// Appends `text` to the file at `path` after extending it with a hole to `size` bytes.
// False when the file system cannot hold a file that large.
bool AppendAfterHole(const std::string& path, std::uintmax_t size, const std::string& text) {
  std::error_code error;
  std::filesystem::resize_file(path, size, error);
  if (error) {
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << text;
  return static_cast<bool>(out.flush());
}

TEST(ReadSpectrumFile, ATerabyteOfHolesIsPassedOverNotReservedFor) {
  const TempDir dir;
  const std::string empty = dir.Write("holes.abs.txt", "");
  if (!AppendAfterHole(empty, std::uintmax_t{1} << 40, "")) {
    GTEST_SKIP() << "the file system holds no file of 1 TiB";
  }
  EXPECT_EQ(ReadSpectrumFile(empty).status, ReadStatus::TooFewPoints);

  const std::string framed = dir.Write("framed.abs.txt", "400 1\n401 2\n");
  ASSERT_TRUE(AppendAfterHole(framed, std::uintmax_t{1} << 40, "\n402 3\n"));
  const SpectrumReadResult read = ReadSpectrumFile(framed);
  ASSERT_TRUE(read.Ok()) << read.message;
  EXPECT_EQ(read.spectrum.m_points,
            (std::vector<SpectrumPoint>{{400.0f, 1.0f}, {401.0f, 2.0f}, {402.0f, 3.0f}}));
}

TEST(ReadSpectrumFile, PassingOverAHoleFindsThePointsOfItsZeros) {
  // The first block ends in an unfinished line, which runs on into the hole's zeros; the
  // hole is no whole number of chunks long and ends in a line feed.
  std::string head;
  while (head.size() < (1u << 18) - 100) {
    head += "500 0.5\n";
  }
  head.append((1u << 18) - 5 - head.size(), '\n');
  head += "402 3";
  const std::string tail = "\n403 4\n404 5";
  const std::size_t hole = (3u << 20) + 17;
  const TempDir dir;
  const std::string path = dir.Write("sparse.abs.txt", head);
  ASSERT_TRUE(AppendAfterHole(path, head.size() + hole, tail));

  std::vector<SpectrumPoint> expected;
  ParseSpectrumText(head + std::string(hole, '\0') + tail, expected);
  ASSERT_EQ(expected.back(), (SpectrumPoint{404.0f, 5.0f}));
  std::vector<SpectrumPoint> points;
  ASSERT_TRUE(ReadSpectrumPoints(path, points).ok);
  EXPECT_EQ(points, expected);
}

TEST(ReadSpectrumFile, PointsCanBeReadUpToALimit) {
  const TempDir dir;
  const std::string path = dir.Write("long.abs.txt", "400 1\nnote\n401 2\n402 3\n");
  const std::vector<SpectrumPoint> all{{400.0f, 1.0f}, {401.0f, 2.0f}, {402.0f, 3.0f}};
  for (std::size_t limit = 0; limit <= 4; ++limit) {
    std::vector<SpectrumPoint> points;
    ASSERT_TRUE(ReadSpectrumPoints(path, points, limit).ok);
    const auto end = all.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(limit, 3));
    EXPECT_EQ(points, std::vector<SpectrumPoint>(all.begin(), end)) << limit;
  }
}

TEST(SpectrumReadText, LeavesTheSpectrumUntouchedOnFailure) {
  const TempDir dir;
  CSpectrum s = MakeSpectrum(300.0f, 2.0f, 4, [](float x) { return x; });
  const CSpectrum before = s;
  EXPECT_FALSE(s.ReadText(dir.Path("none.abs.txt")));
  EXPECT_FALSE(s.ReadText(dir.Write("one.abs.txt", "1 2\n")));
  EXPECT_EQ(s.m_points, before.m_points);
  EXPECT_EQ(s.m_xStep, 2.0f);

  // A path without kind reads with kind None and keeps the peak fields as they were.
  ASSERT_TRUE(s.ReadText(dir.Write("plain.txt", "500 1\n499 3\n")));
  EXPECT_EQ(s.m_kind, SpectrumKind::None);
  EXPECT_EQ(s.m_descending, 1);
  EXPECT_EQ(s.m_points.size(), 2u);
  EXPECT_EQ(s.m_peakY, before.m_peakY);

  ASSERT_TRUE(s.ReadText(dir.Write("light.els.txt", "500 1\n501 3\n")));
  EXPECT_EQ(s.m_kind, SpectrumKind::LightSource);
  EXPECT_EQ(s.m_peakY, 3.0f);
}

std::string PrintfLine(float x, float y) {
  char line[512];
  std::snprintf(line, sizeof line, "%4.3f         %.12f\n", static_cast<double>(x),
                static_cast<double>(y));
  return line;
}

TEST(FormatSpectrumText, MatchesPrintfToTheByte) {
  CSpectrum s;
  s.m_points = {{250.0f, 0.5f}};
  EXPECT_EQ(FormatSpectrumText(s), "250.000         0.500000000000\n");

  // Shift, negative values, ties at the last decimal, tiny and huge values.
  s.m_points = {{0.0625f, 0.0625f},
                {0.0005f, -0.0f},
                {-3.0f, -1.5e-13f},
                {1.0e20f, 3.4e38f},
                {9.9995f, 1.0f},
                {2.5e-4f, 5.0e-13f},
                {1.17549435e-38f, 1e-45f},
                {8388607.5f, 9.0e6f},
                {1.0e7f, -1.0e7f},
                // Exact ties at the last printed decimal round to even, as printf does.
                {0.0005f, 0x1p-13f},
                {0.0015f, 3 * 0x1p-13f},
                {1.0625f, 0x1p-40f}};
  s.m_xShift = 0.25f;
  std::string expected;
  for (const SpectrumPoint& p : s.m_points) {
    expected += PrintfLine(p.x + s.m_xShift, p.y);
  }
  EXPECT_EQ(FormatSpectrumText(s), expected);

  std::mt19937 random(7);
  std::uniform_int_distribution<std::uint32_t> bits(0, 0x7f7fffffu);
  s.m_xShift = 0.0f;
  s.m_points.clear();
  expected.clear();
  for (int i = 0; i < 5000; ++i) {
    std::uint32_t xb = bits(random) % 0x4f000000u; // up to about 2e9
    std::uint32_t yb = bits(random) | (i % 2 ? 0x80000000u : 0u);
    float x = 0.0f;
    float y = 0.0f;
    std::memcpy(&x, &xb, sizeof x);
    std::memcpy(&y, &yb, sizeof y);
    s.m_points.push_back({x, y});
    expected += PrintfLine(x, y);
  }
  EXPECT_EQ(FormatSpectrumText(s), expected);
}

TEST(SpectrumWriteText, RoundTripThroughTheReader) {
  const TempDir dir;
  CSpectrum s =
      MakeSpectrum(700.0f, -0.5f, 200, [](float x) { return std::sin(x / 17.0f) * 1234.56789f; });
  s.m_xShift = 1.25f;
  const std::string path = dir.Path("round.ems.txt");
  ASSERT_TRUE(s.WriteText(path));
  const SpectrumReadResult back = ReadSpectrumFile(path);
  ASSERT_TRUE(back.Ok());
  ASSERT_EQ(back.spectrum.m_points.size(), s.m_points.size());
  for (std::size_t i = 0; i < s.m_points.size(); ++i) {
    const SpectrumPoint& written = s.m_points[i];
    const SpectrumPoint& read = back.spectrum.m_points[i];
    EXPECT_EQ(read.x, written.x + s.m_xShift);
    // Twelve decimals keep every float of this size exactly.
    EXPECT_EQ(read.y, written.y);
  }
  EXPECT_EQ(back.spectrum.m_descending, 1);
  EXPECT_EQ(back.spectrum.m_xStep, 0.5f);

  // Writing again replaces the file rather than appending to it.
  s.m_points.resize(3);
  ASSERT_TRUE(s.WriteText(path));
  EXPECT_EQ(ReadSpectrumFile(path).spectrum.m_points.size(), 3u);

  const WriteResult failed = WriteSpectrumFile(s, dir.Path("no/such/folder/x.abs.txt"));
  EXPECT_FALSE(failed.ok);
  EXPECT_NE(failed.message.find("x.abs.txt"), std::string::npos);
  EXPECT_FALSE(s.WriteText(dir.Path("no/such/folder/x.abs.txt")));
}

} // namespace
} // namespace lumivex

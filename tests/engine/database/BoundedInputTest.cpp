// Inputs that claim or hold far more than the program should take on: each is read in
// bounded time and memory, and refused with a message where it goes beyond a limit.
#include "TestSupport.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "database/DatabaseListing.h"
#include "database/DatabaseRecord.h"
#include "database/Dib.h"
#include "output/HtmlReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

namespace lumivex {
namespace {

using test::TempDir;

std::string Lines(int count) {
  std::string text = "wavelength absorbance\n";
  for (int i = 0; i < count; ++i) {
    text += std::to_string(300 + i) + " 0.5\n";
  }
  return text;
}

TEST(BoundedInput, ASpectrumBeyondThePointLimitIsRefusedNamingTheLimitAndTheFile) {
  const TempDir dir;
  struct Case {
    int lines;
    std::size_t limit;
    ReadStatus status;
  };
  for (const Case& c : {Case{10, 10, ReadStatus::Ok}, Case{11, 10, ReadStatus::TooManyPoints},
                        Case{100000, 2, ReadStatus::TooManyPoints}}) {
    const std::string path = dir.Write("long file.abs.txt", Lines(c.lines));
    const SpectrumReadResult read = ReadSpectrumFile(path, c.limit);
    EXPECT_EQ(read.status, c.status) << c.lines << " lines";
    if (c.status == ReadStatus::Ok) {
      EXPECT_EQ(read.spectrum.m_points.size(), c.limit);
    } else {
      EXPECT_NE(read.message.find("more than " + std::to_string(c.limit)), std::string::npos);
      EXPECT_NE(read.message.find(path), std::string::npos);
      EXPECT_TRUE(read.spectrum.m_points.empty());
    }
  }
}

TEST(BoundedInput, RandomBytesNamedAsASpectrumGiveAtMostOnePointALine) {
  const TempDir dir;
  std::mt19937 random(7);
  std::string bytes(1 << 20, '\0');
  for (char& byte : bytes) {
    byte = static_cast<char>(random());
  }
  const std::string path = dir.Write("noise.abs.txt", bytes);
  const SpectrumReadResult read = ReadSpectrumFile(path);
  // Every point comes from its own chunk, which ends at a line feed or after 99 bytes.
  const std::size_t chunks =
      static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
      bytes.size() / kChunkBytes + 1;
  EXPECT_LE(read.spectrum.m_points.size(), chunks);
  EXPECT_TRUE(read.Ok() || read.message.find(path) != std::string::npos);
}

TEST(BoundedInput, ADatabaseThatClaimsTwoBillionRecordsIsVisitedAsFarAsItHoldsRecords) {
  std::string text = "[Spectra]\nNumber = 2000000000\n\n";
  DatabaseRecord record;
  record.absName = "Perylene";
  WriteRecord(text, 1, record);
  record.absName = "Anthracene";
  WriteRecord(text, 2, record);
  const CProfileFile database = CProfileFile::Parse(text);
  EXPECT_EQ(HeaderRecordCount(database), 2000000000);
  EXPECT_EQ(RecordCount(database), 2);
  const DatabaseListing listing = ListRecords(database);
  EXPECT_EQ(listing.entries.size(), 2u);
}

TEST(BoundedInput, ABitmapWhoseHeaderClaimsSixtyThousandSquaredPixelsIsRefused) {
  std::string bytes = "BM";
  const auto put = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
      bytes += static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
  };
  put(54 + 16, 4);
  put(0, 4);
  put(54, 4);
  for (const std::uint32_t value : {40u, 60000u, 60000u}) {
    put(value, 4);
  }
  put(1, 2);
  put(24, 2);
  for (int i = 0; i < 6; ++i) {
    put(0, 4);
  }
  bytes.append(16, '\x7f');
  EXPECT_FALSE(DecodeDib(bytes).has_value());
  CDib dib;
  const FileStatus loaded = dib.LoadFromBytes(bytes);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message, kInvalidBitmapFile);
  EXPECT_FALSE(dib.IsAttached());
}

TEST(BoundedInput, AReportTemplateOfManyPlaceholdersFillsEachPieceOnce) {
  constexpr int kPlaceholders = 200000;
  std::string templateText;
  for (int i = 0; i < kPlaceholders; ++i) {
    templateText += "i_n_p_u_t_1_";
  }
  ReportValues values;
  values.texts.assign(2, std::string(kReportTextLength, '<'));
  values.numbers.assign(4, 1.0f);
  const std::string report = FillReport(templateText, values);
  // A piece of 299 characters takes one text of at most 299 characters escaped ("&lt;" for
  // "<"), so the report grows by a bounded factor, not by one text per placeholder.
  const std::size_t pieces = TemplateChunks(templateText).size();
  EXPECT_LE(report.size(),
            ReportHeader().size() + templateText.size() + pieces * 4 * kReportTextLength);
  EXPECT_GT(report.size(), templateText.size());
}

} // namespace
} // namespace lumivex

// File names as users give them: blanks, quotation marks, letters beyond ASCII, a name of
// the longest length a file name may have and a deeply nested folder. Each is written and
// read back by the spectrum files, the database files and the reports.
#include "TestSupport.h"
#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "database/DatabaseListing.h"
#include "database/DatabaseRecord.h"
#include "output/HtmlReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::TempDir;

struct NamedPlace {
  const char* what;
  std::string folder; ///< below the test's folder, "" for the folder itself
  std::string name;   ///< the file's name without its ending
};

std::vector<NamedPlace> Places() {
  std::string deep;
  for (int level = 0; level < 12; ++level) {
    deep += std::string(80, static_cast<char>('a' + level)) + "/";
  }
  return {
      {"blanks", "my spectra", "perylene in toluene"},
      {"quotation marks", "the \"best\" data", "it's 'quoted'"},
      {"letters beyond ASCII", "Spektren für Jörg", "Pérylène λ 436 ñ 化合物"},
      {"a name of 245 bytes", "", std::string(237, 'n') + "ä"},
      {"a folder path of 972 bytes", deep, "deep"},
  };
}

TEST(FileNames, SpectraDatabasesAndReportsWorkUnderEveryKindOfName) {
  for (const NamedPlace& place : Places()) {
    SCOPED_TRACE(place.what);
    const TempDir dir;
    const std::string folder = dir.Path(place.folder);
    std::filesystem::create_directories(folder);
    const std::string stem = (folder.ends_with('/') ? folder : folder + "/") + place.name;

    const std::string spectrumPath = stem + ".abs.txt";
    const CSpectrum spectrum = test::MakeSpectrum(400.0f, 1.0f, 5, [](float x) { return x / 100; });
    ASSERT_TRUE(WriteSpectrumFile(spectrum, spectrumPath).ok);
    const SpectrumReadResult read = ReadSpectrumFile(spectrumPath);
    ASSERT_TRUE(read.Ok()) << read.message;
    EXPECT_EQ(read.spectrum.m_points, spectrum.m_points);
    EXPECT_EQ(read.spectrum.m_kind, SpectrumKind::Absorption);
    EXPECT_EQ(read.spectrum.m_filePath, spectrumPath);

    const std::string databasePath = stem + ".db";
    DatabaseRecord record;
    record.absName = place.name;
    record.absFile = place.name + ".abs.txt";
    ASSERT_TRUE(AppendRecord(databasePath, true, record).ok);
    ASSERT_TRUE(AppendRecord(databasePath, false, record).ok);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(databasePath, text).ok);
    const CProfileFile database = CProfileFile::Parse(text);
    EXPECT_EQ(ListRecords(database).entries.size(), 2u);
    const std::string folderOfDatabase = DatabaseFolder(databasePath);
    EXPECT_EQ(RecordFilePath(folderOfDatabase, ReadRecord(database, 2).absFile), spectrumPath);

    const std::string reportPath = stem + ".html";
    ASSERT_TRUE(WriteFileAtomically(reportPath, "<html></html>").ok);
    const std::filesystem::path picture(ReportPicturePath(reportPath));
    EXPECT_EQ(picture.parent_path(), std::filesystem::path(reportPath).parent_path());

    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    const std::string name = std::filesystem::path(stem).filename().string();
    EXPECT_EQ(left, (std::vector<std::string>{name + ".abs.txt", name + ".db", name + ".html"}));
  }
}

} // namespace
} // namespace lumivex

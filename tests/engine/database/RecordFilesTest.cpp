#include "database/RecordFiles.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// The names in a folder, sorted: what a user would see in it.
std::vector<std::string> Listing(const TempDir& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.Path(""))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class RecordFilesTest : public ::testing::Test {
protected:
  RecordFilesTest() { record.absName = "Eosin Y"; }

  AddRecordResult Add(const std::vector<RecordFile>& files,
                      ExistingFile existing = ExistingFile::Replace, bool create = false) {
    return AddRecordWithFiles(db, dir.Path(""), create, record, files, existing);
  }

  TempDir dir;
  TempDir elsewhere;
  std::string db = dir.Path("dyes.db");
  DatabaseRecord record;
};

TEST_F(RecordFilesTest, AFileInTheDatabaseFolderStaysAndOthersAreCopiedBesideIt) {
  const std::string inside = dir.Write("eosin.ems.txt", "520 1\n521 2\n");
  const std::string outside = elsewhere.Write("eosin.abs.txt", "500 0.1\n501 0.2\n");
  // The same folder written another way is still the database folder.
  const std::string insideOtherwise = dir.Path("") + "./eosin.ems.txt";

  const AddRecordResult added =
      Add({{outside, "eosin.abs.txt"}, {insideOtherwise, "eosin.ems.txt"}}, ExistingFile::Replace,
          true);
  ASSERT_TRUE(added.ok) << added.message;
  EXPECT_EQ(added.copied, std::vector<std::string>{dir.Path("eosin.abs.txt")});
  EXPECT_EQ(TempDir::Read(dir.Path("eosin.abs.txt")), "500 0.1\n501 0.2\n");
  EXPECT_EQ(TempDir::Read(inside), "520 1\n521 2\n");
  EXPECT_EQ(TempDir::Read(outside), "500 0.1\n501 0.2\n");
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"dyes.db", "eosin.abs.txt", "eosin.ems.txt"}));
  EXPECT_NE(TempDir::Read(db).find("Name = Eosin Y\n"), std::string::npos);
}

TEST_F(RecordFilesTest, AFileOfTheSameNameIsReplacedOrRefusedAsAsked) {
  dir.Write("dye.abs.txt", "old\n");
  const std::string chosen = elsewhere.Write("dye.abs.txt", "new\n");

  const AddRecordResult refused = Add({{chosen, "dye.abs.txt"}}, ExistingFile::Refuse);
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.fileFailed);
  EXPECT_NE(refused.message.find("already exists"), std::string::npos) << refused.message;
  EXPECT_EQ(TempDir::Read(dir.Path("dye.abs.txt")), "old\n");
  EXPECT_FALSE(fs::exists(db));

  const AddRecordResult replaced = Add({{chosen, "dye.abs.txt"}}, ExistingFile::Replace);
  ASSERT_TRUE(replaced.ok) << replaced.message;
  EXPECT_EQ(TempDir::Read(dir.Path("dye.abs.txt")), "new\n");
}

TEST_F(RecordFilesTest, AFileThatCannotBeCopiedLeavesDatabaseAndFolderAsTheyWere) {
  const std::string good = elsewhere.Write("a.abs.txt", "1 1\n2 2\n");
  fs::create_directories(elsewhere.Path("folder.ems.txt"));
  const std::vector<std::vector<RecordFile>> failing{
      {{good, "a.abs.txt"}, {elsewhere.Path("missing.ems.txt"), "missing.ems.txt"}},
      {{good, "a.abs.txt"}, {elsewhere.Path("folder.ems.txt"), "folder.ems.txt"}},
      {{good, "a.abs.txt"}, {elsewhere.Write("b/a.abs.txt", "other\n"), "a.abs.txt"}},
  };
  dir.Write("dyes.db", "[Spectra]\nNumber = 0\n");
  const std::vector<std::string> before = Listing(dir);
  for (const std::vector<RecordFile>& files : failing) {
    const AddRecordResult added = Add(files);
    EXPECT_FALSE(added.ok) << files.back().source;
    EXPECT_TRUE(added.fileFailed) << files.back().source;
    EXPECT_NE(added.message.find(files.back().source), std::string::npos) << added.message;
    EXPECT_NE(added.message.find("Nothing was written."), std::string::npos) << added.message;
    EXPECT_TRUE(added.copied.empty());
    EXPECT_EQ(Listing(dir), before) << files.back().source;
    EXPECT_EQ(TempDir::Read(db), "[Spectra]\nNumber = 0\n");
  }
}

TEST_F(RecordFilesTest, FilesWithoutNameAreNotPlacedAndTheSameFileTwiceIsCopiedOnce) {
  const std::string chosen = elsewhere.Write("both.txt", "1 1\n2 2\n");
  const AddRecordResult added =
      Add({{elsewhere.Path("typed-only.txt"), ""}, {chosen, "both.txt"}, {chosen, "both.txt"}});
  ASSERT_TRUE(added.ok) << added.message;
  EXPECT_EQ(added.copied, std::vector<std::string>{dir.Path("both.txt")});
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"both.txt", "dyes.db"}));
}

} // namespace
} // namespace lumivex

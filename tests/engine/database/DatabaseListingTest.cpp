#include "database/DatabaseListing.h"

#include "core/ProfileFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumivex {
namespace {

// Five records; record 3 has a class but no name.
const CProfileFile kDatabase = CProfileFile::Parse("[Spectra]\nNumber = 5\n\n"
                                                   "[1 Absorption]\nName = beta\nClass = Dye\n"
                                                   "[2 Absorption]\nName = Delta\nClass = PAH\n"
                                                   "[3 Absorption]\nClass = dye\n"
                                                   "[4 Absorption]\nName = alpha\nClass = DYE\n"
                                                   "[5 Absorption]\nName = Gamma\nClass = pah\n");

std::vector<int> Records(const std::vector<DatabaseListEntry>& entries) {
  std::vector<int> records;
  for (const DatabaseListEntry& entry : entries) {
    records.push_back(entry.record);
  }
  return records;
}

TEST(DatabaseListing, FillingEndsAtTheFirstNamelessRecordAndReportsTheRecordCount) {
  const DatabaseListing listing = ListRecords(kDatabase);
  EXPECT_EQ(Records(listing.entries), (std::vector<int>{1, 2}));
  EXPECT_EQ(listing.entries[1].name, "Delta");
  EXPECT_EQ(listing.total, 5);
}

TEST(DatabaseListing, SortingByNameIgnoresLetterCaseAndKeepsEqualNamesInOrder) {
  std::vector<DatabaseListEntry> entries{
      {"beta", 1}, {"Delta", 2}, {"alpha", 3}, {"Beta", 4}, {"ALPHA", 5}};
  SortByName(entries);
  EXPECT_EQ(Records(entries), (std::vector<int>{3, 5, 1, 4, 2}));
}

TEST(DatabaseListing, ClassesAreDistinctIgnoringCaseInTheirFirstSpelling) {
  EXPECT_EQ(RecordClasses(kDatabase), (std::vector<std::string>{"Dye", "PAH"}));
}

TEST(DatabaseListing, ClassListingGoesOverEveryRecordGroupedInTheChosenOrder) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<int>>> cases{
      {{"dye"}, {1, 3, 4}},
      {{"PAH", "Dye"}, {2, 5, 1, 3, 4}},
      {{"Dye", "DYE"}, {1, 3, 4}},
      {{"Solvent"}, {}},
  };
  for (const auto& [chosen, records] : cases) {
    SCOPED_TRACE(chosen.front());
    const DatabaseListing listing = ListClasses(kDatabase, chosen);
    EXPECT_EQ(Records(listing.entries), records);
    EXPECT_EQ(listing.total, static_cast<int>(records.size()));
  }
  EXPECT_EQ(ListClasses(kDatabase, {"dye"}).entries[1].name, "");
}

} // namespace
} // namespace lumivex

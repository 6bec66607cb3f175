#include "database/DatabaseListing.h"

#include "database/DatabaseRecord.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <iterator>
#include <unordered_map>
#include <utility>

namespace lumivex {

namespace {

std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

std::string RecordValue(const CProfileFile& database, int record, const char* key,
                        const char* defaultValue) {
  return database.GetString(RecordSectionName(record, RecordSection::Absorption), key, defaultValue,
                            kLocateBuffer);
}

// Orders texts by their folded form; equal ones keep their order. Each text is folded once.
template <typename T, typename TextOf>
void StableSortIgnoringCase(std::vector<T>& items, TextOf textOf) {
  std::vector<std::pair<std::string, T>> keyed;
  keyed.reserve(items.size());
  for (T& item : items) {
    keyed.emplace_back(Folded(textOf(item)), std::move(item));
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i] = std::move(keyed[i].second);
  }
}

} // namespace

DatabaseListing ListRecords(const CProfileFile& database) {
  DatabaseListing listing;
  listing.total = HeaderRecordCount(database);
  const int count = RecordCount(database);
  for (int record = 1; record <= count; ++record) {
    std::string name = RecordValue(database, record, "Name", "empty");
    if (name == "empty") {
      break;
    }
    listing.entries.push_back({std::move(name), record});
  }
  return listing;
}

void SortByName(std::vector<DatabaseListEntry>& entries) {
  StableSortIgnoringCase(entries, [](const DatabaseListEntry& entry) { return entry.name; });
}

std::vector<std::string> RecordClasses(const CProfileFile& database) {
  const int count = RecordCount(database);
  std::vector<std::string> classes;
  std::unordered_map<std::string, std::size_t> seen;
  for (int record = 1; record <= count; ++record) {
    std::string value = RecordValue(database, record, "Class", "");
    if (seen.emplace(Folded(value), classes.size()).second) {
      classes.push_back(std::move(value));
    }
  }
  StableSortIgnoringCase(classes, [](const std::string& text) { return text; });
  return classes;
}

DatabaseListing ListClasses(const CProfileFile& database, const std::vector<std::string>& chosen) {
  std::unordered_map<std::string, std::size_t> group;
  for (std::size_t c = 0; c < chosen.size(); ++c) {
    group.emplace(Folded(chosen[c]), c);
  }
  std::vector<std::vector<DatabaseListEntry>> groups(chosen.size());
  const int count = RecordCount(database);
  for (int record = 1; record <= count; ++record) {
    const auto found = group.find(Folded(RecordValue(database, record, "Class", "")));
    if (found != group.end()) {
      groups[found->second].push_back({RecordValue(database, record, "Name", ""), record});
    }
  }
  DatabaseListing listing;
  for (std::vector<DatabaseListEntry>& entries : groups) {
    std::move(entries.begin(), entries.end(), std::back_inserter(listing.entries));
  }
  listing.total = static_cast<int>(listing.entries.size());
  return listing;
}

} // namespace lumivex

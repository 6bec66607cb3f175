#pragma once

#include "core/ProfileFile.h"

#include <string>
#include <vector>

namespace lumivex {

/// One list entry: the record's name and its record number.
struct DatabaseListEntry {
  std::string name;
  int record = 0;

  bool operator==(const DatabaseListEntry&) const = default;
};

/// A listing of database records by name, and the total it reports.
struct DatabaseListing {
  std::vector<DatabaseListEntry> entries;
  int total = 0;
};

/// The records from number 1 on, up to the first record without a name (or named
/// "empty"), which ends the list. The total is the header's record count, even when the
/// list ends early.
[[nodiscard]] DatabaseListing ListRecords(const CProfileFile& database);

/// "Alphabetical": orders the entries by name without regard to letter case, equal names
/// keeping their order.
void SortByName(std::vector<DatabaseListEntry>& entries);

/// The distinct classes of all records (letter case ignored, the first spelling kept),
/// sorted without regard to letter case. An empty class is a class like any other.
[[nodiscard]] std::vector<std::string> RecordClasses(const CProfileFile& database);

/// "Classes": the records whose class is one of `chosen` (letter case ignored), grouped by
/// class in the order of `chosen` and by record number within a class. Every record counts:
/// one without a name is listed with an empty name. A record matches its first chosen
/// class only. The total is the number listed.
[[nodiscard]] DatabaseListing ListClasses(const CProfileFile& database,
                                          const std::vector<std::string>& chosen);

} // namespace lumivex

#pragma once

#include "database/DatabaseRecord.h"

#include <string>
#include <vector>

namespace lumivex {

/// A file that a new record names: where it is now, and the bare file name under which it
/// lies in the database folder, which is the name the record stores.
struct RecordFile {
  std::string source;
  std::string name;
};

/// What to do with a file of the same name that already lies in the database folder.
enum class ExistingFile {
  Replace, ///< the chosen file takes its place
  Refuse,  ///< nothing is written and the failure says so
};

/// The outcome of adding a record with its files.
struct AddRecordResult {
  bool ok = false;
  /// The failure lies with one of the files (missing, unreadable, in the way, not
  /// copyable): neither the database nor the folder was changed.
  bool fileFailed = false;
  std::string message;             ///< why it failed, naming the file; empty on success
  std::vector<std::string> copied; ///< the paths of the files copied into the folder
};

/// Appends `record` to the database at `databasePath` (a new database with `create`) and
/// places the files it names in the database folder `folder` (the path up to and including
/// the separator before the database's name).
///
/// A file whose name is empty names nothing and is skipped. A file that already is the
/// folder's file of that name (the same file, however its path is written) is not copied;
/// every other file is copied to `folder` + name. The step is all or nothing: the copies are
/// made beside their targets under temporary names first, then the record is appended, and
/// only then do the copies take their names. So a file that cannot be read or copied leaves
/// the database and the folder as they were, and so does a database that cannot be
/// written. Two different files that would take the same name are refused.
[[nodiscard]] AddRecordResult AddRecordWithFiles(const std::string& databasePath,
                                                 const std::string& folder, bool create,
                                                 const DatabaseRecord& record,
                                                 const std::vector<RecordFile>& files,
                                                 ExistingFile existing);

} // namespace lumivex

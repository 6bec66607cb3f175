#pragma once

#include "core/AtomicFile.h"
#include "core/ProfileFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// The 28 values of one spectral database record: 25 texts and 3 floats, named by section
/// prefix (abs, ems, ls) and key.
struct DatabaseRecord {
  std::string absName;
  std::string absClass;
  std::string absInstrument;
  std::string absSolvent;
  float absEpsilon = 0.0f;
  float absWavelength = 0.0f;
  std::string absReference;
  std::string absDate;
  std::string absFile;
  std::string absInv;
  std::string absStructure;
  std::string emsInstrument;
  std::string emsSolvent;
  float emsQuantumYield = 0.0f;
  std::string emsReference;
  std::string emsDate;
  std::string emsFile;
  std::string emsInv;
  std::string emsProvided;
  std::string emsNotes;
  std::string lsFile;
  std::string lsCloud;
  std::string lsDate;
  std::string lsInstrument;
  std::string lsInv;
  std::string lsLocation;
  std::string lsRef;
  std::string lsTime;

  bool operator==(const DatabaseRecord&) const = default;
};

/// The three sections of a record.
enum class RecordSection { Absorption = 0, Emission = 1, LightSource = 2 };

/// The section a spectrum kind code of the database hand-over names: 0 Absorption,
/// 1 Emission, any other value LightSource.
[[nodiscard]] RecordSection SectionOfKind(int kind);

/// The name of a record's section: the number in decimal, a blank and the kind word.
[[nodiscard]] std::string RecordSectionName(int number, RecordSection section);

/// Values read by LoadCurrentRecord keep at most 899 characters.
inline constexpr std::size_t kRecordBuffer = 900;
/// Names, classes and file names read to list, sort or locate keep at most 89 characters.
inline constexpr std::size_t kLocateBuffer = 90;

/// Notes are the one multi-line value. So that a value stays one line (and a note line
/// starting with "[" never opens a section), notes are stored escaped: a backslash as two
/// backslashes, a line feed as backslash-n, a carriage return as backslash-r. Reading
/// turns them back; any other backslash is kept as it stands.
[[nodiscard]] std::string EscapeNotes(std::string_view notes);
[[nodiscard]] std::string UnescapeNotes(std::string_view stored);

/// The record's 28 keys in writing order, each with its section and its stored text (floats
/// as "%f", notes escaped, line breaks in other texts turned into blanks).
[[nodiscard]] std::vector<ProfileEdit> RecordEntries(int number, const DatabaseRecord& record);

/// Sets the value of `key` (letter case ignored) in `section` from its text: a float key
/// takes the scanned number. False, changing nothing, for an unknown key or a float key
/// whose text is not a number.
bool SetRecordValue(DatabaseRecord& record, RecordSection section, std::string_view key,
                    std::string_view text);

/// Appends the three sections of record `number` to `out`, each line "Key = value" ended by
/// a line feed, and one empty line after the record.
void WriteRecord(std::string& out, int number, const DatabaseRecord& record);

/// Reads record `number`: texts cut to 899 characters ("" when missing), floats scanned
/// from their text (0 when missing or not a number).
[[nodiscard]] DatabaseRecord ReadRecord(const CProfileFile& database, int number);

/// The count the header claims: key "Number" of section "Spectra", 0 when missing. It is
/// what the file says, not what it holds; loop and allocate by RecordCount.
[[nodiscard]] int HeaderRecordCount(const CProfileFile& database);

/// The records to visit: the header's count, lowered to the highest record number that has
/// a section in the file, and never above the file's number of sections. So a loop from 1
/// to the count never runs longer than the file is, whatever the header claims; records
/// missing inside that range (gaps) read as empty records.
[[nodiscard]] int RecordCount(const CProfileFile& database);

/// Whether any of the three sections of record `number` stands in the file.
[[nodiscard]] bool HasRecordSections(const CProfileFile& database, int number);

/// The "File" value of one section of a record, cut to 89 characters.
[[nodiscard]] std::string RecordFileValue(const CProfileFile& database, int number,
                                          RecordSection section);

/// The sum of 1, 2 and 4 for an empty Absorption, Emission and LightSource "File" value.
[[nodiscard]] int MissingSpectrumFiles(const CProfileFile& database, int number);

/// A record's file reference resolved against the database folder (plain concatenation).
[[nodiscard]] std::string RecordFilePath(const std::string& folder, const std::string& value);

/// The database folder: the path without its file name, so it keeps the separator before
/// the name. (Cutting at the first occurrence of the name would go wrong when the name also
/// stands earlier in the path, as in "/data/dyes/dyes".)
[[nodiscard]] std::string DatabaseFolder(const std::string& path);

/// Appends `record` to the database file as its next record and brings the header count
/// up to date in its own line; every other line of the file stays as it was. With `create`
/// the file starts a new database; a file without a count (missing, empty or not yet a
/// database) starts with the header, the record numbered 1 and then whatever it held. The
/// new text is built whole and replaces the file atomically: on failure the old file stays
/// as it was and the status says why.
///
/// Refused, with the file untouched: a count at the integer limit (no next number); a
/// count the file does not bear out (RecordCount below the header's count), since a
/// record numbered after it could not be reached; and a next number whose sections
/// already stand in the file, since their keys would win over the new record's.
[[nodiscard]] FileStatus AppendRecord(const std::string& path, bool create,
                                      const DatabaseRecord& record);

/// Writes the 28 values of `record` in place into record `number` of the database, in one
/// atomic write. Refused, with the file untouched, when `number` is not a record of the
/// file (below 1 or above its count).
[[nodiscard]] FileStatus RewriteRecord(const std::string& path, int number,
                                       const DatabaseRecord& record);

/// The two master databases.
enum class MasterDatabase { Molecule, Solar };

/// The master database's path below the program's folder (with or without a trailing
/// separator): "Molecule Database/MOLECULE_db.db" or "Solar Database/SOLAR_db.db".
[[nodiscard]] std::string MasterDatabasePath(const std::string& programFolder, MasterDatabase kind);

/// The first existing master database file: beside the program, then in the installed
/// data folder programFolder/../share/lumivex/. Empty when neither exists.
[[nodiscard]] std::string FindMasterDatabase(const std::string& programFolder, MasterDatabase kind);

} // namespace lumivex

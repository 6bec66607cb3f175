#pragma once

#include "database/DatabaseRecord.h"

#include <string>

namespace lumivex {

/// The database the program works with: the file the database list window shows, the
/// record last chosen there, and the record of the spectrum last looked at. Commands and the
/// database list window read and change the database only through it.
class CDatabaseSession {
public:
  /// Makes `path` the current database, kept absolute so that the record files and pictures
  /// it leads to are found from any working directory.
  void Open(const std::string& path);
  /// Loads record `number` of the current database into m_record and makes it current.
  void LoadRecord(int number);
  /// The path of the spectrum file that `record` names in `section`.
  [[nodiscard]] std::string RecordSpectrumPath(int record, RecordSection section) const;
  /// Which spectra `record` lacks: 1 absorption, 2 emission, 4 light source.
  [[nodiscard]] int MissingSpectrumFiles(int record) const;

  std::string m_databaseFolder; ///< the database's folder, with a trailing separator
  std::string m_databasePath;
  /// The spectrum file the last opening of a record's spectrum read.
  std::string m_databaseSpectrumPath;
  int m_databaseRecord = 0; ///< the record last chosen in the database list window
  int m_currentRecord = 0;  ///< the record of the spectrum last looked at
  DatabaseRecord m_record;  ///< record m_currentRecord as read from the database
};

} // namespace lumivex

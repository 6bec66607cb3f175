#include "database/DatabaseSession.h"

#include "core/ProfileFile.h"

#include <filesystem>

namespace lumivex {

void CDatabaseSession::Open(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  m_databasePath = error ? path : absolute.string();
  m_databaseFolder = DatabaseFolder(m_databasePath);
}

void CDatabaseSession::LoadRecord(int number) {
  m_currentRecord = number;
  m_record = ReadRecord(*CProfileCache::Shared().Get(m_databasePath), number);
}

std::string CDatabaseSession::RecordSpectrumPath(int record, RecordSection section) const {
  return RecordFilePath(
      m_databaseFolder,
      RecordFileValue(*CProfileCache::Shared().Get(m_databasePath), record, section));
}

int CDatabaseSession::MissingSpectrumFiles(int record) const {
  return lumivex::MissingSpectrumFiles(*CProfileCache::Shared().Get(m_databasePath), record);
}

} // namespace lumivex

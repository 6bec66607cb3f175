#include "database/RecordFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lumivex {

namespace {

namespace fs = std::filesystem;

constexpr const char* kNothingWritten = " Nothing was written.";

// One copy to make: the source, the name it takes in the folder, its target path and the
// temporary path the copy waits under until the record is written.
struct PlannedCopy {
  std::string source;
  std::string name;
  std::string target;
  std::string staged;
};

AddRecordResult FileFailure(const std::string& message) {
  AddRecordResult result;
  result.fileFailed = true;
  result.message = message + kNothingWritten;
  return result;
}

void RemoveStaged(std::vector<PlannedCopy>& copies) {
  for (PlannedCopy& copy : copies) {
    if (!copy.staged.empty()) {
      std::error_code ignored;
      fs::remove(copy.staged, ignored);
      copy.staged.clear();
    }
  }
}

// Copies the source to a fresh temporary name beside its target. A name that is taken is
// never touched; the next one is tried.
std::error_code Stage(PlannedCopy& copy, const std::string& folder) {
  static unsigned counter = 0;
  std::error_code error;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string staged = folder + "." + copy.name + "." + std::to_string(counter++) + ".part";
    error.clear();
    if (fs::copy_file(copy.source, staged, fs::copy_options::none, error)) {
      copy.staged = staged;
      return {};
    }
    if (error != std::errc::file_exists) {
      std::error_code ignored;
      fs::remove(staged, ignored);
      return error;
    }
  }
  return error;
}

// Why a source cannot be copied, or empty when it is a file.
std::string SourceProblem(const std::string& source) {
  std::error_code error;
  const fs::file_status status = fs::status(source, error);
  if (fs::is_regular_file(status)) {
    return {};
  }
  if (status.type() == fs::file_type::not_found) {
    return "no such file";
  }
  return error ? error.message() : "it is not a file";
}

} // namespace

AddRecordResult AddRecordWithFiles(const std::string& databasePath, const std::string& folder,
                                   bool create, const DatabaseRecord& record,
                                   const std::vector<RecordFile>& files, ExistingFile existing) {
  std::vector<PlannedCopy> copies;
  std::vector<const RecordFile*> named;
  for (const RecordFile& file : files) {
    if (file.name.empty()) {
      continue;
    }
    const auto sameName = std::find_if(
        named.begin(), named.end(), [&file](const RecordFile* f) { return f->name == file.name; });
    if (sameName != named.end()) {
      if ((*sameName)->source == file.source) {
        continue;
      }
      return FileFailure("Two different files, " + (*sameName)->source + " and " + file.source +
                         ", would both be placed as " + RecordFilePath(folder, file.name) + ".");
    }
    named.push_back(&file);

    if (const std::string problem = SourceProblem(file.source); !problem.empty()) {
      return FileFailure("Cannot open " + file.source + ": " + problem + ".");
    }
    const std::string target = RecordFilePath(folder, file.name);
    std::error_code error;
    const fs::file_status targetStatus = fs::status(target, error);
    if (fs::exists(targetStatus)) {
      if (fs::equivalent(file.source, target, error)) {
        continue;
      }
      if (!fs::is_regular_file(targetStatus)) {
        return FileFailure("Cannot copy " + file.source + " to " + target +
                           ": something other than a file has that name.");
      }
      if (existing == ExistingFile::Refuse) {
        return FileFailure(target + " already exists beside the database; not overwritten.");
      }
    }
    copies.push_back({file.source, file.name, target, {}});
  }

  for (PlannedCopy& copy : copies) {
    if (const std::error_code error = Stage(copy, folder)) {
      RemoveStaged(copies);
      return FileFailure("Cannot copy " + copy.source + " to " + copy.target + ": " +
                         error.message() + ".");
    }
  }
  AddRecordResult result;
  const FileStatus appended = AppendRecord(databasePath, create, record);
  if (!appended.ok) {
    RemoveStaged(copies);
    result.message = appended.message;
    return result;
  }
  for (PlannedCopy& copy : copies) {
    std::error_code error;
    fs::rename(copy.staged, copy.target, error);
    if (error) {
      RemoveStaged(copies);
      result.message = "The record was added to " + databasePath + ", but " + copy.source +
                       " could not be placed as " + copy.target + ": " + error.message() + ".";
      return result;
    }
    copy.staged.clear();
    result.copied.push_back(copy.target);
  }
  result.ok = true;
  return result;
}

} // namespace lumivex

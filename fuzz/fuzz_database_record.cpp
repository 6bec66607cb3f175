// The database record reader: any text parses; the record count never exceeds what the
// file holds; every record it reaches reads, and a record written by WriteRecord and read
// back is stable (writing it again and reading gives the same record).
#include "FuzzCheck.h"

#include "database/DatabaseRecord.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using lumivex::CProfileFile;
using lumivex::DatabaseRecord;
using lumivex::fuzz::Require;

DatabaseRecord WrittenAndRead(const DatabaseRecord& record) {
  std::string text = "[Spectra]\nNumber = 1\n\n";
  lumivex::WriteRecord(text, 1, record);
  const CProfileFile file = CProfileFile::Parse(text);
  Require(lumivex::RecordCount(file) == 1, "a written record is counted");
  return lumivex::ReadRecord(file, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const CProfileFile database = CProfileFile::Parse({reinterpret_cast<const char*>(data), size});
  const int count = lumivex::RecordCount(database);
  Require(count >= 0 && static_cast<std::size_t>(count) <= database.SectionCount(),
          "the record count is bounded by the file's sections");
  (void)lumivex::HeaderRecordCount(database);
  for (int number = 1; number <= std::min(count, 4); ++number) {
    const DatabaseRecord record = lumivex::ReadRecord(database, number);
    Require(record.absName.size() < lumivex::kRecordBuffer, "a value is cut to its buffer");
    (void)lumivex::MissingSpectrumFiles(database, number);
    const DatabaseRecord once = WrittenAndRead(record);
    Require(WrittenAndRead(once) == once, "a written record reads back the same");
  }
  return 0;
}

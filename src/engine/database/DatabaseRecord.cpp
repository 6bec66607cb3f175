#include "database/DatabaseRecord.h"

#include "core/SpectrumFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

namespace lumivex {

namespace {

constexpr const char* kNothingWritten = "nothing was written.";

// One key of a record: its section, its name and the text or float field that holds it.
struct RecordKey {
  RecordSection section;
  const char* key;
  std::string DatabaseRecord::*text;
  float DatabaseRecord::*number;
};

constexpr std::array<RecordKey, 28> kKeys{{
    {RecordSection::Absorption, "Name", &DatabaseRecord::absName, nullptr},
    {RecordSection::Absorption, "Class", &DatabaseRecord::absClass, nullptr},
    {RecordSection::Absorption, "Instrument", &DatabaseRecord::absInstrument, nullptr},
    {RecordSection::Absorption, "Solvent", &DatabaseRecord::absSolvent, nullptr},
    {RecordSection::Absorption, "Epsilon", nullptr, &DatabaseRecord::absEpsilon},
    {RecordSection::Absorption, "Wavelength", nullptr, &DatabaseRecord::absWavelength},
    {RecordSection::Absorption, "Reference", &DatabaseRecord::absReference, nullptr},
    {RecordSection::Absorption, "Date", &DatabaseRecord::absDate, nullptr},
    {RecordSection::Absorption, "File", &DatabaseRecord::absFile, nullptr},
    {RecordSection::Absorption, "Inv", &DatabaseRecord::absInv, nullptr},
    {RecordSection::Absorption, "Structure", &DatabaseRecord::absStructure, nullptr},
    {RecordSection::Emission, "Instrument", &DatabaseRecord::emsInstrument, nullptr},
    {RecordSection::Emission, "Solvent", &DatabaseRecord::emsSolvent, nullptr},
    {RecordSection::Emission, "QuantumYield", nullptr, &DatabaseRecord::emsQuantumYield},
    {RecordSection::Emission, "Reference", &DatabaseRecord::emsReference, nullptr},
    {RecordSection::Emission, "Date", &DatabaseRecord::emsDate, nullptr},
    {RecordSection::Emission, "File", &DatabaseRecord::emsFile, nullptr},
    {RecordSection::Emission, "Inv", &DatabaseRecord::emsInv, nullptr},
    {RecordSection::Emission, "Provided", &DatabaseRecord::emsProvided, nullptr},
    {RecordSection::Emission, "Notes", &DatabaseRecord::emsNotes, nullptr},
    {RecordSection::LightSource, "File", &DatabaseRecord::lsFile, nullptr},
    {RecordSection::LightSource, "Cloud", &DatabaseRecord::lsCloud, nullptr},
    {RecordSection::LightSource, "Date", &DatabaseRecord::lsDate, nullptr},
    {RecordSection::LightSource, "Instrument", &DatabaseRecord::lsInstrument, nullptr},
    {RecordSection::LightSource, "Inv", &DatabaseRecord::lsInv, nullptr},
    {RecordSection::LightSource, "Location", &DatabaseRecord::lsLocation, nullptr},
    {RecordSection::LightSource, "Ref", &DatabaseRecord::lsRef, nullptr},
    {RecordSection::LightSource, "Time", &DatabaseRecord::lsTime, nullptr},
}};

constexpr std::array<RecordSection, 3> kSections{RecordSection::Absorption, RecordSection::Emission,
                                                 RecordSection::LightSource};

const char* SectionWord(RecordSection section) {
  switch (section) {
  case RecordSection::Absorption:
    return "Absorption";
  case RecordSection::Emission:
    return "Emission";
  case RecordSection::LightSource:
    break;
  }
  return "LightSource";
}

std::string FormatFloat(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return text;
}

// A one-line text: carriage returns and line feeds become blanks.
std::string SingleLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') {
      c = ' ';
    }
  }
  return text;
}

std::string StoredText(const RecordKey& key, const DatabaseRecord& record) {
  if (key.number != nullptr) {
    return FormatFloat(record.*key.number);
  }
  const std::string& value = record.*key.text;
  return key.text == &DatabaseRecord::emsNotes ? EscapeNotes(value) : SingleLine(value);
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') {
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
  }
  return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [&lower](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

RecordSection SectionOfKind(int kind) {
  if (kind == 0) {
    return RecordSection::Absorption;
  }
  return kind == 1 ? RecordSection::Emission : RecordSection::LightSource;
}

std::string RecordSectionName(int number, RecordSection section) {
  std::string name = std::to_string(number);
  name += ' ';
  name += SectionWord(section);
  return name;
}

std::string EscapeNotes(std::string_view notes) {
  std::string stored;
  stored.reserve(notes.size());
  for (const char c : notes) {
    if (c == '\\') {
      stored += "\\\\";
    } else if (c == '\n') {
      stored += "\\n";
    } else if (c == '\r') {
      stored += "\\r";
    } else {
      stored += c;
    }
  }
  return stored;
}

std::string UnescapeNotes(std::string_view stored) {
  std::string notes;
  notes.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
    if (stored[i] == '\\' && (next == '\\' || next == 'n' || next == 'r')) {
      notes += next == 'n' ? '\n' : (next == 'r' ? '\r' : '\\');
      ++i;
    } else {
      notes += stored[i];
    }
  }
  return notes;
}

std::vector<ProfileEdit> RecordEntries(int number, const DatabaseRecord& record) {
  std::vector<ProfileEdit> entries;
  entries.reserve(kKeys.size());
  for (const RecordKey& key : kKeys) {
    entries.push_back({RecordSectionName(number, key.section), key.key, StoredText(key, record)});
  }
  return entries;
}

bool SetRecordValue(DatabaseRecord& record, RecordSection section, std::string_view key,
                    std::string_view text) {
  for (const RecordKey& candidate : kKeys) {
    if (candidate.section != section || !SameLetters(candidate.key, key)) {
      continue;
    }
    if (candidate.number == nullptr) {
      record.*candidate.text = std::string(text);
      return true;
    }
    float value = 0.0f;
    if (!ScanFloat(text, value)) {
      return false;
    }
    record.*candidate.number = value;
    return true;
  }
  return false;
}

void WriteRecord(std::string& out, int number, const DatabaseRecord& record) {
  std::string section;
  for (const ProfileEdit& entry : RecordEntries(number, record)) {
    if (entry.section != section) {
      section = entry.section;
      out += '[';
      out += section;
      out += "]\n";
    }
    out += entry.key;
    out += " = ";
    out += ValueAsWritten(entry.value);
    out += '\n';
  }
  out += '\n';
}

DatabaseRecord ReadRecord(const CProfileFile& database, int number) {
  DatabaseRecord record;
  for (const RecordKey& key : kKeys) {
    const std::string section = RecordSectionName(number, key.section);
    if (key.number != nullptr) {
      float value = 0.0f;
      const std::string text = database.GetString(section, key.key, "0", kRecordBuffer);
      record.*key.number = ScanFloat(text, value) ? value : 0.0f;
    } else {
      std::string text = database.GetString(section, key.key, "", kRecordBuffer);
      record.*key.text =
          key.text == &DatabaseRecord::emsNotes ? UnescapeNotes(text) : std::move(text);
    }
  }
  return record;
}

int HeaderRecordCount(const CProfileFile& database) {
  return database.GetInt("Spectra", "Number", 0);
}

int RecordCount(const CProfileFile& database) {
  int number = static_cast<int>(std::min<std::size_t>(
      static_cast<std::size_t>(std::max(HeaderRecordCount(database), 0)), database.SectionCount()));
  while (number > 0 && !HasRecordSections(database, number)) {
    --number;
  }
  return number;
}

bool HasRecordSections(const CProfileFile& database, int number) {
  return std::any_of(kSections.begin(), kSections.end(), [&](RecordSection section) {
    return database.HasSection(RecordSectionName(number, section));
  });
}

std::string RecordFileValue(const CProfileFile& database, int number, RecordSection section) {
  return database.GetString(RecordSectionName(number, section), "File", "", kLocateBuffer);
}

int MissingSpectrumFiles(const CProfileFile& database, int number) {
  int missing = 0;
  int bit = 1;
  for (const RecordSection section : kSections) {
    if (RecordFileValue(database, number, section).empty()) {
      missing += bit;
    }
    bit *= 2;
  }
  return missing;
}

std::string RecordFilePath(const std::string& folder, const std::string& value) {
  return folder + value;
}

std::string DatabaseFolder(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return path.substr(0, path.size() - name.size());
}

FileStatus AppendRecord(const std::string& path, bool create, const DatabaseRecord& record) {
  std::string old;
  std::error_code error;
  if (!create && std::filesystem::exists(path, error)) {
    const FileStatus read = ReadWholeFile(path, old);
    if (!read.ok) {
      return read;
    }
  } else if (error) {
    return {false, "Cannot reach " + path + ": " + error.message()};
  }
  CProfileFile database = CProfileFile::Parse(old);
  const int count = std::max(HeaderRecordCount(database), 0);
  const std::string header = "the header of " + path + " reads Number = " + std::to_string(count);
  if (count == std::numeric_limits<int>::max()) {
    return {false,
            Capitalised(header) + ", the most records a database can number; " + kNothingWritten};
  }
  const int number = count + 1;
  const std::string next = std::to_string(number);
  if (HasRecordSections(database, number)) {
    return {false,
            "Record " + next + " already has sections in " + path +
                (count == 0 ? std::string(", which has no record count") : " although " + header) +
                "; a new record " + next + " would be mixed with them, so " + kNothingWritten};
  }
  if (const int held = RecordCount(database); held != count) {
    return {false, Capitalised(header) + ", but the file holds " +
                       (held == 0 ? std::string("no records")
                                  : "records only up to number " + std::to_string(held)) +
                       "; a record added as number " + next + " could not be found again, so " +
                       kNothingWritten};
  }
  std::string text;
  if (count == 0) {
    text = "[Spectra]\nNumber = 1\n\n";
    WriteRecord(text, 1, record);
    text += old;
  } else {
    (void)database.ReplaceValue("Spectra", "Number", next);
    text = database.Text();
    WriteRecord(text, number, record);
  }
  return WriteFileAtomically(path, text);
}

FileStatus RewriteRecord(const std::string& path, int number, const DatabaseRecord& record) {
  CProfileCache& cache = CProfileCache::Shared();
  const int count = RecordCount(*cache.Get(path));
  if (number < 1 || number > count) {
    return {false, "Record " + std::to_string(number) + " is not in " + path + ", which holds " +
                       std::to_string(count) + " records; nothing was written."};
  }
  return cache.Write(path, RecordEntries(number, record));
}

std::string MasterDatabasePath(const std::string& programFolder, MasterDatabase kind) {
  std::string path = programFolder;
  if (!path.empty() && path.back() != '/') {
    path += '/';
  }
  path += kind == MasterDatabase::Molecule ? "Molecule Database/MOLECULE_db.db"
                                           : "Solar Database/SOLAR_db.db";
  return path;
}

std::string FindMasterDatabase(const std::string& programFolder, MasterDatabase kind) {
  std::string installed = programFolder;
  if (!installed.empty() && installed.back() != '/') {
    installed += '/';
  }
  installed += "../share/lumivex/";
  for (const std::string& folder : {programFolder, installed}) {
    const std::string path = MasterDatabasePath(folder, kind);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
      return path;
    }
  }
  return {};
}

} // namespace lumivex

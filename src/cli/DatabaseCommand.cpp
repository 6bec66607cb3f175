#include "Commands.h"

#include "core/ProfileFile.h"
#include "database/DatabaseListing.h"
#include "database/DatabaseRecord.h"
#include "database/RecordFiles.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>

namespace lumivex::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::array<RecordSection, 3> kSections{RecordSection::Absorption, RecordSection::Emission,
                                                 RecordSection::LightSource};
constexpr std::array<const char*, 3> kSectionWords{"Absorption", "Emission", "LightSource"};

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

std::shared_ptr<const CProfileFile> OpenDatabase(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) {
    throw CliError("cannot open database " + path);
  }
  return CProfileCache::Shared().Get(path);
}

struct ListOptions {
  std::string database;
  bool alphabetical = false;
  std::vector<std::string> classes;
};

// The listing the database list window shows: every record, or with --class the records
// of those classes (grouped by class in the window's order), and --alphabetical as its
// "Alphabetical" button orders them.
Json List(const ListOptions& options) {
  const std::string& path = options.database;
  const auto database = OpenDatabase(path);
  DatabaseListing listing;
  if (options.classes.empty()) {
    listing = ListRecords(*database);
  } else {
    std::vector<std::string> wanted = options.classes;
    std::transform(wanted.begin(), wanted.end(), wanted.begin(), Lower);
    std::vector<std::string> chosen;
    for (const std::string& recordClass : RecordClasses(*database)) {
      if (std::find(wanted.begin(), wanted.end(), Lower(recordClass)) != wanted.end()) {
        chosen.push_back(recordClass);
      }
    }
    listing = ListClasses(*database, chosen);
  }
  if (options.alphabetical) {
    SortByName(listing.entries);
  }

  Json answer;
  answer["database"] = path;
  answer["total"] = listing.total;
  answer["records"] = Json::array();
  for (const DatabaseListEntry& entry : listing.entries) {
    answer["records"].push_back({{"number", entry.record}, {"name", entry.name}});
  }
  return answer;
}

Json FileJson(const std::string& folder, const std::string& value) {
  if (value.empty()) {
    return nullptr;
  }
  const std::string path = RecordFilePath(folder, value);
  std::error_code error;
  return {{"path", path}, {"exists", fs::exists(path, error)}};
}

struct ShowOptions {
  std::string database;
  int number = 0;
};

Json Show(const ShowOptions& options) {
  const std::string& path = options.database;
  const auto database = OpenDatabase(path);
  const int number = options.number;
  RequireRecord(number, RecordCount(*database), "record number");
  const DatabaseRecord record = ReadRecord(*database, number);

  Json answer;
  answer["database"] = path;
  answer["number"] = number;
  Json& values = answer["values"] = Json::object();
  for (const ProfileEdit& entry : RecordEntries(number, record)) {
    values[entry.section.substr(entry.section.find(' ') + 1)][entry.key] =
        entry.key == "Notes" ? record.emsNotes : entry.value;
  }

  const std::string folder = DatabaseFolder(path);
  answer["files"] = {
      {"absorption",
       FileJson(folder, RecordFileValue(*database, number, RecordSection::Absorption))},
      {"emission", FileJson(folder, RecordFileValue(*database, number, RecordSection::Emission))},
      {"light_source",
       FileJson(folder, RecordFileValue(*database, number, RecordSection::LightSource))},
      {"structure",
       FileJson(folder, database->GetString(RecordSectionName(number, RecordSection::Absorption),
                                            "Structure", "", kLocateBuffer))}};

  const int missing = MissingSpectrumFiles(*database, number);
  answer["missing"] = {{"code", missing},
                       {"absorption", (missing & 1) != 0},
                       {"emission", (missing & 2) != 0},
                       {"light_source", (missing & 4) != 0}};
  return answer;
}

// Sets one "--set KEY=VALUE": KEY is "Section.Key" or a key that only one section holds.
void SetValue(DatabaseRecord& record, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string::npos || equals == 0) {
    throw CliError("--set needs KEY=VALUE: '" + assignment + "'");
  }
  const std::string key = assignment.substr(0, equals);
  const std::string value = assignment.substr(equals + 1);
  std::vector<RecordSection> sections;
  std::string name = key;
  if (const std::size_t dot = key.find('.'); dot != std::string::npos) {
    name = key.substr(dot + 1);
    const std::string word = Lower(key.substr(0, dot));
    for (std::size_t i = 0; i < kSections.size(); ++i) {
      if (word == Lower(kSectionWords[i])) {
        sections.push_back(kSections[i]);
      }
    }
  } else {
    for (const RecordSection section : kSections) {
      DatabaseRecord probe;
      if (SetRecordValue(probe, section, name, "0")) {
        sections.push_back(section);
      }
    }
    if (sections.size() > 1) {
      throw CliError("key " + key + " is in several sections; write it as Section." + key);
    }
  }
  DatabaseRecord probe;
  if (sections.size() != 1 || !SetRecordValue(probe, sections.front(), name, "0")) {
    throw CliError("unknown record key " + key);
  }
  if (!SetRecordValue(record, sections.front(), name, value)) {
    throw CliError(key + " is not a number: '" + value + "'");
  }
}

struct AddOptions {
  std::string database;
  bool create = false;
  std::vector<std::string> assignments;
  std::string absFile;
  std::string emsFile;
  std::string lsFile;
  std::string structure;
};

Json Add(const AddOptions& options) {
  const std::string& path = options.database;
  DatabaseRecord record;
  for (const std::string& assignment : options.assignments) {
    SetValue(record, assignment);
  }
  const fs::path folder = fs::absolute(fs::path(path)).parent_path();
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw CliError("no folder " + folder.string() + " for the database");
  }
  // Files beside the database stay as they are; others are copied there, never over a
  // file of the same name.
  std::vector<RecordFile> files;
  const std::array<std::pair<const std::string*, std::string DatabaseRecord::*>, 4> named{{
      {&options.absFile, &DatabaseRecord::absFile},
      {&options.emsFile, &DatabaseRecord::emsFile},
      {&options.lsFile, &DatabaseRecord::lsFile},
      {&options.structure, &DatabaseRecord::absStructure},
  }};
  for (const auto& [file, field] : named) {
    if (file->empty()) {
      continue;
    }
    record.*field = fs::path(*file).filename().string();
    if ((record.*field).empty()) {
      throw CliError("cannot open " + *file + ": not a file");
    }
    files.push_back({*file, record.*field});
  }
  const AddRecordResult added = AddRecordWithFiles(path, (folder / "").string(), options.create,
                                                   record, files, ExistingFile::Refuse);
  if (!added.ok) {
    throw CliError(OneLine(added.message));
  }
  Json answer;
  answer["database"] = path;
  answer["number"] = RecordCount(*CProfileCache::Shared().Get(path));
  answer["copied"] = added.copied;
  return answer;
}

} // namespace

void AddDatabaseCommand(CommandLine& line) {
  CLI::App& db = line.Add(nullptr, "db", "list, show and append database records",
                          "db needs list, show or add");

  auto list = std::make_shared<ListOptions>();
  CLI::App& listCommand = line.Add(&db, "list", "record names and numbers",
                                   "db list takes one DB; see lumivex-cli db list --help");
  listCommand.add_option("DB", list->database, "the database file")->required();
  listCommand.add_flag("--alphabetical", list->alphabetical, "ordered by name");
  listCommand.add_option("--class", list->classes, "only records of these classes")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  line.SetRun(listCommand, [list] { return List(*list); });

  auto show = std::make_shared<ShowOptions>();
  CLI::App& showCommand = line.Add(&db, "show", "the values and files of record N",
                                   "db show takes DB and N; see lumivex-cli db show --help");
  showCommand.add_option("DB", show->database, "the database file")->required();
  showCommand.add_option("N", show->number, "the record number")->required();
  line.SetRun(showCommand, [show] { return Show(*show); });

  auto add = std::make_shared<AddOptions>();
  CLI::App& addCommand = line.Add(&db, "add", "appends a record",
                                  "db add takes one DB; see lumivex-cli db add --help");
  addCommand.add_option("DB", add->database, "the database file")->required();
  addCommand.add_flag("--create", add->create, "creates the database when it is missing");
  addCommand.add_option("--set", add->assignments, "KEY=VALUE, KEY as Section.Key or Key")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  addCommand.add_option("--abs-file", add->absFile, "the absorption spectrum file");
  addCommand.add_option("--ems-file", add->emsFile, "the emission spectrum file");
  addCommand.add_option("--ls-file", add->lsFile, "the light-source spectrum file");
  addCommand.add_option("--structure", add->structure, "the structure picture");
  line.SetRun(addCommand, [add] { return Add(*add); });
}

} // namespace lumivex::cli

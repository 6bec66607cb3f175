#include "DatabaseCommands.h"

#include "CliSupport.h"
#include "JsonWriter.h"
#include "core/ProfileFile.h"
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

// Options of a db command: flags, and options that take one or more values (up to the next
// option).
struct DbArguments {
  std::vector<std::string> positional;
  std::map<std::string, std::vector<std::string>> values;
  std::vector<std::string> flags;

  [[nodiscard]] bool Flag(const std::string& name) const {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
  }
  [[nodiscard]] std::vector<std::string> Values(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::vector<std::string>{} : found->second;
  }
  [[nodiscard]] std::string Single(const std::string& name) const {
    const std::vector<std::string> all = Values(name);
    if (all.size() > 1) {
      throw CliError("--" + name + " takes one file");
    }
    return all.empty() ? std::string() : all.front();
  }
};

DbArguments ParseDb(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                    const std::vector<std::string>& withValues) {
  DbArguments parsed;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() <= 2 || !arg.starts_with("--")) {
      parsed.positional.push_back(arg);
      continue;
    }
    const std::string name = arg.substr(2);
    if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
      parsed.flags.push_back(name);
      continue;
    }
    if (std::find(withValues.begin(), withValues.end(), name) == withValues.end()) {
      throw CliError("unknown option " + arg);
    }
    std::vector<std::string>& values = parsed.values[name];
    const std::size_t before = values.size();
    while (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
      values.push_back(args[++i]);
    }
    if (values.size() == before) {
      throw CliError("option " + arg + " needs a value");
    }
  }
  return parsed;
}

std::shared_ptr<const CProfileFile> OpenDatabase(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) {
    throw CliError("cannot open database " + path);
  }
  return CProfileCache::Shared().Get(path);
}

std::string List(const std::vector<std::string>& args) {
  const DbArguments parsed = ParseDb(args, {"alphabetical"}, {"class"});
  if (parsed.positional.size() != 1) {
    throw CliError("db list needs one DB");
  }
  const std::string& path = parsed.positional[0];
  const auto database = OpenDatabase(path);
  const int total = RecordCount(*database);
  std::vector<std::string> classes = parsed.Values("class");
  std::transform(classes.begin(), classes.end(), classes.begin(), Lower);

  struct Entry {
    int number;
    std::string name;
  };
  std::vector<Entry> entries;
  for (int number = 1; number <= total; ++number) {
    const std::string section = RecordSectionName(number, RecordSection::Absorption);
    std::string name = database->GetString(section, "Name", "", kLocateBuffer);
    if (name.empty()) {
      break;
    }
    if (!classes.empty()) {
      const std::string recordClass =
          Lower(database->GetString(section, "Class", "", kLocateBuffer));
      if (std::find(classes.begin(), classes.end(), recordClass) == classes.end()) {
        continue;
      }
    }
    entries.push_back({number, std::move(name)});
  }
  if (parsed.Flag("alphabetical")) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.name < b.name; });
  }

  JsonWriter json;
  json.BeginObject().Key("database").String(path).Key("total").Integer(total);
  json.Key("records").BeginArray();
  for (const Entry& entry : entries) {
    json.BeginObject().Key("number").Integer(entry.number).Key("name").String(entry.name);
    json.EndObject();
  }
  json.EndArray().EndObject();
  return json.Text();
}

void WriteFile(JsonWriter& json, const std::string& key, const std::string& folder,
               const std::string& value) {
  json.Key(key);
  if (value.empty()) {
    json.Null();
    return;
  }
  const std::string path = RecordFilePath(folder, value);
  std::error_code error;
  json.BeginObject().Key("path").String(path).Key("exists").Bool(fs::exists(path, error));
  json.EndObject();
}

std::string Show(const std::vector<std::string>& args) {
  const DbArguments parsed = ParseDb(args, {}, {});
  if (parsed.positional.size() != 2) {
    throw CliError("db show needs DB and a record number N");
  }
  const std::string& path = parsed.positional[0];
  const auto database = OpenDatabase(path);
  const int total = RecordCount(*database);
  if (total < 1) {
    throw CliError("database " + path + " holds no records");
  }
  const int number = ParseWhole(parsed.positional[1], "record number", 1, total);
  const DatabaseRecord record = ReadRecord(*database, number);

  JsonWriter json;
  json.BeginObject().Key("database").String(path).Key("number").Integer(number);
  json.Key("values").BeginObject();
  std::string section;
  for (const ProfileEdit& entry : RecordEntries(number, record)) {
    if (entry.section != section) {
      if (!section.empty()) {
        json.EndObject();
      }
      section = entry.section;
      json.Key(section.substr(section.find(' ') + 1)).BeginObject();
    }
    json.Key(entry.key).String(entry.key == "Notes" ? record.emsNotes : entry.value);
  }
  json.EndObject().EndObject();

  const std::string folder = DatabaseFolder(path);
  json.Key("files").BeginObject();
  WriteFile(json, "absorption", folder,
            RecordFileValue(*database, number, RecordSection::Absorption));
  WriteFile(json, "emission", folder, RecordFileValue(*database, number, RecordSection::Emission));
  WriteFile(json, "light_source", folder,
            RecordFileValue(*database, number, RecordSection::LightSource));
  WriteFile(json, "structure", folder,
            database->GetString(RecordSectionName(number, RecordSection::Absorption), "Structure",
                                "", kLocateBuffer));
  json.EndObject();

  const int missing = MissingSpectrumFiles(*database, number);
  json.Key("missing").BeginObject().Key("code").Integer(missing);
  json.Key("absorption").Bool((missing & 1) != 0);
  json.Key("emission").Bool((missing & 2) != 0);
  json.Key("light_source").Bool((missing & 4) != 0);
  json.EndObject().EndObject();
  return json.Text();
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

std::string Add(const std::vector<std::string>& args) {
  const DbArguments parsed =
      ParseDb(args, {"create"}, {"set", "abs-file", "ems-file", "ls-file", "structure"});
  if (parsed.positional.size() != 1) {
    throw CliError("db add needs one DB");
  }
  const std::string& path = parsed.positional[0];
  DatabaseRecord record;
  for (const std::string& assignment : parsed.Values("set")) {
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
  const std::array<std::pair<const char*, std::string DatabaseRecord::*>, 4> options{{
      {"abs-file", &DatabaseRecord::absFile},
      {"ems-file", &DatabaseRecord::emsFile},
      {"ls-file", &DatabaseRecord::lsFile},
      {"structure", &DatabaseRecord::absStructure},
  }};
  for (const auto& [option, field] : options) {
    const std::string file = parsed.Single(option);
    if (file.empty()) {
      continue;
    }
    record.*field = fs::path(file).filename().string();
    if ((record.*field).empty()) {
      throw CliError("cannot open " + file + ": not a file");
    }
    files.push_back({file, record.*field});
  }
  const AddRecordResult added = AddRecordWithFiles(
      path, (folder / "").string(), parsed.Flag("create"), record, files, ExistingFile::Refuse);
  if (!added.ok) {
    throw CliError(OneLine(added.message));
  }
  JsonWriter json;
  json.BeginObject().Key("database").String(path);
  json.Key("number").Integer(RecordCount(*CProfileCache::Shared().Get(path)));
  json.Key("copied").BeginArray();
  for (const std::string& file : added.copied) {
    json.String(file);
  }
  json.EndArray().EndObject();
  return json.Text();
}

} // namespace

std::string Database(const std::vector<std::string>& args) {
  const std::string action = args.size() > 1 ? args[1] : "";
  if (action == "list") {
    return List(args);
  }
  if (action == "show") {
    return Show(args);
  }
  if (action == "add") {
    return Add(args);
  }
  throw CliError("db needs list, show or add");
}

} // namespace lumivex::cli

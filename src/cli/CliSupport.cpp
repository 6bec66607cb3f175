#include "CliSupport.h"

#include "core/OpenDataFile.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "core/Units.h"
#include "database/DatabaseRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace lumivex::cli {

std::optional<std::string> Arguments::Option(const std::string& name) const {
  const auto found = options.find(name);
  return found == options.end() ? std::nullopt : std::optional(found->second);
}

Arguments Parse(const std::vector<std::string>& args, std::size_t first,
                const std::vector<std::string>& known) {
  Arguments parsed;
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() > 2 && arg.starts_with("--")) {
      const std::string name = arg.substr(2);
      if (std::find(known.begin(), known.end(), name) == known.end()) {
        throw CliError("unknown option " + arg);
      }
      if (i + 1 >= args.size()) {
        throw CliError("option " + arg + " needs a value");
      }
      parsed.options[name] = args[++i];
    } else {
      parsed.positional.push_back(arg);
    }
  }
  return parsed;
}

float ParseNumber(const std::string& text, const std::string& what) {
  float value = 0.0f;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') {
    ++begin;
  }
  const auto [last, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || last != end || !std::isfinite(value)) {
    throw CliError(what + " is not a number: '" + text + "'");
  }
  return value;
}

int ParseWhole(const std::string& text, const std::string& what, int low, int high) {
  const float number = ParseNumber(text, what);
  const bool inRange = number >= static_cast<float>(low) && number <= static_cast<float>(high);
  if (!inRange || std::trunc(number) != number) {
    throw CliError(what + " must be a whole number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ": '" + text + "'");
  }
  return static_cast<int>(number);
}

int ParseUnit(const std::string& text) {
  return ParseWhole(text, "--unit", 0, kXUnitCount - 1);
}

float OptionNumber(const Arguments& parsed, const std::string& name, float fallback) {
  const std::optional<std::string> text = parsed.Option(name);
  return text ? ParseNumber(*text, "--" + name) : fallback;
}

std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

CSpectrum ReadOrThrow(const std::string& path) {
  SpectrumReadResult result = ReadSpectrumFile(path);
  if (!result.Ok()) {
    throw CliError(OneLine(result.message));
  }
  return std::move(result.spectrum);
}

std::vector<std::string> SpectrumOptions(const std::string& name) {
  if (name.empty()) {
    return {"db", "record"};
  }
  return {name, name + "-db", name + "-record"};
}

CSpectrum& OpenSpectrumArgument(CLumivexData& document, const Arguments& parsed,
                                const std::string& name, int recordKind,
                                const std::optional<std::string>& file) {
  // Parse keeps option names without their leading "--"; messages show them with it.
  const std::string key = name.empty() ? "" : name + "-";
  const std::string prefix = "--" + key;
  const std::optional<std::string> database = parsed.Option(key + "db");
  const std::optional<std::string> record = parsed.Option(key + "record");
  std::optional<std::string> path = name.empty() ? file : parsed.Option(name);
  if (!path && !file && !database) {
    throw CliError("missing " + (name.empty() ? std::string("FILE") : "--" + name) +
                   " (a file, or " + prefix + "db and " + prefix + "record)");
  }
  OpenDataFileResult result;
  if (database) {
    if (!record) {
      throw CliError(prefix + "db needs " + prefix + "record");
    }
    if (!std::filesystem::is_regular_file(*database)) {
      throw CliError("cannot open database " + *database);
    }
    const std::shared_ptr<const CProfileFile> opened = CProfileCache::Shared().Get(*database);
    const CProfileFile& profile = *opened;
    const int count = RecordCount(profile);
    const int number = ParseWhole(*record, prefix + "record", 1, std::max(count, 1));
    const std::string value = RecordFileValue(profile, number, SectionOfKind(recordKind));
    if (value.empty()) {
      throw CliError("record " + std::to_string(number) + " of " + *database + " has no " +
                     KindName(static_cast<SpectrumKind>(recordKind == 2 ? 3 : recordKind)) +
                     " spectrum");
    }
    const DatabaseOpenRequest request{*database, number, 1};
    result = OpenDataFile(document, RecordFilePath(DatabaseFolder(*database), value), &request);
  } else {
    result = OpenDataFile(document, path ? *path : *file);
  }
  if (!result.Opened()) {
    throw CliError(OneLine(result.message));
  }
  return *result.spectrum;
}

} // namespace lumivex::cli

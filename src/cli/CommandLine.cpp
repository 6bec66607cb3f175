#include "CommandLine.h"

#include "core/OpenDataFile.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "database/DatabaseRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <utility>

namespace lumivex::cli {

namespace {

constexpr const char* kFooter =
    "Each command prints JSON on standard output; an error is one line on standard error,\n"
    "with a non-zero exit code. \"lumivex-cli COMMAND --help\" describes a command.";
constexpr const char* kSpectrumFooter =
    "A spectrum file of --NAME may be --NAME-db DB --NAME-record N instead: the record's\n"
    "spectrum, whose epsilon, its wavelength and the quantum yield become the defaults.";

// CLI11 reads "-5" as a value, "-x" as an option.
bool LooksLikeOption(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

} // namespace

CommandLine::CommandLine()
    : m_program("Photophysics of spectra on the command line.", "lumivex-cli") {
  m_program.get_formatter()->label("Usage", "usage");
  m_program.get_formatter()->label("SUBCOMMAND", "COMMAND");
  m_program.get_formatter()->label("SUBCOMMANDS", "COMMANDS");
  m_program.get_formatter()->label("Subcommands", "Commands");
  m_program.get_formatter()->column_width(44);
  m_program.footer(kFooter);
  m_program.allow_extras();
  // A repeated option keeps its last value, as a value typed again replaces the first.
  m_program.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

CLI::App& CommandLine::Add(CLI::App* parent, const std::string& name,
                           const std::string& description, std::string stray) {
  CLI::App* command = (parent != nullptr ? parent : &m_program)->add_subcommand(name, description);
  command->allow_extras();
  command->footer("");
  if (stray.empty()) {
    stray = name + " takes no FILE of its own; see lumivex-cli " + name + " --help";
  }
  m_commands[command].stray = std::move(stray);
  return *command;
}

void CommandLine::SetRun(const CLI::App& command, CommandRun run) {
  m_commands.at(&command).run = std::move(run);
}

int CommandLine::Run(const std::vector<std::string>& args, std::string& out, std::string& err) {
  out.clear();
  err.clear();
  if (args.empty() || args[0] == "help") {
    (args.empty() ? err : out) = m_program.help();
    return args.empty() ? 2 : 0;
  }
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    m_program.parse(reversed);
    const CLI::App* command = &m_program;
    while (!command->get_subcommands().empty()) {
      command = command->get_subcommands().front();
    }
    std::vector<std::string> extras = m_program.remaining(true);
    // The end-of-options mark "--" is no argument of its own.
    extras.erase(std::remove(extras.begin(), extras.end(), "--"), extras.end());
    if (command == &m_program) {
      err = "lumivex-cli: unknown command '" + extras.front() + "'; see lumivex-cli --help\n";
      return 2;
    }
    const Command& found = m_commands.at(command);
    if (!found.run) {
      throw CliError(found.stray);
    }
    const auto option = std::find_if(extras.begin(), extras.end(), LooksLikeOption);
    if (option != extras.end()) {
      throw CliError("unknown option " + *option);
    }
    if (!extras.empty()) {
      throw CliError(found.stray);
    }
    out = found.run().dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    return 0;
  } catch (const CLI::CallForHelp& help) {
    std::ostringstream usage;
    std::ostringstream unused;
    m_program.exit(help, usage, unused);
    out = usage.str();
    return 0;
  } catch (const CLI::ParseError& error) {
    out.clear();
    err = "lumivex-cli: " + OneLine(error.what()) + "\n";
    return 1;
  } catch (const CliPartialFailure& failure) {
    out = failure.answer.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    err = "lumivex-cli: " + OneLine(failure.what()) + "\n";
    return 1;
  } catch (const CliError& error) {
    out.clear();
    err = "lumivex-cli: " + std::string(error.what()) + "\n";
    return 1;
  }
}

const CLI::Validator& FiniteNumber() {
  static const CLI::Validator validator(
      [](const std::string& text) -> std::string {
        const char* begin = text.data();
        const char* end = begin + text.size();
        if (begin != end && *begin == '+') {
          ++begin;
        }
        float value = 0.0f;
        const auto [last, error] = std::from_chars(begin, end, value);
        if (error != std::errc() || last != end || !std::isfinite(value)) {
          return "not a number: '" + text + "'";
        }
        return {};
      },
      "NUMBER");
  return validator;
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

void RequireRecord(int number, int count, const std::string& what) {
  if (count < 1) {
    throw CliError(what + " " + std::to_string(number) + ": the database holds no records");
  }
  if (number < 1 || number > count) {
    throw CliError(what + " must be from 1 to " + std::to_string(count) + ": '" +
                   std::to_string(number) + "'");
  }
}

void RequireKind(const CSpectrum& spectrum, SpectrumKind kind, const std::string& what) {
  if (spectrum.m_kind != kind) {
    throw CliError(what + " must be " +
                   (kind == SpectrumKind::Emission ? "an emission" : "an absorption") +
                   " spectrum, not " + KindName(spectrum.m_kind));
  }
}

SpectrumArgument::SpectrumArgument(CLI::App& command, std::string name, int recordKind)
    : m_name(std::move(name)), m_recordKind(recordKind) {
  const std::string prefix = m_name.empty() ? "--" : "--" + m_name + "-";
  command.footer(kSpectrumFooter);
  if (!m_name.empty()) {
    m_file = command.add_option("--" + m_name, m_filePath, "the " + m_name + " spectrum file");
  }
  m_database =
      command.add_option(prefix + "db", m_databasePath,
                         "a database, for the spectrum of its record " + prefix + "record");
  m_recordOption =
      command.add_option(prefix + "record", m_record, "a record number of " + prefix + "db");
}

CSpectrum& SpectrumArgument::Open(CLumivexData& document,
                                  const std::optional<std::string>& file) const {
  const std::string prefix = m_name.empty() ? "--" : "--" + m_name + "-";
  const bool hasFile = m_file != nullptr && m_file->count() > 0;
  if (!hasFile && !file && !FromDatabase()) {
    throw CliError("missing " + (m_name.empty() ? std::string("FILE") : "--" + m_name) +
                   " (a file, or " + prefix + "db and " + prefix + "record)");
  }
  OpenDataFileResult result;
  if (FromDatabase()) {
    if (m_recordOption->count() == 0) {
      throw CliError(prefix + "db needs " + prefix + "record");
    }
    if (!std::filesystem::is_regular_file(m_databasePath)) {
      throw CliError("cannot open database " + m_databasePath);
    }
    const std::shared_ptr<const CProfileFile> opened = CProfileCache::Shared().Get(m_databasePath);
    const CProfileFile& profile = *opened;
    RequireRecord(m_record, RecordCount(profile), prefix + "record");
    const std::string value = RecordFileValue(profile, m_record, SectionOfKind(m_recordKind));
    if (value.empty()) {
      throw CliError("record " + std::to_string(m_record) + " of " + m_databasePath + " has no " +
                     KindName(static_cast<SpectrumKind>(m_recordKind == 2 ? 3 : m_recordKind)) +
                     " spectrum");
    }
    const DatabaseOpenRequest request{m_databasePath, m_record, 1};
    result =
        OpenDataFile(document, RecordFilePath(DatabaseFolder(m_databasePath), value), &request);
  } else {
    result = OpenDataFile(document, hasFile ? m_filePath : *file);
  }
  if (!result.Opened()) {
    throw CliError(OneLine(result.message));
  }
  return *result.spectrum;
}

CLI::Option* FieldOptions::Add(CLI::App& command, const std::string& option,
                               const std::string& field, const std::string& description) {
  Entry& entry = m_entries.emplace_back();
  entry.option = option;
  entry.field = field;
  entry.cli = command.add_option("--" + option, entry.text, description)->type_name("NUMBER");
  return entry.cli;
}

bool FieldOptions::Given(const std::string& option) const {
  return std::any_of(m_entries.begin(), m_entries.end(), [&option](const Entry& entry) {
    return entry.option == option && entry.cli->count() > 0;
  });
}

std::vector<std::pair<std::string, std::string>> FieldOptions::Texts() const {
  std::vector<std::pair<std::string, std::string>> texts;
  for (const Entry& entry : m_entries) {
    if (entry.cli->count() > 0) {
      texts.emplace_back(entry.field, entry.text);
    }
  }
  return texts;
}

void FieldOptions::Refuse(const std::string& field, const std::string& message) const {
  for (const Entry& entry : m_entries) {
    if (entry.field == field) {
      throw CliError("--" + entry.option + " '" + entry.text + "': " + message);
    }
  }
  throw CliError(message);
}

void RequireEpsilon(const CSpectrum& absorption, const FieldOptions& fields) {
  if (absorption.m_fromDatabase == 0 &&
      (!fields.Given("epsilon") || !fields.Given("epsilon-wavelength"))) {
    throw CliError("a spectrum file needs --epsilon and --epsilon-wavelength (a database "
                   "record brings them)");
  }
}

} // namespace lumivex::cli

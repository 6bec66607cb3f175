#pragma once

#include "core/LumivexData.h"
#include "core/Spectrum.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lumivex::cli {

/// The JSON the commands answer. Keys keep the order in which they are set. Numbers are
/// single precision, as the engine computes them, so each is written in the shortest form
/// that reads back as the same float; a double would print the float's binary expansion
/// (333.3 as 333.29998779296875).
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

/// A usage or input error; its text becomes the one-line message on stderr.
struct CliError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// A batch that did part of its work: its answer is printed all the same, the message goes to
/// standard error and the exit code is non-zero.
struct CliPartialFailure : CliError {
  CliPartialFailure(const std::string& message, Json done)
      : CliError(message), answer(std::move(done)) {}
  Json answer;
};

/// What a command answers once its command line is parsed.
using CommandRun = std::function<Json()>;

/// The program's command line: the commands as CLI11 sub-commands, each with the function
/// that runs it. One object parses one command line.
class CommandLine {
public:
  CommandLine();

  /// Adds the command `name` under `parent` (the program itself when null) and answers it,
  /// for its options. `stray` is the message for a plain argument that the command does not
  /// take.
  CLI::App& Add(CLI::App* parent, const std::string& name, const std::string& description,
                std::string stray = "");
  /// Sets what runs when the command line ends in `command`.
  void SetRun(const CLI::App& command, CommandRun run);

  /// Parses `args` (without the program name) and runs the command. JSON goes to `out`; an
  /// error leaves `out` empty, puts a one-line message in `err` and answers a non-zero exit
  /// code, except a CliPartialFailure, whose answer goes to `out`. "--help" of the program or
  /// of a command puts its usage in `out`.
  int Run(const std::vector<std::string>& args, std::string& out, std::string& err);

private:
  struct Command {
    CommandRun run;
    std::string stray;
  };

  CLI::App m_program;
  std::map<const CLI::App*, Command> m_commands;
};

/// Checks that an option's text is a finite number as the program reads numbers (a leading
/// '+' allowed); the message names the refused text.
[[nodiscard]] const CLI::Validator& FiniteNumber();

/// Line breaks turned into blanks, for one-line messages.
[[nodiscard]] std::string OneLine(std::string text);
/// Reads a spectrum file or fails with the reader's message.
[[nodiscard]] CSpectrum ReadOrThrow(const std::string& path);
/// Fails unless `number` names one of `count` records; `what` names the argument.
void RequireRecord(int number, int count, const std::string& what);
/// Fails unless the spectrum is of `kind`; `what` names the argument.
void RequireKind(const CSpectrum& spectrum, SpectrumKind kind, const std::string& what);

/// A spectrum argument NAME of a command: "--NAME FILE", or "--NAME-db DB" with
/// "--NAME-record N" for a database record's spectrum. An empty name means "--db" and
/// "--record", beside the command's positional FILE.
class SpectrumArgument {
public:
  /// Adds the argument's options to `command`. `recordKind` is the record spectrum it
  /// opens: 0 absorption, 1 emission, 2 light source.
  SpectrumArgument(CLI::App& command, std::string name, int recordKind);
  SpectrumArgument(const SpectrumArgument&) = delete;
  SpectrumArgument& operator=(const SpectrumArgument&) = delete;

  /// Whether "--NAME-db" (or "--db") was given.
  [[nodiscard]] bool FromDatabase() const { return m_database->count() > 0; }

  /// Opens the argument into the workspace as the program would: a file through Open Data
  /// File, a record's spectrum through its database mode, so the record's constants come
  /// along. `file` is the positional file when the argument has no option of its own.
  /// Returns the new spectrum; fails with the reason when neither form is given or the
  /// spectrum cannot open.
  CSpectrum& Open(CLumivexData& document,
                  const std::optional<std::string>& file = std::nullopt) const;

private:
  std::string m_name;
  int m_recordKind;
  std::string m_filePath;
  std::string m_databasePath;
  int m_record = 0;
  CLI::Option* m_file = nullptr;
  CLI::Option* m_database = nullptr;
  CLI::Option* m_recordOption = nullptr;
};

/// Options whose texts fill a dialog's fields, so that the dialog's own checks and messages
/// apply to them.
class FieldOptions {
public:
  /// Adds "--OPTION TEXT" to `command`, filling the dialog field `field`.
  CLI::Option* Add(CLI::App& command, const std::string& option, const std::string& field,
                   const std::string& description);

  /// Whether "--OPTION" was given.
  [[nodiscard]] bool Given(const std::string& option) const;
  /// The given options' texts by dialog field, in the order the options were added.
  [[nodiscard]] std::vector<std::pair<std::string, std::string>> Texts() const;
  /// Fails with the refusal's message, naming the option and its text.
  [[noreturn]] void Refuse(const std::string& field, const std::string& message) const;

private:
  struct Entry {
    std::string option;
    std::string field;
    std::string text;
    CLI::Option* cli = nullptr;
  };
  std::deque<Entry> m_entries; ///< a deque: CLI11 keeps references to the texts
};

/// A spectrum file carries no epsilon, a database record does: fails for a spectrum from a
/// file unless "--epsilon" and "--epsilon-wavelength" were given.
void RequireEpsilon(const CSpectrum& absorption, const FieldOptions& fields);

} // namespace lumivex::cli

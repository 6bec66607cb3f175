#pragma once

#include "core/LumivexData.h"
#include "core/Spectrum.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumivex::cli {

/// A usage or input error; its text becomes the one-line message on stderr.
struct CliError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// Positional arguments and "--name value" options of one command.
struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;

  [[nodiscard]] std::optional<std::string> Option(const std::string& name) const;
};

/// Splits args[first..] into positional arguments and the known "--name value" options;
/// an unknown option or one without a value is an error.
[[nodiscard]] Arguments Parse(const std::vector<std::string>& args, std::size_t first,
                              const std::vector<std::string>& known);
/// A finite number, or an error naming `what`.
[[nodiscard]] float ParseNumber(const std::string& text, const std::string& what);
/// A whole number between low and high, or an error naming `what`.
[[nodiscard]] int ParseWhole(const std::string& text, const std::string& what, int low, int high);
/// An x unit code 0..6.
[[nodiscard]] int ParseUnit(const std::string& text);
/// The option as a number, or `fallback` when it is absent.
[[nodiscard]] float OptionNumber(const Arguments& parsed, const std::string& name, float fallback);
/// Line breaks turned into blanks, for one-line messages.
[[nodiscard]] std::string OneLine(std::string text);
/// Reads a spectrum file or fails with the reader's message.
[[nodiscard]] CSpectrum ReadOrThrow(const std::string& path);

/// The options a spectrum argument NAME may take: "--NAME FILE", or "--NAME-db DB" with
/// "--NAME-record N" for a record's spectrum. An empty name means "--db" and "--record".
/// The names come without their "--", as Parse's list of known options takes them.
[[nodiscard]] std::vector<std::string> SpectrumOptions(const std::string& name);
/// Opens a spectrum argument into the workspace as the program would: a file through Open
/// Data File, a database record's spectrum of the given kind (0 absorption, 1 emission,
/// 2 light source) through its database mode, so the record's constants come along. `file`
/// is the positional file when the argument has no option of its own. Returns the new
/// spectrum; fails with the reason when neither form is given or the spectrum cannot open.
CSpectrum& OpenSpectrumArgument(CLumivexData& document, const Arguments& parsed,
                                const std::string& name, int recordKind,
                                const std::optional<std::string>& file = std::nullopt);

} // namespace lumivex::cli

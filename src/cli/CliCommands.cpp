#include "CliCommands.h"

#include "CliSupport.h"
#include "DatabaseCommands.h"
#include "ForsterCommands.h"
#include "JsonWriter.h"
#include "OscillatorLifetimeCommands.h"
#include "PlotCommand.h"
#include "TransmissionCommands.h"
#include "core/DerivedSpectra.h"
#include "core/SpectrumFile.h"
#include "core/Units.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

namespace lumivex::cli {

namespace {

const char* const kUsage =
    "usage: lumivex-cli COMMAND ...\n"
    "  info FILE...                                   points, range, step, peak and area\n"
    "  axis --unit U NM...                            wavelengths in x unit U (0-6)\n"
    "  combine A B [--factor F] [--offset O] --out FILE   A + F*B on A's grid\n"
    "  scale-shift A [--factor F] [--offset O] --out FILE F*A moved by O nm\n"
    "  plot FILE... --out PATH [--unit U] [--width W --height H] [--title T]\n"
    "                                                 the Spectra Display as PNG or BMP\n"
    "  db list DB [--alphabetical] [--class NAME...]  record names and numbers\n"
    "  db show DB N                                   the values and files of record N\n"
    "  db add DB [--create] --set KEY=VALUE... [--abs-file F] [--ems-file F] [--ls-file F]\n"
    "         [--structure F]                         appends a record\n"
    "  forster --donor FILE --acceptor FILE [--epsilon E] [--epsilon-wavelength W]\n"
    "          [--quantum-yield Q] [--refractive-index N] [--kappa2 K] [--distance R]\n"
    "          [--lifetime T] [--low L] [--high H]    Forster overlap J, R0, efficiency\n"
    "  transmission --source FILE --absorber FILE [--factor K] --out FILE\n"
    "                                                 the source seen through the absorber\n"
    "  oscillator FILE [--epsilon E --epsilon-wavelength W] [--low L --high H] [--manual]\n"
    "                                                 oscillator strength, transition dipole\n"
    "  lifetime --absorption FILE --emission FILE --low L --high H --refractive-index N\n"
    "           [--epsilon E --epsilon-wavelength W] [--quantum-yield Q]\n"
    "                                                 Strickler-Berg rate and lifetimes\n"
    "  (a spectrum FILE of --NAME may be --NAME-db DB --NAME-record N instead)\n";

void WriteInfo(JsonWriter& json, CSpectrum& spectrum) {
  json.BeginObject();
  json.Key("path").String(spectrum.m_filePath);
  json.Key("kind").String(KindName(spectrum.m_kind));
  json.Key("kind_code").Integer(static_cast<int>(spectrum.m_kind));
  json.Key("points").Integer(static_cast<long long>(spectrum.m_points.size()));
  json.Key("first_x").Number(spectrum.m_points.front().x);
  json.Key("last_x").Number(spectrum.m_points.back().x);
  json.Key("step").Number(spectrum.m_xStep);
  json.Key("descending").Bool(spectrum.m_descending != 0);
  if (spectrum.m_peakY > 0.0f) {
    json.Key("peak_x").Number(spectrum.m_peakX);
  } else {
    json.Key("peak_x").Null();
  }
  json.Key("peak_y").Number(spectrum.m_peakY);
  json.Key("area").Number(spectrum.Area());
  json.EndObject();
}

std::string Info(const std::vector<std::string>& args) {
  const Arguments parsed = Parse(args, 1, {});
  if (parsed.positional.empty()) {
    throw CliError("info needs at least one FILE");
  }
  std::vector<CSpectrum> spectra;
  for (const std::string& path : parsed.positional) {
    spectra.push_back(ReadOrThrow(path));
  }
  JsonWriter json;
  json.BeginObject().Key("files").BeginArray();
  for (CSpectrum& spectrum : spectra) {
    WriteInfo(json, spectrum);
  }
  json.EndArray().EndObject();
  return json.Text();
}

std::string Axis(const std::vector<std::string>& args) {
  const Arguments parsed = Parse(args, 1, {"unit"});
  const std::optional<std::string> unitText = parsed.Option("unit");
  if (!unitText) {
    throw CliError("axis needs --unit U (0-6)");
  }
  const int code = ParseUnit(*unitText);
  if (parsed.positional.empty()) {
    throw CliError("axis needs at least one wavelength NM");
  }
  std::vector<float> wavelengths;
  for (const std::string& text : parsed.positional) {
    wavelengths.push_back(ParseNumber(text, "wavelength"));
  }
  const XUnit unit = XUnitFromCode(code);
  const AxisLabel label = XAxisLabel(unit);
  JsonWriter json;
  json.BeginObject();
  json.Key("unit").Integer(code);
  json.Key("label").BeginObject();
  json.Key("text").String(label.text);
  json.Key("superscript").String(label.superscript);
  json.Key("tail").String(label.tail);
  json.Key("plain").String(label.Plain());
  json.EndObject();
  json.Key("values").BeginArray();
  for (const float nm : wavelengths) {
    json.BeginObject().Key("nm").Number(nm).Key("value").Number(ToAxis(unit, nm)).EndObject();
  }
  json.EndArray().EndObject();
  return json.Text();
}

// Writes a derived spectrum and describes the file as written.
std::string WriteDerived(const std::unique_ptr<CSpectrum>& derived, const Arguments& parsed) {
  const std::optional<std::string> out = parsed.Option("out");
  if (!derived) {
    throw CliError("no spectrum can be derived: its grid would be empty or too large");
  }
  const WriteResult written = WriteSpectrumFile(*derived, *out);
  if (!written.ok) {
    throw CliError(OneLine(written.message));
  }
  CSpectrum readBack = ReadOrThrow(*out);
  JsonWriter json;
  WriteInfo(json, readBack);
  return json.Text();
}

Arguments ParseDerived(const std::vector<std::string>& args, std::size_t inputs,
                       const char* command) {
  Arguments parsed = Parse(args, 1, {"factor", "offset", "out"});
  if (parsed.positional.size() != inputs) {
    throw CliError(std::string(command) + " needs " + (inputs == 1 ? "one input" : "two inputs") +
                   "; see lumivex-cli --help");
  }
  if (!parsed.Option("out")) {
    throw CliError(std::string(command) + " needs --out FILE");
  }
  return parsed;
}

std::string Combine(const std::vector<std::string>& args) {
  const Arguments parsed = ParseDerived(args, 2, "combine");
  CSpectrum a = ReadOrThrow(parsed.positional[0]);
  CSpectrum b = ReadOrThrow(parsed.positional[1]);
  CLumivexData document;
  return WriteDerived(CombineSpectra(document, a, b, OptionNumber(parsed, "factor", 1.0f),
                                     OptionNumber(parsed, "offset", 0.0f)),
                      parsed);
}

std::string ScaleShift(const std::vector<std::string>& args) {
  const Arguments parsed = ParseDerived(args, 1, "scale-shift");
  CSpectrum a = ReadOrThrow(parsed.positional[0]);
  CLumivexData document;
  return WriteDerived(ScaleShiftSpectrum(document, a, OptionNumber(parsed, "factor", 1.0f),
                                         OptionNumber(parsed, "offset", 0.0f)),
                      parsed);
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err) {
  using Command = std::function<std::string(const std::vector<std::string>&)>;
  static const std::map<std::string, Command> commands{
      {"info", Info},
      {"axis", Axis},
      {"combine", Combine},
      {"scale-shift", ScaleShift},
      {"plot", Plot},
      {"db", Database},
      {"forster", Forster},
      {"transmission", Transmission},
      {"oscillator", Oscillator},
      {"lifetime", Lifetime},
  };
  out.clear();
  err.clear();
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    (args.empty() ? err : out) = kUsage;
    return args.empty() ? 2 : 0;
  }
  const auto command = commands.find(args[0]);
  if (command == commands.end()) {
    err = "lumivex-cli: unknown command '" + args[0] + "'; see lumivex-cli --help\n";
    return 2;
  }
  try {
    out = command->second(args) + "\n";
    return 0;
  } catch (const CliError& error) {
    err = "lumivex-cli: " + std::string(error.what()) + "\n";
    return 1;
  }
}

} // namespace lumivex::cli

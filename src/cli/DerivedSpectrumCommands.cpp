#include "Commands.h"

#include "core/DerivedSpectra.h"
#include "core/SpectrumFile.h"

#include <memory>

namespace lumivex::cli {

namespace {

struct DerivedOptions {
  std::string first;
  std::string second;
  float factor = 1.0f;
  float offset = 0.0f;
  std::string out;
};

// Writes a derived spectrum and describes the file as written.
Json WriteDerived(const std::unique_ptr<CSpectrum>& derived, const std::string& out) {
  if (!derived) {
    throw CliError("no spectrum can be derived: its grid would be empty or too large");
  }
  const WriteResult written = WriteSpectrumFile(*derived, out);
  if (!written.ok) {
    throw CliError(OneLine(written.message));
  }
  CSpectrum readBack = ReadOrThrow(out);
  return SpectrumInfo(readBack);
}

Json Combine(const DerivedOptions& options) {
  CSpectrum a = ReadOrThrow(options.first);
  CSpectrum b = ReadOrThrow(options.second);
  CLumivexData document;
  return WriteDerived(CombineSpectra(document, a, b, options.factor, options.offset), options.out);
}

Json ScaleShift(const DerivedOptions& options) {
  CSpectrum a = ReadOrThrow(options.first);
  CLumivexData document;
  return WriteDerived(ScaleShiftSpectrum(document, a, options.factor, options.offset), options.out);
}

void AddFactorOffsetOut(CLI::App& command, DerivedOptions& options) {
  command.add_option("--factor", options.factor, "the factor F (default 1)")->check(FiniteNumber());
  command.add_option("--offset", options.offset, "the offset O in nm (default 0)")
      ->check(FiniteNumber());
  command.add_option("--out", options.out, "the spectrum file to write")->required();
}

} // namespace

void AddDerivedSpectrumCommands(CommandLine& line) {
  auto combine = std::make_shared<DerivedOptions>();
  CLI::App& combineCommand =
      line.Add(nullptr, "combine", "A + F*B on A's grid, B moved by O nm",
               "combine takes two inputs A and B; see lumivex-cli combine --help");
  line.SetRun(combineCommand, [combine] { return Combine(*combine); });
  combineCommand.add_option("A", combine->first, "the first spectrum file")->required();
  combineCommand.add_option("B", combine->second, "the second spectrum file")->required();
  AddFactorOffsetOut(combineCommand, *combine);

  auto scaleShift = std::make_shared<DerivedOptions>();
  CLI::App& scaleShiftCommand =
      line.Add(nullptr, "scale-shift", "F*A moved by O nm",
               "scale-shift takes one input A; see lumivex-cli scale-shift --help");
  line.SetRun(scaleShiftCommand, [scaleShift] { return ScaleShift(*scaleShift); });
  scaleShiftCommand.add_option("A", scaleShift->first, "the spectrum file")->required();
  AddFactorOffsetOut(scaleShiftCommand, *scaleShift);
}

} // namespace lumivex::cli

#pragma once

#include "core/Spectrum.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// The unit of the x values of an imported table, as the source writes them.
enum class SourceXUnit {
  Unknown,      ///< the source names no unit; the import settings decide
  Nanometre,    ///< nm
  Micrometre,   ///< um
  Wavenumber,   ///< cm^-1
  ElectronVolt, ///< eV
  NotOptical,   ///< a unit that is no optical axis (Hz, ppm, m/z, s); refused on import
};

/// What the y values of an imported series are, as the source says.
enum class YKind {
  Unknown,              ///< the source says nothing; the import settings decide
  Absorbance,           ///< kept as it is
  Transmittance,        ///< 0..1, imported as -log10 T
  PercentTransmittance, ///< 0..100, imported as -log10 (T / 100)
  Intensity,            ///< arbitrary intensity (emission, light source), kept as it is
};

/// The x unit a unit text names: "nm", "NANOMETERS", "um", "MICROMETERS", "1/CM", "cm-1",
/// "eV"; "HZ", "PPM", "M/Z", "SECONDS" and other units of no optical axis give NotOptical;
/// an empty or unrecognised text gives Unknown. Case and surrounding blanks do not matter.
[[nodiscard]] SourceXUnit SourceXUnitFromText(std::string_view text);

/// The y kind a unit or kind text names: "ABSORBANCE", "TRANSMITTANCE", "%T",
/// "PERCENT TRANSMITTANCE", "ARBITRARY UNITS", "COUNTS", "INTENSITY"; else Unknown.
[[nodiscard]] YKind YKindFromText(std::string_view text);

/// Short names used in settings, the import report and the command line:
/// "nm", "um", "cm-1", "ev" and "absorbance", "transmittance", "percent-transmittance",
/// "intensity"; "unknown" for Unknown and "not optical" for NotOptical.
[[nodiscard]] const char* SourceXUnitName(SourceXUnit unit);
[[nodiscard]] const char* YKindName(YKind kind);

/// One y column of an imported table, in the source's units.
struct ImportedSeries {
  std::string name;     ///< column name or block title; may be empty
  std::string unitText; ///< the y unit as the source writes it ("ABSORBANCE"); may be empty
  YKind kind = YKind::Unknown;
  std::vector<double> y; ///< one value per x of the table
};

/// What a format reader hands to the common import step: x values and one or more y
/// series in the source's units, before any conversion or resampling. The common step
/// (ImportSpectra) converts x to nm, y to the spectrum's quantity, resamples onto an even
/// grid and reports every decision.
struct ImportedTable {
  std::string sourcePath; ///< the file read
  std::string format;     ///< "delimited text", "JCAMP-DX", ...
  std::string title;      ///< the source's title; empty when it has none
  std::string xName;      ///< name of the x column; may be empty
  std::string xUnitText;  ///< the x unit as the source writes it ("1/CM"); may be empty
  SourceXUnit xUnit = SourceXUnit::Unknown;
  SpectrumKind kindHint = SpectrumKind::None; ///< a kind the source suggests, else None
  std::vector<double> x;                      ///< in xUnit, in the source's order
  std::vector<ImportedSeries> series;
  std::vector<int> lines;         ///< 1-based source line of each x, for messages
  std::vector<std::string> notes; ///< decisions the reader made, in words, for the report
};

/// Why an import failed: the file, the 1-based line (0 when no line is to blame) and a
/// sentence for the user.
struct ImportError {
  std::string path;
  int line = 0;
  std::string message;
  /// "path: line N: message", or "path: message" without a line.
  [[nodiscard]] std::string Text() const;
};

/// The outcome of a format reader: the tables it found, or the error that stopped it.
struct TableReadResult {
  std::vector<ImportedTable> tables;
  ImportError error;
  [[nodiscard]] bool Ok() const { return error.message.empty(); }
};

} // namespace lumivex

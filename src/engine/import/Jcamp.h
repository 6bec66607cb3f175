#pragma once

#include "core/AtomicFile.h"
#include "core/Spectrum.h"
#include "import/ImportTypes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// The most points one JCAMP-DX data table may hold; a file that claims or decodes more is
/// refused, so hostile repeat counts or point counts cannot exhaust memory.
inline constexpr std::size_t kJcampMaxPoints = 10'000'000;
/// The largest JCAMP-DX file read (bytes).
inline constexpr std::size_t kJcampMaxBytes = 256u << 20;

/// One data table of a JCAMP-DX block, in the file's own units: x and y are the decoded
/// values with XFACTOR and YFACTOR applied, in the order of the file, all finite.
struct JcampTable {
  std::string title;    ///< ##TITLE, trimmed
  std::string dataType; ///< ##DATA TYPE as written, trimmed
  std::string xUnits;   ///< ##XUNITS as written, trimmed; empty when absent
  std::string yUnits;   ///< ##YUNITS as written, trimmed; empty when absent
  /// What the data type says the spectrum is: Absorption for UV/VIS or absorption data,
  /// Emission for fluorescence or emission data, None when it says neither and the user
  /// must choose.
  SpectrumKind kind = SpectrumKind::None;
  std::string form;          ///< the data label: "XYDATA", "XYPOINTS" or "PEAK TABLE"
  int titleLine = 0;         ///< line of the block's ##TITLE (counting from 1)
  int dataLine = 0;          ///< line of the data label
  bool evenlySpaced = false; ///< x from FIRSTX, LASTX or DELTAX and the point count (XYDATA)
  std::vector<double> x;
  std::vector<double> y;
  std::vector<int> lines; ///< the line each point was read from
};

/// The outcome of reading a JCAMP-DX file: its data tables, one per block that holds data
/// (a compound file with ##BLOCKS gives one per inner block, in file order), or the error
/// naming the file and the line at fault.
struct JcampReadResult {
  bool ok = false;
  ImportError error;
  std::vector<JcampTable> tables;
};

/// Reads JCAMP-DX 4.24 or 5.x text. Labels are compared without regard to case, blanks
/// and the separators '-', '/' and '_' (##DATA TYPE is ##DATATYPE); "$$" starts a comment.
/// Data come from ##XYDATA=(X++(Y..Y)) in AFFN or the compressed ASDF forms (SQZ, DIF with
/// its Y-value check, DUP, PAC), from ##XYPOINTS=(XY..XY) or from ##PEAK TABLE=(XY..XY)
/// (or (XYW..XYW), whose widths are left out). The decoded count must match ##NPOINTS
/// when given; a truncated block, a failed Y check, a line X that does not follow from
/// FIRSTX and the step, a factor of 0, or a value that is not finite refuse the file.
/// `name` names the file in messages.
[[nodiscard]] JcampReadResult ParseJcamp(std::string_view text, const std::string& name);

/// ParseJcamp on a file's contents; only regular files up to kJcampMaxBytes are read.
[[nodiscard]] JcampReadResult ReadJcampFile(const std::string& path);

/// The table as the common import step takes it: x and one series (the block's title and
/// y units) in the file's units, the line of each point, and notes on the data form and the
/// data type.
[[nodiscard]] ImportedTable ToImportedTable(const JcampTable& table, const std::string& path);

/// ReadJcampFile with every table handed over as ToImportedTable gives it.
[[nodiscard]] TableReadResult ReadJcampTables(const std::string& path);

/// The label as compared: upper case, without blanks and '-', '/', '_'.
[[nodiscard]] std::string NormalizeJcampLabel(std::string_view label);

/// The kind a ##DATA TYPE names (see JcampTable::kind).
[[nodiscard]] SpectrumKind KindFromJcampDataType(std::string_view dataType);

/// The ##DATA TYPE written for a spectrum of `kind`.
[[nodiscard]] const char* JcampDataType(SpectrumKind kind);

/// The spectrum as JCAMP-DX 4.24 text: its name as ##TITLE, the data type and y units of
/// its kind, x in NANOMETERS (m_xShift added), factors 1, FIRSTX/LASTX/NPOINTS/DELTAX/FIRSTY
/// and ##XYDATA=(X++(Y..Y)) in AFFN with lines of at most 80 characters. Every y is written
/// with nine significant digits, so a single-precision value reads back unchanged.
[[nodiscard]] std::string FormatJcamp(const CSpectrum& spectrum);

/// Writes FormatJcamp's text, replacing the file atomically. A spectrum with fewer than two
/// points is refused.
[[nodiscard]] FileStatus WriteJcampFile(const CSpectrum& spectrum, const std::string& path);

/// Whether a path names a JCAMP-DX file by its extension: .jdx, .dx or .jcm, any case.
[[nodiscard]] bool IsJcampPath(std::string_view path);

} // namespace lumivex

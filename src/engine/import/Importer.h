#pragma once

#include "core/Spectrum.h"
#include "import/ImportTypes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumivex {

/// The most points a resampled spectrum gets; a finer step is widened to stay within it.
inline constexpr std::size_t kImportMaxPoints = 2'000'000;
/// The smallest transmittance converted: T below it (noise around 0, or 0 itself, which has
/// no absorbance) is taken as this value, so the absorbance is at most 6. No spectrometer
/// measures through less than a millionth of the light, so a larger absorbance carries no
/// information.
inline constexpr double kMinTransmittance = 1e-6;
/// Steps that differ from the mean step by no more than this share of it count as even.
inline constexpr double kEvenStepTolerance = 1e-3;

/// Choices of the common import step. Each one left at its default is taken from the table
/// (its units, kinds and kind hint), or from the rule its comment states.
struct ImportSettings {
  /// The kind of every spectrum. None: the table's hint, else Absorption when the y are
  /// absorbance or transmittance; a table that says neither is refused until one is chosen.
  SpectrumKind kind = SpectrumKind::None;
  /// The x unit. Unknown: the table's unit, else nanometres.
  SourceXUnit xUnit = SourceXUnit::Unknown;
  /// What the y of every series are. Unknown: each series' own kind, else they are kept as
  /// they are.
  YKind yKind = YKind::Unknown;
  /// The step (nm) of the grid a spectrum is resampled onto; 0: the finest spacing of the
  /// source. A step given resamples every spectrum, evenly spaced or not.
  double step = 0.0;
  /// The most points a resampled spectrum gets.
  std::size_t maxPoints = kImportMaxPoints;
};

/// One spectrum made from one y series.
struct ImportedSpectrum {
  /// Points in nm on an even grid, the kind, the name "<file> (<series>)", the source path
  /// as m_filePath; direction, step and peak set as the spectrum reader sets them.
  CSpectrum spectrum;
  std::string series;             ///< the series' name in the source
  YKind yKind = YKind::Unknown;   ///< what its y were taken as
  bool resampled = false;         ///< the points were interpolated onto a new grid
  std::size_t sourcePoints = 0;   ///< points of the series in the source
  std::vector<std::string> notes; ///< the decisions on this series alone, in words
};

/// The outcome of the common import step.
struct ImportResult {
  std::vector<ImportedSpectrum> spectra;
  /// Every decision in words: the reader's notes, then the unit conversion and the grid.
  std::vector<std::string> notes;
  /// The settings as resolved, so that importing with them again decides the same: the kind,
  /// the x unit and the step used (0 when the source grid was kept); yKind is that of the
  /// first series.
  ImportSettings used;
  ImportError error;
  [[nodiscard]] bool Ok() const { return error.message.empty(); }
};

/// Turns a table in its source units into spectra, one per y series. x are converted to nm:
/// from um as 1000 x, from cm^-1 as 1e7 / x, from eV as 1239.84198 / x (h c / e in eV nm);
/// a unit of no optical axis is refused naming it. y are kept as absorbance or intensity, or
/// converted from transmittance as A = -log10 T (percent transmittance as -log10 (T / 100)),
/// with T below kMinTransmittance taken as kMinTransmittance and a note of how many points
/// and the first line. x must run in one direction. Data evenly spaced in nm (within
/// kEvenStepTolerance) keep their points and direction; other data, every wavenumber or
/// energy axis among them, are resampled by linear interpolation onto an ascending grid from
/// the smallest x with the step of the settings or the finest spacing of the source, at most
/// maxPoints points.
[[nodiscard]] ImportResult ImportSpectra(const ImportedTable& table,
                                         const ImportSettings& settings);

/// The spectrum file name for an imported spectrum: the source file's stem, its series name
/// when the source gave several series, and the ending of its kind (".abs.txt", ".ems.txt",
/// ".els.txt", ".txt" otherwise). Characters that do not belong in file names become '_'.
[[nodiscard]] std::string ImportedFileName(const ImportedSpectrum& imported, bool severalSeries);

/// The ending of a spectrum file of `kind`: ".abs.txt", ".ems.txt", ".els.txt" or ".txt".
[[nodiscard]] const char* SpectrumFileEnding(SpectrumKind kind);

} // namespace lumivex

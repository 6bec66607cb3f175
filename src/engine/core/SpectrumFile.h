#pragma once

#include "core/AtomicFile.h"
#include "core/Spectrum.h"

#include <cstddef>
#include <cstdint>

#include <string>
#include <string_view>

namespace lumivex {

/// Kind of a spectrum file from its path: the whole path is searched, case-sensitively,
/// for "abs", "ems" and "els" starting after its first character; a later marker in that
/// order overrides an earlier one ("els" over "ems" over "abs").
[[nodiscard]] SpectrumKind KindFromPath(std::string_view path);

/// Text of the Data File entry for a path: the path itself up to 90 characters, else its
/// first 3 characters, "..." and its last 85 characters. Characters are counted in UTF-8
/// code points so that a multi-byte character is never cut.
[[nodiscard]] std::string ListText(std::string_view path);

/// Whether one chunk of a spectrum file is a data line, exactly as a C scan with the
/// format "%f %f" (C locale) that converts both numbers; x and y receive the values.
/// Lines whose numbers are not finite are not data lines. A chunk holds at most one line
/// feed, at its end (see ParseSpectrumText).
[[nodiscard]] bool ScanDataLine(std::string_view chunk, float& x, float& y);

/// A single number scanned as C's "%f" would (leading blanks skipped, trailing text
/// ignored, C locale); false when the text does not start with a finite number.
[[nodiscard]] bool ScanFloat(std::string_view text, float& value);

/// The longest chunk of a spectrum file's text: a 100-byte line buffer less its final zero.
inline constexpr std::size_t kChunkBytes = 99;

/// Appends the data points of a spectrum file's text to `points`. The text is cut into
/// chunks as a 100-byte line buffer would cut it (at most 99 characters, a line feed ends
/// a chunk) and every chunk is judged on its own.
void ParseSpectrumText(std::string_view text, std::vector<SpectrumPoint>& points);

/// ParseSpectrumText for text that may go on: unless `atEnd`, a final piece shorter than a
/// chunk without a line feed is left for later. Returns how many bytes were consumed.
std::size_t ParseSpectrumChunks(std::string_view text, bool atEnd,
                                std::vector<SpectrumPoint>& points);

/// Appends the data points of a spectrum file to `points` as ParseSpectrumText finds them
/// in its text, reading block by block and no further than the first `limit` points. Only
/// regular files are read (see CInputFile); the holes of a sparse file are passed over
/// without reading their zeros.
[[nodiscard]] FileStatus ReadSpectrumPoints(const std::string& path,
                                            std::vector<SpectrumPoint>& points,
                                            std::size_t limit = SIZE_MAX);

enum class ReadStatus {
  Ok,
  CannotOpen,    ///< the file could not be opened or read
  TooFewPoints,  ///< fewer than two data lines
  ZeroStep,      ///< the first two x values are equal
  TooManyPoints, ///< more data lines than a spectrum may have
};

/// The most points a spectrum file may hold: 50 million points take 400 MB. Reading stops
/// at the first point beyond it, so a file of any length is read only that far and the
/// points held never take more than twice their own size.
inline constexpr std::size_t kMaxSpectrumPoints = 50'000'000;

/// The outcome of reading a spectrum file: the spectrum (points, kind from the path,
/// direction, step, peak, file path) or why the file was refused, with a message for the
/// user.
struct SpectrumReadResult {
  ReadStatus status = ReadStatus::CannotOpen;
  CSpectrum spectrum;
  std::string message;
  [[nodiscard]] bool Ok() const { return status == ReadStatus::Ok; }
};

/// Reads a spectrum text file. The kind comes from the path (None when it names none);
/// the direction and step from the first two points; the peak is the first largest y
/// above 0. Files with fewer than two data points, more than `maxPoints` or a zero step are
/// refused.
[[nodiscard]] SpectrumReadResult ReadSpectrumFile(const std::string& path,
                                                  std::size_t maxPoints = kMaxSpectrumPoints);

/// Fills direction, step and peak of a spectrum from its points, as the reader does.
void SetGridAndPeak(CSpectrum& spectrum);

/// The text WriteText writes: per point "%4.3f" of x + shift, nine blanks, "%.12f" of y
/// and a line feed; no header.
[[nodiscard]] std::string FormatSpectrumText(const CSpectrum& spectrum);

struct WriteResult {
  bool ok = false;
  std::string message; ///< why writing failed; empty on success
};

/// Writes the spectrum as FormatSpectrumText, replacing the file atomically.
[[nodiscard]] WriteResult WriteSpectrumFile(const CSpectrum& spectrum, const std::string& path);

} // namespace lumivex

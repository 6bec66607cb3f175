#pragma once

#include "core/Spectrum.h"

#include <optional>

namespace lumivex {

/// Shown when a Peak Search range reaches beyond the spectrum's points.
inline constexpr const char* kRangeOutOfBoundary = "Range selected is out of spectrum boundary!";
/// What the found field shows when no point of the range is above 0.
inline constexpr const char* kNoPeakFound = "no peak";

/// A Peak Search over a spectrum's points.
struct PeakSearchResult {
  int startIndex = 0;         ///< first point searched
  int endIndex = 0;           ///< last point searched (below startIndex: nothing searched)
  bool inBounds = false;      ///< false: an index lies outside the points; nothing searched
  std::optional<float> found; ///< stored x of the first largest y above 0, if any
};

/// Finds the largest y of the points whose indices the range start..end (nm) gives: for an
/// ascending spectrum (start - x0) / s and (end - x0) / s, for a descending one
/// (x0 - end) / s and (x0 - start) / s, truncated toward zero, with x0 the first stored x
/// and s the step. The first point of a plateau wins; a value must be above 0 to count.
[[nodiscard]] PeakSearchResult SearchPeak(const CSpectrum& spectrum, float start, float end);

} // namespace lumivex

#pragma once

#include "core/LumivexData.h"

#include <memory>

namespace lumivex {

/// Largest number of points a derived spectrum may get; a grid beyond it (a tiny step over
/// a wide range) is refused instead of exhausting memory.
constexpr std::size_t kMaxDerivedPoints = 50'000'000;

/// A new spectrum holding a + factor * b on a's step and direction over the union of both
/// ranges, every x moved by xOffset. It takes a's kind, name and database flag and carries
/// the database constants over; the document's display flags decide whether emission
/// spectra are combined area-normalised, and its intensity maximum may rise. The result is
/// not added to the workspace. Null when a or b is not usable (fewer than two points, no
/// positive step) or the grid would be too large.
[[nodiscard]] std::unique_ptr<CSpectrum> CombineSpectra(CLumivexData& document, CSpectrum& a,
                                                        CSpectrum& b, float factor, float xOffset);

/// A new spectrum holding factor * a on a's own grid, every x moved by xOffset; the peak
/// position is stored without the offset. Null when a is not usable.
[[nodiscard]] std::unique_ptr<CSpectrum> ScaleShiftSpectrum(CLumivexData& document, CSpectrum& a,
                                                            float factor, float xOffset);

} // namespace lumivex

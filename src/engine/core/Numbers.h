#pragma once

#include <cmath>

namespace lumivex {

/// numerator / denominator, or 0 where the quotient is not a finite number (a zero or
/// missing reference value): derived quantities then show as 0, never as nan or inf.
[[nodiscard]] inline float RatioOrZero(float numerator, float denominator) {
  const float ratio = numerator / denominator;
  return std::isfinite(ratio) ? ratio : 0.0f;
}

} // namespace lumivex

#pragma once

#include <cmath>
#include <limits>

namespace lumivex {

/// numerator / denominator, or 0 where the quotient is not a finite number (a zero or
/// missing reference value): derived quantities then show as 0, never as nan or inf.
[[nodiscard]] inline float RatioOrZero(float numerator, float denominator) {
  const float ratio = numerator / denominator;
  return std::isfinite(ratio) ? ratio : 0.0f;
}

/// value truncated toward zero, as a C conversion does, but defined for every float: values
/// beyond the int range saturate at its ends and nan gives 0.
[[nodiscard]] inline int TruncateToInt(float value) {
  constexpr float kLimit = 2147483648.0f; // 2^31, exactly representable
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= kLimit) {
    return std::numeric_limits<int>::max();
  }
  if (value < -kLimit) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(value);
}

} // namespace lumivex

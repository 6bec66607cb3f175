#include "curves/PeakSearch.h"

#include "core/Numbers.h"

namespace lumivex {

PeakSearchResult SearchPeak(const CSpectrum& spectrum, float start, float end) {
  PeakSearchResult result;
  const int n = static_cast<int>(spectrum.m_points.size());
  if (n == 0) {
    return result;
  }
  const float x0 = spectrum.m_points.front().x;
  const float s = spectrum.m_xStep;
  if (spectrum.m_descending == 0) {
    result.startIndex = TruncateToInt((start - x0) / s);
    result.endIndex = TruncateToInt((end - x0) / s);
  } else {
    result.startIndex = TruncateToInt((x0 - end) / s);
    result.endIndex = TruncateToInt((x0 - start) / s);
  }
  const auto outside = [n](int index) { return index < 0 || index > n - 1; };
  if (outside(result.startIndex) || outside(result.endIndex)) {
    return result;
  }
  result.inBounds = true;
  float maximum = 0.0f;
  for (int l = result.startIndex; l <= result.endIndex; ++l) {
    const SpectrumPoint& point = spectrum.m_points[static_cast<std::size_t>(l)];
    if (point.y > maximum) {
      maximum = point.y;
      result.found = point.x;
    }
  }
  return result;
}

} // namespace lumivex

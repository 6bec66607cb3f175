#include "modules/OscillatorStrength.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumivex {

namespace {

// A point index from a position counted in steps, truncated toward zero. Positions far
// outside the points are held just beyond them first, so the conversion stays defined and
// an index outside the points stays outside.
int TruncatedIndex(float position, int count) {
  const float limit = static_cast<float>(count) + 1.0f;
  if (!(position > -limit)) {
    return -static_cast<int>(limit);
  }
  return static_cast<int>(std::min(position, limit));
}

// Wavelength where the line from a to b reaches `level`; a at its own level when the two
// values are equal (then both lie on the level).
float Crossing(const SpectrumPoint& a, const SpectrumPoint& b, float level) {
  if (b.y == a.y) {
    return a.x;
  }
  return a.x + (level - a.y) * (b.x - a.x) / (b.y - a.y);
}

// A result as the dialog shows it: 0 in place of a negative or non-finite value.
float ShownOrZero(float value) {
  return value >= 0.0f && value <= std::numeric_limits<float>::max() ? value : 0.0f;
}

} // namespace

OscillatorResults CalculateOscillatorStrength(const CSpectrum& absorption,
                                              const OscillatorInputs& inputs) {
  OscillatorResults results;
  results.low = inputs.low;
  results.high = inputs.high;
  const std::vector<SpectrumPoint>& p = absorption.m_points;
  if (p.empty()) {
    results.pulledLow = results.low;
    results.pulledHigh = results.high;
    return results;
  }
  const float xFirst = p.front().x;
  const float xMin = std::min(xFirst, p.back().x);
  const float xMax = std::max(xFirst, p.back().x);
  if (results.low < xMin) {
    results.low = xMin + 1.0f;
  }
  if (results.high > xMax) {
    results.high = xMax - 1.0f;
  }
  results.pulledLow = results.low;
  results.pulledHigh = results.high;
  if (!absorption.IsUsable()) {
    return results;
  }

  const int count = static_cast<int>(p.size());
  const float step = absorption.m_xStep;
  const bool descending = absorption.m_descending != 0;
  const int i1 = TruncatedIndex(
      descending ? (xFirst - results.high) / step : (results.low - xFirst) / step, count);
  const int i2 = TruncatedIndex(
      descending ? (xFirst - results.low) / step : (results.high - xFirst) / step, count);

  float best = 0.0f;
  int peak = -1;
  for (int i = std::max(i1, 0); i <= std::min(i2, count - 1); ++i) {
    if (p[i].y > best) {
      best = p[i].y;
      peak = i;
    }
  }
  if (peak < 0 || peak <= i1 + 1 || peak >= i2 - 1) {
    return results;
  }
  results.peakFound = true;
  results.peakIndex = peak;
  results.peakWavelength = p[peak].x;
  results.peakValue = p[peak].y;
  results.referenceValue = absorption.Interpolate(inputs.epsilonWavelength);
  results.epsilonPeak = inputs.epsilon * results.peakValue / results.referenceValue;
  results.peakWavenumber = 1.0e7f / results.peakWavelength;

  if (!inputs.manual) {
    const float half = results.peakValue / 2.0f;
    // Toward lower indices: the pair (j, j - 1), starting one point below the peak.
    for (int j = peak - 1; j >= 1; --j) {
      const SpectrumPoint& a = p[j];
      const SpectrumPoint& b = p[j - 1];
      if (a.y >= half && b.y <= half) {
        (descending ? results.high : results.low) = Crossing(a, b, half);
        break;
      }
      const bool atRangeEnd = descending ? b.x >= results.high && a.x <= results.high
                                         : a.x >= results.low && b.x <= results.low;
      if (atRangeEnd) {
        break;
      }
    }
    // Toward higher indices: the pair (j, j + 1), starting one point above the peak.
    for (int j = peak + 1; j + 1 < count; ++j) {
      const SpectrumPoint& a = p[j];
      const SpectrumPoint& b = p[j + 1];
      if (a.y >= half && b.y <= half) {
        (descending ? results.low : results.high) = Crossing(a, b, half);
        break;
      }
      const bool atRangeEnd = descending ? a.x >= results.low && b.x <= results.low
                                         : a.x <= results.high && b.x >= results.high;
      if (atRangeEnd) {
        break;
      }
    }
  }

  results.bandWidth = std::fabs(1.0e7f / results.low - 1.0e7f / results.high);
  const float strength = kOscillatorStrengthFactor * results.epsilonPeak * results.bandWidth;
  const float dipole = kDipoleFactor * std::sqrt(strength / results.peakWavenumber);
  results.oscillatorStrength = ShownOrZero(strength);
  results.dipoleCm = ShownOrZero(dipole);
  results.dipoleDebye = ShownOrZero(dipole / kCoulombMetresPerDebye);
  return results;
}

} // namespace lumivex

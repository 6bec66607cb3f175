#include "modules/StricklerBerg.h"

#include <algorithm>
#include <cmath>

namespace lumivex {

namespace {

// A position counted in points, held within 0..highest and then truncated toward zero; a
// position that is not a number counts as 0.
int IndexWithin(float position, int highest) {
  if (!(position > 0.0f)) {
    return 0;
  }
  return static_cast<int>(std::min(position, static_cast<float>(highest)));
}

float FiniteOrZero(float value) {
  return std::isfinite(value) ? value : 0.0f;
}

} // namespace

StricklerBergResults CalculateStricklerBerg(const CSpectrum& absorption, CSpectrum& emission,
                                            const StricklerBergInputs& inputs) {
  StricklerBergResults results;
  results.low = inputs.low;
  results.high = inputs.high;
  if (inputs.high == 0.0f || inputs.low == 0.0f || inputs.refractiveIndex == 0.0f) {
    return results;
  }
  results.computed = true;

  float weighted = 0.0f;
  const float area = emission.Area(&weighted);
  const float mean = area / weighted;

  float integral = 0.0f;
  const std::vector<SpectrumPoint>& p = absorption.m_points;
  const int count = static_cast<int>(p.size());
  if (count >= 2 && p.back().x != p.front().x) {
    const float xFirst = p.front().x;
    const float xLast = p.back().x;
    const float s = static_cast<float>(count) / (xLast - xFirst);
    // The index may reach past the last point at the far end of the data: held on it.
    results.referenceIndex = IndexWithin((inputs.epsilonWavelength - xFirst) * s, count - 1);
    results.referenceValue = p[results.referenceIndex].y;

    if (s >= 0.0f) {
      results.low = std::max(results.low, xFirst);
      results.high = std::min(results.high, xLast);
    } else {
      results.high = std::min(results.high, xFirst);
      results.low = std::max(results.low, xLast);
    }
    // Indices up to `count` only ever end the walk, whose last pair is (k_hi - 2, k_hi - 1).
    const int i1 = IndexWithin((results.low - xFirst) * s + 0.5f, count);
    const int i2 = IndexWithin((results.high - xFirst) * s + 0.5f, count);
    const int kLow = std::min(i1, i2);
    const int kHigh = std::max(i1, i2);
    for (int k = kLow + 1; k < kHigh; ++k) {
      const SpectrumPoint& a = p[k - 1];
      const SpectrumPoint& b = p[k];
      const float nuA = 1.0e7f / a.x;
      const float nuB = 1.0e7f / b.x;
      const float delta = std::fabs(nuA - nuB);
      const float epsilonA = inputs.epsilon * a.y / results.referenceValue;
      const float epsilonB = inputs.epsilon * b.y / results.referenceValue;
      integral += (epsilonA / nuA + epsilonB / nuB) * delta / 2.0f;
    }
  }

  const float n = inputs.refractiveIndex;
  const float rate = kStricklerBergFactor * (n * n) * mean * integral;
  const float naturalLifetime = 1.0e9f / rate;
  results.integral = FiniteOrZero(integral);
  results.mean = FiniteOrZero(mean);
  results.rate = FiniteOrZero(rate);
  results.naturalLifetime = FiniteOrZero(naturalLifetime);
  results.lifetime = FiniteOrZero(inputs.quantumYield * naturalLifetime);
  return results;
}

} // namespace lumivex

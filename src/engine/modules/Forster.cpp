#include "modules/Forster.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace lumivex {

namespace {

// A result as the dialog shows it: negative, infinite and undefined values become 0.
float ShownOrZero(float value) {
  return value >= 0.0f && value <= FLT_MAX ? value : 0.0f;
}

float FourthPower(float value) {
  const float square = value * value;
  return square * square;
}

float SixthPower(float value) {
  const float cube = value * value * value;
  return cube * cube;
}

// Donor point index of a wavelength: (lambda - x_first) * N / (x_last - x_first), truncated
// toward zero. N rather than N - 1 is the program's mapping; with the last pair of the
// range left out, the full range still covers every pair of points.
int DonorIndex(const CSpectrum& donor, float wavelength) {
  const auto count = static_cast<float>(donor.m_points.size());
  const float first = donor.m_points.front().x;
  const float last = donor.m_points.back().x;
  const float index = (wavelength - first) * (count / (last - first));
  if (!(index > 0.0f)) {
    return 0;
  }
  return static_cast<int>(std::min(index, count));
}

} // namespace

std::optional<OverlapRange> FindOverlapRange(const CSpectrum& donor, const CSpectrum& acceptor) {
  if (donor.m_points.empty() || acceptor.m_points.empty()) {
    return std::nullopt;
  }
  const auto [donorMin, donorMax] = std::minmax(donor.m_points.front().x, donor.m_points.back().x);
  const auto [acceptorMin, acceptorMax] =
      std::minmax(acceptor.m_points.front().x, acceptor.m_points.back().x);
  if (!(acceptorMin <= donorMax && acceptorMax >= donorMin)) {
    return std::nullopt;
  }
  return OverlapRange{std::max(donorMin, acceptorMin), std::min(donorMax, acceptorMax)};
}

float ForsterConstant() {
  // Worked out in double from the literals, held in single precision like every quantity.
  return static_cast<float>(2.0723263e29 / (std::pow(3.141592, 5) * 128.0 * 6.0221367));
}

ForsterResults CalculateForster(CSpectrum& donor, CSpectrum& acceptor,
                                const ForsterInputs& inputs) {
  ForsterResults results;
  results.low = inputs.low;
  results.high = inputs.high;
  const std::vector<SpectrumPoint>& points = donor.m_points;
  if (points.size() >= 2 && points.front().x != points.back().x) {
    const auto [smallest, largest] = std::minmax(points.front().x, points.back().x);
    results.low = std::clamp(inputs.low, smallest, largest);
    results.high = std::clamp(inputs.high, smallest, largest);

    const float donorArea = donor.Area();
    const float acceptorArea = acceptor.Area();
    const float reference = acceptor.Interpolate(inputs.epsilonWavelength);
    const int lowIndex = DonorIndex(donor, results.low);
    const int highIndex = DonorIndex(donor, results.high);
    const int first = std::min(lowIndex, highIndex);
    const int last = std::max(lowIndex, highIndex);
    float overlap = 0.0f;
    float dexter = 0.0f;
    for (int k = first + 1; k < last; ++k) {
      const SpectrumPoint& p = points[static_cast<std::size_t>(k) - 1];
      const SpectrumPoint& q = points[static_cast<std::size_t>(k)];
      const float nuP = 1.0e7f / p.x;
      const float nuQ = 1.0e7f / q.x;
      const float deltaNu = std::fabs(nuP - nuQ);
      const float fP = p.y / donorArea;
      const float fQ = q.y / donorArea;
      const float aP = acceptor.Interpolate(p.x);
      const float aQ = acceptor.Interpolate(q.x);
      const float epsilonP = inputs.epsilon * aP / reference;
      const float epsilonQ = inputs.epsilon * aQ / reference;
      const float overlapTerm =
          (fP * epsilonP / FourthPower(nuP) + fQ * epsilonQ / FourthPower(nuQ)) * deltaNu / 2.0f;
      if (overlapTerm > 0.0f) {
        overlap += overlapTerm;
      }
      const float dexterTerm =
          (fP * aP / acceptorArea + fQ * aQ / acceptorArea) * 8066.0f * deltaNu / 2.0f;
      if (dexterTerm > 0.0f) {
        dexter += dexterTerm;
      }
    }
    results.overlap = ShownOrZero(overlap);
    results.dexter = ShownOrZero(dexter);
  }

  const float n = inputs.refractiveIndex;
  const float r0Sixth = ShownOrZero(ForsterConstant() * results.overlap * inputs.kappa2 *
                                    inputs.quantumYield / FourthPower(n));
  const float rSixth = SixthPower(inputs.distance);
  results.efficiency = ShownOrZero(100.0f * r0Sixth / (r0Sixth + rSixth));
  if (inputs.lifetime > 0.0f) {
    results.rate = ShownOrZero(1.0e9f * r0Sixth / (rSixth * inputs.lifetime));
  }
  results.forsterDistance = ShownOrZero(std::pow(r0Sixth, 0.166667f));
  return results;
}

} // namespace lumivex

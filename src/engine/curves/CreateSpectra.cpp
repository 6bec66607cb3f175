#include "curves/CreateSpectra.h"

#include "core/DerivedSpectra.h"

#include <cmath>

namespace lumivex {

float SyntheticValue(const std::vector<SyntheticPeak>& peaks, float x, float* runningMaximum) {
  // 4 ln 2, rounded to single precision as the rest of the sum.
  const float fourLn2 = 4.0f * std::log(2.0f);
  float y = 0.0f;
  for (const SyntheticPeak& peak : peaks) {
    const float d = x - peak.center;
    const float f2 = peak.fullWidth * peak.fullWidth;
    switch (static_cast<PeakFunction>(peak.function)) {
    case PeakFunction::Lorentzian:
      y += peak.intensity / (4.0f * d * d / f2 + 1.0f);
      break;
    case PeakFunction::Gaussian:
      y += peak.intensity * std::exp(-fourLn2 * d * d / f2);
      break;
    case PeakFunction::Delta:
      if (x == peak.center) {
        y += peak.intensity;
      }
      break;
    }
    if (runningMaximum != nullptr && y > *runningMaximum) {
      *runningMaximum = y;
    }
  }
  return y;
}

const char* CreatedSpectrumName(SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Emission:
    return "Created Emission Spectrum";
  case SpectrumKind::LightSource:
    return "Created Light Source Spectrum";
  default:
    return "Created Absorption Spectrum";
  }
}

std::unique_ptr<CSpectrum> CreateSyntheticSpectrum(const std::vector<SyntheticPeak>& peaks, int low,
                                                   int high, SpectrumKind kind,
                                                   std::string& refusal) {
  if (high <= low) {
    refusal = kCreateRangeTooNarrow;
    return nullptr;
  }
  auto spectrum = std::make_unique<CSpectrum>();
  spectrum->m_points.reserve(static_cast<std::size_t>(high - low) + 1);
  float maximum = 0.0f;
  for (int wavelength = low; wavelength <= high; ++wavelength) {
    const float x = static_cast<float>(wavelength);
    const float before = maximum;
    const float y = SyntheticValue(peaks, x, &maximum);
    if (maximum > before) {
      spectrum->m_peakX = x;
    }
    spectrum->m_points.push_back({x, y});
  }
  spectrum->m_name = CreatedSpectrumName(kind);
  spectrum->m_kind = kind;
  spectrum->m_xStep = 1.0f;
  spectrum->m_peakY = maximum;
  spectrum->m_normalizedPeak = maximum;
  return spectrum;
}

NormalizedSpectrum NormalizeSpectrum(CLumivexData& document, CSpectrum& s) {
  NormalizedSpectrum result;
  const float v = s.Interpolate(s.m_peakX);
  if (v == 0.0f || !std::isfinite(v)) {
    result.unusable = true;
    return result;
  }
  float b = 1.0f / v - 1.0f;
  if (b < -0.99999f) {
    b = -0.99999f;
  }
  if (b == 0.0f) {
    return result;
  }
  result.firstFactor = b;
  std::unique_ptr<CSpectrum> r = CombineSpectra(document, s, s, b, 0.0f);
  const float first = r ? r->Interpolate(r->m_peakX) : 0.0f;
  if (first == 0.0f || !std::isfinite(first)) {
    result.unusable = true;
    return result;
  }
  if (first != 1.0f) {
    const float second = 1.0f / first - 1.0f;
    result.secondFactor = second;
    r = CombineSpectra(document, *r, *r, second, 0.0f);
    if (!r) {
      result.unusable = true;
      return result;
    }
  }
  result.spectrum = std::move(r);
  return result;
}

} // namespace lumivex

#include "curves/ModelCurves.h"

#include "core/DerivedSpectra.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumivex {

namespace {

constexpr float kPi = 3.1415f;
constexpr float kRadiationConstant = 1.19e16f; // 2 h c^2, W nm^4 m^-2 sr^-1, rounded
constexpr float kSecondConstant = 1.438e7f;    // h c / k, nm K, rounded

} // namespace

std::optional<CurveRange> CurveRangeOf(const ModelCurve& curve) {
  CurveRange range;
  if (curve.function == CurveFunction::Blackbody) {
    if (curve.low == 0 || curve.high == 0 || curve.temperature == 0.0f) {
      return std::nullopt;
    }
    range = {curve.low, curve.high};
  } else {
    if (curve.width == 0.0f || curve.peak == 0.0f) {
      return std::nullopt;
    }
    range.start = std::max(TruncateToInt(curve.peak / 2.0f), 0);
    range.end = TruncateToInt(1.5f * curve.peak);
  }
  if (range.end < range.start) {
    return std::nullopt;
  }
  return range;
}

float CurveValue(const ModelCurve& curve, float x) {
  switch (curve.function) {
  case CurveFunction::Gaussian: {
    const float k = 1.0f / std::sqrt(2.0f * kPi * curve.width);
    const float d = x - curve.peak;
    return curve.factor * k * std::exp(-(d * d) / (2.0f * curve.width * curve.width));
  }
  case CurveFunction::Lorentzian: {
    const float g = curve.width / 2.0f;
    const float d = x - curve.peak;
    return curve.factor * g / (g * g + d * d);
  }
  case CurveFunction::Blackbody: {
    const float x5 = x * x * x * x * x;
    return kRadiationConstant / (x5 * (std::exp(kSecondConstant / (x * curve.temperature)) - 1.0f));
  }
  }
  return 0.0f;
}

std::string CurveName(const ModelCurve& curve) {
  switch (curve.function) {
  case CurveFunction::Gaussian:
    return "gaussian";
  case CurveFunction::Lorentzian:
    return "lorentzian";
  case CurveFunction::Blackbody:
    break;
  }
  char name[48];
  std::snprintf(name, sizeof name, "Blackbody at %dK", TruncateToInt(curve.temperature));
  return name;
}

const char* CurveTitle(CurveFunction function) {
  switch (function) {
  case CurveFunction::Gaussian:
    return "Gaussian Distribution";
  case CurveFunction::Lorentzian:
    return "Lorentzian Distribution";
  case CurveFunction::Blackbody:
    break;
  }
  return "Output of a Blackbody Radiator";
}

GeneratedCurve GenerateCurveSpectrum(const ModelCurve& curve) {
  GeneratedCurve result;
  const std::optional<CurveRange> range = CurveRangeOf(curve);
  if (!range) {
    return result;
  }
  if (range->start == range->end) {
    char message[256];
    std::snprintf(message, sizeof message, kOnePointCurve, range->start);
    result.refusal = message;
    return result;
  }
  const auto count =
      static_cast<std::size_t>(static_cast<long long>(range->end) - range->start) + 1;
  if (count > kMaxDerivedPoints) {
    char message[256];
    std::snprintf(message, sizeof message, kCurveTooLong, range->start, range->end);
    result.refusal = message;
    return result;
  }
  auto spectrum = std::make_unique<CSpectrum>();
  spectrum->m_points.reserve(count);
  float maximum = 0.0f;
  for (int wavelength = range->start;; ++wavelength) {
    const float x = static_cast<float>(wavelength);
    const float y = CurveValue(curve, x);
    spectrum->m_points.push_back({x, y});
    if (y > maximum) {
      maximum = y;
      spectrum->m_peakX = x;
    }
    if (wavelength == range->end) {
      break;
    }
  }
  spectrum->m_name = CurveName(curve);
  spectrum->m_kind = SpectrumKind::Curve;
  spectrum->m_xStep = 1.0f;
  spectrum->m_descending = 0;
  spectrum->m_xShift = 0.0f;
  spectrum->m_peakY = maximum;
  spectrum->m_normalizedPeak = maximum;
  result.spectrum = std::move(spectrum);
  return result;
}

} // namespace lumivex

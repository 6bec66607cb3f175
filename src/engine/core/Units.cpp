#include "core/Units.h"

#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace lumivex {

XUnit XUnitFromCode(int code) {
  if (code < 0 || code >= kXUnitCount) {
    return XUnit::Wavelength;
  }
  return static_cast<XUnit>(code);
}

float UnitConstant(XUnit unit) {
  switch (unit) {
  case XUnit::Wavelength:
    return 0.0f;
  case XUnit::Wavenumber:
    return 1.0e7f;
  case XUnit::Frequency:
    return 300000.0f;
  case XUnit::EnergyEv:
    return 12431.25f;
  case XUnit::EnergyKcal:
    return 47515.52734375f;
  case XUnit::EnergyKK:
    return 14413.0439453125f;
  case XUnit::EnergyKJ:
    return 198900.0f;
  }
  return 0.0f;
}

float ToAxis(XUnit unit, float wavelength) {
  if (unit == XUnit::Wavelength) {
    return wavelength;
  }
  return UnitConstant(unit) / wavelength;
}

float FromAxis(XUnit unit, float value) {
  return ToAxis(unit, value);
}

std::pair<float, float> AxisRange(XUnit unit, float lowNm, float highNm) {
  if (unit == XUnit::Wavelength) {
    return {lowNm, highNm};
  }
  return {ToAxis(unit, highNm), ToAxis(unit, lowNm)};
}

std::optional<int> TruncatedAxisValue(double value) {
  constexpr double kLargestAxisValue = 1.0e9;
  if (!std::isfinite(value) || std::fabs(value) > kLargestAxisValue) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

std::optional<std::pair<int, int>> SnappedXRange(float lowNm, float highNm, int partitions) {
  const int n = std::max(1, partitions);
  const auto count = static_cast<float>(n);
  const std::optional<int> lowMultiple = TruncatedAxisValue(lowNm / count);
  const std::optional<int> highMultiple = TruncatedAxisValue(highNm / count + 0.5);
  if (!lowMultiple || !highMultiple) {
    return std::nullopt;
  }
  const std::optional<int> low = TruncatedAxisValue(static_cast<double>(n) * *lowMultiple);
  const std::optional<int> high = TruncatedAxisValue(static_cast<double>(n) * *highMultiple);
  if (!low || !high) {
    return std::nullopt;
  }
  return std::pair{*low, *high};
}

std::pair<float, float> ConvertRange(XUnit from, XUnit to, float low, float high) {
  const auto [lowNm, highNm] = AxisRange(from, low, high);
  return AxisRange(to, lowNm, highNm);
}

std::string AxisLabel::Plain() const {
  return superscript.empty() ? text + tail : text + "^" + superscript + tail;
}

AxisLabel XAxisLabel(XUnit unit) {
  switch (unit) {
  case XUnit::Wavelength:
    return {"Wavelength(nm)", "", ""};
  case XUnit::Wavenumber:
    return {"Wavenumber (cm", "-1", ")"};
  case XUnit::Frequency:
    return {"Frequency (10", "12", "Hz)"};
  case XUnit::EnergyEv:
    return {"Energy (10", "-1", "eV)"};
  case XUnit::EnergyKcal:
    return {"Energy (10", "-24", "kcal)"};
  case XUnit::EnergyKK:
    return {"Energy (kK)", "", ""};
  case XUnit::EnergyKJ:
    return {"Energy (10", "-24", "kJ)"};
  }
  return {"Wavelength(nm)", "", ""};
}

const char* QuantityLabel(YQuantity quantity) {
  switch (quantity) {
  case YQuantity::Absorption:
    return "Absorption";
  case YQuantity::Fluorescence:
    return "Fluorescence";
  case YQuantity::Epsilon:
    return "Epsilon";
  case YQuantity::Intensity:
    return "  Intensity  ";
  case YQuantity::Irradiance:
    return " Irradiance ";
  }
  return "Absorption";
}

int YLabelPower(float yHigh) {
  if (!std::isfinite(yHigh)) {
    return 0;
  }
  int power = 0;
  while (yHigh > 10.0f) {
    yHigh /= 10.0f;
    ++power;
  }
  return power;
}

AxisLabel YAxisLabel(YQuantity quantity, bool logarithmic, bool settingsApplied, float yHigh) {
  const std::string base = QuantityLabel(quantity);
  const int power = YLabelPower(yHigh);
  if (power == 0) {
    return {base + (logarithmic && settingsApplied ? " (log)" : ""), "", ""};
  }
  return {base + " (10", std::to_string(power), ")"};
}

QuantityConversion::QuantityConversion(const CSpectrum& spectrum, YQuantity quantity) {
  if (!spectrum.m_fromDatabase) {
    return;
  }
  if (quantity == YQuantity::Epsilon && spectrum.m_kind == SpectrumKind::Absorption) {
    m_conversion = Conversion::Epsilon;
    m_first = spectrum.m_epsilon;
    m_reference = spectrum.Interpolate(spectrum.m_epsilonWavelength);
  } else if (quantity == YQuantity::Intensity && spectrum.m_kind == SpectrumKind::Emission) {
    m_conversion = Conversion::Intensity;
    m_first = spectrum.m_weight;
    m_second = spectrum.m_quantumYield;
    m_reference = spectrum.CurrentArea();
  }
}

float QuantityConversion::operator()(float y) const {
  switch (m_conversion) {
  case Conversion::Epsilon:
    return RatioOrZero(y * m_first, m_reference);
  case Conversion::Intensity:
    return RatioOrZero(y * m_first * m_second, m_reference);
  case Conversion::None:
    break;
  }
  return y;
}

float QuantityValue(const CSpectrum& spectrum, YQuantity quantity, float y) {
  return QuantityConversion(spectrum, quantity)(y);
}

YQuantity QuantityFor(SpectrumKind kind, bool settingsApplied, bool showEpsilon,
                      bool showLogEpsilon, bool showIntensity) {
  switch (kind) {
  case SpectrumKind::Emission:
    return settingsApplied && showIntensity ? YQuantity::Intensity : YQuantity::Fluorescence;
  case SpectrumKind::Curve:
    return YQuantity::Intensity;
  case SpectrumKind::LightSource:
    return YQuantity::Irradiance;
  case SpectrumKind::Absorption:
  case SpectrumKind::None:
    break;
  }
  return settingsApplied && (showEpsilon || showLogEpsilon) ? YQuantity::Epsilon
                                                            : YQuantity::Absorption;
}

} // namespace lumivex

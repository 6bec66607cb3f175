#include "core/Units.h"

#include "core/Numbers.h"

#include <cmath>

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

float QuantityValue(CSpectrum& spectrum, YQuantity quantity, float y) {
  if (!spectrum.m_fromDatabase) {
    return y;
  }
  if (quantity == YQuantity::Epsilon && spectrum.m_kind == SpectrumKind::Absorption) {
    return RatioOrZero(y * spectrum.m_epsilon, spectrum.Interpolate(spectrum.m_epsilonWavelength));
  }
  if (quantity == YQuantity::Intensity && spectrum.m_kind == SpectrumKind::Emission) {
    return RatioOrZero(y * spectrum.m_weight * spectrum.m_quantumYield, spectrum.Area());
  }
  return y;
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

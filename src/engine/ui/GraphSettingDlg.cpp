#include "ui/GraphSettingDlg.h"

#include "core/LumivexData.h"
#include "core/Spectrum.h"
#include "core/Units.h"

#include <cmath>
#include <tuple>

namespace lumivex {

const char* GraphQuantityText(GraphQuantity quantity) {
  switch (quantity) {
  case GraphQuantity::Absorption:
    return "Absorption";
  case GraphQuantity::Epsilon:
    return "Epsilon";
  case GraphQuantity::LogEpsilon:
    return "Log Epsilon";
  case GraphQuantity::Fluorescence:
    return "Fluorescence";
  case GraphQuantity::Intensity:
    return "Intensity";
  case GraphQuantity::Irradiance:
    return "Irradiance";
  }
  return "";
}

const char* UnitRadioText(int unit) {
  static constexpr const char* kTexts[] = {"Wavelength (nm)", "Wavenumber ",   "Frequency (Hz)",
                                           "Energy (eV)",     "Energy (kcal)", "Energy (kK)",
                                           "Energy (kJ)"};
  return unit >= 0 && unit < kXUnitCount ? kTexts[unit] : "";
}

namespace {

std::size_t QuantitySlot(GraphQuantity quantity) {
  for (std::size_t i = 0; i < kGraphQuantities.size(); ++i) {
    if (kGraphQuantities[i] == quantity) {
      return i;
    }
  }
  return 0;
}

// log10 of a positive value; 0 where the logarithm is not a number (0 or below).
float LogOrZero(float value) {
  const float result = std::log10(value);
  return std::isfinite(result) ? result : 0.0f;
}

} // namespace

std::vector<DialogField> CGraphSettingDlg::Fields() {
  return {
      {"title", "Title:", &m_title},
      {"lineWidth", "Line thickness (if value < 2 the emission line is dashed):", &m_lineWidth},
      {"xLow", "Low", &m_xLow},
      {"xHigh", "High", &m_xHigh},
      {"xAxisValues", "X Axis values", &m_xAxisValues},
      {"xPartitions", "Partitions", &m_xPartitions},
      {"yLow", "Low", &m_yLow},
      {"yHigh", "High", &m_yHigh},
      {"yAxisValues", "Y Axis values", &m_yAxisValues},
      {"yPartitions", "Partitions", &m_yPartitions},
      {"showLegend", "Legend", &m_showLegend},
      {"roundTicks", "Ticks at round values", &m_roundTicks},
      {"unitTitles", "Units in y-axis titles", &m_unitTitles},
      {"secondXAxis", "Second x axis on top", &m_secondXAxis},
  };
}

std::optional<FieldRefusal> CGraphSettingDlg::StoreFields(const FieldTexts& texts,
                                                          std::optional<GraphQuantity> quantity) {
  std::optional<FieldRefusal> refusal = lumivex::StoreFields(Fields(), texts);
  if (!refusal && quantity) {
    m_quantity = *quantity;
  }
  return refusal;
}

bool CGraphSettingDlg::IsEnabled(GraphQuantity quantity) const {
  return m_quantityEnabled[QuantitySlot(quantity)];
}

void CGraphSettingDlg::SelectUnit(int unit) {
  const auto [low, high] =
      ConvertRange(XUnitFromCode(m_unit), XUnitFromCode(unit), m_xLow, m_xHigh);
  m_xLow = low;
  m_xHigh = high;
  m_unit = XUnitFromCode(unit) == XUnit::Wavelength ? 0 : unit;
}

void CGraphSettingDlg::SelectUnit(int unit, const std::string& lowText,
                                  const std::string& highText) {
  const std::optional<float> low = ParseFloatField(lowText);
  const std::optional<float> high = ParseFloatField(highText);
  if (low && high) {
    m_xLow = *low;
    m_xHigh = *high;
  }
  SelectUnit(unit);
}

void CGraphSettingDlg::EnableQuantitiesFor(int kindCode) {
  m_quantityEnabled.fill(true);
  const auto disable = [this](std::initializer_list<GraphQuantity> quantities) {
    for (const GraphQuantity quantity : quantities) {
      m_quantityEnabled[QuantitySlot(quantity)] = false;
    }
  };
  switch (static_cast<SpectrumKind>(kindCode)) {
  case SpectrumKind::Emission:
    disable({GraphQuantity::Epsilon, GraphQuantity::LogEpsilon, GraphQuantity::Absorption,
             GraphQuantity::Irradiance});
    break;
  case SpectrumKind::Absorption:
    disable({GraphQuantity::Intensity, GraphQuantity::Fluorescence, GraphQuantity::Irradiance});
    break;
  case SpectrumKind::LightSource:
    disable({GraphQuantity::Intensity, GraphQuantity::Fluorescence, GraphQuantity::Epsilon,
             GraphQuantity::LogEpsilon, GraphQuantity::Absorption});
    break;
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    break;
  }
}

void CGraphSettingDlg::LoadFrom(const CLumivexData& data, const CSpectrum& reference) {
  m_referenceKind = static_cast<int>(reference.m_kind);
  switch (reference.m_kind) {
  case SpectrumKind::Absorption:
    if (data.m_showEpsilon) {
      m_yHigh = data.m_epsilonMax;
      m_yLow = data.m_epsilonLow;
      m_quantity = GraphQuantity::Epsilon;
    } else if (data.m_showLogEpsilon) {
      m_yHigh = LogOrZero(data.m_epsilonMax);
      m_yLow = data.m_epsilonLow > 0.0f ? LogOrZero(data.m_epsilonLow) : 0.0f;
      m_quantity = GraphQuantity::LogEpsilon;
    } else {
      m_yHigh = data.m_absorptionMax;
      m_yLow = data.m_absorptionLow;
      m_quantity = GraphQuantity::Absorption;
    }
    break;
  case SpectrumKind::Emission:
    if (data.m_showIntensity && !data.m_showFluorescence) {
      m_yHigh = data.m_intensityMax;
      m_quantity = GraphQuantity::Intensity;
    } else {
      m_yHigh = data.m_yHigh;
      m_quantity = GraphQuantity::Fluorescence;
    }
    m_yLow = data.m_emissionLow;
    break;
  case SpectrumKind::LightSource:
    m_yHigh = data.m_yHigh;
    m_yLow = data.m_lightSourceLow;
    m_quantity = GraphQuantity::Irradiance;
    break;
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    // A model curve: the absorption range, with every quantity open to choice.
    m_yHigh = data.m_absorptionMax;
    m_yLow = data.m_absorptionLow;
    m_quantity = GraphQuantity::Absorption;
    break;
  }
  m_preselected = m_quantity;

  m_unit = XUnitFromCode(data.m_xUnit) == XUnit::Wavelength ? 0 : data.m_xUnit;
  std::tie(m_xLow, m_xHigh) = AxisRange(XUnitFromCode(m_unit), data.m_xLow, data.m_xHigh);
  m_title = data.m_title;
  m_lineWidth = data.m_lineWidth;
  m_xAxisValues = data.m_xAxisValues != 0;
  m_yAxisValues = data.m_yAxisValues != 0;
  m_xPartitions = data.m_xPartitions;
  m_yPartitions = data.m_yPartitions;
  m_showLegend = data.m_showLegend != 0;
  m_roundTicks = data.m_roundTicks != 0;
  m_unitTitles = data.m_unitTitles != 0;
  m_secondXAxis = data.m_secondXAxis != 0;
  m_secondXUnit = data.m_secondXUnit;
  if (data.m_freshSettings != 0) {
    std::tie(m_xLow, m_xHigh) = AxisRange(XUnitFromCode(m_unit), data.m_xMin, data.m_xMax);
    m_yLow = 0.0f;
    m_xAxisValues = true;
    m_yAxisValues = true;
    m_yHigh = reference.m_kind == SpectrumKind::Emission     ? data.m_emissionMax
              : reference.m_kind == SpectrumKind::Absorption ? data.m_absorptionMax
                                                             : data.m_lightSourceMax;
  }
  EnableQuantitiesFor(m_referenceKind);
}

void CGraphSettingDlg::StoreInto(CLumivexData& data) const {
  float high = m_yHigh;
  float low = m_yLow;
  if (m_quantity == GraphQuantity::LogEpsilon) {
    // The dialog shows the logarithmic range in decades; the document keeps molar
    // absorptivities, which the painter takes the logarithm of.
    high = std::pow(10.0f, high);
    low = low > 0.0f ? std::pow(10.0f, low) : 0.0f;
  }
  data.m_yPartitions = m_yPartitions;
  data.m_xPartitions = m_xPartitions;
  data.m_settingsApplied = 1;
  data.m_showAbsorption = data.m_showFluorescence = data.m_showIrradiance = 0;
  data.m_showLogEpsilon = data.m_showIntensity = data.m_showEpsilon = 0;
  data.m_xAxisValues = m_xAxisValues ? 1 : 0;
  data.m_yAxisValues = m_yAxisValues ? 1 : 0;
  switch (m_quantity) {
  case GraphQuantity::Absorption:
    data.m_showAbsorption = 1;
    data.m_absorptionMax = high;
    data.m_absorptionLow = low;
    break;
  case GraphQuantity::Fluorescence:
    data.m_showFluorescence = 1;
    data.m_emissionMax = high;
    data.m_emissionLow = low;
    break;
  case GraphQuantity::LogEpsilon:
    data.m_showLogEpsilon = 1;
    data.m_epsilonMax = high;
    data.m_epsilonLow = low;
    break;
  case GraphQuantity::Intensity:
    data.m_showIntensity = 1;
    data.m_intensityMax = high;
    data.m_emissionLow = low;
    break;
  case GraphQuantity::Epsilon:
    data.m_showEpsilon = 1;
    data.m_epsilonMax = high;
    data.m_epsilonLow = low;
    break;
  case GraphQuantity::Irradiance:
    data.m_showIrradiance = 1;
    data.m_lightSourceMax = high;
    data.m_lightSourceLow = low;
    break;
  }
  const XUnit unit = XUnitFromCode(m_unit);
  data.m_xLow = unit == XUnit::Wavelength ? m_xLow : FromAxis(unit, m_xHigh);
  data.m_xHigh = unit == XUnit::Wavelength ? m_xHigh : FromAxis(unit, m_xLow);
  data.m_xUnit = static_cast<int>(unit);
  data.m_yHigh = high;
  data.m_absorptionLow = low;
  data.m_title = m_title;
  data.m_lineWidth = m_lineWidth;
  data.m_showLegend = m_showLegend ? 1 : 0;
  data.m_roundTicks = m_roundTicks ? 1 : 0;
  data.m_unitTitles = m_unitTitles ? 1 : 0;
  data.m_secondXAxis = m_secondXAxis ? 1 : 0;
  data.m_secondXUnit = m_secondXUnit;
}

} // namespace lumivex

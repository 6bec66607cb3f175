#include "ui/GraphSettingDlg.h"

#include "core/Spectrum.h"
#include "core/Units.h"

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

} // namespace lumivex

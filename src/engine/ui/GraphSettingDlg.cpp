#include "ui/GraphSettingDlg.h"

#include "core/Spectrum.h"
#include "core/Units.h"

#include <charconv>
#include <cmath>
#include <string_view>

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

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

template <typename T> std::optional<T> ParseWhole(const std::string& text) {
  std::string_view view = TrimBlanks(text);
  if (!view.empty() && view.front() == '+') {
    view.remove_prefix(1);
  }
  T value{};
  const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
  if (view.empty() || error != std::errc() || end != view.data() + view.size()) {
    return std::nullopt;
  }
  return value;
}

std::size_t QuantitySlot(GraphQuantity quantity) {
  for (std::size_t i = 0; i < kGraphQuantities.size(); ++i) {
    if (kGraphQuantities[i] == quantity) {
      return i;
    }
  }
  return 0;
}

} // namespace

std::optional<float> ParseFloatField(const std::string& text) {
  const std::optional<float> value = ParseWhole<float>(text);
  if (!value || !std::isfinite(*value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> ParseIntField(const std::string& text) {
  return ParseWhole<int>(text);
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

#pragma once

#include "core/Prompts.h"

#include <array>
#include <optional>
#include <string>

namespace lumivex {

/// The y quantity radio buttons of Graph Settings, by control identifier.
enum class GraphQuantity : int {
  Irradiance = 2000,
  Epsilon = 2001,
  Absorption = 2002,
  Fluorescence = 2003,
  LogEpsilon = 2004,
  Intensity = 2005,
};

/// The six quantities in the dialog's order of groups: Abs, Ems, Light source.
inline constexpr std::array<GraphQuantity, 6> kGraphQuantities{
    GraphQuantity::Absorption,   GraphQuantity::Epsilon,   GraphQuantity::LogEpsilon,
    GraphQuantity::Fluorescence, GraphQuantity::Intensity, GraphQuantity::Irradiance};

/// Label of a quantity's radio button.
[[nodiscard]] const char* GraphQuantityText(GraphQuantity quantity);
/// Control identifier of the radio button of x unit 0..6 (2010..2016) and its label.
[[nodiscard]] const char* UnitRadioText(int unit);

/// Standard refusals of number fields.
inline constexpr const char* kPleaseEnterNumber = "Please enter a number.";
inline constexpr const char* kPleaseEnterInteger = "Please enter an integer.";

/// Reads a number field: the whole text (blanks around it allowed) must be a finite
/// number. Nothing when it is not.
[[nodiscard]] std::optional<float> ParseFloatField(const std::string& text);
/// Reads an integer field the same way.
[[nodiscard]] std::optional<int> ParseIntField(const std::string& text);

/// The Graph Settings dialog's fields (title "Graph Settings"). The x range is held in the
/// selected unit while the dialog is open.
class CGraphSettingDlg : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CGraphSettingDlg"; }

  std::string m_title;
  int m_lineWidth = 1;
  float m_xLow = 0.0f;
  float m_xHigh = 0.0f;
  int m_unit = 0; ///< x unit code 0..6, the checked unit radio button
  bool m_xAxisValues = true;
  int m_xPartitions = 10;
  float m_yLow = 0.0f;
  float m_yHigh = 0.0f;
  GraphQuantity m_quantity = GraphQuantity::Absorption;
  bool m_yAxisValues = true;
  int m_yPartitions = 10;
  int m_referenceKind = 0; ///< the hidden field: kind code of the reference spectrum

  /// Whether each quantity's radio button is enabled, in kGraphQuantities order.
  std::array<bool, 6> m_quantityEnabled{true, true, true, true, true, true};

  [[nodiscard]] bool IsEnabled(GraphQuantity quantity) const;
  /// Clicking a unit radio button: the two x edits are converted from the current unit to
  /// the new one (through nanometres) and the new unit becomes current.
  void SelectUnit(int unit);
  /// Enables the quantities that fit a reference spectrum of this kind code.
  void EnableQuantitiesFor(int kindCode);
};

} // namespace lumivex

#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

class CLumivexData;
class CSpectrum;

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
  // Reading aids, off by default.
  bool m_showLegend = false;
  bool m_roundTicks = false;
  bool m_unitTitles = false;
  bool m_secondXAxis = false;
  /// Unit code of the second axis while the x unit is the wavelength (one of
  /// kSecondAxisUnits); under an energy unit the second axis is the wavelength.
  int m_secondXUnit = 1;

  /// Whether each quantity's radio button is enabled, in kGraphQuantities order.
  std::array<bool, 6> m_quantityEnabled{true, true, true, true, true, true};

  /// The edit boxes and check boxes in the order they are read: title, line thickness, the
  /// x range, x axis values and partitions, the y range, y axis values and partitions, then
  /// the reading aids: legend, round ticks, units in titles and the second x axis.
  /// Thickness and partitions are integers; the ranges are numbers without limits.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// OK: reads the typed texts (by key) and the checked quantity, if any. A refusal names
  /// the first field that does not read; then nothing is stored, the quantity included.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts,
                                                        std::optional<GraphQuantity> quantity);

  [[nodiscard]] bool IsEnabled(GraphQuantity quantity) const;
  /// Clicking a unit radio button: the two x edits are converted from the current unit to
  /// the new one (through nanometres) and the new unit becomes current.
  void SelectUnit(int unit);
  /// Clicking a unit radio button while the x edits hold these texts: the range as typed is
  /// what gets converted, when both ends read as numbers (otherwise the stored range is).
  void SelectUnit(int unit, const std::string& lowText, const std::string& highText);
  /// Enables the quantities that fit a reference spectrum of this kind code.
  void EnableQuantitiesFor(int kindCode);

  /// Fills the dialog from the workspace's settings for a reference spectrum: the y range
  /// and quantity its kind shows, the x range in the current unit, the title, thickness,
  /// axis values and partitions. While the settings are fresh, the x range is the
  /// workspace's extent, the y range runs from 0 to the maximum of the reference's kind and
  /// both axes show values.
  void LoadFrom(const CLumivexData& data, const CSpectrum& reference);
  /// OK: writes the dialog into the workspace's settings, the logarithmic range back as
  /// molar absorptivities and the x range back in nanometres.
  void StoreInto(CLumivexData& data) const;
  /// Whether the user chose another quantity than the one LoadFrom preselected.
  [[nodiscard]] bool QuantityChanged() const { return m_quantity != m_preselected; }

private:
  GraphQuantity m_preselected = GraphQuantity::Absorption;
};

} // namespace lumivex

#pragma once

#include "core/Spectrum.h"

#include <optional>
#include <string>
#include <utility>

namespace lumivex {

/// Unit of the graph's x axis. Every unit but the wavelength is K / wavelength with the
/// constant of `UnitConstant`.
enum class XUnit : int {
  Wavelength = 0, ///< nm
  Wavenumber = 1, ///< cm^-1
  Frequency = 2,  ///< 10^12 Hz
  EnergyEv = 3,   ///< 0.1 eV
  EnergyKcal = 4, ///< 10^-24 kcal per photon
  EnergyKK = 5,   ///< photon energy as temperature E/k, kK
  EnergyKJ = 6,   ///< 10^-24 kJ per photon
};

constexpr int kXUnitCount = 7;

/// The quantity plotted on a y axis.
enum class YQuantity : int {
  Absorption = 0,
  Fluorescence = 1,
  Epsilon = 2,
  Intensity = 3,
  Irradiance = 4,
};

/// The unit for a code 0..6; codes outside map to the wavelength.
[[nodiscard]] XUnit XUnitFromCode(int code);

/// K of value = K / wavelength(nm), as single-precision constants derived from rounded
/// physical constants: h = 6.63e-34 J s, c = 3.0e8 m/s, e = 1.6e-19 C, 1 cal = 4.186 J,
/// k = 1.38e-23 J/K, so hc = 1.989e-16 J nm. Wavenumber 1e7 (nm per cm), frequency
/// c = 3e5 in 10^12 Hz nm, energy hc/e = 12431.25 in 0.1 eV nm, hc/4.186 = 47515.527 in
/// 10^-24 kcal nm, hc/k = 198900/13.8 = 14413.044 in kK nm, hc = 198900 in 10^-24 kJ nm.
/// The axes show exactly K / wavelength with these values. The wavelength has none (0).
[[nodiscard]] float UnitConstant(XUnit unit);

/// Axis value of a wavelength (nm): the wavelength itself, else K / wavelength.
[[nodiscard]] float ToAxis(XUnit unit, float wavelength);
/// Wavelength (nm) of an axis value; the conversion is its own inverse.
[[nodiscard]] float FromAxis(XUnit unit, float value);
/// A wavelength range in axis values, low to high: the conversion reverses the order.
[[nodiscard]] std::pair<float, float> AxisRange(XUnit unit, float lowNm, float highNm);
/// Converts a range shown in one unit into another, through nanometres.
[[nodiscard]] std::pair<float, float> ConvertRange(XUnit from, XUnit to, float low, float high);

/// The value truncated toward zero, or nothing when it is not finite or beyond 1e9 in
/// magnitude: axis values are labelled as int.
[[nodiscard]] std::optional<int> TruncatedAxisValue(double value);

/// The automatic x range (nm) as the graph shows it while no settings are applied: the low
/// end cut down to a multiple of `partitions` (at least 1) and the high end rounded to the
/// nearest one, n * trunc(low / n) and n * trunc(high / n + 0.5). Nothing when an end is
/// not finite or too large for the axis labels.
[[nodiscard]] std::optional<std::pair<int, int>> SnappedXRange(float lowNm, float highNm,
                                                               int partitions);

/// An axis title on one line: text, a superscript and a tail (either may be empty).
struct AxisLabel {
  std::string text;
  std::string superscript;
  std::string tail;
  bool operator==(const AxisLabel&) const = default;
  /// The label as plain text, the superscript written after a caret ("cm^-1").
  [[nodiscard]] std::string Plain() const;
};

/// Title of the x axis in a unit, e.g. "Wavenumber (cm", "-1", ")".
[[nodiscard]] AxisLabel XAxisLabel(XUnit unit);

/// Label text of a y quantity, with its blanks ("  Intensity  ", " Irradiance ").
[[nodiscard]] const char* QuantityLabel(YQuantity quantity);

/// The power of ten the y labels are scaled by: how often the top of the y range must be
/// divided by 10 until it is at most 10. Non-finite or non-positive tops give 0.
[[nodiscard]] int YLabelPower(float yHigh);

/// Title of a y axis: the quantity's label, with " (log)" when both the logarithmic
/// flag and applied settings are set, unless the values are scaled by a power of ten,
/// in which case the title ends " (10" + power as superscript + ")".
[[nodiscard]] AxisLabel YAxisLabel(YQuantity quantity, bool logarithmic, bool settingsApplied,
                                   float yHigh);

/// The value plotted for a stored y of a spectrum under a quantity: molar absorptivity
/// (y * epsilon / y at the epsilon wavelength) for Epsilon of a database absorption
/// spectrum, the area-normalised intensity (y * weight * quantum yield / area, the area of
/// `CSpectrum::CurrentArea`) for Intensity of a database emission spectrum, else y
/// unchanged. A conversion whose reference value is zero plots 0.
[[nodiscard]] float QuantityValue(const CSpectrum& spectrum, YQuantity quantity, float y);

/// QuantityValue for many values of one spectrum: the reference value (the y at the epsilon
/// wavelength, or the area) is taken once, when the conversion is made, so converting a
/// value costs the same however many points the spectrum has.
class QuantityConversion {
public:
  QuantityConversion(const CSpectrum& spectrum, YQuantity quantity);
  /// The plotted value of stored y.
  [[nodiscard]] float operator()(float y) const;

private:
  enum class Conversion { None, Epsilon, Intensity };
  Conversion m_conversion = Conversion::None;
  float m_first = 1.0f;  ///< epsilon, or the weight
  float m_second = 1.0f; ///< the quantum yield
  float m_reference = 1.0f;
};

/// The quantity a spectrum is plotted as under the document's flags.
[[nodiscard]] YQuantity QuantityFor(SpectrumKind kind, bool settingsApplied, bool showEpsilon,
                                    bool showLogEpsilon, bool showIntensity);

} // namespace lumivex

#pragma once

#include "core/Canvas.h"
#include "core/LumivexData.h"
#include "core/Units.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// Round tick values of an axis: multiples of a step of 1, 2 or 5 times a power of ten,
/// chosen so that about `intervals` steps span the range, and the decimals that label them.
struct RoundTicks {
  double step = 0.0;
  int decimals = 0;           ///< digits after the decimal point that show the step
  std::vector<double> values; ///< ascending, every multiple of the step within the range
};

/// The round ticks between two values (in either order). Nothing when the range is empty
/// or not finite, or `intervals` is below 1.
[[nodiscard]] std::optional<RoundTicks> RoundTicksBetween(double first, double second,
                                                          int intervals);

/// A round tick value as its label reads: "%.*f" with the ticks' decimals; a value that
/// is zero to within a thousandth of the step reads "0".
[[nodiscard]] std::string RoundTickLabel(double value, const RoundTicks& ticks);

/// The unit of the second x axis drawn along the top of the plot: for the wavelength axis
/// the unit chosen in Graph Settings (wavenumbers, electronvolts or kK), for every energy
/// axis nanometres. Its values are `Value(nm)`; electronvolts are whole eV, not the
/// 0.1 eV of the main axis.
struct SecondXAxis {
  XUnit unit = XUnit::Wavelength;
  double perNm = 0.0; ///< value = perNm / wavelength; 0 for the wavelength itself
  AxisLabel title;

  [[nodiscard]] double Value(double nm) const { return perNm == 0.0 ? nm : perNm / nm; }
  [[nodiscard]] double Wavelength(double value) const {
    return perNm == 0.0 ? value : perNm / value;
  }
};

/// The x units Graph Settings offers for the second axis of a wavelength axis.
inline constexpr XUnit kSecondAxisUnits[] = {XUnit::Wavenumber, XUnit::EnergyEv, XUnit::EnergyKK};

/// The second x axis the document asks for, if any.
[[nodiscard]] std::optional<SecondXAxis> SecondXAxisOf(const CLumivexData& data);

/// A tick of the second axis: its round value and the column where the main axis shows
/// the same wavelength.
struct SecondAxisTick {
  double value = 0.0;
  int column = 0;
  std::string label;
};

/// The second axis's ticks over a plot showing lowNm..highNm in `mainUnit`: round values
/// of the second unit, about `intervals` of them, each placed by the reciprocal mapping at
/// the column of its wavelength, from left to right. Ticks outside the plot's columns are
/// left out.
[[nodiscard]] std::vector<SecondAxisTick> SecondAxisTicks(const SecondXAxis& axis,
                                                          const CRect& plot, float lowNm,
                                                          float highNm, XUnit mainUnit,
                                                          int intervals);

/// The title of a y axis with the unit of its quantity where it has one: molar
/// absorptivity in M^-1 cm^-1, its logarithm of it in the same unit. `title` is the
/// axis's title without units; the result is written as runs of text and superscript.
struct TitleRun {
  std::string text;
  std::string superscript;
  bool operator==(const TitleRun&) const = default;
};
[[nodiscard]] std::vector<TitleRun> TitleWithUnits(const AxisLabel& title, YQuantity quantity,
                                                   bool logarithmic);

} // namespace lumivex

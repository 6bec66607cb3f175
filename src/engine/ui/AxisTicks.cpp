#include "ui/AxisTicks.h"

#include "ui/GraphPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumivex {

std::optional<RoundTicks> RoundTicksBetween(double first, double second, int intervals) {
  const double low = std::min(first, second);
  const double high = std::max(first, second);
  if (intervals < 1 || !std::isfinite(low) || !std::isfinite(high) || !(high > low)) {
    return std::nullopt;
  }
  const double raw = (high - low) / intervals;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double fraction = raw / power;
  const double multiple = fraction <= 1.0   ? 1.0
                          : fraction <= 2.0 ? 2.0
                          : fraction <= 5.0 ? 5.0
                                            : 10.0;
  RoundTicks ticks;
  ticks.step = multiple * power;
  ticks.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(ticks.step) + 1e-9)));
  // Multiples counted from zero, so that each value is the exact multiple and not a sum
  // of steps; a thousandth of a step of slack keeps the ends the range reaches exactly.
  const double slack = ticks.step * 1e-3;
  const auto firstMultiple = static_cast<long long>(std::ceil((low - slack) / ticks.step));
  const auto lastMultiple = static_cast<long long>(std::floor((high + slack) / ticks.step));
  for (long long i = firstMultiple; i <= lastMultiple; ++i) {
    ticks.values.push_back(static_cast<double>(i) * ticks.step);
  }
  return ticks;
}

std::string RoundTickLabel(double value, const RoundTicks& ticks) {
  if (std::abs(value) < ticks.step * 1e-3) {
    return "0";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", ticks.decimals, value);
  return text;
}

std::optional<SecondXAxis> SecondXAxisOf(const CLumivexData& data) {
  if (!data.m_secondXAxis) {
    return std::nullopt;
  }
  SecondXAxis axis;
  if (XUnitFromCode(data.m_xUnit) != XUnit::Wavelength) {
    axis.title = XAxisLabel(XUnit::Wavelength);
    return axis;
  }
  axis.unit = XUnitFromCode(data.m_secondXUnit);
  if (std::find(std::begin(kSecondAxisUnits), std::end(kSecondAxisUnits), axis.unit) ==
      std::end(kSecondAxisUnits)) {
    axis.unit = XUnit::Wavenumber;
  }
  axis.perNm = UnitConstant(axis.unit);
  axis.title = XAxisLabel(axis.unit);
  if (axis.unit == XUnit::EnergyEv) {
    // The main axis counts tenths of an electronvolt; the second one reads whole eV.
    axis.perNm /= 10.0;
    axis.title = {"Energy (eV)", "", ""};
  }
  return axis;
}

std::vector<SecondAxisTick> SecondAxisTicks(const SecondXAxis& axis, const CRect& plot, float lowNm,
                                            float highNm, XUnit mainUnit, int intervals) {
  std::vector<SecondAxisTick> ticks;
  const CXMapping mapping = XMappingFor(plot, lowNm, highNm, mainUnit);
  if (!mapping.usable || mapping.valueStep == 0.0f || !(lowNm > 0.0f) || !(highNm > lowNm)) {
    return ticks;
  }
  const std::optional<RoundTicks> round =
      RoundTicksBetween(axis.Value(lowNm), axis.Value(highNm), intervals);
  if (!round) {
    return ticks;
  }
  for (const double value : round->values) {
    if (value == 0.0 && axis.perNm != 0.0) {
      continue;
    }
    const double nm = axis.Wavelength(value);
    const double mainValue = mapping.constant == 0.0f ? nm : mapping.constant / nm;
    const double column = mapping.left + (mainValue - mapping.valueLow) / mapping.valueStep;
    if (!std::isfinite(column) || column < plot.left - 0.5 || column > plot.right + 0.5) {
      continue;
    }
    ticks.push_back({value, static_cast<int>(std::lround(column)), RoundTickLabel(value, *round)});
  }
  std::sort(ticks.begin(), ticks.end(),
            [](const SecondAxisTick& a, const SecondAxisTick& b) { return a.column < b.column; });
  return ticks;
}

std::vector<TitleRun> TitleWithUnits(const AxisLabel& title, YQuantity quantity, bool logarithmic) {
  if (quantity != YQuantity::Epsilon) {
    return {{title.text, title.superscript}, {title.tail, ""}};
  }
  std::vector<TitleRun> runs;
  if (!title.superscript.empty()) {
    // "Epsilon (10^4 M^-1 cm^-1)": the power of ten and then the unit, in one bracket.
    runs.push_back({title.text, title.superscript});
    runs.push_back({" M", "-1"});
  } else {
    std::string text = title.text;
    if (!text.empty() && text.back() == ')') {
      text.back() = ',';
      text += ' ';
    } else {
      text += logarithmic ? " (log, " : " (";
    }
    runs.push_back({text + "M", "-1"});
  }
  runs.push_back({" cm", "-1"});
  runs.push_back({")", ""});
  return runs;
}

} // namespace lumivex

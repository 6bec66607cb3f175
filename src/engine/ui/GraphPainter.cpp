#include "ui/GraphPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace lumivex {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr int kPaletteSize = 12;

int Rnd(double value) {
  return static_cast<int>(value + 0.5);
}

/// Where a text drawn at x in the canvas's current font and alignment ends on the right.
int RightEnd(const Canvas& canvas, std::string_view text, int x) {
  const int width = canvas.TextExtent(text).cx;
  switch (canvas.GetTextAlign()) {
  case TextAlign::LeftTop:
    break;
  case TextAlign::CentreTop:
    return x + width - width / 2;
  case TextAlign::RightTop:
    return x;
  }
  return x + width;
}

/// `text` as it fits when drawn at x and ending at `right` at the latest, in the canvas's
/// current font and alignment: the whole text when it fits, else its longest beginning in
/// whole characters, trailing blanks dropped, followed by "…"; nothing when not even the
/// ellipsis fits.
std::string Elided(const Canvas& canvas, const std::string& text, int x, int right) {
  if (text.empty() || RightEnd(canvas, text, x) <= right) {
    return text;
  }
  static constexpr std::string_view kEllipsis = "\u2026";
  // Where each character of the UTF-8 text begins, and the end.
  std::vector<std::size_t> cuts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u) {
      cuts.push_back(i);
    }
  }
  const auto shortened = [&text, &cuts](std::size_t characters) {
    std::string kept = text.substr(0, cuts[characters]);
    kept.erase(kept.find_last_not_of(' ') + 1);
    return kept + std::string(kEllipsis);
  };
  // The most characters that still fit, searched between none and all but the last.
  std::size_t fitting = 0;
  std::size_t tooMany = cuts.size();
  while (tooMany - fitting > 1) {
    const std::size_t middle = fitting + (tooMany - fitting) / 2;
    if (RightEnd(canvas, shortened(middle), x) <= right) {
      fitting = middle;
    } else {
      tooMany = middle;
    }
  }
  const std::string result = shortened(fitting);
  return RightEnd(canvas, result, x) <= right ? result : std::string();
}

/// Everything one drawing of the graph measures from the client width: sizes, fonts,
/// pens and the plot rectangle.
struct Frame {
  int titleFontHeight = 0; ///< axis titles
  int tickFontHeight = 0;  ///< tick labels
  int tickLength = 0;
  int labelGap = 0;   ///< space between the tick labels and the axis titles
  double scale = 1.0; ///< client width / 500
  CFont axisFont;     ///< axis titles
  CFont tickFont;     ///< tick labels and superscripts
  CFont headingFont;  ///< the graph's title
  CPen axisPen;
  CPen tickPen;
  int labelWidth = 0;  ///< "0.00" in the tick font
  int labelHeight = 0; ///< its height
  CRect plot;
};

Frame BeginFrame(Canvas& canvas, CSize client) {
  Frame frame;
  const double s = client.cx / 500.0;
  frame.scale = s;
  frame.titleFontHeight = Rnd(10.0 * s);
  frame.tickFontHeight = Rnd(10.0 * s);
  frame.tickLength = Rnd(4.0 * s);
  frame.labelGap = Rnd(4.0 * s);
  frame.axisFont = {"Helvetica", frame.titleFontHeight, 400, 0};
  frame.tickFont = {"Helvetica", frame.tickFontHeight, 400, 0};
  frame.headingFont = {"Helvetica", Rnd(14.0 * s), 400, 0};
  frame.axisPen = {2, kBlack, PenStyle::Solid};
  frame.tickPen = {1, kBlack, PenStyle::Solid};

  canvas.SetFont(frame.tickFont);
  const CSize zero = canvas.TextExtent("0.00");
  frame.labelWidth = zero.cx;
  frame.labelHeight = zero.cy;

  const int f = frame.titleFontHeight;
  const int g = frame.tickFontHeight;
  const int k = frame.tickLength;
  const int m = frame.labelGap;
  frame.plot.left = static_cast<int>(50.0 * s);
  frame.plot.top = frame.plot.left;
  frame.plot.right = client.cx - (k + frame.labelWidth + f + m);
  frame.plot.bottom = client.cy - (k + g + m + 2 * f);

  canvas.SetFont(frame.axisFont);
  canvas.SetPen(frame.axisPen);
  return frame;
}

/// An axis title drawn in pieces: the text and tail in the main font, the superscript in
/// the smaller font, shifted up by a quarter of the tick-label height. Horizontal titles
/// run right from `at`; upward ones run up from it, "up" then being to the left.
void DrawAxisTitle(Canvas& canvas, const AxisLabel& label, const CFont& mainFont,
                   const CFont& superscriptFont, CPoint at, int labelHeight, bool upward) {
  canvas.SetFont(mainFont);
  const int textWidth = canvas.TextExtent(label.text).cx;
  const int tailOffset = canvas.TextExtent(label.text + label.superscript).cx;
  const int raise = labelHeight / 4;
  canvas.Text(at, label.text);
  if (!label.superscript.empty()) {
    canvas.SetFont(superscriptFont);
    canvas.Text(upward ? CPoint{at.x - raise, at.y - textWidth}
                       : CPoint{at.x + textWidth, at.y - raise},
                label.superscript);
    canvas.SetFont(mainFont);
  }
  if (!label.tail.empty()) {
    canvas.Text(upward ? CPoint{at.x, at.y - tailOffset} : CPoint{at.x + tailOffset, at.y},
                label.tail);
  }
}

int WholeTitleWidth(Canvas& canvas, const AxisLabel& label, const CFont& font) {
  canvas.SetFont(font);
  return canvas.TextExtent(label.text + label.superscript + label.tail).cx;
}

/// Ticks and integer labels under the x axis. Without applied settings they label the
/// automatic range snapped to multiples of the partition count, the low end cut down and
/// the high end rounded; in other units than the wavelength they run from K / high to
/// K / low of that range.
void DrawXTicks(Canvas& canvas, const CLumivexData& data, const Frame& frame, XUnit unit) {
  const CRect& plot = frame.plot;
  int n = std::max(1, data.m_xPartitions);

  float lo = data.m_xLow;
  float hi = data.m_xHigh;
  std::optional<int> a;
  std::optional<int> b;
  if (data.m_settingsApplied) {
    a = TruncatedAxisValue(lo);
    b = TruncatedAxisValue(hi);
  } else {
    const std::optional<std::pair<int, int>> snapped = SnappedXRange(data.m_xMin, data.m_xMax, n);
    if (!snapped) {
      return;
    }
    std::tie(a, b) = *snapped;
    lo = static_cast<float>(*a);
    hi = static_cast<float>(*b);
  }
  if (unit != XUnit::Wavelength) {
    if (lo == 0.0f || hi == 0.0f) {
      return;
    }
    const float constant = UnitConstant(unit);
    a = TruncatedAxisValue(constant / hi);
    b = TruncatedAxisValue(constant / lo);
  }
  if (!a || !b) {
    return;
  }

  // Fewer partitions when the range holds fewer whole units than partitions: the first
  // count, counting down, that gives a nonzero step is the range's own length.
  const long long span = static_cast<long long>(*b) - *a;
  long long step = span / n;
  if (step == 0) {
    n = static_cast<int>(std::max(1LL, std::min<long long>(n, std::llabs(span))));
    step = span / n;
  }

  const int k = frame.tickLength;
  const double spacing = (plot.right - plot.left) / static_cast<double>(n);
  canvas.SetTextAlign(TextAlign::CentreTop);
  for (int i = 0; i <= n; ++i) {
    const int x = i == n ? plot.right : plot.left + Rnd(i * spacing);
    canvas.Line({x, plot.bottom}, {x, plot.bottom + k});
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(*a + i * step));
    canvas.Text({x, plot.bottom + 2 * k}, text);
  }
}

enum class YAxisSide { Left, RightLabelled, RightUnlabelled };

/// Ticks on a y axis from the bottom value up to the top value, labelled "%3.2f" unless
/// the axis is the unlabelled right one.
void DrawYTicks(Canvas& canvas, const Frame& frame, float topValue, float bottomValue,
                YAxisSide side, int partitions) {
  const CRect& plot = frame.plot;
  const int n = std::max(1, partitions);
  const bool left = side == YAxisSide::Left;
  const int x = left ? plot.left : plot.right;
  const int k = frame.tickLength;
  const int spacing = Rnd((plot.bottom - plot.top) / static_cast<double>(n));
  const float valueStep = (topValue - bottomValue) / static_cast<float>(n);
  const int tickEnd = left ? x - k : x + k;
  const int labelX = left ? x - frame.labelWidth + k : x + frame.labelWidth - k;
  canvas.SetTextAlign(TextAlign::CentreTop);
  for (int i = 0; i <= n; ++i) {
    const int offset = i == n ? plot.bottom - plot.top : i * spacing;
    canvas.Line({x, plot.bottom - offset}, {tickEnd, plot.bottom - offset});
    if (side != YAxisSide::RightUnlabelled) {
      char text[64];
      std::snprintf(text, sizeof text, "%3.2f",
                    static_cast<double>(bottomValue + static_cast<float>(i) * valueStep));
      canvas.Text({labelX, plot.bottom - i * spacing - k}, text);
    }
  }
}

YAxisSide SideFor(SpectrumKind kind, YQuantity quantity) {
  switch (kind) {
  case SpectrumKind::Emission:
    return quantity == YQuantity::Intensity ? YAxisSide::RightUnlabelled : YAxisSide::RightLabelled;
  case SpectrumKind::LightSource:
    return YAxisSide::RightLabelled;
  case SpectrumKind::Absorption:
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    break;
  }
  return YAxisSide::Left;
}

/// The y axis of one spectrum: ticks on its side and the title reading upward beside them.
/// The labels show the range divided by the power of ten the title names (after the
/// logarithm when log epsilon is shown).
void DrawYAxis(Canvas& canvas, const CLumivexData& data, const Frame& frame,
               const CSpectrum& spectrum, YQuantity quantity, float yHigh, float yLow) {
  const bool logarithmic = data.m_showLogEpsilon != 0;
  float yTop = yHigh;
  float yBottom = yLow;
  if (logarithmic && yTop > 1.0f) {
    yTop = std::log10(yTop);
    yBottom = yBottom > 1.0f ? std::log10(yBottom) : 0.0f;
  }
  const AxisLabel title = YAxisLabel(quantity, logarithmic, data.m_settingsApplied != 0, yTop);
  const int power = YLabelPower(yTop);
  for (int i = 0; i < power; ++i) {
    yTop /= 10.0f;
    yBottom /= 10.0f;
  }

  const YAxisSide side = SideFor(spectrum.m_kind, quantity);
  canvas.SetFont(frame.tickFont);
  canvas.SetPen(frame.tickPen);
  if (std::isfinite(yTop) && std::isfinite(yBottom)) {
    DrawYTicks(canvas, frame, yTop, yBottom, side, data.m_yPartitions);
  }

  const CRect& plot = frame.plot;
  const int f = frame.titleFontHeight;
  const int k = frame.tickLength;
  const int m = frame.labelGap;
  CFont upwardFont = frame.axisFont;
  upwardFont.escapement = 900;
  CFont upwardSuperscriptFont = frame.tickFont;
  upwardSuperscriptFont.escapement = 900;
  const int width = WholeTitleWidth(canvas, title, upwardFont);
  int x = plot.left - (frame.labelWidth + 2 * k + f + m);
  if (side == YAxisSide::RightLabelled) {
    x = plot.right + (k + frame.labelWidth + m);
  } else if (side == YAxisSide::RightUnlabelled) {
    x = plot.right + (k + m);
  }
  const int y = plot.bottom - (plot.bottom - plot.top - width) / 2;
  canvas.SetTextAlign(TextAlign::LeftTop);
  DrawAxisTitle(canvas, title, upwardFont, upwardSuperscriptFont, {x, y}, frame.labelHeight, true);
}

} // namespace

std::pair<float, float> DrawnXRange(const CLumivexData& data) {
  if (data.m_settingsApplied) {
    return {data.m_xLow, data.m_xHigh};
  }
  if (data.m_xAxisValues) {
    if (const auto snapped = SnappedXRange(data.m_xMin, data.m_xMax, data.m_xPartitions)) {
      return {static_cast<float>(snapped->first), static_cast<float>(snapped->second)};
    }
  }
  return {data.m_xMin, data.m_xMax};
}

std::pair<float, float> DrawnYRange(const CLumivexData& data, SpectrumKind kind) {
  float kindMaximum = data.m_absorptionMax;
  if (kind == SpectrumKind::Emission) {
    kindMaximum = data.m_emissionMax;
  } else if (kind == SpectrumKind::LightSource) {
    kindMaximum = data.m_lightSourceMax;
  }
  if (data.m_settingsApplied) {
    switch (kind) {
    case SpectrumKind::Emission:
      if (data.m_showFluorescence || data.m_showIntensity) {
        return {data.m_yHigh, data.m_emissionLow};
      }
      break;
    case SpectrumKind::Curve:
      return {data.m_yHigh, data.m_emissionLow};
    case SpectrumKind::LightSource:
      if (data.m_showIrradiance) {
        return {data.m_yHigh, data.m_lightSourceLow};
      }
      break;
    case SpectrumKind::Absorption:
    case SpectrumKind::None:
      if (data.m_showEpsilon || data.m_showLogEpsilon) {
        return {data.m_yHigh, data.m_epsilonLow};
      }
      if (data.m_showAbsorption) {
        return {data.m_yHigh, data.m_absorptionLow};
      }
      break;
    }
  }
  return {kindMaximum, 0.0f};
}

float CXMapping::Value(int px) const {
  return valueLow + static_cast<float>(px - left) * valueStep;
}

std::optional<float> CXMapping::Wavelength(int px) const {
  const float v = Value(px);
  if (constant == 0.0f) {
    return v;
  }
  if (v == 0.0f) {
    return std::nullopt;
  }
  return constant / v;
}

CXMapping XMappingFor(const CRect& plot, float lowNm, float highNm, XUnit unit) {
  CXMapping mapping;
  mapping.left = plot.left;
  const bool wavelength = unit == XUnit::Wavelength;
  mapping.constant = wavelength ? 0.0f : UnitConstant(unit);
  float vLow = lowNm;
  float vHigh = highNm;
  if (!wavelength) {
    if (lowNm == 0.0f || highNm == 0.0f) {
      return mapping;
    }
    vLow = mapping.constant / highNm;
    vHigh = mapping.constant / lowNm;
  }
  const int width = plot.right - plot.left + 1;
  mapping.valueLow = vLow;
  mapping.valueStep = (vHigh - vLow) / static_cast<float>(width - 1);
  mapping.usable = true;
  return mapping;
}

double CYMapping::Row(float y) const {
  float rise = 0.0f;
  if (logDecade > 0.0f) {
    rise = y <= 1.0f ? 0.0f : (std::log10(y) - logDecade) * height / (logTop - logDecade);
  } else if (logarithmic) {
    rise = y <= 1.0f ? 0.0f : std::log10(y) * height / logTop * scale;
  } else {
    rise = height * y / top * scale;
  }
  return baseline - std::trunc(static_cast<double>(rise));
}

float CYMapping::Value(double row) const {
  const auto rise = static_cast<float>(baseline - row);
  if (logDecade > 0.0f) {
    return std::pow(10.0f, logDecade + rise * (logTop - logDecade) / height);
  }
  if (logarithmic) {
    return std::pow(10.0f, rise * logTop / (height * scale));
  }
  return rise * top / (height * scale);
}

CYMapping YMappingFor(const CRect& plot, float yHigh, float yLow, bool logarithmic) {
  CYMapping mapping;
  const int height = plot.bottom - plot.top + 1;
  const float c = yHigh;
  const float d = yLow;
  if (height < 1 || !std::isfinite(c) || !std::isfinite(d) || c == d || c == 0.0f) {
    return mapping;
  }
  mapping.height = static_cast<float>(height);
  mapping.top = c;
  mapping.scale = c / (c - d);
  mapping.logarithmic = logarithmic;
  mapping.logTop = logarithmic ? std::log10(c) : 1.0f;
  if (!(mapping.logTop > 0.0f) || !std::isfinite(mapping.scale)) {
    return mapping;
  }
  const float h = mapping.height;
  if (logarithmic && d > 1.0f) {
    // The axis labels run from log10(yLow) up to log10(yHigh): so do the rows.
    mapping.logDecade = std::log10(d);
    mapping.baseline = plot.bottom;
  } else {
    // Heights count from where y = 0 lies: H * scale - H rows below the bottom row, so that
    // yLow itself lands on the bottom row.
    mapping.baseline = plot.bottom + std::trunc(static_cast<double>(h * mapping.scale - h));
  }
  mapping.usable = mapping.logTop > mapping.logDecade;
  return mapping;
}

GraphGeometry DrawGraph(const CLumivexData& data, Canvas& canvas, CSize client, bool monochrome) {
  GraphGeometry geometry;
  if (data.m_spectra.empty()) {
    return geometry;
  }
  const XUnit unit = XUnitFromCode(data.m_xUnit);
  const bool applied = data.m_settingsApplied != 0;
  const std::string& provided = data.m_spectra.back()->m_provided;

  // Each spectrum draws the whole frame again with its own y axis, so an absorption and an
  // emission spectrum end up with their scales on opposite sides.
  for (std::size_t index = 0; index < data.m_spectra.size(); ++index) {
    const CSpectrum& spectrum = *data.m_spectra[index];
    const int position = static_cast<int>(index) + 1;
    const Frame frame = BeginFrame(canvas, client);
    const CRect& plot = frame.plot;
    const int f = frame.titleFontHeight;
    const int g = frame.tickFontHeight;
    const int k = frame.tickLength;
    const int m = frame.labelGap;
    geometry = {plot, frame.labelWidth, g};

    canvas.SetTextAlign(TextAlign::CentreTop);
    canvas.SetFont(frame.headingFont);
    canvas.Text({client.cx / 2, plot.top - (f + g + k)}, data.m_title);

    canvas.SetPen(frame.axisPen);
    canvas.Line({plot.left, plot.bottom}, {plot.right, plot.bottom});

    if (data.m_xAxisValues) {
      canvas.SetFont(frame.tickFont);
      canvas.SetPen(frame.tickPen);
      DrawXTicks(canvas, data, frame, unit);
      const AxisLabel title = XAxisLabel(unit);
      canvas.SetTextAlign(TextAlign::LeftTop);
      const int width = WholeTitleWidth(canvas, title, frame.axisFont);
      const CPoint at{plot.left + (plot.right - plot.left - width) / 2, plot.bottom + k + g + m};
      DrawAxisTitle(canvas, title, frame.axisFont, frame.tickFont, at, frame.labelHeight, false);
    }

    canvas.SetPen(frame.axisPen);
    canvas.Line({plot.left, plot.top}, {plot.left, plot.bottom});
    canvas.Line({plot.right, plot.top}, {plot.right, plot.bottom});

    const YQuantity quantity = QuantityFor(spectrum.m_kind, applied, data.m_showEpsilon != 0,
                                           data.m_showLogEpsilon != 0, data.m_showIntensity != 0);
    const auto [yHigh, yLow] = DrawnYRange(data, spectrum.m_kind);
    if (data.m_yAxisValues) {
      DrawYAxis(canvas, data, frame, spectrum, quantity, yHigh, yLow);
    }

    const auto [lowNm, highNm] = DrawnXRange(data);
    DrawSpectrum(spectrum, canvas, plot, lowNm, highNm, yHigh, yLow, monochrome ? 0 : position,
                 unit, quantity, data.m_showLogEpsilon != 0, data.m_lineWidth);

    // The credit line keeps the alignment the axis titles left.
    canvas.SetFont({"Helvetica", Rnd(10.0 * frame.scale), 400, 0});
    const int half = (plot.right - plot.left - 30) / 2;
    const int creditX = static_cast<int>(plot.left + 1.6 * half);
    canvas.Text({creditX, plot.bottom + static_cast<int>(18.0 * frame.scale)},
                "Last spectrum courtesy of: ");
    // The provider's text is cut short rather than run past the window's right edge.
    canvas.Text({creditX, plot.bottom + static_cast<int>(27.0 * frame.scale)},
                Elided(canvas, provided, creditX, client.cx));
  }
  return geometry;
}

void DrawSpectrum(const CSpectrum& spectrum, Canvas& canvas, const CRect& plot, float lowNm,
                  float highNm, float yHigh, float yLow, int colourNumber, XUnit unit,
                  YQuantity quantity, bool logarithmic, int penWidth) {
  const CXMapping mapping = XMappingFor(plot, lowNm, highNm, unit);
  if (!mapping.usable) {
    return;
  }
  const int width = plot.right - plot.left + 1;
  const bool logScale = logarithmic && spectrum.m_kind == SpectrumKind::Absorption;
  const CYMapping rows = YMappingFor(plot, yHigh, yLow, logScale);
  if (width <= 1 || !rows.usable || !std::isfinite(mapping.valueLow) ||
      !std::isfinite(mapping.valueStep)) {
    return;
  }
  const float lowest = spectrum.SmallestX() + spectrum.m_xShift;
  const float highest = spectrum.LargestX() + spectrum.m_xShift;
  // The columns inside the spectrum's range and the wavelengths they show, then the values
  // there, sampled all together.
  std::vector<int> columns;
  std::vector<float> wavelengths;
  for (int px = plot.left; px <= plot.right; ++px) {
    const std::optional<float> lambda = mapping.Wavelength(px);
    if (lambda && *lambda >= lowest && *lambda < highest) {
      columns.push_back(px);
      wavelengths.push_back(*lambda);
    }
  }
  std::vector<float> values(wavelengths.size());
  spectrum.InterpolateMany(wavelengths, values);

  const QuantityConversion toQuantity(spectrum, quantity);
  std::vector<CPoint> points;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const double row = rows.Row(toQuantity(values[k]));
    if (std::isnan(row)) {
      continue;
    }
    const double clamped =
        std::clamp(row, static_cast<double>(plot.top), static_cast<double>(plot.bottom));
    points.push_back({columns[k], static_cast<int>(clamped)});
  }
  if (points.empty()) {
    return;
  }

  const Rgb colour = colourNumber >= 1 && colourNumber <= kPaletteSize
                         ? WorkspaceColour(colourNumber - 1)
                         : kBlack;
  const bool dashedKind =
      spectrum.m_kind == SpectrumKind::Emission || spectrum.m_kind == SpectrumKind::LightSource;
  const PenStyle style = dashedKind && penWidth < 2 ? PenStyle::Dash : PenStyle::Solid;
  CPenKeeper keeper(canvas);
  canvas.SetPen({penWidth, colour, style});
  canvas.Polyline(points);
}

} // namespace lumivex

#include "ui/GraphPainter.h"

#include "core/SvgCanvas.h"
#include "ui/AxisTicks.h"

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
constexpr Rgb kWhite{255, 255, 255};
constexpr int kPaletteSize = 12;

/// The polyline of one spectrum as the curve painter draws it and its pen; no points when
/// nothing of the spectrum shows.
struct Curve {
  std::vector<CPoint> points;
  CPen pen;
};

Curve SampleCurve(const CSpectrum& spectrum, const CRect& plot, float lowNm, float highNm,
                  float yHigh, float yLow, int colourNumber, XUnit unit, YQuantity quantity,
                  bool logarithmic, int penWidth);

void DrawCurve(Canvas& canvas, const Curve& curve) {
  if (curve.points.empty()) {
    return;
  }
  CPenKeeper keeper(canvas);
  canvas.SetPen(curve.pen);
  canvas.Polyline(curve.points);
}

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
  int headingTop = 0;  ///< where the graph's title is drawn
  CRect plot;
};

/// `topAxis`: room is made above the plot for a second x axis, its labels and its title.
Frame BeginFrame(Canvas& canvas, CSize client, bool topAxis) {
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
  frame.headingTop = frame.plot.top - (f + g + k);
  if (topAxis) {
    frame.plot.top += k + g + 2 * m + f;
  }

  canvas.SetFont(frame.axisFont);
  canvas.SetPen(frame.axisPen);
  return frame;
}

std::vector<TitleRun> RunsOf(const AxisLabel& label) {
  return {{label.text, label.superscript}, {label.tail, ""}};
}

/// An axis title drawn in runs: each run's text in the main font, its superscript in the
/// smaller font, shifted up by a quarter of the tick-label height; the next run starts
/// where the run's text and superscript would end in the main font. Horizontal titles run
/// right from `at`; upward ones run up from it, "up" then being to the left.
void DrawTitleRuns(Canvas& canvas, const std::vector<TitleRun>& runs, const CFont& mainFont,
                   const CFont& superscriptFont, CPoint at, int labelHeight, bool upward) {
  const int raise = labelHeight / 4;
  int offset = 0;
  const auto along = [&](int distance) {
    return upward ? CPoint{at.x, at.y - distance} : CPoint{at.x + distance, at.y};
  };
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const TitleRun& run = runs[i];
    canvas.SetFont(mainFont);
    if (i == 0 || !run.text.empty()) {
      canvas.Text(along(offset), run.text);
    }
    if (!run.superscript.empty()) {
      const int textWidth = canvas.TextExtent(run.text).cx;
      const CPoint base = along(offset + textWidth);
      canvas.SetFont(superscriptFont);
      canvas.Text(upward ? CPoint{base.x - raise, base.y} : CPoint{base.x, base.y - raise},
                  run.superscript);
      canvas.SetFont(mainFont);
    }
    offset += canvas.TextExtent(run.text + run.superscript).cx;
  }
}

void DrawAxisTitle(Canvas& canvas, const AxisLabel& label, const CFont& mainFont,
                   const CFont& superscriptFont, CPoint at, int labelHeight, bool upward) {
  DrawTitleRuns(canvas, RunsOf(label), mainFont, superscriptFont, at, labelHeight, upward);
}

int WholeTitleWidth(Canvas& canvas, const std::vector<TitleRun>& runs, const CFont& font) {
  canvas.SetFont(font);
  std::string whole;
  for (const TitleRun& run : runs) {
    whole += run.text + run.superscript;
  }
  return canvas.TextExtent(whole).cx;
}

int WholeTitleWidth(Canvas& canvas, const AxisLabel& label, const CFont& font) {
  return WholeTitleWidth(canvas, RunsOf(label), font);
}

/// Ticks under the x axis at round values of the shown unit, each at the column where the
/// curves show that value.
void DrawRoundXTicks(Canvas& canvas, const CLumivexData& data, const Frame& frame, XUnit unit) {
  const CRect& plot = frame.plot;
  const auto [lowNm, highNm] = DrawnXRange(data);
  const CXMapping mapping = XMappingFor(plot, lowNm, highNm, unit);
  if (!mapping.usable || mapping.valueStep == 0.0f) {
    return;
  }
  const std::optional<RoundTicks> ticks =
      RoundTicksBetween(mapping.Value(plot.left), mapping.Value(plot.right), data.m_xPartitions);
  if (!ticks) {
    return;
  }
  const int k = frame.tickLength;
  canvas.SetTextAlign(TextAlign::CentreTop);
  for (const double value : ticks->values) {
    const double column = plot.left + (value - mapping.valueLow) / mapping.valueStep;
    if (!std::isfinite(column) || column < plot.left - 0.5 || column > plot.right + 0.5) {
      continue;
    }
    const int x = static_cast<int>(std::lround(column));
    canvas.Line({x, plot.bottom}, {x, plot.bottom + k});
    canvas.Text({x, plot.bottom + 2 * k}, RoundTickLabel(value, *ticks));
  }
}

/// The second x axis along the top: its line, ticks pointing up, labels above them and the
/// title above the labels.
void DrawSecondXAxis(Canvas& canvas, const CLumivexData& data, const Frame& frame,
                     const SecondXAxis& axis, XUnit unit) {
  const CRect& plot = frame.plot;
  const int k = frame.tickLength;
  const int g = frame.tickFontHeight;
  const int m = frame.labelGap;
  const int f = frame.titleFontHeight;
  canvas.SetPen(frame.axisPen);
  canvas.Line({plot.left, plot.top}, {plot.right, plot.top});
  canvas.SetPen(frame.tickPen);
  canvas.SetFont(frame.tickFont);
  canvas.SetTextAlign(TextAlign::CentreTop);
  const auto [lowNm, highNm] = DrawnXRange(data);
  int lastRight = plot.left - frame.labelWidth;
  for (const SecondAxisTick& tick :
       SecondAxisTicks(axis, plot, lowNm, highNm, unit, std::max(1, data.m_xPartitions))) {
    canvas.Line({tick.column, plot.top}, {tick.column, plot.top - k});
    // Reciprocal spacing crowds one end: a label that would touch its neighbour is left out.
    const int width = canvas.TextExtent(tick.label).cx;
    if (tick.column - width / 2 > lastRight + m) {
      canvas.Text({tick.column, plot.top - k - g}, tick.label);
      lastRight = tick.column + width - width / 2;
    }
  }
  canvas.SetTextAlign(TextAlign::LeftTop);
  const int width = WholeTitleWidth(canvas, axis.title, frame.axisFont);
  const CPoint at{plot.left + (plot.right - plot.left - width) / 2, plot.top - k - g - m - f};
  DrawAxisTitle(canvas, axis.title, frame.axisFont, frame.tickFont, at, frame.labelHeight, false);
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

/// Ticks on a y axis at round values between the bottom and top values, each on the row
/// where the curves draw it: `valueAt` turns a label value back into the plotted value.
template <typename ValueAt>
void DrawRoundYTicks(Canvas& canvas, const Frame& frame, const CYMapping& rows, float topValue,
                     float bottomValue, YAxisSide side, int partitions, ValueAt valueAt) {
  const CRect& plot = frame.plot;
  const std::optional<RoundTicks> ticks = RoundTicksBetween(bottomValue, topValue, partitions);
  if (!ticks || !rows.usable) {
    return;
  }
  const bool left = side == YAxisSide::Left;
  const int x = left ? plot.left : plot.right;
  const int k = frame.tickLength;
  const int tickEnd = left ? x - k : x + k;
  const int labelX = left ? x - frame.labelWidth + k : x + frame.labelWidth - k;
  canvas.SetTextAlign(TextAlign::CentreTop);
  for (const double value : ticks->values) {
    const double row = rows.Row(valueAt(value));
    if (!std::isfinite(row) || row < plot.top - 0.5 || row > plot.bottom + 0.5) {
      continue;
    }
    const int y = static_cast<int>(row);
    canvas.Line({x, y}, {tickEnd, y});
    if (side != YAxisSide::RightUnlabelled) {
      canvas.Text({labelX, y - k}, RoundTickLabel(value, *ticks));
    }
  }
}

/// One line of the legend: the spectrum's name, the pen of its curve and the curve's
/// points, which the legend avoids covering.
struct LegendEntry {
  std::string name;
  Curve curve;
};

/// A spectrum's name in the legend: its own name, else its file's name without the folder.
std::string LegendName(const CSpectrum& spectrum) {
  if (!spectrum.m_name.empty()) {
    return spectrum.m_name;
  }
  const std::size_t slash = spectrum.m_filePath.find_last_of("/\\");
  return slash == std::string::npos ? spectrum.m_filePath : spectrum.m_filePath.substr(slash + 1);
}

/// The legend: a framed white box inside the plot, one line per spectrum with a stretch of
/// its pen and its name in its colour, in the corner of the plot where it covers the
/// fewest points of the curves (top right first when corners tie). Nothing when the box
/// does not fit into the plot.
void DrawLegend(Canvas& canvas, const Frame& frame, const std::vector<LegendEntry>& entries) {
  const CRect& plot = frame.plot;
  if (entries.empty()) {
    return;
  }
  const int pad = std::max(2, Rnd(4.0 * frame.scale));
  const int sample = Rnd(20.0 * frame.scale);
  const int lineHeight = frame.labelHeight + pad / 2;
  canvas.SetFont(frame.tickFont);
  canvas.SetTextAlign(TextAlign::LeftTop);
  const int textLeft = pad + sample + pad;
  const int widest = (plot.right - plot.left) / 2 - textLeft - pad;
  std::vector<std::string> names;
  int textWidth = 0;
  for (const LegendEntry& entry : entries) {
    names.push_back(Elided(canvas, entry.name, 0, widest));
    textWidth = std::max(textWidth, canvas.TextExtent(names.back()).cx);
  }
  const int width = textLeft + textWidth + pad;
  const int height = static_cast<int>(entries.size()) * lineHeight + pad;
  if (widest <= 0 || width + 2 * pad > plot.Width() || height + 2 * pad > plot.Height()) {
    return;
  }
  const int leftX = plot.left + pad;
  const int rightX = plot.right - pad - width;
  const int topY = plot.top + pad;
  const int bottomY = plot.bottom - pad - height;
  const CPoint corners[] = {{rightX, topY}, {leftX, topY}, {rightX, bottomY}, {leftX, bottomY}};
  CRect box;
  long long fewest = -1;
  for (const CPoint corner : corners) {
    const CRect candidate{corner.x, corner.y, corner.x + width, corner.y + height};
    long long covered = 0;
    for (const LegendEntry& entry : entries) {
      covered += std::count_if(entry.curve.points.begin(), entry.curve.points.end(),
                               [&candidate](CPoint p) {
                                 return p.x >= candidate.left && p.x < candidate.right &&
                                        p.y >= candidate.top && p.y < candidate.bottom;
                               });
    }
    if (fewest < 0 || covered < fewest) {
      fewest = covered;
      box = candidate;
    }
  }

  canvas.FillRect(box, kWhite);
  CPenKeeper keeper(canvas);
  canvas.SetPen(frame.tickPen);
  canvas.Polyline({{box.left, box.top},
                   {box.right, box.top},
                   {box.right, box.bottom},
                   {box.left, box.bottom},
                   {box.left, box.top}});
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int top = box.top + pad + static_cast<int>(i) * lineHeight;
    const int middle = top + frame.labelHeight / 2;
    canvas.SetPen(entries[i].curve.pen);
    canvas.Line({box.left + pad, middle}, {box.left + pad + sample, middle});
    canvas.SetTextColour(entries[i].curve.pen.colour);
    canvas.Text({box.left + textLeft, top}, names[i]);
  }
  canvas.SetTextColour(kBlack);
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
  const bool logAxis = logarithmic && yHigh > 1.0f;
  float yTop = yHigh;
  float yBottom = yLow;
  if (logAxis) {
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
    if (data.m_roundTicks) {
      const CYMapping rows = YMappingFor(frame.plot, yHigh, yLow, logAxis);
      const double scale = std::pow(10.0, power);
      DrawRoundYTicks(canvas, frame, rows, yTop, yBottom, side, data.m_yPartitions,
                      [logAxis, scale](double value) {
                        return static_cast<float>(logAxis ? std::pow(10.0, value * scale)
                                                          : value * scale);
                      });
    } else {
      DrawYTicks(canvas, frame, yTop, yBottom, side, data.m_yPartitions);
    }
  }
  const std::vector<TitleRun> runs =
      data.m_unitTitles ? TitleWithUnits(title, quantity, logarithmic) : RunsOf(title);

  const CRect& plot = frame.plot;
  const int f = frame.titleFontHeight;
  const int k = frame.tickLength;
  const int m = frame.labelGap;
  CFont upwardFont = frame.axisFont;
  upwardFont.escapement = 900;
  CFont upwardSuperscriptFont = frame.tickFont;
  upwardSuperscriptFont.escapement = 900;
  const int width = WholeTitleWidth(canvas, runs, upwardFont);
  int x = plot.left - (frame.labelWidth + 2 * k + f + m);
  if (side == YAxisSide::RightLabelled) {
    x = plot.right + (k + frame.labelWidth + m);
  } else if (side == YAxisSide::RightUnlabelled) {
    x = plot.right + (k + m);
  }
  const int y = plot.bottom - (plot.bottom - plot.top - width) / 2;
  canvas.SetTextAlign(TextAlign::LeftTop);
  DrawTitleRuns(canvas, runs, upwardFont, upwardSuperscriptFont, {x, y}, frame.labelHeight, true);
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
  const std::optional<SecondXAxis> secondAxis = SecondXAxisOf(data);
  std::vector<LegendEntry> legend;
  Frame frame;

  // Each spectrum draws the whole frame again with its own y axis, so an absorption and an
  // emission spectrum end up with their scales on opposite sides.
  for (std::size_t index = 0; index < data.m_spectra.size(); ++index) {
    const CSpectrum& spectrum = *data.m_spectra[index];
    const int position = static_cast<int>(index) + 1;
    frame = BeginFrame(canvas, client, secondAxis.has_value());
    const CRect& plot = frame.plot;
    const int g = frame.tickFontHeight;
    const int k = frame.tickLength;
    const int m = frame.labelGap;
    geometry = {plot, frame.labelWidth, g};

    canvas.SetTextAlign(TextAlign::CentreTop);
    canvas.SetFont(frame.headingFont);
    canvas.Text({client.cx / 2, frame.headingTop}, data.m_title);

    canvas.SetPen(frame.axisPen);
    canvas.Line({plot.left, plot.bottom}, {plot.right, plot.bottom});

    if (data.m_xAxisValues) {
      canvas.SetFont(frame.tickFont);
      canvas.SetPen(frame.tickPen);
      if (data.m_roundTicks) {
        DrawRoundXTicks(canvas, data, frame, unit);
      } else {
        DrawXTicks(canvas, data, frame, unit);
      }
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
    Curve curve = SampleCurve(spectrum, plot, lowNm, highNm, yHigh, yLow, monochrome ? 0 : position,
                              unit, quantity, data.m_showLogEpsilon != 0, data.m_lineWidth);
    DrawCurve(canvas, curve);
    if (data.m_showLegend) {
      legend.push_back({LegendName(spectrum), std::move(curve)});
    }

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
  if (secondAxis) {
    DrawSecondXAxis(canvas, data, frame, *secondAxis, unit);
  }
  DrawLegend(canvas, frame, legend);
  return geometry;
}

std::string GraphSvg(const CLumivexData& data, CSize client, bool monochrome) {
  CSvgCanvas canvas(client);
  DrawGraph(data, canvas, client, monochrome);
  return canvas.Document();
}

namespace {

Curve SampleCurve(const CSpectrum& spectrum, const CRect& plot, float lowNm, float highNm,
                  float yHigh, float yLow, int colourNumber, XUnit unit, YQuantity quantity,
                  bool logarithmic, int penWidth) {
  Curve curve;
  const Rgb colour = colourNumber >= 1 && colourNumber <= kPaletteSize
                         ? WorkspaceColour(colourNumber - 1)
                         : kBlack;
  const bool dashedKind =
      spectrum.m_kind == SpectrumKind::Emission || spectrum.m_kind == SpectrumKind::LightSource;
  const PenStyle style = dashedKind && penWidth < 2 ? PenStyle::Dash : PenStyle::Solid;
  curve.pen = {penWidth, colour, style};
  const CXMapping mapping = XMappingFor(plot, lowNm, highNm, unit);
  if (!mapping.usable) {
    return curve;
  }
  const int width = plot.right - plot.left + 1;
  const bool logScale = logarithmic && spectrum.m_kind == SpectrumKind::Absorption;
  const CYMapping rows = YMappingFor(plot, yHigh, yLow, logScale);
  if (width <= 1 || !rows.usable || !std::isfinite(mapping.valueLow) ||
      !std::isfinite(mapping.valueStep)) {
    return curve;
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
  std::vector<CPoint>& points = curve.points;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const double row = rows.Row(toQuantity(values[k]));
    if (std::isnan(row)) {
      continue;
    }
    const double clamped =
        std::clamp(row, static_cast<double>(plot.top), static_cast<double>(plot.bottom));
    points.push_back({columns[k], static_cast<int>(clamped)});
  }
  return curve;
}

} // namespace

void DrawSpectrum(const CSpectrum& spectrum, Canvas& canvas, const CRect& plot, float lowNm,
                  float highNm, float yHigh, float yLow, int colourNumber, XUnit unit,
                  YQuantity quantity, bool logarithmic, int penWidth) {
  const Curve curve = SampleCurve(spectrum, plot, lowNm, highNm, yHigh, yLow, colourNumber, unit,
                                  quantity, logarithmic, penWidth);
  DrawCurve(canvas, curve);
}

} // namespace lumivex

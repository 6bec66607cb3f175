#include "ui/GraphInteraction.h"

#include "ui/GraphSettingDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace lumivex {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCursorGrey{128, 128, 128};
constexpr Rgb kTableBackground{255, 255, 225};

int Rnd(double value) {
  return static_cast<int>(value + 0.5);
}

bool Inside(const CRect& plot, CPoint at) {
  return at.x >= plot.left && at.x <= plot.right && at.y >= plot.top && at.y <= plot.bottom;
}

CPoint ClampedTo(const CRect& plot, CPoint at) {
  return {std::clamp(at.x, plot.left, plot.right), std::clamp(at.y, plot.top, plot.bottom)};
}

/// The wavelength (nm) of an axis value; nothing where it has none (0 or below in a
/// K / nm unit).
std::optional<float> WavelengthOf(const CXMapping& mapping, float value) {
  if (mapping.constant == 0.0f) {
    return value;
  }
  if (!(value > 0.0f)) {
    return std::nullopt;
  }
  return mapping.constant / value;
}

/// The wavelength range (low, high) shown between two axis values.
std::optional<std::pair<float, float>> RangeOf(const CXMapping& mapping, float first,
                                               float second) {
  const std::optional<float> a = WavelengthOf(mapping, first);
  const std::optional<float> b = WavelengthOf(mapping, second);
  if (!a || !b) {
    return std::nullopt;
  }
  return std::pair{std::min(*a, *b), std::max(*a, *b)};
}

bool ShowsUserRange(const CLumivexData& data, SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Absorption:
    return data.m_showAbsorption || data.m_showEpsilon || data.m_showLogEpsilon;
  case SpectrumKind::Emission:
    return data.m_showFluorescence || data.m_showIntensity;
  case SpectrumKind::LightSource:
    return data.m_showIrradiance != 0;
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    break;
  }
  return false;
}

std::string ShownName(const CSpectrum& spectrum, std::size_t index) {
  if (!spectrum.m_name.empty()) {
    return spectrum.m_name;
  }
  const std::size_t slash = spectrum.m_filePath.find_last_of("/\\");
  std::string file =
      slash == std::string::npos ? spectrum.m_filePath : spectrum.m_filePath.substr(slash + 1);
  return file.empty() ? "Spectrum " + std::to_string(index + 1) : file;
}

std::string Formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string ValueText(const std::optional<float>& value) {
  return value ? Formatted("%.4g", static_cast<double>(*value)) : std::string("-");
}

} // namespace

CDisplayRange CDisplayRange::Of(const CLumivexData& data) {
  CDisplayRange range;
  range.settingsApplied = data.m_settingsApplied;
  range.freshSettings = data.m_freshSettings;
  range.showAbsorption = data.m_showAbsorption;
  range.showFluorescence = data.m_showFluorescence;
  range.showIrradiance = data.m_showIrradiance;
  range.showLogEpsilon = data.m_showLogEpsilon;
  range.showIntensity = data.m_showIntensity;
  range.showEpsilon = data.m_showEpsilon;
  range.xAxisValues = data.m_xAxisValues;
  range.yAxisValues = data.m_yAxisValues;
  range.xLow = data.m_xLow;
  range.xHigh = data.m_xHigh;
  range.yHigh = data.m_yHigh;
  range.absorptionMax = data.m_absorptionMax;
  range.absorptionLow = data.m_absorptionLow;
  range.epsilonMax = data.m_epsilonMax;
  range.epsilonLow = data.m_epsilonLow;
  range.emissionMax = data.m_emissionMax;
  range.emissionLow = data.m_emissionLow;
  range.intensityMax = data.m_intensityMax;
  range.lightSourceMax = data.m_lightSourceMax;
  range.lightSourceLow = data.m_lightSourceLow;
  return range;
}

void CDisplayRange::StoreInto(CLumivexData& data) const {
  data.m_settingsApplied = settingsApplied;
  data.m_freshSettings = freshSettings;
  data.m_showAbsorption = showAbsorption;
  data.m_showFluorescence = showFluorescence;
  data.m_showIrradiance = showIrradiance;
  data.m_showLogEpsilon = showLogEpsilon;
  data.m_showIntensity = showIntensity;
  data.m_showEpsilon = showEpsilon;
  data.m_xAxisValues = xAxisValues;
  data.m_yAxisValues = yAxisValues;
  data.m_xLow = xLow;
  data.m_xHigh = xHigh;
  data.m_yHigh = yHigh;
  data.m_absorptionMax = absorptionMax;
  data.m_absorptionLow = absorptionLow;
  data.m_epsilonMax = epsilonMax;
  data.m_epsilonLow = epsilonLow;
  data.m_emissionMax = emissionMax;
  data.m_emissionLow = emissionLow;
  data.m_intensityMax = intensityMax;
  data.m_lightSourceMax = lightSourceMax;
  data.m_lightSourceLow = lightSourceLow;
}

void CGraphInteraction::Drawn(const CLumivexData& data, const GraphGeometry& geometry,
                              CSize client) {
  m_plot = geometry.plotRect;
  m_client = client;
  m_drawn = !data.m_spectra.empty() && m_plot.Width() > 1 && m_plot.Height() > 0;
  Remap(data);
}

void CGraphInteraction::Follow(const CLumivexData& data) {
  const bool sameSpectra = std::equal(
      m_seenSpectra.begin(), m_seenSpectra.end(), data.m_spectra.begin(), data.m_spectra.end(),
      [](const CSpectrum* seen, const auto& spectrum) { return seen == spectrum.get(); });
  if (!sameSpectra || m_seenUnit != data.m_xUnit || !(m_seenRange == CDisplayRange::Of(data))) {
    Remap(data);
  }
}

void CGraphInteraction::Remap(const CLumivexData& data) {
  m_seenSpectra.clear();
  for (const auto& spectrum : data.m_spectra) {
    m_seenSpectra.push_back(spectrum.get());
  }
  m_seenRange = CDisplayRange::Of(data);
  m_seenUnit = data.m_xUnit;
  m_plotted.clear();
  m_xMapping = {};
  m_yMapping = {};
  if (data.m_spectra.empty()) {
    m_drawn = false;
    return;
  }
  m_unit = XUnitFromCode(data.m_xUnit);
  const auto [lowNm, highNm] = DrawnXRange(data);
  m_xMapping = XMappingFor(m_plot, lowNm, highNm, m_unit);
  const CSpectrum& reference = *Reference(data);
  const auto [top, bottom] = DrawnYRange(data, reference.m_kind);
  m_yMapping =
      YMappingFor(m_plot, top, bottom,
                  data.m_showLogEpsilon != 0 && reference.m_kind == SpectrumKind::Absorption);

  const bool applied = data.m_settingsApplied != 0;
  m_extentLow = 1.0e9f;
  m_extentHigh = 0.0f;
  for (std::size_t index = 0; index < data.m_spectra.size(); ++index) {
    const CSpectrum& spectrum = *data.m_spectra[index];
    const YQuantity quantity = QuantityFor(spectrum.m_kind, applied, data.m_showEpsilon != 0,
                                           data.m_showLogEpsilon != 0, data.m_showIntensity != 0);
    const float lowest = spectrum.SmallestX() + spectrum.m_xShift;
    const float highest = spectrum.LargestX() + spectrum.m_xShift;
    m_extentLow = std::min(m_extentLow, lowest);
    m_extentHigh = std::max(m_extentHigh, highest);
    m_plotted.push_back({&spectrum, ShownName(spectrum, index),
                         QuantityConversion(spectrum, quantity), lowest, highest,
                         WorkspaceColour(static_cast<int>(index))});
  }
}

const CSpectrum* CGraphInteraction::Reference(const CLumivexData& data) const {
  if (data.m_settingsApplied) {
    for (auto it = data.m_spectra.rbegin(); it != data.m_spectra.rend(); ++it) {
      if (ShowsUserRange(data, (*it)->m_kind)) {
        return it->get();
      }
    }
  }
  return data.m_spectra.back().get();
}

void CGraphInteraction::UpdateReadout(CPoint at) {
  m_cursor = at;
  m_readout.reset();
  if (!m_drawn || !m_xMapping.usable || !Inside(m_plot, at)) {
    return;
  }
  const std::optional<float> wavelength = m_xMapping.Wavelength(at.x);
  if (!wavelength || !std::isfinite(*wavelength)) {
    return;
  }
  CCursorReadout readout;
  readout.column = at.x;
  readout.unit = m_unit;
  readout.axisValue = m_xMapping.Value(at.x);
  readout.wavelength = *wavelength;
  readout.lines.reserve(m_plotted.size());
  for (const Plotted& plotted : m_plotted) {
    CReadoutLine line{plotted.name, plotted.colour, std::nullopt};
    // The curve painter draws a spectrum from its smallest x up to, not including, its
    // largest: so does the readout.
    if (*wavelength >= plotted.lowest && *wavelength < plotted.highest) {
      line.value = plotted.toQuantity(plotted.spectrum->Interpolate(*wavelength));
    }
    readout.lines.push_back(std::move(line));
  }
  m_readout = std::move(readout);
}

bool CGraphInteraction::Move(CLumivexData& data, CPoint at, bool shift) {
  Follow(data);
  m_shift = shift;
  bool changed = false;
  if (m_drag == Drag::Pan && m_pressedX.usable) {
    const int dx = at.x - m_pressed.x;
    const int dy = at.y - m_pressed.y;
    const std::optional<std::pair<float, float>> range = RangeOf(
        m_pressedX, m_pressedX.Value(m_plot.left - dx), m_pressedX.Value(m_plot.right - dx));
    std::optional<std::pair<float, float>> y;
    if (m_pressedY.usable) {
      y = std::pair{m_pressedY.Value(m_plot.top - 1 - dy), m_pressedY.Value(m_plot.bottom - dy)};
    }
    if (range) {
      const CDisplayRange before = CDisplayRange::Of(data);
      changed = Apply(data, range->first, range->second, y);
      if (changed && !m_panMoved) {
        m_history.push_back(before);
        m_panMoved = true;
      }
    }
  }
  UpdateReadout(at);
  return changed;
}

void CGraphInteraction::Press(CPoint at, GraphButton button, bool ctrl, bool alt) {
  m_drag = Drag::None;
  if (!m_drawn || !Inside(m_plot, at)) {
    return;
  }
  m_pressed = at;
  m_pressedX = m_xMapping;
  m_pressedY = m_yMapping;
  m_panMoved = false;
  if (button == GraphButton::Middle || ctrl) {
    m_drag = Drag::Pan;
  } else {
    m_drag = alt ? Drag::Band : Drag::Zoom;
  }
}

bool CGraphInteraction::Release(CLumivexData& data, CPoint at) {
  Follow(data);
  const Drag drag = std::exchange(m_drag, Drag::None);
  const CPoint end = ClampedTo(m_plot, at);
  if (drag == Drag::Band) {
    if (std::abs(end.x - m_pressed.x) >= kClickPixels && m_xMapping.usable) {
      m_band = RangeOf(m_xMapping, m_xMapping.Value(m_pressed.x), m_xMapping.Value(end.x));
    }
    return false;
  }
  if (drag != Drag::Zoom) {
    return false;
  }
  const int left = std::min(m_pressed.x, end.x);
  const int right = std::max(m_pressed.x, end.x);
  const int top = std::min(m_pressed.y, end.y);
  const int bottom = std::max(m_pressed.y, end.y);
  if (right - left < kClickPixels || bottom - top < kClickPixels || !m_xMapping.usable) {
    return false;
  }
  const std::optional<std::pair<float, float>> range =
      RangeOf(m_xMapping, m_xMapping.Value(left), m_xMapping.Value(right));
  if (!range) {
    return false;
  }
  std::optional<std::pair<float, float>> y;
  if (m_yMapping.usable) {
    y = std::pair{m_yMapping.Value(top), m_yMapping.Value(bottom)};
  }
  const CDisplayRange before = CDisplayRange::Of(data);
  if (!Apply(data, range->first, range->second, y)) {
    return false;
  }
  m_history.push_back(before);
  return true;
}

std::optional<std::pair<float, float>> CGraphInteraction::TakeBand() {
  return std::exchange(m_band, std::nullopt);
}

bool CGraphInteraction::Wheel(CLumivexData& data, CPoint at, float notches) {
  Follow(data);
  if (!m_drawn || !m_xMapping.usable || notches == 0.0f) {
    return false;
  }
  const int column = std::clamp(at.x, m_plot.left, m_plot.right);
  const float pivot = m_xMapping.Value(column);
  const float factor = std::pow(kWheelFactor, notches);
  const float low = m_xMapping.Value(m_plot.left);
  const float high = m_xMapping.Value(m_plot.right);
  const std::optional<std::pair<float, float>> range =
      RangeOf(m_xMapping, pivot - (pivot - low) * factor, pivot + (high - pivot) * factor);
  if (!range) {
    return false;
  }
  const CDisplayRange before = CDisplayRange::Of(data);
  if (!Apply(data, range->first, range->second, std::nullopt)) {
    return false;
  }
  m_history.push_back(before);
  return true;
}

bool CGraphInteraction::Back(CLumivexData& data) {
  if (m_history.empty()) {
    return false;
  }
  m_history.back().StoreInto(data);
  m_history.pop_back();
  Remap(data);
  return true;
}

void CGraphInteraction::Leave() {
  m_readout.reset();
}

bool CGraphInteraction::Apply(CLumivexData& data, float lowNm, float highNm,
                              std::optional<std::pair<float, float>> y) {
  if (data.m_spectra.empty() || !std::isfinite(lowNm) || !std::isfinite(highNm) ||
      !(highNm > lowNm)) {
    return false;
  }
  // Within the limits, about the same centre: no narrower than the minimum width, no wider
  // than the extent allows, and above 0 nm, where the K / nm units have no value.
  const float extent = std::max(m_extentHigh - m_extentLow, kMinimumWidthNm);
  const float width = std::clamp(highNm - lowNm, kMinimumWidthNm, kExtentFactor * extent);
  float low = (lowNm + highNm) / 2.0f - width / 2.0f;
  low = std::max(low, kMinimumWidthNm);
  const float high = low + width;

  const CSpectrum& reference = *Reference(data);
  CGraphSettingDlg dlg;
  dlg.LoadFrom(data, reference);
  const auto [shownTop, shownBottom] = DrawnYRange(data, reference.m_kind);
  float top = shownTop;
  float bottom = shownBottom;
  const bool logarithmic = dlg.m_quantity == GraphQuantity::LogEpsilon;
  if (y && std::isfinite(y->first) && std::isfinite(y->second) && y->first > y->second &&
      y->first != 0.0f && (!logarithmic || y->first > 1.0f)) {
    std::tie(top, bottom) = *y;
  }
  if (logarithmic) {
    // The dialog holds the logarithmic range in decades.
    top = std::log10(top);
    bottom = bottom > 1.0f ? std::log10(bottom) : 0.0f;
  }
  std::tie(dlg.m_xLow, dlg.m_xHigh) = AxisRange(XUnitFromCode(dlg.m_unit), low, high);
  dlg.m_yHigh = top;
  dlg.m_yLow = bottom;
  const CDisplayRange before = CDisplayRange::Of(data);
  dlg.StoreInto(data);
  data.m_freshSettings = 0;
  Remap(data);
  return !(CDisplayRange::Of(data) == before);
}

std::string CGraphInteraction::StatusText() const {
  if (!m_readout) {
    return {};
  }
  const CCursorReadout& readout = *m_readout;
  std::string text = XAxisLabel(readout.unit).Plain() + " " +
                     Formatted("%.2f", static_cast<double>(readout.axisValue));
  if (readout.unit != XUnit::Wavelength) {
    text += " (" + Formatted("%.2f", static_cast<double>(readout.wavelength)) + " nm)";
  }
  for (const CReadoutLine& line : readout.lines) {
    text += "   " + line.name + ": " + ValueText(line.value);
  }
  return text;
}

void CGraphInteraction::DrawOverlay(Canvas& canvas) const {
  CPenKeeper keeper(canvas);
  if (m_readout) {
    canvas.SetPen({1, kCursorGrey, PenStyle::Solid});
    canvas.Line({m_readout->column, m_plot.top}, {m_readout->column, m_plot.bottom});
  }
  if (m_drag == Drag::Zoom) {
    const CPoint end = ClampedTo(m_plot, m_cursor);
    canvas.FocusRect({std::min(m_pressed.x, end.x), std::min(m_pressed.y, end.y),
                      std::max(m_pressed.x, end.x), std::max(m_pressed.y, end.y)});
  }
  if (m_drag == Drag::Band) {
    const CPoint end = ClampedTo(m_plot, m_cursor);
    canvas.FocusRect(
        {std::min(m_pressed.x, end.x), m_plot.top, std::max(m_pressed.x, end.x), m_plot.bottom});
  }
  if (!m_readout || !m_shift || m_readout->lines.empty()) {
    return;
  }

  // The hover table: one row per spectrum, a swatch of its colour, its name and its value
  // right-aligned, in the tick-label size of the graph, beside the cursor and kept inside
  // the client area.
  const double scale = m_client.cx / 500.0;
  const int fontHeight = std::max(8, Rnd(10.0 * scale));
  const int pad = std::max(2, fontHeight / 3);
  canvas.SetFont({"Helvetica", fontHeight, 400, 0});
  int nameWidth = 0;
  int valueWidth = 0;
  for (const CReadoutLine& line : m_readout->lines) {
    nameWidth = std::max(nameWidth, canvas.TextExtent(line.name).cx);
    valueWidth = std::max(valueWidth, canvas.TextExtent(ValueText(line.value)).cx);
  }
  const int swatch = fontHeight / 2;
  const int width = pad + swatch + pad + nameWidth + 2 * pad + valueWidth + pad;
  const int height = pad + static_cast<int>(m_readout->lines.size()) * fontHeight + pad;
  int left = m_cursor.x + 2 * pad;
  int top = m_cursor.y + 2 * pad;
  if (left + width > m_client.cx) {
    left = m_cursor.x - 2 * pad - width;
  }
  if (top + height > m_client.cy) {
    top = std::max(0, m_client.cy - height);
  }
  const CRect box{left, top, left + width, top + height};
  canvas.FillRect(box, kTableBackground);
  canvas.SetPen({1, kBlack, PenStyle::Solid});
  canvas.Polyline({{box.left, box.top},
                   {box.right, box.top},
                   {box.right, box.bottom},
                   {box.left, box.bottom},
                   {box.left, box.top}});
  canvas.SetTextColour(kBlack);
  int row = top + pad;
  for (const CReadoutLine& line : m_readout->lines) {
    const int swatchTop = row + (fontHeight - swatch) / 2;
    canvas.FillRect({left + pad, swatchTop, left + pad + swatch, swatchTop + swatch}, line.colour);
    canvas.SetTextAlign(TextAlign::LeftTop);
    canvas.Text({left + pad + swatch + pad, row}, line.name);
    canvas.SetTextAlign(TextAlign::RightTop);
    canvas.Text({box.right - pad, row}, ValueText(line.value));
    row += fontHeight;
  }
}

} // namespace lumivex

#pragma once

#include "core/Canvas.h"
#include "core/LumivexData.h"
#include "core/Units.h"

#include <optional>
#include <string>
#include <utility>

namespace lumivex {

/// What one drawing of the Spectra Display measured: the plot area and the tick-label
/// metrics ("0.00" in the tick font).
struct GraphGeometry {
  CRect plotRect;
  int labelWidth = 0;
  int labelHeight = 0;
};

/// Draws the Spectra Display of the workspace on `canvas`, whose client area (the window's
/// own, also when the canvas is a printer page) is `client`: title, axes, ticks and
/// labels, axis titles, every spectrum in its colour (all black when `monochrome`) and the
/// credit line. An empty workspace draws nothing. Without applied settings the automatic x
/// range is shown snapped to multiples of the partition count (`SnappedXRange`). Drawing
/// changes nothing in the document, and its cost grows with the client size, not with the
/// points of the spectra.
GraphGeometry DrawGraph(const CLumivexData& data, Canvas& canvas, CSize client, bool monochrome);

/// The Spectra Display of a window of `client` size as an SVG drawing (DrawGraph on an SVG
/// canvas): one path element per spectrum curve, text elements for the title and the axes.
[[nodiscard]] std::string GraphSvg(const CLumivexData& data, CSize client, bool monochrome);

/// The x range (nm) the curves are drawn over: the user's with applied settings, else the
/// automatic one, as shown snapped to multiples of the partitions when x values are shown
/// (the document normally holds it so already).
[[nodiscard]] std::pair<float, float> DrawnXRange(const CLumivexData& data);

/// The y range a spectrum of `kind` is drawn over (top, bottom), before any logarithm: the
/// user's range when the settings show the kind's own quantity (model curves always take
/// it), else zero to the largest y of the kind in the workspace.
[[nodiscard]] std::pair<float, float> DrawnYRange(const CLumivexData& data, SpectrumKind kind);

/// How the curve painter maps the pixel columns of a plot to x: the axis value grows
/// linearly from the left column to the right one; in every unit but the wavelength the
/// wavelength shown is K / value, so the wavelengths run reciprocally across.
struct CXMapping {
  int left = 0;           ///< the plot's left column
  float valueLow = 0.0f;  ///< axis value at the left column
  float valueStep = 0.0f; ///< axis value per column
  float constant = 0.0f;  ///< K of the unit; 0 for the wavelength
  bool usable = false;    ///< false when the range cannot be drawn (an end 0 in K / nm units)

  /// Axis value shown at column px.
  [[nodiscard]] float Value(int px) const;
  /// Wavelength (nm) shown at column px; nothing where the axis value is 0 in a K / nm unit.
  [[nodiscard]] std::optional<float> Wavelength(int px) const;
};

/// The mapping DrawSpectrum uses for a plot showing lowNm..highNm in `unit`.
[[nodiscard]] CXMapping XMappingFor(const CRect& plot, float lowNm, float highNm, XUnit unit);

/// How the curve painter maps a plotted value to a row of a plot showing yLow at the bottom
/// row and yHigh just above the top one. Linear: the row falls by H / (yHigh - yLow) per
/// unit, H the plot's rows. Logarithmic (absorption under log epsilon): log10 of the value
/// runs linearly from log10(yLow) (0 when yLow is at most 1) to log10(yHigh); values up to
/// 1 lie on the bottom row.
struct CYMapping {
  float height = 0.0f; ///< H, the plot's rows
  float top = 0.0f;    ///< yHigh
  float scale = 1.0f;  ///< yHigh / (yHigh - yLow)
  bool logarithmic = false;
  float logTop = 1.0f;    ///< log10(yHigh) when logarithmic
  float logDecade = 0.0f; ///< log10(yLow) when logarithmic and yLow > 1, else 0
  double baseline = 0.0;  ///< the row where the rise counts from
  bool usable = false;    ///< false when the range cannot be drawn

  /// The row of value y, before clamping to the plot; NaN where y has none.
  [[nodiscard]] double Row(float y) const;
  /// The value shown at a row (the inverse of Row, without its truncation to whole rows).
  [[nodiscard]] float Value(double row) const;
};

/// The mapping DrawSpectrum uses for the y range yHigh..yLow on `plot`.
[[nodiscard]] CYMapping YMappingFor(const CRect& plot, float yHigh, float yLow, bool logarithmic);

/// The curve painter: samples the spectrum at every pixel column of `plot` between
/// lowNm and highNm (shown in `unit`), transforms each value to the quantity, maps it
/// between yLow and yHigh (logarithmically for absorption with `logarithmic`) and draws
/// one polyline in workspace colour colourNumber - 1 (black outside 1..12), dashed for
/// emission and light sources below pen width 2.
void DrawSpectrum(const CSpectrum& spectrum, Canvas& canvas, const CRect& plot, float lowNm,
                  float highNm, float yHigh, float yLow, int colourNumber, XUnit unit,
                  YQuantity quantity, bool logarithmic, int penWidth);

} // namespace lumivex

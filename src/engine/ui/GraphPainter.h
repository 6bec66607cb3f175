#pragma once

#include "core/Canvas.h"
#include "core/LumivexData.h"
#include "core/Units.h"

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

/// The curve painter: samples the spectrum at every pixel column of `plot` between
/// lowNm and highNm (shown in `unit`), transforms each value to the quantity, maps it
/// between yLow and yHigh (logarithmically for absorption with `logarithmic`) and draws
/// one polyline in workspace colour colourNumber - 1 (black outside 1..12), dashed for
/// emission and light sources below pen width 2.
void DrawSpectrum(const CSpectrum& spectrum, Canvas& canvas, const CRect& plot, float lowNm,
                  float highNm, float yHigh, float yLow, int colourNumber, XUnit unit,
                  YQuantity quantity, bool logarithmic, int penWidth);

} // namespace lumivex

#include "ui/GraphInteraction.h"

#include "RecordingCanvas.h"
#include "TestSupport.h"
#include "ui/GraphSettingDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::RecordingCanvas;

// A 500 x 400 client on the recording canvas plots over columns 50..458 and rows 50..362
// (see GraphPainterTest).
constexpr CSize kClient{500, 400};
constexpr CRect kPlot{50, 50, 458, 362};

CSpectrum* Add(CLumivexData& data, SpectrumKind kind, const std::string& name, float first,
               float step, int count) {
  CSpectrum spectrum = test::MakeSpectrum(first, step, count,
                                          [](float x) { return 1.0 + std::sin(x / 37.0) * 0.8; });
  spectrum.m_kind = kind;
  spectrum.m_name = name;
  return data.AppendSpectrum(std::make_unique<CSpectrum>(std::move(spectrum)));
}

// Three spectra of different ranges, steps and directions: an ascending database
// absorption spectrum with a molar absorptivity, a descending database emission spectrum
// and a light source without a name, read from the file "lamp", over a workspace of
// 300..900 nm.
void FillWorkspace(CLumivexData& data) {
  CSpectrum* absorption = Add(data, SpectrumKind::Absorption, "abs", 300.0f, 0.5f, 801);
  absorption->m_fromDatabase = 1;
  absorption->m_epsilon = 12000.0f;
  absorption->m_epsilonWavelength = 450.0f;
  absorption->m_epsilonPeak = 21000.0f;
  CSpectrum* emission = Add(data, SpectrumKind::Emission, "ems", 820.0f, -2.0f, 211);
  emission->m_fromDatabase = 1;
  emission->m_quantumYield = 0.4f;
  emission->m_weight = 2.0f;
  emission->m_normalizedPeak = emission->m_peakY * 0.8f / emission->Area();
  CSpectrum* lamp = Add(data, SpectrumKind::LightSource, "", 350.0f, 1.25f, 441);
  lamp->m_filePath = "sources/lamp";
  data.m_xMin = 300.0f;
  data.m_xMax = 900.0f;
  data.m_absorptionMax = data.m_emissionMax = data.m_lightSourceMax = 1.8f;
  data.m_epsilonMax = 21000.0f;
  data.m_intensityMax = emission->m_normalizedPeak;
}

CGraphInteraction Drawn(CLumivexData& data) {
  RecordingCanvas canvas;
  const GraphGeometry geometry = DrawGraph(data, canvas, kClient, false);
  CGraphInteraction interaction;
  interaction.Drawn(data, geometry, kClient);
  return interaction;
}

// The axis value at column px, from the shown range: linear from the left column to the
// right one.
double AxisValueAt(const CLumivexData& data, XUnit unit, int px) {
  const auto [lowNm, highNm] = DrawnXRange(data);
  const auto [low, high] = AxisRange(unit, lowNm, highNm);
  return low + static_cast<double>(high - low) * (px - kPlot.left) / kPlot.Width();
}

double WavelengthAt(const CLumivexData& data, XUnit unit, int px) {
  const double value = AxisValueAt(data, unit, px);
  return unit == XUnit::Wavelength ? value : UnitConstant(unit) / value;
}

struct ShownQuantity {
  const char* name;
  GraphQuantity quantity;
  bool applied;
};

// The readout at a column is what the curve painter plots there: for every unit and shown
// quantity, every spectrum reads Interpolate at the column's wavelength in the quantity
// shown, exactly on the row the curve is drawn at, and nothing where the curve is absent.
TEST(GraphInteraction, ReadoutReadsWhatEachCurveShowsInEveryUnitAndQuantity) {
  const ShownQuantity quantities[] = {
      {"automatic", GraphQuantity::Absorption, false},
      {"absorption", GraphQuantity::Absorption, true},
      {"epsilon", GraphQuantity::Epsilon, true},
      {"log epsilon", GraphQuantity::LogEpsilon, true},
      {"fluorescence", GraphQuantity::Fluorescence, true},
      {"intensity", GraphQuantity::Intensity, true},
      {"irradiance", GraphQuantity::Irradiance, true},
  };
  for (int unitCode = 0; unitCode < kXUnitCount; ++unitCode) {
    for (const ShownQuantity& shown : quantities) {
      SCOPED_TRACE(std::string(UnitRadioText(unitCode)) + " " + shown.name);
      CLumivexData data;
      FillWorkspace(data);
      const XUnit unit = XUnitFromCode(unitCode);
      data.m_xUnit = unitCode;
      if (shown.applied) {
        CGraphSettingDlg dlg;
        dlg.LoadFrom(data, *data.At(shown.quantity == GraphQuantity::Fluorescence ||
                                            shown.quantity == GraphQuantity::Intensity
                                        ? 1
                                    : shown.quantity == GraphQuantity::Irradiance ? 2
                                                                                  : 0));
        dlg.m_quantity = shown.quantity;
        dlg.m_unit = unitCode;
        std::tie(dlg.m_xLow, dlg.m_xHigh) = AxisRange(unit, 320.0f, 850.0f);
        dlg.m_yLow = shown.quantity == GraphQuantity::LogEpsilon ? 2.5f : 0.1f;
        dlg.m_yHigh = shown.quantity == GraphQuantity::LogEpsilon ? 4.5f
                      : shown.quantity == GraphQuantity::Epsilon  ? 22000.0f
                                                                  : 1.9f;
        dlg.StoreInto(data);
      }
      RecordingCanvas canvas;
      const GraphGeometry geometry = DrawGraph(data, canvas, kClient, false);
      ASSERT_EQ(geometry.plotRect, kPlot);
      CGraphInteraction interaction;
      interaction.Drawn(data, geometry, kClient);
      const std::vector<test::DrawnPolyline> curves = canvas.Polylines();
      ASSERT_EQ(curves.size(), 3u);

      for (const int px : {kPlot.left, 90, 187, 254, 333, 401, kPlot.right}) {
        interaction.Move(data, {px, 200}, false);
        ASSERT_TRUE(interaction.Readout().has_value());
        const CCursorReadout& readout = *interaction.Readout();
        EXPECT_EQ(readout.unit, unit);
        EXPECT_TRUE(FuzzyCompare(readout.axisValue, AxisValueAt(data, unit, px), 1e-4));
        EXPECT_TRUE(FuzzyCompare(readout.wavelength, WavelengthAt(data, unit, px), 1e-4));
        ASSERT_EQ(readout.lines.size(), 3u);
        for (std::size_t s = 0; s < 3; ++s) {
          const CSpectrum& spectrum = *data.At(static_cast<int>(s));
          const CReadoutLine& line = readout.lines[s];
          EXPECT_EQ(line.name, s < 2 ? spectrum.m_name : "lamp");
          EXPECT_EQ(line.colour, WorkspaceColour(static_cast<int>(s)));
          const auto drawn = std::find_if(curves[s].points.begin(), curves[s].points.end(),
                                          [px](CPoint p) { return p.x == px; });
          ASSERT_EQ(line.value.has_value(), drawn != curves[s].points.end()) << "column " << px;
          if (!line.value) {
            continue;
          }
          const YQuantity quantity =
              QuantityFor(spectrum.m_kind, data.m_settingsApplied != 0, data.m_showEpsilon != 0,
                          data.m_showLogEpsilon != 0, data.m_showIntensity != 0);
          EXPECT_EQ(*line.value,
                    QuantityValue(spectrum, quantity, spectrum.Interpolate(readout.wavelength)));
          const auto [top, bottom] = DrawnYRange(data, spectrum.m_kind);
          const CYMapping rows = YMappingFor(kPlot, top, bottom,
                                             data.m_showLogEpsilon != 0 &&
                                                 spectrum.m_kind == SpectrumKind::Absorption);
          const double row = std::clamp(rows.Row(*line.value), static_cast<double>(kPlot.top),
                                        static_cast<double>(kPlot.bottom));
          EXPECT_EQ(drawn->y, static_cast<int>(row)) << "column " << px;
        }
        const std::string status = interaction.StatusText();
        EXPECT_EQ(status.find(XAxisLabel(unit).Plain()), 0u) << status;
        EXPECT_EQ(status.find(" nm)") != std::string::npos, unit != XUnit::Wavelength) << status;
        EXPECT_LT(status.find("abs: "), status.find("ems: "));
        EXPECT_LT(status.find("ems: "), status.find("lamp: "));
      }
      interaction.Move(data, {kPlot.left - 1, 200}, false);
      EXPECT_FALSE(interaction.Readout().has_value());
      EXPECT_EQ(interaction.StatusText(), "");
    }
  }
}

// A dragged rectangle becomes the document's range as Set Graph writes it: the x range in
// nm between the wavelengths of its columns, the y range between the values of its rows,
// settings applied; the Graph Settings dialog then shows that range in the current unit.
TEST(GraphInteraction, RectangleZoomWritesTheSettingsOfItsRangeInEveryUnit) {
  for (int unitCode = 0; unitCode < kXUnitCount; ++unitCode) {
    SCOPED_TRACE(UnitRadioText(unitCode));
    for (const bool backwards : {false, true}) {
      CLumivexData data;
      FillWorkspace(data);
      data.m_xUnit = unitCode;
      const XUnit unit = XUnitFromCode(unitCode);
      CGraphInteraction interaction = Drawn(data);
      const CPoint from = backwards ? CPoint{350, 300} : CPoint{150, 100};
      const CPoint to = backwards ? CPoint{150, 100} : CPoint{350, 300};
      const double lowNm = std::min(WavelengthAt(data, unit, 150), WavelengthAt(data, unit, 350));
      const double highNm = std::max(WavelengthAt(data, unit, 150), WavelengthAt(data, unit, 350));
      // The light source is the reference: the last spectrum, linear from 0 at row 362 to
      // its kind's maximum 1.8 just above row 50, 313 rows up.
      const double valueAt100 = 1.8 * (362 - 100) / 313.0;
      const double valueAt300 = 1.8 * (362 - 300) / 313.0;

      interaction.Press(from, GraphButton::Left, false);
      interaction.Move(data, to, false);
      ASSERT_TRUE(interaction.Release(data, to));

      EXPECT_EQ(data.m_settingsApplied, 1);
      EXPECT_EQ(data.m_freshSettings, 0);
      EXPECT_EQ(data.m_showIrradiance, 1);
      EXPECT_EQ(data.m_xUnit, unitCode);
      EXPECT_TRUE(FuzzyCompare(data.m_xLow, lowNm, 1e-4));
      EXPECT_TRUE(FuzzyCompare(data.m_xHigh, highNm, 1e-4));
      EXPECT_TRUE(FuzzyCompare(data.m_yHigh, valueAt100, 1e-4));
      EXPECT_TRUE(FuzzyCompare(data.m_lightSourceMax, valueAt100, 1e-4));
      EXPECT_TRUE(FuzzyCompare(data.m_lightSourceLow, valueAt300, 1e-4));
      EXPECT_EQ(interaction.HistoryDepth(), 1);

      CGraphSettingDlg dlg;
      dlg.LoadFrom(data, *data.At(2));
      const auto [shownLow, shownHigh] = AxisRange(unit, data.m_xLow, data.m_xHigh);
      EXPECT_EQ(dlg.m_unit, unitCode);
      EXPECT_EQ(dlg.m_xLow, shownLow);
      EXPECT_EQ(dlg.m_xHigh, shownHigh);
      EXPECT_EQ(dlg.m_yHigh, data.m_yHigh);
      EXPECT_EQ(dlg.m_yLow, data.m_lightSourceLow);
    }
  }
}

// Under log epsilon the zoomed rectangle fills the plot: the curve crosses the plot's top
// row at the rectangle's top value and its bottom row at its bottom value.
TEST(GraphInteraction, LogEpsilonZoomFramesTheRectangle) {
  CLumivexData data;
  FillWorkspace(data);
  data.m_spectra.resize(1);
  CGraphSettingDlg dlg;
  dlg.LoadFrom(data, *data.At(0));
  dlg.m_quantity = GraphQuantity::LogEpsilon;
  dlg.m_yLow = 0.0f;
  dlg.m_yHigh = 4.5f;
  dlg.StoreInto(data);
  CGraphInteraction interaction = Drawn(data);
  interaction.Press({100, 120}, GraphButton::Left, false);
  ASSERT_TRUE(interaction.Release(data, {400, 280}));
  EXPECT_EQ(data.m_showLogEpsilon, 1);
  // Rows 120 and 280 of 0..4.5 decades over 313 rows.
  EXPECT_TRUE(FuzzyCompare(std::log10(data.m_epsilonMax), 4.5 * (362 - 120) / 313.0, 1e-4));
  EXPECT_TRUE(FuzzyCompare(std::log10(data.m_epsilonLow), 4.5 * (362 - 280) / 313.0, 1e-4));

  const CYMapping rows = YMappingFor(kPlot, data.m_yHigh, data.m_epsilonLow, true);
  EXPECT_NEAR(rows.Row(data.m_epsilonLow), kPlot.bottom, 1.0);
  EXPECT_NEAR(rows.Row(data.m_epsilonMax), kPlot.top - 1, 1.0);
  const float middle = std::sqrt(data.m_epsilonLow * data.m_epsilonMax);
  EXPECT_NEAR(rows.Row(middle), (kPlot.top + kPlot.bottom) / 2.0, 1.0);
}

// A drag shorter than three pixels either way is a click: nothing changes and nothing is
// kept to step back to.
TEST(GraphInteraction, ShortDragIsAClick) {
  struct Drag {
    CPoint to;
    bool zooms;
  };
  const Drag drags[] = {
      {{200, 200}, false}, {{202, 260}, false}, {{260, 198}, false},
      {{203, 203}, true},  {{100, 100}, true},
  };
  for (const Drag& drag : drags) {
    CLumivexData data;
    FillWorkspace(data);
    const CDisplayRange before = CDisplayRange::Of(data);
    CGraphInteraction interaction = Drawn(data);
    interaction.Press({200, 200}, GraphButton::Left, false);
    EXPECT_EQ(interaction.Release(data, drag.to), drag.zooms) << drag.to.x << "," << drag.to.y;
    EXPECT_EQ(CDisplayRange::Of(data) == before, !drag.zooms);
    EXPECT_EQ(interaction.HistoryDepth(), drag.zooms ? 1 : 0);
  }
}

// Alt with the left button drags a band: the wavelengths of its two columns, in either
// direction and every unit, are handed over once; the document's range stays and nothing
// is kept to step back to. The overlay marks the band over the plot's full height. A drag
// narrower than three columns is no band.
TEST(GraphInteraction, AltDragHandsOverABand) {
  struct Drag {
    int unitCode;
    int from;
    int to;
    bool band;
  };
  const Drag drags[] = {
      {0, 150, 350, true}, {0, 350, 150, true},  {1, 150, 350, true},
      {3, 350, 150, true}, {0, 200, 202, false}, {1, 200, 203, true},
  };
  for (const Drag& drag : drags) {
    SCOPED_TRACE(drag.from);
    SCOPED_TRACE(drag.unitCode);
    CLumivexData data;
    FillWorkspace(data);
    data.m_xUnit = drag.unitCode;
    const XUnit unit = XUnitFromCode(drag.unitCode);
    const CDisplayRange before = CDisplayRange::Of(data);
    CGraphInteraction interaction = Drawn(data);
    interaction.Press({drag.from, 300}, GraphButton::Left, false, true);
    interaction.Move(data, {drag.to, 100}, false);
    RecordingCanvas dragging;
    interaction.DrawOverlay(dragging);
    const auto rectangles = dragging.OpsOfKind(test::CanvasOpKind::FocusRect);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].points,
              (std::vector<CPoint>{{std::min(drag.from, drag.to), kPlot.top},
                                   {std::max(drag.from, drag.to), kPlot.bottom}}));

    EXPECT_FALSE(interaction.Release(data, {drag.to, 100}));
    EXPECT_TRUE(CDisplayRange::Of(data) == before);
    EXPECT_EQ(interaction.HistoryDepth(), 0);
    const std::optional<std::pair<float, float>> band = interaction.TakeBand();
    ASSERT_EQ(band.has_value(), drag.band);
    if (band) {
      const double a = WavelengthAt(data, unit, drag.from);
      const double b = WavelengthAt(data, unit, drag.to);
      EXPECT_TRUE(FuzzyCompare(band->first, std::min(a, b), 1e-4));
      EXPECT_TRUE(FuzzyCompare(band->second, std::max(a, b), 1e-4));
    }
    EXPECT_FALSE(interaction.TakeBand());
  }
}

// The wheel zooms x about the cursor: the wavelength under it stays there, the range
// shrinks to 0.8 of its width in the axis unit per notch; the y range stays. However far
// it goes, the range stays at least 0.01 nm wide and at most ten times the spectra's
// extent (600 nm), above 0 nm, in every unit.
TEST(GraphInteraction, WheelZoomsAboutTheCursorWithinLimits) {
  for (int unitCode = 0; unitCode < kXUnitCount; ++unitCode) {
    SCOPED_TRACE(UnitRadioText(unitCode));
    CLumivexData data;
    FillWorkspace(data);
    data.m_xUnit = unitCode;
    const XUnit unit = XUnitFromCode(unitCode);
    CGraphInteraction interaction = Drawn(data);
    const double under = WavelengthAt(data, unit, 150);
    const auto [low, high] = AxisRange(unit, data.m_xMin, data.m_xMax);
    ASSERT_TRUE(interaction.Wheel(data, {150, 200}, 1.0f));
    EXPECT_TRUE(FuzzyCompare(WavelengthAt(data, unit, 150), under, 1e-4));
    const auto [zoomedLow, zoomedHigh] = AxisRange(unit, data.m_xLow, data.m_xHigh);
    EXPECT_TRUE(FuzzyCompare(zoomedHigh - zoomedLow, 0.8 * (high - low), 1e-3));
    EXPECT_TRUE(FuzzyCompare(data.m_yHigh, 1.8, 1e-6));
    EXPECT_EQ(data.m_lightSourceLow, 0.0f);

    for (int i = 0; i < 200; ++i) {
      interaction.Wheel(data, {150, 200}, 1.0f);
    }
    EXPECT_GE(data.m_xHigh - data.m_xLow, 0.0099f);
    EXPECT_LE(data.m_xHigh - data.m_xLow, 0.0101f);
    for (int i = 0; i < 400; ++i) {
      interaction.Wheel(data, {440, 200}, -2.0f);
    }
    EXPECT_GT(data.m_xLow, 0.0f);
    EXPECT_LT(data.m_xLow, data.m_xHigh);
    EXPECT_LE(data.m_xHigh - data.m_xLow, 6000.5f);
  }
}

// Each zoom and pan keeps the range it replaces; Back restores them newest first, down to
// the automatic range the workspace started with, and then has nothing left.
TEST(GraphInteraction, BackStepsThroughTheZoomHistory) {
  CLumivexData data;
  FillWorkspace(data);
  CGraphInteraction interaction = Drawn(data);
  std::vector<CDisplayRange> ranges{CDisplayRange::Of(data)};

  interaction.Press({100, 100}, GraphButton::Left, false);
  ASSERT_TRUE(interaction.Release(data, {300, 300}));
  ranges.push_back(CDisplayRange::Of(data));
  ASSERT_TRUE(interaction.Wheel(data, {200, 200}, 2.0f));
  ranges.push_back(CDisplayRange::Of(data));
  interaction.Press({200, 200}, GraphButton::Middle, false);
  ASSERT_TRUE(interaction.Move(data, {240, 220}, false));
  ASSERT_TRUE(interaction.Move(data, {260, 230}, false));
  EXPECT_FALSE(interaction.Release(data, {260, 230}));
  EXPECT_EQ(interaction.HistoryDepth(), 3);

  for (std::size_t i = ranges.size(); i-- > 0;) {
    ASSERT_TRUE(interaction.Back(data));
    EXPECT_EQ(CDisplayRange::Of(data), ranges[i]) << "step " << i;
  }
  EXPECT_EQ(data.m_settingsApplied, 0);
  EXPECT_FALSE(interaction.Back(data));
}

// Dragging with the middle button, or with Ctrl and the left one, moves the range with
// the mouse: 60 columns right shows what was 60 columns further left, 31 rows down what
// was 31 rows higher.
TEST(GraphInteraction, DraggingPansXAndY) {
  for (const bool middle : {true, false}) {
    CLumivexData data;
    FillWorkspace(data);
    CGraphInteraction interaction = Drawn(data);
    const double leftNm = WavelengthAt(data, XUnit::Wavelength, kPlot.left - 60);
    interaction.Press({200, 200}, middle ? GraphButton::Middle : GraphButton::Left, !middle);
    ASSERT_TRUE(interaction.Move(data, {260, 231}, false));
    EXPECT_FALSE(interaction.Release(data, {260, 231}));
    EXPECT_TRUE(FuzzyCompare(data.m_xLow, leftNm, 1e-4));
    EXPECT_TRUE(FuzzyCompare(data.m_xHigh - data.m_xLow, 600.0, 1e-4));
    EXPECT_TRUE(FuzzyCompare(data.m_yHigh, 1.8 * (362 - 49 + 31) / 313.0, 1e-3));
    EXPECT_TRUE(FuzzyCompare(data.m_lightSourceLow, 1.8 * 31 / 313.0, 1e-3));
  }
}

// The overlay: the cursor line down the plot at the cursor's column, the rectangle while
// dragging, and with Shift a table of each spectrum's name and value beside the cursor ("-"
// for the spectra that do not reach its wavelength, 873 nm).
TEST(GraphInteraction, OverlayDrawsCursorRectangleAndHoverTable) {
  CLumivexData data;
  FillWorkspace(data);
  CGraphInteraction interaction = Drawn(data);
  interaction.Move(data, {420, 380}, false);
  RecordingCanvas outside;
  interaction.DrawOverlay(outside);
  EXPECT_FALSE(outside.DrewAnything());

  interaction.Move(data, {200, 150}, false);
  RecordingCanvas plain;
  interaction.DrawOverlay(plain);
  ASSERT_EQ(plain.Lines().size(), 1u);
  EXPECT_EQ(plain.Lines()[0].from, (CPoint{200, kPlot.top}));
  EXPECT_EQ(plain.Lines()[0].to, (CPoint{200, kPlot.bottom}));
  EXPECT_TRUE(plain.Texts().empty());

  interaction.Press({200, 150}, GraphButton::Left, false);
  interaction.Move(data, {440, 380}, true);
  RecordingCanvas dragging;
  interaction.DrawOverlay(dragging);
  const auto rectangles = dragging.OpsOfKind(test::CanvasOpKind::FocusRect);
  ASSERT_EQ(rectangles.size(), 1u);
  EXPECT_EQ(rectangles[0].points, (std::vector<CPoint>{{200, 150}, {440, kPlot.bottom}}));
  // The cursor lies outside the plot: no readout, so no table.
  EXPECT_TRUE(dragging.Texts().empty());

  interaction.Move(data, {440, 300}, true);
  RecordingCanvas table;
  interaction.DrawOverlay(table);
  const CCursorReadout& readout = *interaction.Readout();
  std::vector<std::string> expected;
  for (const CReadoutLine& line : readout.lines) {
    expected.push_back(line.name);
    char value[32] = "-";
    if (line.value) {
      std::snprintf(value, sizeof value, "%.4g", static_cast<double>(*line.value));
    }
    expected.emplace_back(value);
  }
  EXPECT_EQ(table.TextStrings(), expected);
  const auto fills = table.OpsOfKind(test::CanvasOpKind::FillRect);
  ASSERT_EQ(fills.size(), 4u);
  // Kept inside the client: the cursor is near the right edge, so the table is left of it.
  EXPECT_LE(fills[0].points[1].x, 440);
  EXPECT_GE(fills[0].points[0].x, 0);
  for (std::size_t s = 0; s < 3; ++s) {
    EXPECT_EQ(fills[s + 1].colour, WorkspaceColour(static_cast<int>(s)));
  }
}

} // namespace
} // namespace lumivex

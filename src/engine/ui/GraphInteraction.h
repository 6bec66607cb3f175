#pragma once

#include "core/Canvas.h"
#include "core/LumivexData.h"
#include "core/Units.h"
#include "ui/GraphPainter.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The display range Graph Settings writes into the workspace: everything a zoom changes
/// and a step back restores.
struct CDisplayRange {
  int settingsApplied = 0;
  int freshSettings = 1;
  int showAbsorption = 0;
  int showFluorescence = 0;
  int showIrradiance = 0;
  int showLogEpsilon = 0;
  int showIntensity = 0;
  int showEpsilon = 0;
  int xAxisValues = 1;
  int yAxisValues = 1;
  float xLow = 0.0f;
  float xHigh = 0.0f;
  float yHigh = 0.0f;
  float absorptionMax = 0.0f;
  float absorptionLow = 0.0f;
  float epsilonMax = 0.0f;
  float epsilonLow = 0.0f;
  float emissionMax = 0.0f;
  float emissionLow = 0.0f;
  float intensityMax = 0.0f;
  float lightSourceMax = 0.0f;
  float lightSourceLow = 0.0f;

  [[nodiscard]] static CDisplayRange Of(const CLumivexData& data);
  void StoreInto(CLumivexData& data) const;
  bool operator==(const CDisplayRange&) const = default;
};

/// One spectrum's line of the cursor readout: its name (the file's name without its folder
/// when the spectrum has none, else "Spectrum" and its position), colour and the value plotted at
/// the cursor in the quantity shown; no value where the spectrum does not reach.
struct CReadoutLine {
  std::string name;
  Rgb colour;
  std::optional<float> value;
};

/// What the cursor over the plot reads: the column, the x in the axis unit and in nm, and
/// one line per spectrum in drawing order.
struct CCursorReadout {
  int column = 0;
  XUnit unit = XUnit::Wavelength;
  float axisValue = 0.0f;
  float wavelength = 0.0f;
  std::vector<CReadoutLine> lines;
};

/// The mouse buttons the Spectra Display answers.
enum class GraphButton { Left, Middle };

/// The Spectra Display under the mouse: the cursor readout, zooming to a dragged rectangle,
/// wheel zoom about the cursor, panning, the zoom history and a band dragged with Alt.
///
/// Positions are device pixels of the drawing last reported by `Drawn`. A zoom or a pan
/// writes the range through the Graph Settings dialog's model, so the document holds
/// exactly the fields Set Graph would write for that range (the x range in nm, the y range
/// of the reference spectrum's quantity, settings applied); the y range zoomed is that of
/// the reference spectrum: the last one drawn in the quantity the settings show, else the
/// last one. Each zoom or pan first keeps the range it replaces, and `Back` restores them
/// one by one. Ranges are kept within limits: at least kMinimumWidthNm wide, at most
/// kExtentFactor times the spectra's extent, never reaching 0 nm, never empty or inverted.
class CGraphInteraction {
public:
  static constexpr float kMinimumWidthNm = 0.01f;
  static constexpr float kExtentFactor = 10.0f;
  /// A drag shorter than this in either direction is a click, not a zoom.
  static constexpr int kClickPixels = 3;
  /// The x range shrinks to this fraction per wheel notch (grows by its inverse back).
  static constexpr float kWheelFactor = 0.8f;
  static constexpr int kHistoryDepth = 100;

  /// After each drawing of `data` at `client`: the geometry DrawGraph answered. Takes the
  /// mappings and the per-spectrum quantity conversions once, so a cursor move costs one
  /// interpolation per spectrum.
  void Drawn(const CLumivexData& data, const GraphGeometry& geometry, CSize client);

  /// The mouse moved to `at` (Shift held for the hover table). While a middle drag pans, the
  /// range follows it; answers true when the document's range changed (repaint the graph).
  bool Move(CLumivexData& data, CPoint at, bool shift);
  /// A button went down; Ctrl with the left button pans as the middle button does, Alt with
  /// the left button drags a band.
  void Press(CPoint at, GraphButton button, bool ctrl, bool alt = false);
  /// The button came up: a dragged rectangle of at least kClickPixels each way zooms to it.
  /// A band dragged at least kClickPixels wide leaves its wavelength range for `TakeBand`
  /// and changes nothing. Answers true when the range changed.
  bool Release(CLumivexData& data, CPoint at);
  /// The wavelength range (low, high nm) of the band dragged last, once; nothing when no
  /// band was dragged since.
  [[nodiscard]] std::optional<std::pair<float, float>> TakeBand();
  /// Wheel notches (positive zooms in) about the cursor's column; true when the range changed.
  bool Wheel(CLumivexData& data, CPoint at, float notches);
  /// Steps back to the range before the last zoom or pan; false when there is none.
  bool Back(CLumivexData& data);
  /// The mouse left the graph: no cursor.
  void Leave();

  /// The readout at the cursor, when it is over the plot.
  [[nodiscard]] const std::optional<CCursorReadout>& Readout() const { return m_readout; }
  /// The status bar text for the readout: x in the axis unit (and in nm in other units),
  /// then each spectrum's value; empty without a readout.
  [[nodiscard]] std::string StatusText() const;
  /// The cursor line, the zoom rectangle or the band (the plot's full height) being dragged
  /// and, with Shift, the hover table.
  void DrawOverlay(Canvas& canvas) const;
  [[nodiscard]] int HistoryDepth() const { return static_cast<int>(m_history.size()); }

private:
  struct Plotted {
    const CSpectrum* spectrum;
    std::string name;
    QuantityConversion toQuantity;
    float lowest;
    float highest;
    Rgb colour;
  };
  enum class Drag { None, Zoom, Pan, Band };

  /// Takes the mappings, extents and conversions from the document when it differs from
  /// the one they were taken from.
  void Follow(const CLumivexData& data);
  void Remap(const CLumivexData& data);
  void UpdateReadout(CPoint at);
  /// Writes the x range (nm) and, when given, the reference's y range (top, bottom) into
  /// the document within the limits; false when nothing could be written.
  bool Apply(CLumivexData& data, float lowNm, float highNm,
             std::optional<std::pair<float, float>> y);
  [[nodiscard]] const CSpectrum* Reference(const CLumivexData& data) const;

  CRect m_plot;
  CSize m_client;
  XUnit m_unit = XUnit::Wavelength;
  CXMapping m_xMapping;
  CYMapping m_yMapping;
  float m_extentLow = 0.0f;
  float m_extentHigh = 0.0f;
  bool m_drawn = false;
  std::vector<Plotted> m_plotted;
  // What the mappings were taken from.
  std::vector<const CSpectrum*> m_seenSpectra;
  CDisplayRange m_seenRange;
  int m_seenUnit = 0;

  std::optional<CCursorReadout> m_readout;
  CPoint m_cursor;
  bool m_shift = false;

  Drag m_drag = Drag::None;
  CPoint m_pressed;
  CXMapping m_pressedX;
  CYMapping m_pressedY;
  bool m_panMoved = false;
  std::optional<std::pair<float, float>> m_band;
  std::vector<CDisplayRange> m_history;
};

} // namespace lumivex

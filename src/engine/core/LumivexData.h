#pragma once

#include "core/Spectrum.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumivex {

/// An RGB colour, 8 bits a channel.
struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

/// Colour of workspace position `position` (0-based), shared by the Data File list and the
/// graph: twelve fixed colours, black from position 12 on.
[[nodiscard]] Rgb WorkspaceColour(int position);

/// The workspace document: the open spectra in opening order, the data extents and
/// per-kind maxima that automatic scaling reads, and the graph's display settings.
/// The document owns its spectra; removing one from the list deletes it.
class CLumivexData {
public:
  // Workspace extents and maxima.
  /// Smallest and largest x over the opened spectra (nm), the automatic x range; see
  /// SnapAutomaticXRange.
  float m_xMin = 1.0e9f;
  float m_xMax = 0.0f;
  float m_absorptionMax = 0.0f;
  float m_epsilonMax = 0.0f;
  float m_emissionMax = 0.0f;
  float m_lightSourceMax = 0.0f;
  float m_intensityMax = 0.0f;
  std::vector<std::unique_ptr<CSpectrum>> m_spectra;

  // Display settings of the graph.
  std::string m_title;
  int m_lineWidth = 1;
  int m_settingsApplied = 0;
  int m_showAbsorption = 0;
  int m_showFluorescence = 0;
  int m_showIrradiance = 0;
  int m_showLogEpsilon = 0;
  int m_showIntensity = 0;
  int m_showEpsilon = 0;
  int m_xAxisValues = 1;
  int m_yAxisValues = 1;
  int m_freshSettings = 1;
  float m_xLow = 0.0f;  ///< user's x range (nm)
  float m_xHigh = 0.0f; ///< user's x range (nm)
  float m_yHigh = 0.0f;
  float m_absorptionLow = 0.0f;
  float m_epsilonLow = 0.0f;
  float m_emissionLow = 0.0f; ///< shared by emission spectra and model curves
  float m_lightSourceLow = 0.0f;
  int m_xUnit = 0;
  int m_xPartitions = 10;
  int m_yPartitions = 10;
  // Reading aids of the graph, all off by default.
  int m_showLegend = 0;  ///< a legend of the spectra's names in their colours
  int m_roundTicks = 0;  ///< ticks at round values, labelled at their true positions
  int m_unitTitles = 0;  ///< y-axis titles name the quantity's unit
  int m_secondXAxis = 0; ///< a second x axis along the top
  int m_secondXUnit = 1; ///< its unit code when the main axis is the wavelength

  /// Set whenever the workspace changes; nothing persists it.
  bool m_modified = false;

  /// Creates an empty spectrum with the default fields, appends it and returns it.
  CSpectrum* AddNewSpectrum();
  /// Appends a spectrum built elsewhere and returns it.
  CSpectrum* AppendSpectrum(std::unique_ptr<CSpectrum> spectrum);
  /// Removes and deletes the spectrum at `index`; an index outside the list does nothing.
  void RemoveSpectrumAt(int index);
  /// Removes and deletes every spectrum, head first.
  void DeleteContents();

  [[nodiscard]] int Count() const { return static_cast<int>(m_spectra.size()); }
  /// The spectrum at `index`, or null outside the list.
  [[nodiscard]] CSpectrum* At(int index) const;
  /// Number of spectra of a kind in the whole workspace.
  [[nodiscard]] int CountOfKind(SpectrumKind kind) const;

  /// Snaps the automatic x range to the multiples of the x partitions the graph shows it at
  /// (`SnappedXRange`), so that it stays so in the document for every later reader: done
  /// for a workspace with spectra while no settings are applied and x values are shown,
  /// whenever the range or the settings change. Anything else, or a range that cannot be
  /// snapped, stays as it is.
  void SnapAutomaticXRange();
  /// The area-normalised emission display that combining emission spectra works in:
  /// fluorescence intensity shown with settings applied, the four lower y limits 0, the y
  /// maximum 1 and the x range the automatic one.
  void ShowAreaNormalisedEmission();
};

} // namespace lumivex

#pragma once

#include <span>
#include <string>
#include <vector>

namespace lumivex {

/// Kind of a spectrum. The numeric values are stored in files and used as codes
/// throughout the program; `None` is what a reader leaves when a path names no kind.
enum class SpectrumKind : int {
  None = -1,
  Absorption = 0,
  Emission = 1,
  Curve = 2,
  LightSource = 3,
};

/// The name of a kind as shown to users ("Absorption", "Emission", "Curve",
/// "LightSource"), or "None".
const char* KindName(SpectrumKind kind);

/// One data point: x is the wavelength in nm, y the signal (absorbance, intensity,
/// irradiance). Both are single precision, as everywhere in the program.
struct SpectrumPoint {
  float x = 0.0f;
  float y = 0.0f;
  bool operator==(const SpectrumPoint&) const = default;
};

/// One spectrum: points on a uniform wavelength grid, its kind and its metadata.
///
/// A spectrum in the workspace has at least two points and a positive step
/// (`m_xStep`); readers refuse files that would break this. The numeric operations
/// still accept degenerate spectra built by callers (no points, one point, zero step)
/// and answer with neutral values instead of failing.
class CSpectrum {
public:
  std::vector<SpectrumPoint> m_points;
  std::string m_name;
  std::string m_solvent;
  std::string m_provided;
  float m_epsilon = 0.0f;           ///< molar absorptivity (M^-1 cm^-1) at m_epsilonWavelength
  float m_epsilonWavelength = 0.0f; ///< nm
  float m_quantumYield = 1.0f;
  int m_fromDatabase = 0;        ///< nonzero when opened from a database record
  float m_xShift = 0.0f;         ///< nm added to every x when drawn, interpolated or written
  float m_epsilonPeak = 0.0f;    ///< molar absorptivity at the peak (database absorption)
  float m_normalizedPeak = 0.0f; ///< peak of the area-normalised spectrum; model curves: peak y
  float m_peakX = 0.0f;          ///< x of the first largest y; 0 when no y is positive
  float m_area = 0.0f;           ///< cached wavenumber-scale area; <= 0 means not computed
  float m_weight = 1.0f;
  float m_xStep = 0.0f; ///< |x1 - x0| in nm
  SpectrumKind m_kind = SpectrumKind::None;
  int m_descending = 0;   ///< 1 when x decreases along m_points
  int m_recordNumber = 0; ///< database record number; 0 for plain files
  float m_peakY = 0.0f;   ///< largest y, at least 0
  std::string m_filePath;
  std::string m_structurePath;

  /// y at wavelength x (nm) by linear interpolation between the two grid points around
  /// x, found from the uniform step without searching. Below the smallest x (beyond the
  /// first step) it answers the y of the smallest x; at or above the largest x it answers
  /// the y of the point next to it. An empty spectrum answers 0, a one-point spectrum or
  /// one without a positive step answers its first y.
  [[nodiscard]] float Interpolate(float x) const;
  /// Interpolate at every x of `xs` into the same place of `ys` (at least as long). The
  /// points each x needs are requested from memory ahead of use, so that sampling a large
  /// spectrum at a few thousand places, whose points lie far apart, costs about as much as
  /// sampling a small one.
  void InterpolateMany(std::span<const float> xs, std::span<float> ys) const;

  /// Area under the curve on the wavenumber scale (cm^-1, trapezoids between the raw x
  /// values converted as 1e7/x). Without `nu3Integral` a cached area (> 0) is returned
  /// as it is; with it the area is always recomputed and the integral of y / nu^3 over
  /// the same trapezoids is stored there. Fewer than two points give 0.
  float Area(float* nu3Integral = nullptr);
  /// The area Area() answers without an integral, left uncached: the cached area when
  /// there is one, else computed from the points.
  [[nodiscard]] float CurrentArea() const;

  /// Multiplies every y and m_peakY by factor; m_peakX and m_area stay.
  void ScaleY(float factor);
  /// Sets y of points first..last (inclusive, clamped to the array) to value.
  void SetY(int first, int last, float value);
  /// Adds value to y of points first..last (inclusive, clamped to the array).
  void AddY(int first, int last, float value);
  /// Five-point moving average over points first..last: each y becomes the mean of the
  /// original values at i-2..i+2 that lie inside the region.
  void Smooth(int first, int last);

  /// Reads a spectrum text file into this spectrum (kind from the path, points, step,
  /// direction, peak). Returns false and leaves the spectrum untouched when the file
  /// cannot be opened, holds fewer than two data points, or its first two x are equal.
  bool ReadText(const std::string& path);
  /// Writes every point as "%4.3f" of x + m_xShift, nine blanks, "%.12f" of y. The file
  /// is replaced atomically; false when it cannot be written (the old file stays).
  bool WriteText(const std::string& path) const;

  /// Smallest and largest x of the stored points, taking the direction into account
  /// (first and last point); 0 for an empty spectrum.
  [[nodiscard]] float SmallestX() const;
  [[nodiscard]] float LargestX() const;
  /// True when the spectrum has at least two points and a finite positive step, so the
  /// grid-based operations have something to work on.
  [[nodiscard]] bool IsUsable() const;

private:
  /// The index of the grid point at or below x (m_xShift applied) counted along the grid;
  /// for a usable spectrum only, possibly outside the array.
  [[nodiscard]] int GridIndex(float x) const;
  /// y at x from the grid index i that GridIndex gives for x; for a usable spectrum only.
  [[nodiscard]] float InterpolateFrom(int i, float x) const;
};

} // namespace lumivex

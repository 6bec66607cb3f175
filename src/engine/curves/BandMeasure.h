#pragma once

#include "core/Spectrum.h"
#include "core/Units.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// How a band is measured: the y quantity its values are taken in (the stored y for a plain
/// file), the x unit shown beside nm and cm^-1, and whether a straight line through the
/// values at the two range ends is subtracted first.
struct BandOptions {
  bool baseline = false;
  XUnit unit = XUnit::Wavelength;
  YQuantity quantity = YQuantity::Absorption;
};

/// The two places left and right of the maximum where the band falls to half of it (nm),
/// and the width between them in nm and on the wavenumber scale (1e7 / left - 1e7 / right).
struct BandWidth {
  float left = 0.0f;
  float right = 0.0f;
  float nm = 0.0f;
  float wavenumber = 0.0f;
};

/// One band's measures over [low, high] nm, taken after the baseline (when asked) was
/// subtracted. Positions are wavelengths as the graph shows them (the spectrum's shift
/// applied).
struct BandMeasurement {
  float low = 0.0f;
  float high = 0.0f;
  int points = 0; ///< grid points of the spectrum inside the range
  /// The baseline's values at low and high; nothing when none was subtracted.
  std::optional<std::pair<float, float>> baseline;
  float maximum = 0.0f;
  float maximumAt = 0.0f;
  /// Nothing when the maximum is not above 0 or the band does not fall to half of it on
  /// both sides within the range.
  std::optional<BandWidth> width;
  /// The y-weighted mean wavelength (nm); nothing when the area over nm is not above 0.
  std::optional<float> centroid;
  float areaNm = 0.0f;         ///< integral of y over the wavelength (nm)
  float areaWavenumber = 0.0f; ///< integral of y over the wavenumber 1e7 / wavelength (cm^-1)
  XUnit unit = XUnit::Wavelength;
  float areaInUnit = 0.0f; ///< integral of y over the axis value of `unit`
};

/// A measurement, or why there is none.
struct BandResult {
  std::optional<BandMeasurement> measurement;
  std::string refusal;
};

/// Refusals of MeasureBand.
inline constexpr const char* kBandNotUsable = "The spectrum has too few points to measure a band.";
inline constexpr const char* kBandInverted =
    "The low end of the band must be a wavelength below its high end.";

/// Measures the band of `spectrum` between the wavelengths low and high (nm, as shown).
///
/// The band is sampled at its two ends (linearly between the neighbouring points, exact at a
/// point, the last one included) and at every grid point between them, so measures cover
/// exactly [low, high]. With a baseline, the straight line
/// through the samples at the two ends is subtracted from every sample. Then:
/// - the maximum is the largest sample and its wavelength (the first of equal ones);
/// - the half-maximum crossings are found walking outward from the maximum to the first
///   sample at or below half of it, the crossing placed by linear interpolation between that
///   sample and its neighbour toward the maximum;
/// - centroid = integral(x y dx) / integral(y dx) and the areas are trapezoid sums over the
///   samples, over nm, over 1e7 / x and over the axis value of the unit, each taken with
///   the axis running upward, so a positive band has a positive area in every unit.
/// Sums run in double precision. Refused: a spectrum that is not usable, a range that is
/// not finite or does not run upward, one reaching beyond the spectrum's points, and one
/// holding fewer than 2 grid points.
[[nodiscard]] BandResult MeasureBand(const CSpectrum& spectrum, float low, float high,
                                     const BandOptions& options);

/// The measurement as lines of text, headed by the spectrum's name: range, baseline,
/// maximum, width, centroid and areas, numbers with six significant digits.
[[nodiscard]] std::vector<std::string> BandText(const BandMeasurement& band,
                                                const std::string& name);

} // namespace lumivex

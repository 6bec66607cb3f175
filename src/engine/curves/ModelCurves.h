#pragma once

#include "core/Spectrum.h"

#include <memory>
#include <optional>
#include <string>

namespace lumivex {

/// The model curves of the Curves menu, by the code their generator is told.
enum class CurveFunction : int {
  Gaussian = 1,
  Lorentzian = 2,
  Blackbody = 3,
};

/// The parameters of one model curve as its dialog holds them.
struct ModelCurve {
  CurveFunction function = CurveFunction::Gaussian;
  float width = 0.0f;          ///< Gaussian and Lorentzian: half peak width w (nm)
  float peak = 0.0f;           ///< Gaussian and Lorentzian: peak wavelength x0 (nm)
  float factor = 0.0f;         ///< Gaussian and Lorentzian: height multiplier m
  int low = 200;               ///< blackbody: first wavelength (nm)
  int high = 1000;             ///< blackbody: last wavelength (nm)
  float temperature = 5776.0f; ///< blackbody: T (K)
};

/// The whole-nanometre wavelengths a curve is sampled at, both ends included.
struct CurveRange {
  int start = 0;
  int end = 0;
};

/// Shown instead of a curve whose range holds a single wavelength.
inline constexpr const char* kOnePointCurve =
    "The curve's range holds a single wavelength (%d nm); a spectrum needs at least two "
    "points.  Please widen the range.";

/// Shown instead of a curve whose range holds more points than a spectrum may have.
inline constexpr const char* kCurveTooLong =
    "The curve's range from %d to %d nm holds too many points for a spectrum.  Please choose "
    "a smaller peak wavelength or range.";

/// The range a curve is sampled over: x0 / 2 to 1.5 x0 (truncated, the start at least 0) for
/// the peaks, low to high for the blackbody. None when a parameter that the curve divides by
/// or ranges over is 0, or the end lies below the start; then no curve is made.
[[nodiscard]] std::optional<CurveRange> CurveRangeOf(const ModelCurve& curve);

/// The curve's value at wavelength x (nm), in single precision as the curves are defined:
/// - Gaussian: m k exp(-(x - x0)^2 / (2 w^2)) with k = 1 / sqrt(2 pi w), pi taken as 3.1415
///   (the height factor is the root of 2 pi w as a whole, not 1 / (w sqrt(2 pi)));
/// - Lorentzian: m g / (g^2 + (x - x0)^2) with g = w / 2 and no 1/pi factor;
/// - blackbody: 1.19e16 / (x^5 (exp(1.438e7 / (x T)) - 1)), 0 where the exponential
///   overflows; the constants are 2hc^2 and hc/k in nm units, rounded.
[[nodiscard]] float CurveValue(const ModelCurve& curve, float x);

/// The curve's spectrum name: "gaussian", "lorentzian" or "Blackbody at <T>K" (T truncated).
[[nodiscard]] std::string CurveName(const ModelCurve& curve);
/// The graph title shown with the curve.
[[nodiscard]] const char* CurveTitle(CurveFunction function);

/// The outcome of generating a curve: the spectrum, or nothing with the message to show
/// (empty when the parameters quietly give no curve).
struct GeneratedCurve {
  std::unique_ptr<CSpectrum> spectrum;
  std::string refusal;
};

/// Samples the curve at every whole nanometre of its range into a new spectrum of kind
/// Curve: step 1, ascending, named after the curve, its peak at the first largest value
/// (a curve without a positive value keeps peak 0 and no peak position). The spectrum is
/// not added to the workspace.
[[nodiscard]] GeneratedCurve GenerateCurveSpectrum(const ModelCurve& curve);

} // namespace lumivex

#pragma once

#include "core/LumivexData.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The shape of one synthetic peak of Create Spectrum, by its code in the dialog's combo box.
enum class PeakFunction : int {
  Lorentzian = 0,
  Gaussian = 1,
  Delta = 2,
};

/// One entry of Create Spectrum's peak table.
struct SyntheticPeak {
  int function = static_cast<int>(PeakFunction::Gaussian); ///< a PeakFunction code
  float center = 0.0f;                                     ///< nm
  float fullWidth = 0.0f;                                  ///< full width at half height, nm
  float intensity = 0.0f;                                  ///< value at the centre
};

/// Shown when Create Spectrum's range would give fewer than two points.
inline constexpr const char* kCreateRangeTooNarrow =
    "The high wavelength must be greater than the low wavelength; a spectrum needs at least "
    "two points.";
/// Shown when a Lorentzian or Gaussian peak is given no width.
inline constexpr const char* kZeroPeakWidth =
    "The full width at half height must not be 0 for a Lorentzian or Gaussian peak.";

/// The sum of the peaks at wavelength x (nm), in single precision:
/// - Lorentzian: I / (4 (x - c)^2 / f^2 + 1), half height at c +- f/2;
/// - Gaussian: I exp(-4 ln 2 (x - c)^2 / f^2), half height at c +- f/2;
/// - Delta: I where x equals c exactly, else nothing.
/// A function code other than these adds nothing. `runningMaximum`, when given, is raised
/// to the running total after every peak's contribution.
[[nodiscard]] float SyntheticValue(const std::vector<SyntheticPeak>& peaks, float x,
                                   float* runningMaximum = nullptr);

/// A spectrum of the peaks at every whole nanometre from low to high, ascending with step
/// 1, of the given kind, named "Created Absorption Spectrum", "Created Emission Spectrum"
/// or "Created Light Source Spectrum". Its peak is where a running total first exceeded all
/// before it. Null with `refusal` set when the range gives fewer than two points.
[[nodiscard]] std::unique_ptr<CSpectrum>
CreateSyntheticSpectrum(const std::vector<SyntheticPeak>& peaks, int low, int high,
                        SpectrumKind kind, std::string& refusal);

/// The name of a created spectrum of a kind (absorption, emission or light source).
[[nodiscard]] const char* CreatedSpectrumName(SpectrumKind kind);

/// Normalize's outcome for one spectrum.
struct NormalizedSpectrum {
  std::unique_ptr<CSpectrum> spectrum; ///< the normalised copy; null when none is made
  float firstFactor = 0.0f;            ///< b of the first pass: the copy is s (1 + b)
  std::optional<float> secondFactor;   ///< b' of the second pass, when one ran
  bool unusable = false; ///< the value at the peak is 0 or not finite: no copy can be made
};

/// Normalize's copy of a spectrum: scaled (through CombineSpectra of the spectrum with
/// itself) so that its value at its peak position is 1. The first pass scales by 1/v with
/// the factor kept at 0.00001 or above, a second pass brings the peak to exactly 1 where the
/// first did not. No copy when the spectrum is already normalised (nothing to add) or its
/// value at the peak is 0 or not finite.
[[nodiscard]] NormalizedSpectrum NormalizeSpectrum(CLumivexData& document, CSpectrum& s);

} // namespace lumivex

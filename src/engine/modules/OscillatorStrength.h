#pragma once

#include "core/Spectrum.h"

namespace lumivex {

/// What the oscillator-strength calculation reads, as the dialog's fields hold it.
struct OscillatorInputs {
  float low = 300.0f;             ///< low end of the search range, nm
  float high = 700.0f;            ///< high end of the search range, nm
  float epsilon = 0.0f;           ///< molar absorption coefficient at epsilonWavelength, M^-1 cm^-1
  float epsilonWavelength = 0.0f; ///< nm
  bool manual = false; ///< the band is [low, high] as typed, not the peak's half-maximum width
};

/// Results of the oscillator-strength calculation.
struct OscillatorResults {
  /// False when the range holds no usable peak: no positive value, or the largest value on
  /// the first two or the last two points of the range. Only the range fields then count.
  bool peakFound = false;
  float pulledLow = 0.0f;  ///< the range pulled 1 nm inside the data, nm
  float pulledHigh = 0.0f; ///< the range pulled 1 nm inside the data, nm
  /// The band edges, nm: the half-maximum points of the peak (or a range end where the walk
  /// met it first), or the pulled range for a manual band. The dialog's range fields take
  /// them, so the next calculation searches within them.
  float low = 0.0f;
  float high = 0.0f;
  int peakIndex = -1;              ///< index of the peak point
  float peakWavelength = 0.0f;     ///< x_p, nm
  float peakValue = 0.0f;          ///< y_p
  float referenceValue = 0.0f;     ///< a_ref: the spectrum interpolated at the epsilon wavelength
  float epsilonPeak = 0.0f;        ///< epsilon_p = epsilon * y_p / a_ref, M^-1 cm^-1
  float peakWavenumber = 0.0f;     ///< nu_p = 1e7 / x_p, cm^-1
  float bandWidth = 0.0f;          ///< delta nu = |1e7 / low - 1e7 / high|, cm^-1
  float oscillatorStrength = 0.0f; ///< f
  float dipoleDebye = 0.0f;        ///< mu, Debye
  float dipoleCm = 0.0f;           ///< mu, C m
};

/// Coefficient of the oscillator strength of an absorption band from its peak molar
/// absorption coefficient and its width: f = 4.32e-9 * epsilon_max * delta nu (epsilon in
/// M^-1 cm^-1, delta nu in cm^-1). 4.32e-9 = 2303 m_e c^2 / (pi N_A e^2) in Gaussian units,
/// applied to a band taken as a rectangle of height epsilon_max and width delta nu.
inline constexpr float kOscillatorStrengthFactor = 4.32e-9f;
/// Transition dipole moment from the oscillator strength: mu = 4.86e-27 * sqrt(f / nu) C m
/// for nu in cm^-1, from f = 8 pi^2 m_e c nu mu^2 / (3 h e^2) in SI units.
inline constexpr float kDipoleFactor = 4.86e-27f;
/// Coulomb-metres in one Debye.
inline constexpr float kCoulombMetresPerDebye = 3.33564e-30f;

/// The oscillator strength and transition dipole moment of the largest absorption band of
/// a spectrum inside a wavelength range.
///
/// The range is first pulled inside the data: a low end below the smallest wavelength
/// becomes that wavelength + 1 nm, a high end above the largest becomes it - 1 nm. The
/// peak is the first point of largest positive value among the points whose indices the
/// range maps onto (truncated (lambda - x_first) / step, from the other end for descending
/// storage). The band is the typed range (manual), or found by walking outward from the
/// neighbours of the peak to the first pair of points straddling half the peak value,
/// interpolating linearly between them; a walk that reaches the range end first keeps that
/// end. With delta nu the band width in cm^-1:
///
///   epsilon_p = epsilon * y_p / a_ref,  f = 4.32e-9 * epsilon_p * delta nu,
///   mu = 4.86e-27 * sqrt(f / nu_p) C m,  mu_D = mu / 3.33564e-30.
///
/// f, mu_D and mu come out as 0 when they would be negative or not finite (a zero a_ref,
/// a negative epsilon). All arithmetic is single precision.
[[nodiscard]] OscillatorResults CalculateOscillatorStrength(const CSpectrum& absorption,
                                                            const OscillatorInputs& inputs);

} // namespace lumivex

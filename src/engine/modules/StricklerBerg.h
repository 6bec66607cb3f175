#pragma once

#include "core/Spectrum.h"

namespace lumivex {

/// What the Strickler-Berg calculation reads, as the dialog's fields hold it.
struct StricklerBergInputs {
  float low = 0.0f;               ///< low wavelength of the absorption band, nm
  float high = 0.0f;              ///< high wavelength of the absorption band, nm
  float epsilon = 0.0f;           ///< molar absorption coefficient at epsilonWavelength, M^-1 cm^-1
  float epsilonWavelength = 0.0f; ///< nm
  float refractiveIndex = 0.0f;   ///< n of the solvent
  float quantumYield = 0.0f;      ///< fluorescence quantum yield
};

/// Results of the Strickler-Berg calculation. Every result is finite: one that would not be
/// (a zero reference value, a zero inverse-cube integral of the emission, a band too narrow
/// to integrate, so k_r = 0) is 0.
struct StricklerBergResults {
  /// False when the band limits or the refractive index are 0: nothing was computed and
  /// every other member keeps its initial value, the band as typed.
  bool computed = false;
  float low = 0.0f;             ///< the band clipped to the absorption spectrum's wavelengths, nm
  float high = 0.0f;            ///< the band clipped to the absorption spectrum's wavelengths, nm
  int referenceIndex = 0;       ///< the absorption point whose value is y_ref
  float referenceValue = 0.0f;  ///< y_ref: the stored value at the epsilon wavelength
  float integral = 0.0f;        ///< I = integral of epsilon d(ln nu) over the band, M^-1 cm^-1
  float mean = 0.0f;            ///< M = <nu^-3>^-1 over the whole emission, cm^-3
  float rate = 0.0f;            ///< k_r, s^-1
  float naturalLifetime = 0.0f; ///< tau_0 = 1e9 / k_r, ns
  float lifetime = 0.0f;        ///< tau = quantum yield * tau_0, ns
};

/// Coefficient of the Strickler-Berg relation k_r = 2.88e-9 n^2 <nu^-3>^-1 integral of
/// epsilon d(ln nu), with epsilon in M^-1 cm^-1, nu in cm^-1 and k_r in s^-1: it is
/// 8 pi c 2303 / N_A with c in cm s^-1, where 2303 = 1000 ln 10 turns the decadic molar
/// absorption coefficient into an absorption cross-section per mole.
inline constexpr float kStricklerBergFactor = 2.88e-9f;

/// The radiative rate constant and the natural and actual fluorescence lifetimes of a
/// compound by the Strickler-Berg relation.
///
/// M = A / B from the whole emission spectrum, A its area and B its nu^-3-weighted area on
/// the wavenumber scale (`CSpectrum::Area`; the emission's area cache is refreshed). On the
/// absorption spectrum, with N points and s = N / (x_last - x_first): the reference value
/// y_ref is the stored point at index (epsilonWavelength - x_first) * s truncated, kept
/// within the points; the band is clipped to the first and last wavelengths on the side
/// where it reaches beyond them; its ends map to the nearest indices (lambda - x_first) * s
/// + 0.5 truncated, k_lo and k_hi, and for every point pair (k - 1, k) with
/// k_lo < k < k_hi, with nu = 1e7 / x and epsilon_x = epsilon * y / y_ref:
///
///   I += (epsilon_P / nu_P + epsilon_Q / nu_Q) * |nu_P - nu_Q| / 2.
///
/// Then k_r = 2.88e-9 n^2 M I, tau_0 = 1e9 / k_r and tau = quantumYield * tau_0. Nothing
/// is computed when low, high or the refractive index is 0. Sums are single precision.
[[nodiscard]] StricklerBergResults CalculateStricklerBerg(const CSpectrum& absorption,
                                                          CSpectrum& emission,
                                                          const StricklerBergInputs& inputs);

} // namespace lumivex

#pragma once

#include "core/Spectrum.h"

#include <optional>

namespace lumivex {

/// The wavelength range (nm) where a donor's emission and an acceptor's absorption overlap.
struct OverlapRange {
  float low = 0.0f;
  float high = 0.0f;
};

/// The overlap of the two spectra's ranges: from the larger of their smallest wavelengths
/// to the smaller of their largest. Ranges that only touch overlap in one wavelength
/// (low == high). Nothing when they do not overlap at all.
[[nodiscard]] std::optional<OverlapRange> FindOverlapRange(const CSpectrum& donor,
                                                           const CSpectrum& acceptor);

/// What the Forster calculation reads, as the dialog's fields hold it.
struct ForsterInputs {
  float refractiveIndex = 1.0f;   ///< n of the medium
  float kappa2 = 0.0f;            ///< orientation factor kappa^2
  float quantumYield = 0.0f;      ///< donor fluorescence quantum yield
  float distance = 0.1f;          ///< donor-acceptor distance r, Angstrom
  float epsilon = 0.0f;           ///< acceptor molar absorption coefficient, M^-1 cm^-1
  float epsilonWavelength = 0.0f; ///< nm at which `epsilon` holds
  float low = 0.0f;               ///< overlap range, nm
  float high = 0.0f;              ///< overlap range, nm
  float lifetime = 0.0f;          ///< donor fluorescence lifetime, ns; 0 when unknown
};

/// Results of the Forster calculation. Every number is finite and not negative: a value
/// that would come out negative or not finite (a zero area, a zero acceptor value at the
/// epsilon wavelength, n = 0, r = 0) is 0.
struct ForsterResults {
  float low = 0.0f;             ///< the range used, clamped to the donor's wavelengths
  float high = 0.0f;            ///< the range used, clamped to the donor's wavelengths
  float overlap = 0.0f;         ///< J, M^-1 cm^3 (cm^6/mmol)
  float dexter = 0.0f;          ///< Dexter overlap integral, eV^-1
  float forsterDistance = 0.0f; ///< R0, Angstrom
  float efficiency = 0.0f;      ///< E, percent
  std::optional<float> rate;    ///< k_T, s^-1; only when the lifetime is positive
};

/// The constant of the Forster distance, 9000 ln 10 / (128 pi^5 N_A), scaled so that
/// R0^6 comes out in Angstrom^6 for J in M^-1 cm^3: 2.0723263e29 / (3.141592^5 * 128 *
/// 6.0221367), about 8.7851e23. The literals are kept as the program has always used them
/// (pi to six decimals, Avogadro's number without its power of ten, folded into 1e25).
[[nodiscard]] float ForsterConstant();

/// Forster energy transfer between a donor (emission spectrum) and an acceptor (absorption
/// spectrum) over a wavelength range.
///
/// The donor emission is normalised to unit area on the wavenumber axis (f = y / A_D with
/// A_D = donor.Area()), the acceptor is scaled to the molar absorption coefficient
/// (eps = epsilon * a / a_ref with a_ref = acceptor.Interpolate(epsilonWavelength)), and
/// over the donor's points in the range, pair by pair (P, Q) with nu = 1e7 / x in cm^-1:
///
///   J += (f_P eps_P / nu_P^4 + f_Q eps_Q / nu_Q^4) * |nu_P - nu_Q| / 2
///   D += (f_P a_P / A_A + f_Q a_Q / A_A) * 8066 * |nu_P - nu_Q| / 2
///
/// where a term is added only when it is positive, A_A = acceptor.Area() and 8066 converts
/// cm^-1 to eV. Then R0^6 = ForsterConstant() * J * kappa2 * quantumYield / n^4,
/// E = 100 R0^6 / (R0^6 + r^6), k_T = 1e9 R0^6 / (r^6 tau) for a lifetime tau > 0 in ns,
/// and R0 = (R0^6)^0.166667.
///
/// The range maps onto donor point indices as i = (lambda - x_first) * N / (x_last -
/// x_first) truncated, N being the donor's number of points; the pairs run from point
/// (i_lo, i_lo + 1) up to (i_hi - 2, i_hi - 1). A range reaching beyond the donor is
/// clamped to its wavelengths first, so the walk stays on its points. Sums are single
/// precision. The spectra's area caches are filled.
[[nodiscard]] ForsterResults CalculateForster(CSpectrum& donor, CSpectrum& acceptor,
                                              const ForsterInputs& inputs);

} // namespace lumivex

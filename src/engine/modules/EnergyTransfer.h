#pragma once

#include "core/Spectrum.h"
#include "modules/Simplex.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace lumivex {

/// One component of an energy-transfer chain: what the user gives (QY, T, epsilon, the
/// excitation wavelength) and what follows from it for the whole chain.
struct EnergyTransferRecord {
  float quantumYield = 0.0f;       ///< QY: fluorescence quantum yield of the component alone
  float transfer = 0.0f;           ///< T: quantum yield of energy transfer to the next one
  float epsilon = 0.0f;            ///< molar absorption coefficient at the excitation, M^-1 cm^-1
  float relativeAbsorbance = 0.0f; ///< RelAbs: the component's share of the absorbed light
  float upstream = 0.0f;           ///< Up: excitation handed on to it from upstream
  float excitation = 0.0f;         ///< excitation wavelength, nm
  float actualFluorescence = 0.0f; ///< Q' = QY (1 - T)
  float excitationTotal = 0.0f;    ///< ExcTot = RelAbs + Up
  float emissionEnergy = 0.0f;     ///< Q'' = ExcTot Q': the net fluorescence of the component
  float emissionShare = 0.0f;      ///< Em = Q'' / (sum of Q'' over the chain)
};

/// Fills the derived quantities of every record from QY, T and epsilon, along the chain
/// from the first component: RelAbs_c = eps_c / sum(eps) (0 when the sum is not positive),
/// Up_c = the carry, Q'_c = QY_c (1 - T_c), ExcTot_c = RelAbs_c + Up_c, Q''_c = ExcTot_c Q'_c,
/// and the carry becomes (carry + RelAbs_c) T_c, starting at 0. Then Em_c = Q''_c / sum(Q''),
/// or 0 when that sum is not positive. Single precision, sums in chain order.
void ComputeDerivedQuantities(std::span<EnergyTransferRecord> chain);

/// Whether the transfer efficiencies were given (forward) or fitted (reverse).
enum class EnergyTransferMode {
  Forward,
  Reverse,
};

/// The quantum yield of energy transfer from end to end: forward, the product of the T
/// values greater than 0; reverse, the product of the fitted T of every component but the
/// last (0 when one of them is 0).
[[nodiscard]] float EndToEndTransfer(std::span<const EnergyTransferRecord> chain,
                                     EnergyTransferMode mode);

/// The molar absorption coefficient at the excitation wavelength (nm), from a record's
/// absorption spectrum and its epsilon at the wavelength for epsilon:
/// A(excitation) * epsilon / A(epsilonWavelength). 0 when the spectrum is 0 at the
/// wavelength for epsilon.
[[nodiscard]] float EpsilonAtExcitation(const CSpectrum& absorption, float epsilon,
                                        float epsilonWavelength, float excitation);

/// The measured emission of the whole array at the analysis wavelengths, divided by its
/// smallest value there (the search for it starts from 1e8, so the divisor is at most 1e8).
/// A smallest value of 0 cannot serve as divisor: the result is refused with a message
/// naming the wavelength.
struct MeasuredEmission {
  bool ok = false;
  std::string message;       ///< why it was refused; empty when ok
  std::vector<float> values; ///< o_i / o_min, one per wavelength
};
[[nodiscard]] MeasuredEmission NormaliseMeasured(const CSpectrum& measured,
                                                 std::span<const float> wavelengths);

/// The misfit a trial scores when the simulated emission is 0 at an analysis wavelength (it
/// cannot be normalised there) or cannot be formed: worse than any real misfit.
inline constexpr float kWorstTransferMisfit = 3.4028235e38f;

/// The misfit of the simulated emission of a chain for trial transfer efficiencies, the
/// objective of the reverse analysis.
///
/// The chain's emission spectra (each component's from its database record, read once by
/// the caller) are held here and combined area-normalised, each weighted by Q''_c / QY_c
/// and scaled by its own quantum yield over its area, one after the other on the first
/// spectrum's step over the union of their ranges: S(lambda) = sum_c Q''_c F_c(lambda) / A_c
/// when the record's QY is the spectrum's own. With s_i = S(lambda_i) and s_min their
/// smallest value (from 1e8), E = sqrt(sum_i (s_i / s_min - o_i)^2) / (number of
/// components). Nothing is added to any workspace; an s_min of 0 scores
/// kWorstTransferMisfit.
///
/// Combining is linear in the weights, so each spectrum's contribution to S at the
/// wavelengths (resampled through the same chain of grids) is found once, and an evaluation
/// only weighs those contributions; the values agree with S.Interpolate to single precision.
class CTransferEvaluation {
public:
  /// `chain`: the records as entered (QY, epsilon, excitation); `emissions`: one spectrum a
  /// record, in chain order; `measured`: the normalised measured values, one a wavelength.
  CTransferEvaluation(std::vector<EnergyTransferRecord> chain, std::vector<CSpectrum> emissions,
                      std::vector<float> wavelengths, std::vector<float> measured);

  /// E for trial efficiencies of every component but the last (whose T is 0).
  [[nodiscard]] float operator()(std::span<const float> efficiencies);

  /// The records with the trial efficiencies and their derived quantities.
  [[nodiscard]] std::vector<EnergyTransferRecord> Chain(std::span<const float> efficiencies) const;

  /// s_i, the simulated emission of records whose derived quantities are filled, at each
  /// wavelength. Empty when the spectra cannot be combined.
  [[nodiscard]] std::vector<float>
  SimulatedValues(std::span<const EnergyTransferRecord> chain) const;

  /// The simulated fluorescence spectrum of records whose derived quantities are filled:
  /// the emission spectra combined as described above. Null when a spectrum is unusable.
  [[nodiscard]] std::unique_ptr<CSpectrum> Simulate(std::span<const EnergyTransferRecord> chain);

  [[nodiscard]] int Evaluations() const { return m_evaluations; }
  /// The emission spectra, with the weights of the last simulation.
  [[nodiscard]] const std::vector<CSpectrum>& Emissions() const { return m_emissions; }

private:
  // Combines the spectra, each with its weight, area-normalised or as they are.
  std::unique_ptr<CSpectrum> Combine(std::span<const float> weights, bool normalised);

  std::vector<EnergyTransferRecord> m_chain;
  std::vector<CSpectrum> m_emissions;
  std::vector<float> m_wavelengths;
  std::vector<float> m_measured;
  // Per spectrum: its quantum yield over its area, and its resampled values at the
  // wavelengths (spectrum by spectrum, wavelength by wavelength).
  std::vector<float> m_scales;
  std::vector<float> m_contributions;
  bool m_combinable = false;
  int m_evaluations = 0;
};

/// The simulated fluorescence of a chain whose derived quantities are filled, as it joins
/// the workspace after the results: the sum S of the area-normalised shares (named after
/// the first component, as combining names it) and each component's emission spectrum
/// with the weight Q''_c / QY_c, scaled by weight times its quantum yield over its area so
/// that it shows its share Q''_c F_c / A_c. No sum when the spectra cannot be combined.
struct SimulatedFluorescence {
  std::unique_ptr<CSpectrum> sum;
  std::vector<CSpectrum> shares; ///< in chain order
};
[[nodiscard]] SimulatedFluorescence
SimulateFluorescence(std::span<const EnergyTransferRecord> chain, std::vector<CSpectrum> emissions);

/// The Data File entry of the simulated sum.
inline constexpr const char* kSimulatedSpectrumEntry = "Simulated Fluorescence Spectrum";

/// Tolerance of the reverse analysis' search on the spread of the simplex values.
inline constexpr float kTransferTolerance = 1.0e-10f;
/// How far each further starting vertex lies below the starting efficiencies.
inline constexpr float kTransferStartingStep = 0.05f;
/// Misfit bound the one-step scan must beat.
inline constexpr float kTransferScanBound = 100000.0f;

/// Fitted transfer efficiencies and how they were found.
struct TransferFit {
  std::vector<float> efficiencies; ///< one per component but the last
  float misfit = 0.0f;             ///< E at the fitted efficiencies (the bound when none beat it)
  int evaluations = 0;             ///< evaluations of E
};

/// Fits the efficiencies of every component but the last, from `start` (one a step).
/// One step: T = 0.01, 0.02, ..., 1.00 in turn, keeping the first T whose E is below every
/// earlier one and below kTransferScanBound; 0 when none is. Several steps: the downhill
/// simplex with clamped reflections from P0 = start and, per step v, P0 with T_v lowered by
/// kTransferStartingStep, tolerance kTransferTolerance.
[[nodiscard]] TransferFit FitEfficiencies(CTransferEvaluation& evaluation,
                                          std::span<const float> start);

/// The outcome of an energy-transfer simulation.
struct EnergyTransferResult {
  bool ok = false;
  std::string message; ///< why the reverse analysis was refused; empty when ok
  std::vector<EnergyTransferRecord> chain;
  float endToEnd = 0.0f; ///< Q_end
  int evaluations = 0;   ///< evaluations of E (reverse)
  float misfit = 0.0f;   ///< E at the fitted efficiencies (reverse)
};

/// Forward simulation: the derived quantities of the chain as entered and Q_end.
[[nodiscard]] EnergyTransferResult SimulateForward(std::vector<EnergyTransferRecord> chain);

/// Reverse analysis: fits the efficiencies of every component but the last against the
/// measured emission at the wavelengths, starting from the T values entered; the last
/// component's T becomes 0. `emissions` are the components' emission spectra from their
/// records, in chain order. Refused when the chain has fewer than two components or the
/// measured spectrum is 0 at a wavelength where it is smallest.
[[nodiscard]] EnergyTransferResult ReverseAnalysis(std::vector<EnergyTransferRecord> chain,
                                                   std::vector<CSpectrum> emissions,
                                                   const CSpectrum& measured,
                                                   std::vector<float> wavelengths);

/// The refusal of a reverse analysis for a component that was not opened from a database
/// (its record's emission spectrum is what the fit combines), naming the component.
[[nodiscard]] std::string NotFromDatabaseMessage(const std::string& name);

/// Texts of the Energy Transfer Simulation command.
inline constexpr const char* kTransferCaption = "Energy Transfer Simulation";
inline constexpr const char* kTransferUsage =
    "Energy Transfer Simulation:  This simulation can be done in a 'forward' or 'reverse' "
    "manner.  'Forward Simulation' takes the known spectra of the component parts and computes "
    "the expected overall emission spectra for specified values of the individual "
    "energy-transfer steps.  'Reverse Analysis' takes the known spectrum of the overall array "
    "and computes the values of the individual energy-transfer steps.\n\nForward Simulation: "
    "Open the emission spectra of the successive components in the order in which energy "
    "transfer occurs.  Then highlight the data files in the Data File window and click the "
    "module icon on the toolbar.\n\nReverse Analysis: Open the emission spectrum of the overall "
    "array.  Then open the emission spectra of the successive components in the order in which "
    "energy transfer occurs.  Then highlight the data files in the Data File window and click "
    "the module icon on the toolbar.";
inline constexpr const char* kTransferNoAbsorption =
    "No Abs data in the database.  Please enter its value manualy.";

} // namespace lumivex

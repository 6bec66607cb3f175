#pragma once

#include "core/Spectrum.h"
#include "modules/Simplex.h"

#include <span>
#include <vector>

namespace lumivex {

/// The values a multiple component analysis fits: the composite spectrum (row 0) and each
/// component (rows 1 ... m) interpolated at each analysis wavelength (columns 0 ... n - 1).
class CMcaValueTable {
public:
  /// Interpolates the composite and every component at every wavelength (nm).
  CMcaValueTable(const CSpectrum& composite, std::span<const CSpectrum* const> components,
                 std::span<const float> wavelengths);

  [[nodiscard]] int Components() const { return m_components; }
  [[nodiscard]] int Wavelengths() const { return m_wavelengths; }
  /// The value of row `row` (0 the composite, j component j) at wavelength `column`.
  [[nodiscard]] float At(int row, int column) const {
    return m_values[static_cast<std::size_t>(row * m_wavelengths + column)];
  }

  /// The unweighted misfit of a mixture with coefficients x (one per component):
  /// S(x) = sum over the wavelengths i of (sum over j of x_j a_j,i - a_0,i)^2, single
  /// precision, no coefficient constrained. No wavelength gives 0.
  [[nodiscard]] float Misfit(std::span<const float> coefficients) const;

private:
  int m_components;
  int m_wavelengths;
  std::vector<float> m_values;
};

/// What the user entered for one component: the starting fraction (0 leaves the component
/// out of the fit) and the concentration (0 reports a fraction).
struct McaComponentInput {
  float fraction = 0.0f;
  float concentration = 0.0f;
};

/// The outcome of a multiple component analysis.
struct McaFit {
  /// Per component: the fitted coefficient times its concentration when the concentration
  /// is not 0 (micromoles per litre for absorption), otherwise the fitted fraction.
  std::vector<float> results;
  float residual = 0.0f; ///< the misfit S at the fitted coefficients
  SimplexResult search;  ///< the search itself: coefficients, iterations, evaluations
};

/// Tolerance of the analysis' search on the spread of the simplex values.
inline constexpr float kMcaTolerance = 1.0e-7f;

/// Fits the mixture's coefficients by the downhill simplex (no clamp, tolerance
/// kMcaTolerance) from P0 = (f_1, ..., f_m) and, for each component v, the vertex with f_v
/// in coordinate v and 0 elsewhere. A component starting at fraction 0 keeps coefficient 0
/// and reports 0. `inputs` holds one entry per component of the table.
[[nodiscard]] McaFit FitComponents(const CMcaValueTable& table,
                                   std::span<const McaComponentInput> inputs);

/// The concentration the input dialog proposes for a component: for an absorption spectrum
/// its value at the peak over its molar absorptivity at the peak, times 1e6 (micromoles per
/// litre for a 1 cm path); 0 for any other kind, and 0 when the absorptivity at the peak is
/// unknown (0), so that the component reports a fraction.
[[nodiscard]] float DefaultConcentration(const CSpectrum& component);

/// Whether a selection of these kinds can be analysed: at least three absorption spectra or
/// at least three emission spectra among them.
[[nodiscard]] bool McaSelectionFits(std::span<const SpectrumKind> kinds);

/// The starting fraction of a component shown in the input dialog.
inline constexpr float kMcaShownFraction = 0.5f;

/// Texts of the Multiple Component Analysis command.
inline constexpr const char* kMcaCaption = "Multiple Component Analysis";
inline constexpr const char* kMcaUsage =
    "Multiple Component Analysis:  First open the spectrum for the composite sample.  Then the "
    "spectra of the compounds which give rise to the composite sample (in any order and as many "
    "as you wish).  Then, highlight the data file in the Data File window and click the module "
    "icon on the toolbar.  A minimum of 3 data files must be selected of a single type (ems or "
    "abs) before 'Multiple Component Analysis' can be performed.";

} // namespace lumivex

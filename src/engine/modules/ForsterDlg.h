#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"
#include "core/Spectrum.h"
#include "modules/ModuleDlg.h"
#include "output/ResultSheet.h"

#include <array>
#include <string>
#include <vector>

namespace lumivex {

/// The Forster module's code for its report template and help topic.
inline constexpr int kForsterModuleCode = 2;

/// The Forster Energy Transfer dialog (title "Forster Energy Transfer"): the calculation's
/// inputs and results as fields, the flags of the command's dialog loop, and the print and
/// report blocks that printing and HTML reports read.
///
/// The fields are the dialog's stored values; a view shows them, writes its edits back
/// only on "Calculate", and discards them on "Print" and "Create Report".
class CForsterDlg : public CModuleDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CForsterDlg"; }

  // Fields in the order of the dialog's data exchange.
  float m_refractiveIndex = 1.0f;
  float m_kappa2 = 0.0f;
  float m_quantumYield = 0.0f;      ///< donor quantum yield; accepted from 0 to 100
  float m_distance = 0.1f;          ///< Angstrom
  float m_forsterDistance = 0.0f;   ///< result R0, Angstrom
  float m_efficiency = 0.0f;        ///< result E, percent
  float m_high = 0.0f;              ///< nm
  float m_low = 0.0f;               ///< nm
  float m_overlap = 0.0f;           ///< result J, M^-1 cm^3
  float m_epsilon = 0.0f;           ///< acceptor, M^-1 cm^-1
  float m_epsilonWavelength = 0.0f; ///< nm
  float m_lifetime = 0.0f;          ///< donor, ns (optional)
  float m_rate = 0.0f;              ///< result k_T, s^-1; kept while no lifetime is given
  float m_dexter = 0.0f;            ///< result, eV^-1
  std::string m_donorName;
  std::string m_acceptorName;

  /// Print block: n, kappa^2, quantum yield, r, epsilon, epsilon wavelength, low, high, J,
  /// R0, E, lifetime, rate, Dexter integral.
  std::array<float, 14> m_printNumbers{};
  /// Print block: donor name, acceptor name, donor solvent.
  std::array<std::string, 3> m_printTexts;
  /// Report block: numbers low, high, epsilon wavelength, epsilon, n, kappa^2, lifetime, r,
  /// quantum yield; texts donor name, acceptor name, J "%1.3e", R0 "%1.3f", E "%1.3e",
  /// rate "%1.3f", Dexter integral "%1.3e"; the donor's and the acceptor's structure
  /// pictures.
  ReportBlock m_report;

  /// The fields with their labels and validation ranges, in data-exchange order: the
  /// number fields, then the donor's and the acceptor's names.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Reads the texts of the input fields (by key; see Fields); on a refusal nothing is
  /// stored and the refusal says which field and why.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);

  /// Fills the dialog for the first showing from the donor (emission) and acceptor
  /// (absorption) spectra and their overlap range.
  void Fill(const CSpectrum& donor, const CSpectrum& acceptor, float low, float high);
  /// Runs the calculation on the fields and stores the results (and the range as clamped
  /// to the donor) in them. The rate changes only when a lifetime is given.
  void Calculate(CSpectrum& donor, CSpectrum& acceptor);

  /// "Print": copies the fields into the print block and marks print requested.
  void OnPrint() override;
  /// "Create Report": fills the report block's numbers and result texts from the fields
  /// and marks report requested.
  void OnCreateReport() override;
  /// The donor's and acceptor's own texts for the print block.
  void SetPrintTexts(const CSpectrum& donor, const CSpectrum& acceptor);
  /// The donor's and acceptor's names and structure pictures for the report block.
  void SetReportSpectra(const CSpectrum& donor, const CSpectrum& acceptor);

  /// The print sheet: one row per print-block value, labels at x = 30 and values beside
  /// them, the lifetime and rate rows only while the rate is positive, then a dashed line
  /// and the Dexter overlap integral.
  [[nodiscard]] const char* Title() const override {
    return "Results of Forster Energy Transfer Calculation";
  }
  [[nodiscard]] int ModuleCode() const override { return kForsterModuleCode; }
  void DrawResults(Canvas& canvas) const override;
  [[nodiscard]] ReportBlock Report() const override { return m_report; }
};

/// Texts of the Forster command.
inline constexpr const char* kForsterCaption = "Forster Energy Transfer";
inline constexpr const char* kForsterUsage =
    "Forster Energy Transfer:  Open one emission spectrum (for the donor) and one absoption "
    "spectrum (for the acceptor) to calculate the Forster energy transfer efficiency.  Then, "
    "highlight both data files in the Data File window and click the module icon on the "
    "toolbar.";
inline constexpr const char* kForsterNoOverlap = "No overlapped";

} // namespace lumivex

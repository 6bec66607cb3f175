#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"
#include "core/Spectrum.h"
#include "modules/ModuleDlg.h"
#include "output/ResultSheet.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// Title of the Strickler-Berg dialog.
inline constexpr const char* kStrickleDlgTitle =
    "Strickler-Berg Calculation of Fluorescence Lifetime";
/// Caption of the command's usage prompt.
inline constexpr const char* kLifetimeCaption = "Fluorescence Lifetime Calculation";
/// The usage prompt of the command when the selection is not two spectra.
inline constexpr const char* kLifetimeUsage =
    "Fluorescence Lifetime Calculation:  Open the emission spectrum and the absorption spectrum "
    "of the desired compound.  Then, highlight the data file in the Data File window and click "
    "the module icon on the toolbar.";
/// The message when the two selected spectra are not one absorption and one emission.
inline constexpr const char* kLifetimeNeedsPair =
    "Please note: Two files (1 ems and 1 abs) are to be opened\n before 'Fluorescence Lifetime "
    "Calculation' can be performed.";
/// The Strickler-Berg module's code for its report template and help topic.
inline constexpr int kLifetimeModuleCode = 3;

/// The Strickler-Berg dialog: the absorption band, the reference absorptivity, the
/// refractive index and the quantum yield, the five results, and the flags and blocks of
/// its "Print" and "Create Report" buttons. The command shows it again after every
/// calculation until "Cancel".
///
/// A view stores the typed fields (StoreFields) on "Calculate" and "Create Report" and
/// closes with kResultOk or kResultCreateReport; "Print" closes with kResultPrint without
/// storing, "Cancel" with kResultCancel. The command then calls OnPrint or OnCreateReport,
/// which read the fields as they were when the dialog opened (BeginShowing).
class CStrickleDlg : public CModuleDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CStrickleDlg"; }

  // The fields, in the order of the dialog's exchange.
  float m_epsilon = 0.0f;           ///< M^-1 cm^-1
  float m_high = 0.0f;              ///< high wavelength of the absorption band, nm
  float m_integral = 0.0f;          ///< result: I, M^-1 cm^-1
  float m_lifetime = 0.0f;          ///< result: actual fluorescence lifetime, ns
  float m_low = 0.0f;               ///< low wavelength of the absorption band, nm
  float m_mean = 0.0f;              ///< result: M = <nu^-3>^-1, cm^-3
  float m_refractiveIndex = 0.0f;   ///< n
  std::string m_compound;           ///< shown, not editable
  std::string m_solvent;            ///< shown, not editable
  float m_quantumYield = 0.0f;      ///< fluorescence quantum yield
  float m_epsilonWavelength = 0.0f; ///< nm, 100..1000
  float m_naturalLifetime = 0.0f;   ///< result: ns
  float m_rate = 0.0f;              ///< result: transition rate, s^-1

  /// Whether "Print" and "Create Report" are enabled in this showing.

  /// Print block: low, high, epsilon, I, M, n, quantum yield, tau_0, k_r, tau.
  std::array<float, 10> m_printNumbers{};
  /// Print block: compound, solvent.
  std::array<std::string, 2> m_printTexts{};
  /// Report block: low, high, epsilon, n, I, M, quantum yield, tau_0, k_r, tau.
  std::array<float, 10> m_reportNumbers{};
  /// Report block: compound, solvent.
  std::array<std::string, 2> m_reportTexts{};

  /// The number fields in exchange order (key, label, range, result or input), pointing at
  /// this dialog's members. Compound and solvent are shown only, so they are not fields.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Reads the typed texts of the number fields (by key). A refusal names the first field
  /// that does not read as a number, or the wavelength for epsilon outside 100 to 1000;
  /// then nothing is stored.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);

  /// The dialog opens: "Print" and "Create Report" are enabled unless this is the first
  /// showing, the first showing is over, and the fields are kept as shown.
  void BeginShowing() override;
  /// "Print": the fields go back to what the dialog showed (edits are discarded), the print
  /// block is filled from them and printing is requested.
  void OnPrint() override;
  /// "Create Report": the report block is filled from the fields as the dialog showed them
  /// (the last calculation's) and a report is requested; the edits stay in the fields for
  /// the calculation that follows.
  void OnCreateReport() override;

  /// Runs the calculation on the fields and stores the clipped band and the results into
  /// them. False, changing nothing, when the band limits or the refractive index are 0.
  bool Calculate(const CSpectrum& absorption, CSpectrum& emission);

  [[nodiscard]] const char* Title() const override {
    return "Results of Fluorescence Lifetime Calculation";
  }
  [[nodiscard]] int ModuleCode() const override { return kLifetimeModuleCode; }
  void DrawResults(Canvas& canvas) const override;
  [[nodiscard]] ReportBlock Report() const override;

private:
  FieldValues m_shown; ///< the number fields as the dialog opened with them
};

} // namespace lumivex

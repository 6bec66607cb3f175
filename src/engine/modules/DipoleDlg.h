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

/// Title of the oscillator-strength dialog.
inline constexpr const char* kDipoleDlgTitle = "Oscillator Strength Calculation";
/// Text of the check box that makes the band the typed range.
inline constexpr const char* kDipoleManualText =
    "Click box to enter integration region (low, high) manually.  Otherwise enter range for "
    "integration of the fwhm region of the largest peak within the range.";
/// The message that ends the module when the range holds no usable peak.
inline constexpr const char* kNoPeakMessage = "There is no peak in the selected range.";
/// The usage prompt of the command when the selection is not one absorption spectrum.
inline constexpr const char* kOscillatorUsage =
    "Oscillator Strength Calculation:  Open the absorption spectrum of the desired compound.  "
    "Then, highlight the data file in the Data File window and click the module icon on the "
    "toolbar.";
/// The oscillator-strength module's code for its report template and help topic.
inline constexpr int kOscillatorModuleCode = 1;

/// The oscillator-strength dialog: the search range, the reference absorptivity, the manual
/// band choice and the three results, with the flags and blocks of its "Print" and "Create
/// Report" buttons. The command shows it again after every calculation until "Cancel".
///
/// A view stores the typed fields (StoreFields) on "Calculate" and "Create Report" and
/// closes with kResultOk or kResultCreateReport; "Print" closes with kResultPrint without
/// storing, "Cancel" with kResultCancel. The command then calls OnPrint or OnCreateReport,
/// which read the fields as they were when the dialog opened (BeginShowing).
class CDipoleDlg : public CModuleDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CDipoleDlg"; }

  // The fields, in the order of the dialog's exchange.
  float m_dipoleDebye = 0.0f;        ///< result: transition dipole moment, Debye
  float m_dipoleCm = 0.0f;           ///< result: transition dipole moment, C m
  float m_oscillatorStrength = 0.0f; ///< result: f
  float m_epsilonWavelength = 0.0f;  ///< nm
  float m_epsilon = 0.0f;            ///< M^-1 cm^-1
  float m_high = 700.0f;             ///< nm, 0..10000
  float m_low = 300.0f;              ///< nm, 0..10000
  std::string m_compound;
  bool m_manual = false;

  /// Whether "Print" and "Create Report" are enabled in this showing.

  /// Report block: low, high, wavelength for epsilon, epsilon.
  std::array<float, 4> m_reportNumbers{};
  /// Report block: compound, f ("%1.3f"), mu in Debye ("%1.3f"), mu in C m ("%1.3e").
  std::array<std::string, 4> m_reportTexts{};
  /// Print texts: the spectrum's name and solvent, set by the command before printing.
  std::string m_printCompound;
  std::string m_printSolvent;

  /// The fields in exchange order (the number fields with their ranges, results read-only,
  /// then the compound and the check box), pointing at this dialog's members.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Reads the typed texts of the fields (by key). A refusal names the first field that
  /// does not read as a number or lies outside its range; then nothing is stored.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);
  /// The same with the compound and the check box given apart from the number texts.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts,
                                                        const std::string& compound, bool manual);

  /// The dialog opens: the report request is cleared, "Print" and "Create Report" are
  /// enabled unless this is the first showing, the first showing is over, and the fields
  /// are kept as shown.
  void BeginShowing() override;
  /// "Print": the fields go back to what the dialog showed (edits are discarded), the report
  /// block is filled from them and printing is requested.
  void OnPrint() override;
  /// "Create Report": the report block is filled from the fields as the dialog showed them
  /// (the last calculation's) and a report is requested; the edits stay in the fields for
  /// the calculation that follows.
  void OnCreateReport() override;

  /// Runs the calculation on the fields and stores its range and results into them.
  /// False when the range holds no usable peak (the range fields are pulled all the same).
  bool Calculate(const CSpectrum& absorption);

  [[nodiscard]] const char* Title() const override { return "Results of Oscillator Calculation"; }
  [[nodiscard]] int ModuleCode() const override { return kOscillatorModuleCode; }
  void DrawResults(Canvas& canvas) const override;
  [[nodiscard]] ReportBlock Report() const override;

private:
  void FillReportBlock();

  FieldValues m_shown; ///< the fields as the dialog opened with them
};

} // namespace lumivex

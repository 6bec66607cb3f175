#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"
#include "core/Spectrum.h"
#include "modules/EnergyTransfer.h"
#include "modules/ModuleDlg.h"
#include "modules/WavelengthList.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// The energy-transfer simulation's code for its report template and help topic.
inline constexpr int kTransferModuleCode = 5;

/// The key of the "------>" button, for CExSimulationDlg::Enabled, and its text.
inline constexpr const char* kAddWavelengthKey = "addWavelength";
inline constexpr const char* kTransferAddWavelength = "------>";

/// The input dialog of the energy-transfer simulation (title "Energy Transfer Simulation").
///
/// It is shown once for the common settings (the first showing: the excitation wavelength
/// and "Reverse Analysis") and then once per component of the chain, which the command
/// fills with BeginComponent. In reverse mode each component showing also adds analysis
/// wavelengths to the list ("------>").
class CExSimulationDlg : public CDialogModel {
public:
  /// `selected`: the number of selected spectra, N.
  explicit CExSimulationDlg(int selected);

  [[nodiscard]] const char* ClassName() const override { return "CExSimulationDlg"; }

  // Fields in the order of the dialog's data exchange.
  float m_transfer = 0.5f;     ///< T of the component shown, 0 to 1
  float m_epsilon = 0.0f;      ///< at the excitation wavelength, M^-1 cm^-1
  float m_excitation = 0.0f;   ///< nm, 0 to 1000; "Next" closes only when it is not 0
  float m_quantumYield = 0.0f; ///< of the component shown
  std::string m_name;          ///< the component shown
  std::string m_nextName;      ///< the next component; "NONE" for the last
  bool m_reverse = false;      ///< "Reverse Analysis", changed only by OnReverseAnalysis
  float m_wavelength = 0.0f;   ///< nm, the wavelength "------>" adds
  int m_displayed = 0;         ///< "Number of Components:"

  /// Set until the first showing has been accepted.
  bool m_firstShowing = true;
  /// The analysis wavelengths of the reverse analysis.
  CWavelengthList m_wavelengths;

  /// The fields with their labels and validation ranges, in data-exchange order. The name
  /// boxes, the check box and the number of components are shown, never read back.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Whether a field (by key) or the "------>" button (kAddWavelengthKey) can be used in
  /// this showing. "Next" and "Cancel" always can.
  [[nodiscard]] bool Enabled(std::string_view key) const;

  /// "Reverse Analysis" clicked: on, the number shown drops by 1, unless it would fall
  /// below 2 (the box then stays off); off, it rises by 1 again.
  void OnReverseAnalysis();

  /// What "Next" leads to.
  struct NextOutcome {
    std::optional<FieldRefusal> refusal; ///< a field was refused: the dialog stays open
    bool close = false;                  ///< the dialog closes with the accept code
  };
  /// "Next": reads the fields; the dialog closes only when the excitation wavelength is
  /// not 0, otherwise the press is ignored (the fields keep what was read).
  [[nodiscard]] NextOutcome OnNext(const FieldTexts& texts);
  /// "------>": reads the fields and adds the wavelength with the name of the component
  /// shown to the list. A refused field, or a full list, is refused with a message and the
  /// list stays as it is.
  [[nodiscard]] std::optional<FieldRefusal> OnAddWavelength(const FieldTexts& texts);

  /// Fills a component showing for `component`, with `next` the component after it (null
  /// for the last): T 0.5, or 0 and "NONE" for the last, and the names. A component opened
  /// from a database also brings its quantum yield, its peak wavelength and its epsilon at
  /// the excitation wavelength from its record's absorption spectrum in `databasePath`;
  /// other components keep the values of the previous showing for the user to type over.
  /// False when the record has no readable absorption spectrum: the epsilon field then
  /// keeps its value and the user is to be told kTransferNoAbsorption.
  bool BeginComponent(const CSpectrum& component, const CSpectrum* next,
                      const std::string& databasePath);
  /// The record of the component shown, as "Next" left the fields.
  [[nodiscard]] EnergyTransferRecord Record() const;
};

/// The dialog's two notes.
inline constexpr std::array<const char*, 2> kTransferNotes = {
    "Note - Make sure that if 'Reverse Analysis' is checked that the first data file in the "
    "data list is the actual emission spectrum of the array of components.",
    "Note - For the most accurate results make sure all characteristic peaks of the actual "
    "emission spectrum of the array of components are added to the selection listbox."};

/// The results dialog of the energy-transfer simulation (title "Energy Transfer Simulation
/// - Results"): one component of the chain at a time, "Next" stepping along it, and the
/// print sheet and report block of the whole chain. "Close", "Print" and "Create Report"
/// close it; "Print" and "Create Report" are enabled from its first showing.
class CSimulResultDlg : public CModuleDlg {
public:
  /// The chain with its derived quantities, its component names in chain order, and Q_end.
  CSimulResultDlg(std::vector<EnergyTransferRecord> chain, std::vector<std::string> names,
                  float endToEnd);

  [[nodiscard]] const char* ClassName() const override { return "CSimulResultDlg"; }

  // Fields of the component shown, in the order of the dialog's data exchange.
  float m_actualFluorescence = 0.0f; ///< Q'
  float m_emissionEnergy = 0.0f;     ///< Q''
  float m_excitation = 0.0f;         ///< nm
  float m_emissionShare = 0.0f;      ///< Em
  float m_quantumYield = 0.0f;       ///< QY
  float m_relativeAbsorbance = 0.0f; ///< RelAbs
  float m_epsilon = 0.0f;            ///< M^-1 cm^-1
  float m_excitationTotal = 0.0f;    ///< ExcTot
  std::string m_name;                ///< "Component"
  float m_transfer = 0.0f;           ///< T

  /// The result fields, every one shown and none read back.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// The index in the chain of the component shown.
  [[nodiscard]] int Shown() const { return m_shown; }
  /// "Next": shows the following component; after the last one it does nothing.
  void OnNext();

  [[nodiscard]] const std::vector<EnergyTransferRecord>& Chain() const { return m_chain; }
  [[nodiscard]] const std::vector<std::string>& Names() const { return m_names; }
  [[nodiscard]] float EndToEnd() const { return m_endToEnd; }

  [[nodiscard]] const char* Title() const override {
    return "Results of Energy Transfer Simulation";
  }
  [[nodiscard]] int ModuleCode() const override { return kTransferModuleCode; }
  /// The sheet of DrawTransferResults: every component of the chain.
  void DrawResults(Canvas& canvas) const override;
  /// The block of TransferReportBlock: the first twelve components.
  [[nodiscard]] ReportBlock Report() const override;

private:
  void Show(int index);

  std::vector<EnergyTransferRecord> m_chain;
  std::vector<std::string> m_names;
  float m_endToEnd = 0.0f;
  int m_shown = 0;
};

/// The results dialog's title.
inline constexpr const char* kTransferResultsCaption = "Energy Transfer Simulation - Results";

} // namespace lumivex

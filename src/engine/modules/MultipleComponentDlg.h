#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"
#include "core/Spectrum.h"
#include "modules/ModuleDlg.h"
#include "modules/MultipleComponent.h"
#include "modules/WavelengthList.h"
#include "output/ResultSheet.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumivex {

/// The multiple component analysis' code for its report template and help topic.
inline constexpr int kMcaModuleCode = 4;

/// The input dialog of the multiple component analysis (title "Multiple Component Analysis -
/// Input Parameters"). It shows the components one at a time, from component 1: the starting
/// fraction and the concentration the user gives each, and a wavelength (nm) that "------>"
/// adds to the list of analysis wavelengths under the shown component's name. "Next" keeps
/// the shown component's fraction and concentration and shows the next one; "Finish" keeps
/// them and ends the input. A component never shown keeps fraction 0 and concentration 0,
/// and so takes no part in the fit.
///
/// Each button reads every field; a refused field changes nothing and the refusal names it.
class CMCAiputDlg : public CDialogModel {
public:
  /// The dialog for components 1 ... m (the selection after the composite), with room for
  /// three wavelengths per component, showing component 1.
  explicit CMCAiputDlg(std::span<const CSpectrum* const> components);

  [[nodiscard]] const char* ClassName() const override { return "CMCAiputDlg"; }

  // Fields in the order of the dialog's data exchange.
  float m_fraction = 0.0f;      ///< starting fraction of the shown component
  std::string m_component;      ///< name of the shown component, not editable
  float m_wavelength = 0.0f;    ///< nm, the wavelength "------>" adds
  float m_concentration = 0.0f; ///< micromol/L for absorption (1 cm path); 0 reports a fraction

  /// The fields with their labels, in data-exchange order.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Reads the texts of the input fields (by key; see Fields); on a refusal nothing is
  /// stored.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);

  /// "------>": reads the fields and adds the wavelength field's value to the list under
  /// the shown component's name. A full list refuses it (naming the wavelength field) and
  /// stays as it is.
  [[nodiscard]] std::optional<FieldRefusal> OnAddWavelength(const FieldTexts& texts);
  /// "Next": reads the fields, keeps the fraction and concentration of the shown component
  /// and shows the next one. Ignored while the last component is shown.
  [[nodiscard]] std::optional<FieldRefusal> OnNext(const FieldTexts& texts);
  /// Whether "Next" is enabled: a component after the shown one is left.
  [[nodiscard]] bool NextEnabled() const { return m_shown < Components(); }
  /// "Finish": reads the fields and keeps the fraction and concentration of the shown
  /// component. Refused, changing nothing, while no wavelength is chosen: a fit over no
  /// wavelength has nothing to fit and would report arbitrary fractions with a misfit of 0.
  [[nodiscard]] std::optional<FieldRefusal> OnFinish(const FieldTexts& texts);

  /// The number of components m, and the number of the shown one (from 1).
  [[nodiscard]] int Components() const { return static_cast<int>(m_components.size()); }
  [[nodiscard]] int Shown() const { return m_shown; }
  /// The chosen wavelengths and their list entries.
  [[nodiscard]] const CWavelengthList& Wavelengths() const { return m_wavelengths; }
  /// The starting fraction and concentration of every component, in component order.
  [[nodiscard]] const std::vector<McaComponentInput>& Inputs() const { return m_inputs; }

private:
  /// What the dialog shows of one component.
  struct Component {
    std::string name;
    float peakWavelength = 0.0f;       ///< nm, where its spectrum is largest
    float defaultConcentration = 0.0f; ///< see DefaultConcentration
  };

  /// Shows component `number` (from 1) with its proposed values.
  void Show(int number);
  /// Keeps the fraction and concentration fields as the shown component's.
  void KeepShown();

  std::vector<Component> m_components;
  std::vector<McaComponentInput> m_inputs;
  CWavelengthList m_wavelengths;
  int m_shown = 1;
};

/// The results dialog of the multiple component analysis (title "Multiple Component Analysis
/// - Results"), shown once after the fit: the residual, the number of components, one entry
/// per component with its concentration or fraction, and the analysis wavelengths. "OK"
/// closes it; "Print" and "Create Report", enabled from the start, close it and ask for the
/// results to be printed or reported.
class CMultipleAnalysisDlg : public CModuleDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CMultipleAnalysisDlg"; }

  float m_residual = 0.0f; ///< the misfit of the best coefficients
  int m_components = 0;    ///< m
  /// "%4.5f", three blanks and the name, one per component in component order.
  std::vector<std::string> m_resultEntries;
  /// "%f" per analysis wavelength (nm).
  std::vector<std::string> m_wavelengthEntries;
  /// Report block: the residual "%1.3e", m, then the thirty results and names, empty slots
  /// holding 1.23456 and "N/A". Filled by "Create Report".
  ReportBlock m_report;

  /// The fields: "Least square" and "Number of components in mixture:", both shown only.
  [[nodiscard]] std::vector<DialogField> Fields();

  /// Fills the dialog from the fit, the components' names (component order) and the
  /// analysis wavelengths.
  void Fill(const McaFit& fit, std::span<const std::string> names,
            std::span<const float> wavelengths);

  /// The dialog is shown once, so "Print" and "Create Report" are enabled from the start.
  void BeginShowing() override;
  /// "Create Report": fills the report block and marks report requested.
  void OnCreateReport() override;

  [[nodiscard]] const char* Title() const override {
    return "Results of Multiple Component Analysis";
  }
  [[nodiscard]] int ModuleCode() const override { return kMcaModuleCode; }
  /// The print sheet: the residual, the number of compounds and one row per component with
  /// its result ("%1.3f") and name (DrawMcaResults).
  void DrawResults(Canvas& canvas) const override;
  [[nodiscard]] ReportBlock Report() const override { return m_report; }

private:
  std::vector<float> m_results;
  std::vector<std::string> m_names;
};

/// Texts of the multiple component analysis' dialogs.
inline constexpr const char* kMcaInputTitle = "Multiple Component Analysis - Input Parameters";
inline constexpr const char* kMcaResultsTitle = "Multiple Component Analysis - Results";
inline constexpr const char* kMcaLoadWavelength = "Load wavelength selection";
inline constexpr const char* kMcaAddWavelength = "------>";
inline constexpr const char* kMcaNext = "Next";
inline constexpr const char* kMcaFinish = "Finish";
inline constexpr const char* kMcaCompositeNote =
    "Note - Make sure that the first data file in the data list is the composite spectrum.";
inline constexpr const char* kMcaNoWavelength =
    "No analysis wavelength is chosen.  Add at least one with \"------>\" before \"Finish\".";
inline constexpr const char* kMcaConcentrationHeader = "Concentration (for abs)";
inline constexpr const char* kMcaFractionHeader = "Fraction of mixture (for all others)";
inline constexpr const char* kMcaCompoundHeader = "Compound";
inline constexpr const char* kMcaWavelengthsHeader = "Wavelengths (nm) selected for calculation";

} // namespace lumivex

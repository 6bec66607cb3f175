#include "modules/MultipleComponentDlg.h"

#include "modules/FitResultSheets.h"

namespace lumivex {

CMCAiputDlg::CMCAiputDlg(std::span<const CSpectrum* const> components)
    : m_inputs(components.size()),
      m_wavelengths(McaWavelengthCapacity(static_cast<int>(components.size()))) {
  for (const CSpectrum* component : components) {
    m_components.push_back(
        {component->m_name, component->m_peakX, DefaultConcentration(*component)});
  }
  Show(1);
}

std::vector<DialogField> CMCAiputDlg::Fields() {
  return {
      {"fraction", "Component fraction (optional)", &m_fraction},
      {"component", "Component", &m_component, std::nullopt, true},
      {"wavelength", "Wavelength (nm) selections", &m_wavelength},
      {"concentration", "Concentration (abs only)", &m_concentration},
  };
}

std::optional<FieldRefusal> CMCAiputDlg::StoreFields(const FieldTexts& texts) {
  return lumivex::StoreFields(Fields(), texts);
}

std::optional<FieldRefusal> CMCAiputDlg::OnAddWavelength(const FieldTexts& texts) {
  if (auto refusal = StoreFields(texts)) {
    return refusal;
  }
  if (auto full = m_wavelengths.Add(m_wavelength, m_component)) {
    return FieldRefusal{"wavelength", std::move(*full)};
  }
  return std::nullopt;
}

std::optional<FieldRefusal> CMCAiputDlg::OnNext(const FieldTexts& texts) {
  if (!NextEnabled()) {
    return std::nullopt;
  }
  if (auto refusal = StoreFields(texts)) {
    return refusal;
  }
  KeepShown();
  Show(m_shown + 1);
  return std::nullopt;
}

std::optional<FieldRefusal> CMCAiputDlg::OnFinish(const FieldTexts& texts) {
  if (m_wavelengths.Empty()) {
    return FieldRefusal{"wavelength", kMcaNoWavelength};
  }
  if (auto refusal = StoreFields(texts)) {
    return refusal;
  }
  KeepShown();
  return std::nullopt;
}

void CMCAiputDlg::Show(int number) {
  m_shown = number;
  if (number < 1 || number > Components()) {
    return;
  }
  const Component& shown = m_components[static_cast<std::size_t>(number - 1)];
  m_fraction = kMcaShownFraction;
  m_component = shown.name;
  m_wavelength = shown.peakWavelength;
  m_concentration = shown.defaultConcentration;
}

void CMCAiputDlg::KeepShown() {
  if (m_shown < 1 || m_shown > Components()) {
    return;
  }
  m_inputs[static_cast<std::size_t>(m_shown - 1)] = {m_fraction, m_concentration};
}

std::vector<DialogField> CMultipleAnalysisDlg::Fields() {
  return {
      DialogField::Result("residual", "Least square", m_residual),
      {"components", "Number of components in mixture:", &m_components, std::nullopt, true},
  };
}

void CMultipleAnalysisDlg::Fill(const McaFit& fit, std::span<const std::string> names,
                                std::span<const float> wavelengths) {
  m_residual = fit.residual;
  m_results = fit.results;
  m_components = static_cast<int>(m_results.size());
  m_names.assign(names.begin(), names.end());
  m_resultEntries = McaResultEntries(m_results, m_names);
  m_wavelengthEntries = McaWavelengthEntries(wavelengths);
}

void CMultipleAnalysisDlg::BeginShowing() {
  CModuleDlg::BeginShowing();
  m_outputEnabled = true;
}

void CMultipleAnalysisDlg::OnCreateReport() {
  m_report = McaReportBlock(m_residual, m_results, m_names);
  m_reportRequested = true;
}

void CMultipleAnalysisDlg::DrawResults(Canvas& canvas) const {
  DrawMcaResults(canvas, m_residual, m_results, m_names);
}

} // namespace lumivex

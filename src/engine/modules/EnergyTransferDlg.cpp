#include "modules/EnergyTransferDlg.h"

#include "modules/FitResultSheets.h"
#include "modules/RecordSpectrum.h"

#include <utility>

namespace lumivex {

namespace {

constexpr NumberRange kTransferRange{0.0f, 1.0f};
constexpr NumberRange kExcitationRange{0.0f, 1000.0f};
constexpr const char* kNoNextComponent = "NONE";

// A text field that is shown and never read back.
DialogField ShownText(const char* key, const char* label, std::string& value) {
  return {key, label, &value, std::nullopt, true};
}

} // namespace

CExSimulationDlg::CExSimulationDlg(int selected)
    : m_displayed(selected), m_wavelengths(TransferWavelengthCapacity(selected)) {}

std::vector<DialogField> CExSimulationDlg::Fields() {
  return {
      {"transfer", "Transfer efficiency (decimal)    (optional if in Reverse Analysis mode)",
       &m_transfer, kTransferRange},
      {"epsilon", "Epsilon ", &m_epsilon},
      {"excitation", "Excitation wavelength (nm)", &m_excitation, kExcitationRange},
      {"quantumYield", "Quantum yield (0.0...1.0)", &m_quantumYield},
      ShownText("name", "Component", m_name),
      ShownText("nextName", "Passes energy to", m_nextName),
      {"reverse", "Reverse Analysis", &m_reverse, std::nullopt, true},
      {"wavelength", "Wavelength (nm) selection", &m_wavelength},
      {"displayed", "Number of Components:", &m_displayed, std::nullopt, true},
  };
}

bool CExSimulationDlg::Enabled(std::string_view key) const {
  if (key == "displayed" || key == "excitation" || key == "reverse") {
    return m_firstShowing;
  }
  if (key == "transfer" || key == "epsilon" || key == "quantumYield") {
    return !m_firstShowing;
  }
  if (key == "wavelength" || key == kAddWavelengthKey) {
    return !m_firstShowing && m_reverse;
  }
  // The name boxes are always shown, read-only.
  return key == "name" || key == "nextName";
}

void CExSimulationDlg::OnReverseAnalysis() {
  const ReverseToggle toggled = ToggleReverse({m_reverse, m_displayed});
  m_reverse = toggled.reverse;
  m_displayed = toggled.displayed;
}

CExSimulationDlg::NextOutcome CExSimulationDlg::OnNext(const FieldTexts& texts) {
  NextOutcome outcome;
  outcome.refusal = lumivex::StoreFields(Fields(), texts);
  outcome.close = !outcome.refusal && m_excitation != 0.0f;
  return outcome;
}

std::optional<FieldRefusal> CExSimulationDlg::OnAddWavelength(const FieldTexts& texts) {
  if (std::optional<FieldRefusal> refusal = lumivex::StoreFields(Fields(), texts)) {
    return refusal;
  }
  if (std::optional<std::string> full = m_wavelengths.Add(m_wavelength, m_name)) {
    return FieldRefusal{"wavelength", std::move(*full)};
  }
  return std::nullopt;
}

bool CExSimulationDlg::BeginComponent(const CSpectrum& component, const CSpectrum* next,
                                      const std::string& databasePath) {
  m_firstShowing = false;
  m_transfer = next != nullptr ? 0.5f : 0.0f;
  // The names always follow the component shown, so a component typed by hand is never
  // shown under the previous one's name.
  m_name = component.m_name;
  m_nextName = next != nullptr ? next->m_name : kNoNextComponent;
  if (!component.m_fromDatabase) {
    return true;
  }
  m_quantumYield = component.m_quantumYield;
  m_wavelength = component.m_peakX;
  const std::optional<float> epsilon =
      RecordEpsilonAtExcitation(databasePath, component, m_excitation);
  if (!epsilon) {
    return false;
  }
  m_epsilon = *epsilon;
  return true;
}

EnergyTransferRecord CExSimulationDlg::Record() const {
  EnergyTransferRecord record;
  record.quantumYield = m_quantumYield;
  record.transfer = m_transfer;
  record.epsilon = m_epsilon;
  record.excitation = m_excitation;
  return record;
}

CSimulResultDlg::CSimulResultDlg(std::vector<EnergyTransferRecord> chain,
                                 std::vector<std::string> names, float endToEnd)
    : m_chain(std::move(chain)), m_names(std::move(names)), m_endToEnd(endToEnd) {
  m_outputEnabled = true;
  Show(0);
}

std::vector<DialogField> CSimulResultDlg::Fields() {
  return {
      DialogField::Result("actualFluorescence", "Actual fluorescence, Q'", m_actualFluorescence),
      DialogField::Result("emissionEnergy", "Emission energy, Q\"", m_emissionEnergy),
      DialogField::Result("excitation", "Excitation wavelength (nm)", m_excitation),
      DialogField::Result("emissionShare", "% of emission", m_emissionShare),
      DialogField::Result("quantumYield", "Quantum yield, ", m_quantumYield),
      DialogField::Result("relativeAbsorbance", "Relative absorbance", m_relativeAbsorbance),
      DialogField::Result("epsilon", "Epsilon ", m_epsilon),
      DialogField::Result("excitationTotal", "Excitation total", m_excitationTotal),
      ShownText("name", "Component", m_name),
      DialogField::Result("transfer", "Transfer efficiency", m_transfer),
  };
}

void CSimulResultDlg::OnNext() {
  if (m_shown + 1 < static_cast<int>(m_chain.size())) {
    Show(m_shown + 1);
  }
}

void CSimulResultDlg::Show(int index) {
  if (index < 0 || index >= static_cast<int>(m_chain.size())) {
    return;
  }
  m_shown = index;
  const auto c = static_cast<std::size_t>(index);
  const EnergyTransferRecord& r = m_chain[c];
  m_actualFluorescence = r.actualFluorescence;
  m_emissionEnergy = r.emissionEnergy;
  m_excitation = r.excitation;
  m_emissionShare = r.emissionShare;
  m_quantumYield = r.quantumYield;
  m_relativeAbsorbance = r.relativeAbsorbance;
  m_epsilon = r.epsilon;
  m_excitationTotal = r.excitationTotal;
  m_name = c < m_names.size() ? m_names[c] : std::string();
  m_transfer = r.transfer;
}

void CSimulResultDlg::DrawResults(Canvas& canvas) const {
  DrawTransferResults(canvas, m_chain, m_excitation, m_endToEnd, m_names);
}

ReportBlock CSimulResultDlg::Report() const {
  return TransferReportBlock(m_chain, m_excitation, m_endToEnd, m_names);
}

} // namespace lumivex

#include "modules/DipoleDlg.h"

#include "modules/OscillatorStrength.h"
#include "modules/SheetRows.h"

namespace lumivex {

namespace {

constexpr NumberRange kWavelengthRange{0.0f, 10000.0f};

} // namespace

std::vector<NumberField> CDipoleDlg::NumberFields() {
  return {
      {"dipoleDebye", "Transition dipole moment, µ (Debye)", &m_dipoleDebye, std::nullopt, true},
      {"dipoleCm", "Transition dipole moment, µ ", &m_dipoleCm, std::nullopt, true},
      {"oscillatorStrength", "Oscillator strength, f", &m_oscillatorStrength, std::nullopt, true},
      {"epsilonWavelength", "Wavelength for epsilon (nm)", &m_epsilonWavelength},
      {"epsilon", "Epsilon", &m_epsilon},
      {"high", "High wavelength (nm) (0-10000)", &m_high, kWavelengthRange},
      {"low", "Low wavelength (nm) (0-10000)", &m_low, kWavelengthRange},
  };
}

std::optional<FieldRefusal> CDipoleDlg::StoreFields(const std::map<std::string, std::string>& texts,
                                                    const std::string& compound, bool manual) {
  std::optional<FieldRefusal> refusal = StoreNumberFields(NumberFields(), texts);
  if (!refusal) {
    m_compound = compound;
    m_manual = manual;
  }
  return refusal;
}

void CDipoleDlg::BeginShowing() {
  m_reportRequested = false;
  m_outputEnabled = !m_firstShowing;
  m_firstShowing = false;
  m_shown = Take();
}

CDipoleDlg::Snapshot CDipoleDlg::Take() {
  Snapshot snapshot;
  for (const NumberField& field : NumberFields()) {
    snapshot.numbers.push_back(*field.value);
  }
  snapshot.compound = m_compound;
  snapshot.manual = m_manual;
  return snapshot;
}

void CDipoleDlg::Restore(const Snapshot& snapshot) {
  const std::vector<NumberField> fields = NumberFields();
  if (snapshot.numbers.size() != fields.size()) {
    return;
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    *fields[i].value = snapshot.numbers[i];
  }
  m_compound = snapshot.compound;
  m_manual = snapshot.manual;
}

void CDipoleDlg::FillReportBlock() {
  m_reportNumbers = {m_low, m_high, m_epsilonWavelength, m_epsilon};
  m_reportTexts = {m_compound, Fixed3(m_oscillatorStrength), Fixed3(m_dipoleDebye),
                   Exponent3(m_dipoleCm)};
}

void CDipoleDlg::OnPrint() {
  Restore(m_shown);
  FillReportBlock();
  m_printRequested = true;
}

void CDipoleDlg::OnCreateReport() {
  const Snapshot edited = Take();
  Restore(m_shown);
  FillReportBlock();
  Restore(edited);
  m_reportRequested = true;
}

bool CDipoleDlg::Calculate(const CSpectrum& absorption) {
  OscillatorInputs inputs;
  inputs.low = m_low;
  inputs.high = m_high;
  inputs.epsilon = m_epsilon;
  inputs.epsilonWavelength = m_epsilonWavelength;
  inputs.manual = m_manual;
  const OscillatorResults results = CalculateOscillatorStrength(absorption, inputs);
  m_low = results.low;
  m_high = results.high;
  if (!results.peakFound) {
    return false;
  }
  m_oscillatorStrength = results.oscillatorStrength;
  m_dipoleDebye = results.dipoleDebye;
  m_dipoleCm = results.dipoleCm;
  return true;
}

void CDipoleDlg::DrawResults(Canvas& canvas) const {
  DrawSheetRows(canvas, "Transition dipole moment (Debye)", 60,
                {
                    {"Compound", m_printCompound},
                    {"Solvent", m_printSolvent},
                    {"Low wavelength (nm)", Fixed3(m_low)},
                    {"High wavelength (nm)", Fixed3(m_high)},
                    {"Peak wavelength (nm)", Fixed3(m_epsilonWavelength)},
                    {"Epsilon for peak", Fixed3(m_epsilon)},
                    {"Osillator strength", Fixed3(m_oscillatorStrength)},
                    {"Transition dipole moment (Debye)", Fixed3(m_dipoleDebye)},
                    {"Transition dipole moment (C m)", Exponent3(m_dipoleCm)},
                });
}

ReportBlock CDipoleDlg::Report() const {
  ReportBlock block;
  block.numbers.assign(m_reportNumbers.begin(), m_reportNumbers.end());
  block.texts.assign(m_reportTexts.begin(), m_reportTexts.end());
  return block;
}

} // namespace lumivex

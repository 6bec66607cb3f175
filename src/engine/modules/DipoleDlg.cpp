#include "modules/DipoleDlg.h"

#include "modules/OscillatorStrength.h"
#include "modules/SheetRows.h"

namespace lumivex {

namespace {

constexpr NumberRange kWavelengthRange{0.0f, 10000.0f};

} // namespace

std::vector<DialogField> CDipoleDlg::Fields() {
  return {
      DialogField::Result("dipoleDebye", "Transition dipole moment, µ (Debye)", m_dipoleDebye),
      DialogField::Result("dipoleCm", "Transition dipole moment, µ ", m_dipoleCm),
      DialogField::Result("oscillatorStrength", "Oscillator strength, f", m_oscillatorStrength),
      {"epsilonWavelength", "Wavelength for epsilon (nm)", &m_epsilonWavelength},
      {"epsilon", "Epsilon", &m_epsilon},
      {"high", "High wavelength (nm) (0-10000)", &m_high, kWavelengthRange},
      {"low", "Low wavelength (nm) (0-10000)", &m_low, kWavelengthRange},
      {"compound", "Compound", &m_compound},
      {"manual", kDipoleManualText, &m_manual},
  };
}

std::optional<FieldRefusal> CDipoleDlg::StoreFields(const FieldTexts& texts) {
  return lumivex::StoreFields(Fields(), texts);
}

std::optional<FieldRefusal> CDipoleDlg::StoreFields(const FieldTexts& texts,
                                                    const std::string& compound, bool manual) {
  FieldTexts all = texts;
  all["compound"] = compound;
  all["manual"] = CheckText(manual);
  return StoreFields(all);
}

void CDipoleDlg::BeginShowing() {
  CModuleDlg::BeginShowing();
  m_shown = TakeFieldValues(Fields());
}

void CDipoleDlg::FillReportBlock() {
  m_reportNumbers = {m_low, m_high, m_epsilonWavelength, m_epsilon};
  m_reportTexts = {m_compound, Fixed3(m_oscillatorStrength), Fixed3(m_dipoleDebye),
                   Exponent3(m_dipoleCm)};
}

void CDipoleDlg::OnPrint() {
  RestoreFieldValues(Fields(), m_shown);
  FillReportBlock();
  m_printRequested = true;
}

void CDipoleDlg::OnCreateReport() {
  const std::vector<DialogField> fields = Fields();
  const FieldValues edited = TakeFieldValues(fields);
  RestoreFieldValues(fields, m_shown);
  FillReportBlock();
  RestoreFieldValues(fields, edited);
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

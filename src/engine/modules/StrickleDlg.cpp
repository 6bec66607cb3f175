#include "modules/StrickleDlg.h"

#include "modules/SheetRows.h"
#include "modules/StricklerBerg.h"

namespace lumivex {

namespace {

constexpr NumberRange kEpsilonWavelengthRange{100.0f, 1000.0f};

} // namespace

std::vector<DialogField> CStrickleDlg::Fields() {
  return {
      {"epsilon", "Epsilon, ", &m_epsilon},
      {"high", "High wavelength of absorption band (nm)", &m_high},
      DialogField::Result("integral", "Integral term, ", m_integral),
      DialogField::Result("lifetime", "Actual fluorescence lifetime", m_lifetime),
      {"low", "Low wavelength of absorption band (nm)", &m_low},
      DialogField::Result("mean", "Mean value of ", m_mean),
      {"refractiveIndex", "Refractive index, n", &m_refractiveIndex},
      {"quantumYield", "Quantum yield, ", &m_quantumYield},
      {"epsilonWavelength", "Wavelength for epsilon (nm)", &m_epsilonWavelength,
       kEpsilonWavelengthRange},
      DialogField::Result("naturalLifetime", "Natural radiative lifetime", m_naturalLifetime),
      DialogField::Result("rate", "Transition rate", m_rate),
  };
}

std::optional<FieldRefusal> CStrickleDlg::StoreFields(const FieldTexts& texts) {
  return lumivex::StoreFields(Fields(), texts);
}

void CStrickleDlg::BeginShowing() {
  CModuleDlg::BeginShowing();
  m_shown = TakeFieldValues(Fields());
}

void CStrickleDlg::OnPrint() {
  RestoreFieldValues(Fields(), m_shown);
  m_printNumbers = {m_low,          m_high,
                    m_epsilon,      m_integral,
                    m_mean,         m_refractiveIndex,
                    m_quantumYield, m_naturalLifetime,
                    m_rate,         m_lifetime};
  m_printTexts = {m_compound, m_solvent};
  m_printRequested = true;
}

void CStrickleDlg::OnCreateReport() {
  const std::vector<DialogField> fields = Fields();
  const FieldValues edited = TakeFieldValues(fields);
  RestoreFieldValues(fields, m_shown);
  m_reportNumbers = {m_low,      m_high,    m_epsilon,      m_refractiveIndex,
                     m_integral, m_mean,    m_quantumYield, m_naturalLifetime,
                     m_rate,     m_lifetime};
  m_reportTexts = {m_compound, m_solvent};
  RestoreFieldValues(fields, edited);
  m_reportRequested = true;
}

bool CStrickleDlg::Calculate(const CSpectrum& absorption, CSpectrum& emission) {
  StricklerBergInputs inputs;
  inputs.low = m_low;
  inputs.high = m_high;
  inputs.epsilon = m_epsilon;
  inputs.epsilonWavelength = m_epsilonWavelength;
  inputs.refractiveIndex = m_refractiveIndex;
  inputs.quantumYield = m_quantumYield;
  const StricklerBergResults results = CalculateStricklerBerg(absorption, emission, inputs);
  if (!results.computed) {
    return false;
  }
  m_low = results.low;
  m_high = results.high;
  m_integral = results.integral;
  m_mean = results.mean;
  m_rate = results.rate;
  m_naturalLifetime = results.naturalLifetime;
  m_lifetime = results.lifetime;
  return true;
}

void CStrickleDlg::DrawResults(Canvas& canvas) const {
  const std::array<float, 10>& n = m_printNumbers;
  DrawSheetRows(canvas, "Actural fluorescence lifetime (ns)", 70,
                {
                    {"Compound", m_printTexts[0]},
                    {"Solvent", m_printTexts[1]},
                    {"Low wavelength (nm)", Fixed3(n[0])},
                    {"High wavelength (nm)", Fixed3(n[1])},
                    {"Epsilon at maximum peak", Fixed3(n[2])},
                    {"Integral term", Exponent3(n[3])},
                    {"Average term", Exponent3(n[4])},
                    {"Refractive index", Fixed3(n[5])},
                    {"Quantum yield", Fixed3(n[6])},
                    {"Natural radiative lifetime (ns)", Fixed3(n[7])},
                    {"Radiation rate constant (1/s)", Exponent3(n[8])},
                    {"Actual fluorescence lifetime (ns)", Fixed3(n[9])},
                });
}

ReportBlock CStrickleDlg::Report() const {
  ReportBlock block;
  block.numbers.assign(m_reportNumbers.begin(), m_reportNumbers.end());
  block.texts.assign(m_reportTexts.begin(), m_reportTexts.end());
  return block;
}

} // namespace lumivex

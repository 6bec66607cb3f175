#include "modules/ForsterDlg.h"

#include "modules/Forster.h"
#include "modules/SheetRows.h"

namespace lumivex {

namespace {

// Print-block slots.
enum PrintSlot : std::size_t {
  kPrintRefractiveIndex,
  kPrintKappa2,
  kPrintQuantumYield,
  kPrintDistance,
  kPrintEpsilon,
  kPrintEpsilonWavelength,
  kPrintLow,
  kPrintHigh,
  kPrintOverlap,
  kPrintForsterDistance,
  kPrintEfficiency,
  kPrintLifetime,
  kPrintRate,
  kPrintDexter,
};

} // namespace

std::vector<DialogField> CForsterDlg::Fields() {
  return {
      {"refractiveIndex", "Refractive index (1.0...4.0)", &m_refractiveIndex},
      {"kappa2", "Orientation factor, \u03ba\u00b2 (0  ... 4.0)", &m_kappa2},
      {"quantumYield", "Donor Quantum yield (0.0...1.0)", &m_quantumYield,
       NumberRange{0.0f, 100.0f}},
      {"distance", "Distance in \u00c5 (>0.0)", &m_distance},
      DialogField::Result("forsterDistance", "Forster distance in \u00c5", m_forsterDistance),
      DialogField::Result("efficiency", "Transfer efficiency (%)", m_efficiency),
      {"high", "High wavelength (nm)", &m_high},
      {"low", "Low wavelength (nm)", &m_low},
      DialogField::Result("overlap", "J value, cm\u2076/mmol (M\u207b\u00b9 cm\u00b3)", m_overlap),
      {"epsilon", "Acceptor Epsilon", &m_epsilon},
      {"epsilonWavelength", "Wavelength for epsilon (nm)", &m_epsilonWavelength},
      {"lifetime", "Fluorescence lifetime (ns, optional)", &m_lifetime},
      DialogField::Result("rate", "Rate of energy transfer (1/s), kT", m_rate),
      DialogField::Result("dexter", "Dexter value (1/eV)", m_dexter),
      {"donorName", "Donor (Emission Spectrum)", &m_donorName},
      {"acceptorName", "Acceptor (Absorption Spectrum)", &m_acceptorName},
  };
}

std::optional<FieldRefusal> CForsterDlg::StoreFields(const FieldTexts& texts) {
  return lumivex::StoreFields(Fields(), texts);
}

void CForsterDlg::Fill(const CSpectrum& donor, const CSpectrum& acceptor, float low, float high) {
  m_epsilon = acceptor.m_epsilon;
  m_epsilonWavelength = acceptor.m_epsilonWavelength;
  m_quantumYield = donor.m_quantumYield;
  m_donorName = donor.m_name;
  m_acceptorName = acceptor.m_name;
  m_low = low;
  m_high = high;
}

void CForsterDlg::Calculate(CSpectrum& donor, CSpectrum& acceptor) {
  const ForsterInputs inputs{m_refractiveIndex,   m_kappa2, m_quantumYield, m_distance, m_epsilon,
                             m_epsilonWavelength, m_low,    m_high,         m_lifetime};
  const ForsterResults results = CalculateForster(donor, acceptor, inputs);
  m_low = results.low;
  m_high = results.high;
  m_overlap = results.overlap;
  m_dexter = results.dexter;
  m_efficiency = results.efficiency;
  if (results.rate) {
    m_rate = *results.rate;
  }
  m_forsterDistance = results.forsterDistance;
}

void CForsterDlg::OnPrint() {
  m_printNumbers = {m_refractiveIndex,   m_kappa2,   m_quantumYield, m_distance, m_epsilon,
                    m_epsilonWavelength, m_low,      m_high,         m_overlap,  m_forsterDistance,
                    m_efficiency,        m_lifetime, m_rate,         m_dexter};
  m_printRequested = true;
}

void CForsterDlg::OnCreateReport() {
  m_report.numbers = {m_low,    m_high,     m_epsilonWavelength, m_epsilon,     m_refractiveIndex,
                      m_kappa2, m_lifetime, m_distance,          m_quantumYield};
  m_report.texts = {m_donorName,
                    m_acceptorName,
                    Exponent3(m_overlap),
                    Fixed3(m_forsterDistance),
                    Exponent3(m_efficiency),
                    Fixed3(m_rate),
                    Exponent3(m_dexter)};
  m_reportRequested = true;
}

void CForsterDlg::SetPrintTexts(const CSpectrum& donor, const CSpectrum& acceptor) {
  m_printTexts = {donor.m_name, acceptor.m_name, donor.m_solvent};
}

void CForsterDlg::SetReportSpectra(const CSpectrum& donor, const CSpectrum& acceptor) {
  m_report.donorPicture = donor.m_structurePath;
  m_report.acceptorPicture = acceptor.m_structurePath;
  m_report.texts.resize(7);
  m_report.texts[0] = donor.m_name;
  m_report.texts[1] = acceptor.m_name;
}

void CForsterDlg::DrawResults(Canvas& canvas) const {
  const auto& n = m_printNumbers;
  std::vector<SheetRow> rows{
      {"Donor", m_printTexts[0]},
      {"Acceptor", m_printTexts[1]},
      {"Solvent", m_printTexts[2]},
      {"Refractive index (n)", Fixed3(n[kPrintRefractiveIndex])},
      {"Orientation factor", Fixed3(n[kPrintKappa2])},
      {"Quantum yield", Fixed3(n[kPrintQuantumYield])},
      {"Actual distance", Fixed3(n[kPrintDistance])},
      {"Epsilon", Fixed3(n[kPrintEpsilon])},
      {"Wavelength for epsilon (nm)", Fixed3(n[kPrintEpsilonWavelength])},
      {"Low wavelength (nm)", Fixed3(n[kPrintLow])},
      {"High wavelength (nm)", Fixed3(n[kPrintHigh])},
      {"J value (cm(6)/mmol)", Exponent3(n[kPrintOverlap])},
      {"Forster distance", Fixed3(n[kPrintForsterDistance])},
      {"Efficiency (%)", Fixed3(n[kPrintEfficiency])},
  };
  if (m_rate > 0.0f) {
    rows.push_back({"Fluorescence lifetime (ns)", Fixed3(n[kPrintLifetime])});
    rows.push_back({"Rate of energy transfer (1/s)", Exponent3(n[kPrintRate])});
  }
  rows.push_back({"------------------------------------------", ""});
  rows.push_back({"Dexter overlap integral (1/eV)", Exponent3(n[kPrintDexter])});
  DrawSheetRows(canvas, "Rate of energy transfer (1/s)", 70, rows);
}

} // namespace lumivex

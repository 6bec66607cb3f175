#include "curves/CurveDialogs.h"

#include "curves/SpectrumCalculator.h"

namespace lumivex {

namespace {

constexpr const char* kHalfWidthLabel = "Half peak width (nm):";
constexpr const char* kFactorLabel = "Mult. factor for height:";

ModelCurve PeakCurve(CurveFunction function, float width, float peak, float factor) {
  ModelCurve curve;
  curve.function = function;
  curve.width = width;
  curve.peak = peak;
  curve.factor = factor;
  return curve;
}

} // namespace

std::vector<DialogField> CDistributionDlg::Fields() {
  return {{"width", kHalfWidthLabel, &m_width},
          {"peak", "Peak Wavelength (nm):", &m_peak},
          {"factor", kFactorLabel, &m_factor}};
}

ModelCurve CDistributionDlg::Curve() const {
  return PeakCurve(CurveFunction::Gaussian, m_width, m_peak, m_factor);
}

std::vector<DialogField> CLorentzDlg::Fields() {
  return {{"width", kHalfWidthLabel, &m_width},
          {"peak", "Peak wavelength (nm):", &m_peak},
          {"factor", kFactorLabel, &m_factor}};
}

ModelCurve CLorentzDlg::Curve() const {
  return PeakCurve(CurveFunction::Lorentzian, m_width, m_peak, m_factor);
}

std::vector<DialogField> CBlackbodyDlg::Fields() {
  constexpr NumberRange kRange{0.0f, 100000.0f};
  return {{"low", "Low wavelength (nm) (0-100,000)", &m_low, kRange},
          {"high", "High wavelength (nm) (0-100,000)", &m_high, kRange},
          {"temperature", "Temperature (Kelvin) (positive integer)", &m_temperature, kRange}};
}

std::vector<std::string> CBlackbodyDlg::Notes() const {
  return {"Note:  The temperature of the photosphere of the sun is 5776K."};
}

ModelCurve CBlackbodyDlg::Curve() const {
  ModelCurve curve;
  curve.function = CurveFunction::Blackbody;
  curve.low = m_low;
  curve.high = m_high;
  curve.temperature = m_temperature;
  return curve;
}

std::vector<DialogField> CAddSubtractSpectra::Fields() {
  return {{"formula",
           "Formula for spectrum creation through only 3 operators, + (add), - (subtract), / "
           "(fraction).  For example, formula, 1/3A  + 0.2B, represents a new spectrum that "
           "contains a third of spectrum A plus 0.2 portion of spectrum B.",
           &m_formula}};
}

std::vector<std::string> CAddSubtractSpectra::Notes() const {
  std::vector<std::string> lines{
      "Spectra for creating a composite spectrum.  Each letter represents one spectrum."};
  for (std::size_t i = 0; i < m_names.size(); ++i) {
    lines.push_back(std::string(1, SpectrumLetter(static_cast<int>(i))) + ": " + m_names[i]);
  }
  return lines;
}

std::vector<DialogField> CMathDlg::Fields() {
  return {
      {"shift", "Shift spectrum (-1000.0 - 1000.0) (nm):", &m_shift,
       NumberRange{-1000.0f, 1000.0f}},
      {"scale", "Scale spectrum by a factor (0 - 1000.0):", &m_scale, NumberRange{0.0f, 1000.0f}},
      {"keepSources", "Display unaltered spectrum", &m_keepSources}};
}

std::vector<DialogField> CPeakDlg::Fields() {
  constexpr NumberRange kRange{100.0f, 1000.0f};
  DialogField found{"found", "Found: peak wavelength (nm)", &m_found};
  found.result = true;
  return {{"name", "Peak Name", &m_name},
          {"start", "Peak range: start (nm)", &m_start, kRange},
          {"end", "Peak range: end (nm)", &m_end, kRange},
          found};
}

void CPeakDlg::ShowFound(std::optional<float> wavelength) {
  m_found = wavelength ? FieldText(*wavelength) : std::string("no peak");
}

std::vector<DialogField> CCreateSpectra::Fields() {
  DialogField peakNumber{"peakNumber", "Peak #", &m_peakNumber};
  peakNumber.result = true;
  return {{"peaks", "Number of Peaks", &m_peaks, NumberRange{1.0f, 30.0f}},
          {"peakWavelength", "Wavelength at peak max. (nm)", &m_peakWavelength,
           NumberRange{0.0f, 100000.0f}},
          {"fullWidth", "Full width at half height", &m_fullWidth, NumberRange{0.0f, 100.0f}},
          peakNumber,
          {"high", "High Wavelength (nm)", &m_high, NumberRange{0.0f, 10000.0f}},
          {"low", "Low Wavelength (nm)", &m_low, NumberRange{0.0f, 10000.0f}},
          {"intensity", "Intensity value", &m_intensity}};
}

bool CCreateSpectra::Editable(const std::string& key) const {
  if (key == "peaks" || key == "high" || key == "low") {
    return m_firstPage;
  }
  if (key == "fullWidth") {
    return !m_firstPage && m_function != static_cast<int>(PeakFunction::Delta);
  }
  if (key == "peakWavelength" || key == "intensity") {
    return !m_firstPage;
  }
  return false;
}

std::optional<FieldRefusal> CCreateSpectra::StoreFields(const FieldTexts& texts) {
  const std::vector<DialogField> fields = Fields();
  const FieldValues before = TakeFieldValues(fields);
  if (std::optional<FieldRefusal> refusal = lumivex::StoreFields(fields, texts)) {
    return refusal;
  }
  if (m_firstPage && m_high <= m_low) {
    RestoreFieldValues(fields, before);
    return FieldRefusal{"high", kCreateRangeTooNarrow};
  }
  if (!m_firstPage && m_function != static_cast<int>(PeakFunction::Delta) && m_fullWidth == 0.0f) {
    RestoreFieldValues(fields, before);
    return FieldRefusal{"fullWidth", kZeroPeakWidth};
  }
  return std::nullopt;
}

SyntheticPeak CCreateSpectra::Peak() const {
  return {m_function, m_peakWavelength, m_fullWidth, m_intensity};
}

} // namespace lumivex

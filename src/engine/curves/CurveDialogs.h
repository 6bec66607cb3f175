#pragma once

#include "core/FormDlg.h"
#include "core/Spectrum.h"
#include "curves/CreateSpectra.h"
#include "curves/ModelCurves.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The Gaussian Distribution dialog: half width, peak wavelength and height factor, each a
/// number that starts at 0.
class CDistributionDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CDistributionDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Gaussian Distribution"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  float m_width = 0.0f;
  float m_peak = 0.0f;
  float m_factor = 0.0f;

  [[nodiscard]] ModelCurve Curve() const;
};

/// The Lorentzian Distribution dialog: the same three numbers as the Gaussian's.
class CLorentzDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CLorentzDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Lorentzian Distribution"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  float m_width = 0.0f;
  float m_peak = 0.0f;
  float m_factor = 0.0f;

  [[nodiscard]] ModelCurve Curve() const;
};

/// The Blackbody Radiator dialog: the wavelength range (whole nm, 0 to 100,000) and the
/// temperature (K, 0 to 100,000), opening with 200 to 1000 nm at the sun's 5776 K.
class CBlackbodyDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CBlackbodyDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Blackbody Radiator"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;
  [[nodiscard]] std::vector<std::string> Notes() const override;

  int m_low = 200;
  int m_high = 1000;
  float m_temperature = 5776.0f;

  [[nodiscard]] ModelCurve Curve() const;
};

/// The Spectrum Calculator dialog ("Spectrum caculator"): the lettered names of the
/// selected spectra and the formula, which the main frame keeps from one run to the next.
class CAddSubtractSpectra : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CAddSubtractSpectra"; }
  [[nodiscard]] const char* Caption() const override { return "Spectrum caculator"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;
  /// The explanation of the list, then one line per name: its letter, ": " and the name.
  [[nodiscard]] std::vector<std::string> Notes() const override;

  std::vector<std::string> m_names; ///< the selected spectra's names, in selection order
  std::string m_formula;
};

/// The Alter Spectrum dialog: a shift (-1000 to 1000 nm), a scale factor (0 to 1000) and
/// whether the unaltered spectra stay.
class CMathDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CMathDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Alter Spectrum"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  float m_shift = 0.0f;
  float m_scale = 1.0f;
  bool m_keepSources = true;
};

/// The Peak Searching dialog: the spectrum's name, the range (100 to 1000 nm) and, when it
/// shows again after the search, the wavelength found ("no peak" when nothing in the range
/// is above 0).
class CPeakDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CPeakDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Peak Searching"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  std::string m_name;
  float m_start = 0.0f;
  float m_end = 0.0f;
  std::string m_found; ///< the result's text, empty until a search ran

  /// Shows a search's result: the wavelength as the dialog writes numbers, or "no peak".
  void ShowFound(std::optional<float> wavelength);
};

/// Create Spectrum's dialog: one object serves the first page (kind, number of peaks,
/// range) and then every peak page (function, centre, width, intensity), so each page opens
/// with the values the page before left.
class CCreateSpectra : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CCreateSpectra"; }

  /// The functions in the combo box's order, which is their code.
  static constexpr const char* kFunctionNames[] = {"Lorentzian", "Gaussian", "Delta"};

  bool m_firstPage = true;
  /// The function's code; the first peak page starts with "Gaussian" selected.
  int m_function = static_cast<int>(PeakFunction::Gaussian);
  SpectrumKind m_kind = SpectrumKind::Absorption;
  int m_peaks = 0;
  float m_peakWavelength = 0.0f;
  float m_fullWidth = 0.0f;
  int m_peakNumber = 0;
  int m_high = 0;
  int m_low = 0;
  float m_intensity = 0.0f;

  /// Every field, exchanged and validated on every page: the number of peaks 1 to 30, the
  /// wavelengths 0 to 10,000 (range) and 0 to 100,000 (peak), the width 0 to 100; the peak
  /// number is shown only.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Which fields the page lets the user edit: the kind, the number of peaks and the range
  /// on the first page, the peak's function, centre and intensity on a peak page, and its
  /// width there unless the function is Delta.
  [[nodiscard]] bool Editable(const std::string& key) const;
  [[nodiscard]] bool KindEditable() const { return m_firstPage; }
  [[nodiscard]] bool FunctionEditable() const { return !m_firstPage; }
  /// "Next": reads every field; the first page also refuses a range of fewer than two
  /// wavelengths, a peak page a Lorentzian or Gaussian peak without width. On a refusal
  /// nothing is stored.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);
  /// The peak the page holds.
  [[nodiscard]] SyntheticPeak Peak() const;
};

} // namespace lumivex

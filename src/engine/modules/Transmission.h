#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"
#include "core/Spectrum.h"

#include <memory>
#include <string>
#include <vector>

namespace lumivex {

/// The light a source sends through an absorber: for every point (x, y) of the source, in
/// its order, the point (x, y / 10^(k a)) with a = absorber.Interpolate(x), the absorbance
/// at x (beyond the absorber's range its edge value, as Interpolate answers). k scales the
/// absorption strength: 0 passes the source unchanged, 1 applies the absorbance as it is.
///
/// The new spectrum takes the source's kind, step, direction and x shift, is named
/// "Transmission", and has its largest value (the first of equal ones, 0 at least) as
/// m_peakY and m_normalizedPeak, with its wavelength as m_peakX. A value that would not be
/// finite (an absorbance so negative that 10^(k a) underflows to 0) is stored as 0. The
/// spectrum is not added to the workspace.
[[nodiscard]] std::unique_ptr<CSpectrum>
SimulateTransmission(const CSpectrum& source, const CSpectrum& absorber, float factor);

/// The Data File entry of a transmitted spectrum: "Transmission '%2.2f'" with the factor,
/// e.g. "Transmission '1.00'".
[[nodiscard]] std::string TransmissionEntryText(float factor);

/// The Transmission Simulation dialog (title "Transmission Simulation"): the factor on the
/// absorption strength, from 0 to 1.
class CTransSim : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CTransSim"; }

  float m_factor = 1.0f;

  /// The one number field with its label and range.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Reads the factor's text (key "factor"); on a refusal the factor stays.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);
};

/// Texts of the Transmission Simulation command.
inline constexpr const char* kTransmissionCaption = "Transmission Simulation";
inline constexpr const char* kTransmissionUsage =
    "Transmission Simulation:  Open the radiation spectrum (or emission spectrum) for the "
    "desired light source.  Then open the absorption spectrum that represents the sample to be "
    "illuminated.  Then, highlight the data files in the Data File window and click the module "
    "icon on the toolbar.";
inline constexpr const char* kTransmissionWrongKinds =
    "Please select two files, one for light source and  one for Abs before 'Transmission "
    "Simulation' can be performed.";
/// The note below the factor.
inline constexpr const char* kTransmissionFactorNote =
    "*It is used to vary the absorption strength, range 0~1.";

} // namespace lumivex

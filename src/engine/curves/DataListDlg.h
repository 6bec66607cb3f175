#pragma once

#include "core/DialogFields.h"
#include "core/LumivexData.h"
#include "core/Prompts.h"
#include "database/DatabaseRecord.h"
#include "output/ResultSheet.h"
#include "ui/FrameViews.h"
#include "ui/SpectrumList.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

inline constexpr const char* kSelectDataRegion =
    "Please select a data region.  Then, one of 3 the processing methods";
inline constexpr const char* kSavePointsFailed = "Failed to save spectral data point.";

/// The Spectrum Data radio buttons, by control identifier.
enum class SpectrumDataButton : int {
  Absorption = 42963, ///< "Abs spectrum"
  Emission = 42964,   ///< "Ems spectrum"
  LightSource = 42965 ///< "LS spectrum"
};

/// The noise processing radio buttons.
enum class NoiseOperation : int { AddShift = 0, Replace = 1, Smooth = 2 };

/// The label of a Spectrum Data button and of a noise processing button.
[[nodiscard]] const char* SpectrumDataButtonText(SpectrumDataButton button);
[[nodiscard]] const char* NoiseOperationText(NoiseOperation operation);

/// The button a spectrum of this kind turns on: absorption the absorption button, emission
/// and model curves the emission button, light sources the light-source button; nothing
/// for a spectrum without kind.
[[nodiscard]] std::optional<SpectrumDataButton> ButtonOfKind(SpectrumKind kind);

/// What the Spectrum Data buttons open a record's spectra into: the workspace and its Data
/// File list, and the database the record stands in.
struct DataListWorkspace {
  CLumivexData& document;
  CSpectrumList& fileList;
  std::string databasePath;
  std::string databaseFolder;
  CFrameViews* views = nullptr; ///< told when the workspace changes; none in a bare workspace
};

/// The "Data Information and Editor" dialog: the points of one spectrum as a list, the 28
/// values of its database record, noise processing of a region of points, and saving the
/// points, the record or a report of it. It lives as long as the main frame; its record
/// values are cleared after every showing.
class CDataListDlg : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CDataListDlg"; }

  CSpectrum* m_current = nullptr; ///< the spectrum whose points are listed and edited
  bool m_reportRequested = false;
  bool m_saveRequested = false;
  SpectrumDataButton m_button = SpectrumDataButton::Absorption; ///< the button that is on
  int m_openedCount = 0; ///< spectra the Spectrum Data buttons opened during this showing
  /// The record loaded for this showing, 0 when none was: Save Record rewrites it and the
  /// Spectrum Data buttons open its spectra.
  int m_recordNumber = 0;
  DatabaseRecord m_values; ///< the record's 28 values as the dialog holds them
  float m_value = 0.0f;    ///< the noise processing value, without a range
  NoiseOperation m_operation = NoiseOperation::AddShift;
  ReportBlock m_report; ///< filled by Create Report
  /// Which Spectrum Data buttons are enabled, in the order absorption, emission, light source.
  std::array<bool, 3> m_buttonEnabled{};
  /// The point list is written with "%f" of y once a Spectrum Data button opened a spectrum.
  bool m_shortFormat = false;
  /// What the Spectrum Data buttons open into while the dialog shows; none otherwise.
  DataListWorkspace* m_workspace = nullptr;

  [[nodiscard]] bool RecordLoaded() const { return m_recordNumber > 0; }
  /// Save Record is offered only for a record loaded for this showing.
  [[nodiscard]] bool SaveRecordEnabled() const { return RecordLoaded(); }

  /// The 28 record fields, in the order of the record's table, then the value. Epsilon
  /// lies in 0..1000000000, its wavelength in 0..1000 and the quantum yield in 0..1.
  [[nodiscard]] std::vector<DialogField> Fields();

  /// The point list: per point "%4.3f" of x + m_xShift, nine blanks and y as "%.9f" (or
  /// "%f" after a Spectrum Data switch).
  [[nodiscard]] std::vector<std::string> PointList() const;

  /// Opening: clears the requests, the opened count and the list format, turns on
  /// `button` and enables the Spectrum Data buttons for the record's files (all disabled
  /// without a record).
  void Open(SpectrumDataButton button, int missingFiles);

  /// "Run": takes over the typed texts (a refusal is returned and the stored value and
  /// operation are used), then applies the operation to the first run of consecutive
  /// selected points. Returns the region (first, last) so the view selects it again;
  /// nothing, with the region message shown, when no point is selected.
  struct RunResult {
    std::optional<FieldRefusal> refusal;
    std::optional<std::pair<int, int>> region;
  };
  RunResult Run(Prompts& prompts, const FieldTexts& texts, NoiseOperation operation,
                const std::vector<bool>& selected);

  /// "Save Points": asks for a file and writes the current spectrum as spectrum text; a
  /// failure is told with the reason. True when the points were written.
  bool SavePoints(Prompts& prompts);

  /// "Create Report": fills the report block from the stored values (what is typed since
  /// the last take-over is not used) and requests the report. The caller closes the
  /// dialog as accepted.
  void CreateReport();

  /// "Save Record": takes over the typed texts; on a refusal nothing is requested and the
  /// dialog stays open. Without a loaded record nothing is requested either.
  [[nodiscard]] std::optional<FieldRefusal> SaveRecord(const FieldTexts& texts);

  /// A Spectrum Data button: opens the record's spectrum of that kind into the workspace
  /// and the Data File list and makes it the current spectrum. Pressing the button that is
  /// on, a disabled one or any without a record does nothing (false).
  bool PressSpectrumData(SpectrumDataButton button, DataListWorkspace& workspace);
  /// A Spectrum Data button while the dialog shows, into its workspace; false without one.
  bool PressSpectrumData(SpectrumDataButton button);

  /// Closing: removes the spectra the Spectrum Data buttons opened (the last entries of the
  /// workspace and the Data File list) and clears the current spectrum if it was one of them.
  void RemoveOpened(DataListWorkspace& workspace);

  /// After a showing: the record values empty, the numbers 0, no record.
  void ClearValues();

private:
  std::vector<CSpectrum*> m_opened; ///< the spectra the Spectrum Data buttons opened
};

} // namespace lumivex

#pragma once

#include "curves/BandDlg.h"
#include "curves/DataListDlg.h"
#include "database/DatabaseRecord.h"

#include <optional>
#include <utility>

namespace lumivex {

class CCommandRegistry;
class CWorkspaceCommands;
struct CommandContext;

/// Shown when Peak Search or List Data finds more than one Data File entry selected.
inline constexpr const char* kOneFileAtATime = "One file at a time.";
/// The usage prompt of Peak Search, with the caption "Peak Search".
inline constexpr const char* kPeakSearchUsage =
    "Peak Search:  At least one spectrum file must be selected for 'Peak Search'.  Please "
    "select a spectrum in the Data File window.";
/// The usage prompt of Measure Band, with the caption "Measure Band".
inline constexpr const char* kMeasureBandUsage =
    "Measure Band:  One spectrum must be selected for 'Measure Band'.  Please select a spectrum "
    "in the Data File window.";
/// Shown when List Data finds no spectrum of a kind selected.
inline constexpr const char* kListDataUsage =
    "At least one spectrum file must be selected for 'View Data'.  Please select a spectrum "
    "in the Data File window.";

/// Told, with the reason, when Save Record could not write the record back.
inline constexpr const char* kRecordNotRewritten = "The record could not be saved.\n";

/// The view family: Peak Search, Measure Band and List Data. It keeps the Measure Band
/// dialog and the "Data Information and Editor" dialog for the frame's lifetime; the
/// editor's record values are cleared after every showing.
class CViewCommands {
public:
  CViewCommands(CommandContext& context, CWorkspaceCommands& workspace)
      : m_context(context), m_workspace(workspace) {}

  /// Registers Peak Search, Measure Band and List Data, and makes the database window's "List Data"
  /// item list the selected record's spectrum.
  void Register(CCommandRegistry& registry);

  /// Peak Search: the largest value of the one selected spectrum within a range the user
  /// types, shown in the dialog again ("no peak" when nothing in the range is above 0).
  void OnPeakSearch();
  /// Measure Band on the one selected spectrum: the dialog opens with `range` (low, high nm)
  /// when given (a range dragged on the graph), else with the range last measured or, the
  /// first time, the spectrum's whole range. After OK the band is measured in the quantity
  /// the graph shows, its results shown with "Copy"; a range that cannot be measured is told.
  void OnMeasureBand(std::optional<std::pair<float, float>> range = std::nullopt);
  /// List Data: the editor on the one selected spectrum, with its record when it came from
  /// the database. Afterwards the spectra the Spectrum Data buttons opened are removed, and
  /// the record is rewritten or its report written when the dialog asked for it.
  void OnListData();
  /// The database window's "List Data": opens `record`'s spectrum of `section`, lists it,
  /// and removes it again; nothing happens when the spectrum cannot be opened.
  void ListRecordData(int record, RecordSection section);

  CBandDlg m_band;
  CDataListDlg m_dataList;

private:
  CommandContext& m_context;
  CWorkspaceCommands& m_workspace;
};

} // namespace lumivex

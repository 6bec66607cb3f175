#include "commands/ViewCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/GraphCommands.h"
#include "commands/OutputCommands.h"
#include "commands/WorkspaceCommands.h"
#include "core/Numbers.h"
#include "curves/BandMeasure.h"
#include "curves/CurveDialogs.h"
#include "curves/PeakSearch.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace lumivex {

namespace {

// The report of the data information editor fills the template placeholders of code 6.
constexpr int kDataInformationReport = 6;
// The Spectrum Data buttons of a dialog without record are all disabled.
constexpr int kAllFilesMissing = 1 | 2 | 4;

bool IsMeasuredSpectrum(const CSpectrum& spectrum) {
  return spectrum.m_kind == SpectrumKind::Absorption || spectrum.m_kind == SpectrumKind::Emission ||
         spectrum.m_kind == SpectrumKind::LightSource;
}

// The one selected spectrum; nothing when none is selected. More than one is told.
struct SingleSelection {
  bool several = false;
  CSpectrum* spectrum = nullptr;
};

// The name a measurement is headed by: the spectrum's own, else its file's name without the
// folder, as the graph's readout names it.
std::string ShownName(const CSpectrum& spectrum) {
  if (!spectrum.m_name.empty()) {
    return spectrum.m_name;
  }
  return std::filesystem::path(spectrum.m_filePath).filename().string();
}

SingleSelection SelectedSpectrum(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  SingleSelection single;
  single.several = selection.size() > 1;
  if (selection.size() == 1) {
    single.spectrum = context.data.At(selection.front());
  }
  return single;
}

} // namespace

void CViewCommands::Register(CCommandRegistry& registry) {
  registry.Add(kIdPeakSearch, [this] { OnPeakSearch(); });
  registry.Add(kIdMeasureBand, [this] { OnMeasureBand(); });
  registry.Add(kIdListData, [this] { OnListData(); });
  m_context.databaseList.SetListData(
      [this](int record, RecordSection section) { ListRecordData(record, section); });
}

void CViewCommands::OnPeakSearch() {
  const SingleSelection selected = SelectedSpectrum(m_context);
  if (selected.several) {
    m_context.Tell(kOneFileAtATime, MessageIcon::Information);
    return;
  }
  if (selected.spectrum == nullptr || !IsMeasuredSpectrum(*selected.spectrum)) {
    m_context.ShowUsage(kPeakSearchUsage, "Peak Search", kIdPeakSearch);
    return;
  }
  const CSpectrum& spectrum = *selected.spectrum;
  CPeakDlg dlg;
  dlg.m_name = spectrum.m_name;
  if (m_context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  const PeakSearchResult result = SearchPeak(spectrum, dlg.m_start, dlg.m_end);
  if (!result.inBounds) {
    m_context.Tell(kRangeOutOfBoundary, MessageIcon::None);
    return;
  }
  dlg.ShowFound(result.found);
  m_context.prompts.RunDialog(dlg);
}

void CViewCommands::OnMeasureBand(std::optional<std::pair<float, float>> range) {
  const SingleSelection selected = SelectedSpectrum(m_context);
  if (selected.several) {
    m_context.Tell(kOneFileAtATime, MessageIcon::Information);
    return;
  }
  if (selected.spectrum == nullptr || !selected.spectrum->IsUsable()) {
    m_context.ShowUsage(kMeasureBandUsage, "Measure Band", kIdMeasureBand);
    return;
  }
  const CSpectrum& spectrum = *selected.spectrum;
  CBandDlg& dlg = m_band;
  dlg.m_name = ShownName(spectrum);
  if (range) {
    std::tie(dlg.m_low, dlg.m_high) = *range;
  } else if (!(dlg.m_low < dlg.m_high)) {
    dlg.m_low = spectrum.SmallestX() + spectrum.m_xShift;
    dlg.m_high = spectrum.LargestX() + spectrum.m_xShift;
  }
  if (m_context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  const CLumivexData& data = m_context.data;
  BandOptions options;
  options.baseline = dlg.m_baseline;
  options.unit = XUnitFromCode(data.m_xUnit);
  options.quantity =
      QuantityFor(spectrum.m_kind, data.m_settingsApplied != 0, data.m_showEpsilon != 0,
                  data.m_showLogEpsilon != 0, data.m_showIntensity != 0);
  const BandResult result = MeasureBand(spectrum, dlg.m_low, dlg.m_high, options);
  if (!result.measurement) {
    m_context.Tell(result.refusal, MessageIcon::Information);
    return;
  }
  CBandResultDlg shown;
  shown.m_lines = BandText(*result.measurement, dlg.m_name);
  m_context.prompts.RunDialog(shown);
}

void CViewCommands::OnListData() {
  const SingleSelection selected = SelectedSpectrum(m_context);
  if (selected.several) {
    m_context.Tell(kOneFileAtATime, MessageIcon::Information);
    return;
  }
  const std::optional<SpectrumDataButton> button =
      selected.spectrum != nullptr ? ButtonOfKind(selected.spectrum->m_kind) : std::nullopt;
  if (!button) {
    m_context.Tell(kListDataUsage, MessageIcon::Information);
    return;
  }
  CSpectrum& spectrum = *selected.spectrum;
  CDatabaseSession& database = m_context.database;
  CDataListDlg& dlg = m_dataList;
  dlg.m_current = &spectrum;
  dlg.m_recordNumber = 0;
  if (spectrum.m_fromDatabase != 0 && spectrum.m_recordNumber > 0 &&
      m_context.LoadCurrentRecord(-1)) {
    dlg.m_recordNumber = database.m_currentRecord;
    dlg.m_values = database.m_record;
    spectrum.m_fromDatabase = 1;
    spectrum.m_epsilon = dlg.m_values.absEpsilon;
    spectrum.m_epsilonWavelength = dlg.m_values.absWavelength;
    spectrum.m_epsilonPeak = RatioOrZero(spectrum.m_epsilon * spectrum.m_peakY,
                                         spectrum.Interpolate(spectrum.m_epsilonWavelength));
    m_context.data.m_epsilonMax = std::max(m_context.data.m_epsilonMax, spectrum.m_epsilonPeak);
    spectrum.m_quantumYield = dlg.m_values.emsQuantumYield;
  }

  DataListWorkspace workspace{m_context.data, m_context.fileList, database.m_databasePath,
                              database.m_databaseFolder, &m_context.views};
  dlg.m_workspace = &workspace;
  // The Spectrum Data buttons follow the record of the spectrum shown, not the record last
  // chosen in the database window.
  dlg.Open(*button, dlg.RecordLoaded() ? database.MissingSpectrumFiles(dlg.m_recordNumber)
                                       : kAllFilesMissing);
  m_context.prompts.RunDialog(dlg);
  dlg.RemoveOpened(workspace);
  dlg.m_workspace = nullptr;
  dlg.m_current = nullptr;
  m_context.views.InvalidateGraph();

  if (dlg.m_saveRequested && dlg.RecordLoaded()) {
    database.m_record = dlg.m_values;
    if (const FileStatus written =
            RewriteRecord(database.m_databasePath, dlg.m_recordNumber, database.m_record);
        !written.ok) {
      m_context.Tell(kRecordNotRewritten + written.message, MessageIcon::Warning);
    }
  }
  if (dlg.m_reportRequested) {
    m_context.output.WriteReport(kDataInformationReport, dlg.m_report);
  }
  dlg.ClearValues();
}

void CViewCommands::ListRecordData(int record, RecordSection section) {
  const int before = m_context.data.Count();
  m_workspace.OpenRecordSpectrum(record, section);
  if (m_context.data.Count() == before) {
    return;
  }
  const CSpectrum* opened = m_context.data.At(before);
  OnListData();
  for (int index = m_context.data.Count() - 1; index >= 0; --index) {
    if (m_context.data.At(index) == opened) {
      if (index < m_context.fileList.Count()) {
        m_context.fileList.DeleteEntry(index);
      }
      m_context.data.RemoveSpectrumAt(index);
      break;
    }
  }
  m_context.views.FileListChanged();
  m_context.views.InvalidateGraph();
  ResetGraph(m_context);
}

} // namespace lumivex

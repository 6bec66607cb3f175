#include "commands/CommandContext.h"
#include "commands/CurvesCommands.h"
#include "core/DerivedSpectra.h"
#include "curves/CreateSpectra.h"
#include "curves/CurveDialogs.h"

#include <algorithm>

namespace lumivex {

namespace {

constexpr const char* kAlterNeedsSelection =
    "At least one spectrum file must be selected for 'Alter Spectrum'.  Please select a "
    "spectrum in the Data File window.";
constexpr const char* kNormalizeNeedsSelection =
    "At least one spectrum file must be selected for 'Normalize'.  Please select a spectrum "
    "in the Data File window.";
constexpr const char* kNormalizeSkipped =
    "These spectra were not normalized, as their value at the peak is 0 or not a number:";

// How the graph shows a created spectrum of each kind: its title, the quantity it turns
// on, and the maximum and low end of that quantity's scale.
struct CreatedKindDisplay {
  SpectrumKind kind;
  const char* title;
  int CLumivexData::*show;
  float CLumivexData::*maximum;
  float CLumivexData::*low;
};

constexpr CreatedKindDisplay kCreatedKinds[] = {
    {SpectrumKind::Absorption, "Absorption Spectrum", &CLumivexData::m_showAbsorption,
     &CLumivexData::m_absorptionMax, &CLumivexData::m_absorptionLow},
    {SpectrumKind::LightSource, "Light Source Spectrum", &CLumivexData::m_showIrradiance,
     &CLumivexData::m_lightSourceMax, &CLumivexData::m_lightSourceLow},
    {SpectrumKind::Emission, "Emission Spectrum", &CLumivexData::m_showFluorescence,
     &CLumivexData::m_emissionMax, &CLumivexData::m_emissionLow},
};

const CreatedKindDisplay& DisplayOf(SpectrumKind kind) {
  const auto* found =
      std::find_if(std::begin(kCreatedKinds), std::end(kCreatedKinds),
                   [kind](const CreatedKindDisplay& shown) { return shown.kind == kind; });
  return found == std::end(kCreatedKinds) ? kCreatedKinds[0] : *found;
}

void RecolourEntries(CSpectrumList& list) {
  for (int i = 0; i < list.Count(); ++i) {
    list.SetEntryColour(i, WorkspaceColour(i));
  }
}

} // namespace

void CreateSpectrum(CommandContext& context) {
  CCreateSpectra dlg;
  dlg.m_firstPage = true;
  dlg.m_kind = SpectrumKind::Absorption;
  if (context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  dlg.m_firstPage = false;
  const int count = dlg.m_peaks;

  CLumivexData& data = context.data;
  data.m_settingsApplied = 1;
  data.m_absorptionLow = 0.0f;
  data.m_epsilonLow = 0.0f;
  data.m_emissionLow = 0.0f;
  data.m_lightSourceLow = 0.0f;
  data.m_xLow = 10'000'000.0f;
  data.m_xHigh = 0.0f;
  if (data.m_lineWidth > 20 || data.m_lineWidth < 0) {
    data.m_lineWidth = 1;
  }

  std::vector<SyntheticPeak> peaks;
  dlg.m_peakNumber = 1;
  for (int i = 0; i < count; ++i) {
    if (context.prompts.RunDialog(dlg) != kResultOk) {
      return;
    }
    ++dlg.m_peakNumber;
    peaks.push_back(dlg.Peak());
  }

  std::string refusal;
  std::unique_ptr<CSpectrum> created =
      CreateSyntheticSpectrum(peaks, dlg.m_low, dlg.m_high, dlg.m_kind, refusal);
  if (!created) {
    context.Tell(refusal, MessageIcon::Information);
    return;
  }
  const CSpectrum& spectrum = *data.AppendSpectrum(std::move(created));
  data.m_showAbsorption = 0;
  data.m_showFluorescence = 0;
  data.m_showIrradiance = 0;
  const float maximum = spectrum.m_peakY;
  data.m_xMin = std::min(data.m_xMin, static_cast<float>(dlg.m_low));
  data.m_xMax = std::max(data.m_xMax, static_cast<float>(dlg.m_high));
  data.m_absorptionMax = std::max(data.m_absorptionMax, maximum);
  data.m_yHigh = maximum;

  const CreatedKindDisplay& display = DisplayOf(spectrum.m_kind);
  data.*display.show = 1;
  data.*display.maximum = maximum;
  data.*display.low = 0.0f;
  data.m_settingsApplied = 1;
  data.m_xLow = static_cast<float>(dlg.m_low);
  data.m_xHigh = static_cast<float>(dlg.m_high);
  data.m_title = display.title;

  context.AddFileEntry(spectrum.m_name);
  context.views.InvalidateGraph();
}

void AlterSpectrum(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.empty()) {
    context.Tell(kAlterNeedsSelection, MessageIcon::Information);
    return;
  }
  CMathDlg dlg;
  if (context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  CLumivexData& data = context.data;
  CSpectrumList& list = context.fileList;
  for (const int index : selection) {
    CSpectrum& source = *data.At(index);
    std::unique_ptr<CSpectrum> altered = ScaleShiftSpectrum(data, source, dlg.m_scale, dlg.m_shift);
    if (!altered) {
      continue;
    }
    // "Altered Spectrum from '%s'" with the whole name, however long.
    const std::string text = "Altered Spectrum from '" + source.m_name + "'";
    data.AppendSpectrum(std::move(altered));
    list.AddEntry(text, list.Count());
  }
  if (!dlg.m_keepSources) {
    // From the last selected entry back, so the indices still to remove stay valid.
    for (auto index = selection.rbegin(); index != selection.rend(); ++index) {
      list.DeleteEntry(*index);
      data.RemoveSpectrumAt(*index);
    }
    // The entries that moved up take the colour their spectra are drawn in.
    RecolourEntries(list);
  }
  context.views.FileListChanged();
  context.views.InvalidateGraph();
}

void Normalize(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.empty()) {
    context.Tell(kNormalizeNeedsSelection, MessageIcon::Information);
    return;
  }
  CLumivexData& data = context.data;
  CSpectrumList& list = context.fileList;
  std::string skipped;
  for (const int index : selection) {
    NormalizedSpectrum normalized = NormalizeSpectrum(data, *data.At(index));
    if (normalized.unusable) {
      skipped += "\n" + list.Entry(index).text;
      continue;
    }
    if (!normalized.spectrum) {
      continue;
    }
    data.AppendSpectrum(std::move(normalized.spectrum));
    list.AddEntry(list.Entry(index).text + "(Norm)", list.Count());
  }
  context.views.FileListChanged();
  context.views.InvalidateGraph();
  if (!skipped.empty()) {
    context.Tell(kNormalizeSkipped + skipped, MessageIcon::Information);
  }
}

} // namespace lumivex

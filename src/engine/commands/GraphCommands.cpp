#include "commands/GraphCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "ui/CommandIds.h"
#include "ui/GraphSettingDlg.h"

#include <algorithm>

namespace lumivex {

namespace {

constexpr const char* kSetGraphNeedsSelection =
    "At least one spectrum file must be selected for 'Graph Settings'.  Please select a spectrum "
    "in the Data File window.";

} // namespace

void RegisterGraphCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdSetGraph, [&context] { SetGraph(context); });
  registry.Add(kIdAutoScale, [&context] { AutoScale(context); });
  registry.Add(kIdResetGraph, [&context] { ResetGraph(context); });
}

void SetGraph(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.empty()) {
    context.Tell(kSetGraphNeedsSelection, MessageIcon::Information);
    return;
  }
  CLumivexData& data = context.data;
  CGraphSettingDlg dlg;
  dlg.LoadFrom(data, *data.At(selection.back()));
  const bool fresh = data.m_freshSettings != 0;
  data.m_freshSettings = 0;
  if (context.prompts.RunDialog(dlg) != kResultOk) {
    if (fresh) {
      data.m_freshSettings = 1;
    }
    return;
  }
  dlg.StoreInto(data);
  if (dlg.QuantityChanged()) {
    AutoScale(context);
  } else {
    context.views.InvalidateGraph();
  }
}

void AutoScale(CommandContext& context) {
  CLumivexData& data = context.data;
  if (!data.m_settingsApplied) {
    return;
  }
  data.m_epsilonMax = 0.0f;
  data.m_intensityMax = 0.0f;
  data.m_absorptionMax = 0.0f;
  data.m_absorptionLow = 0.0f;
  data.m_epsilonLow = 0.0f;
  data.m_emissionLow = 0.0f;
  data.m_lightSourceLow = 0.0f;
  data.m_xMin = 0.0f;
  for (const auto& spectrum : data.m_spectra) {
    switch (spectrum->m_kind) {
    case SpectrumKind::Absorption:
      if ((data.m_showEpsilon || data.m_showLogEpsilon) &&
          spectrum->m_epsilonPeak > data.m_epsilonMax) {
        data.m_epsilonMax = data.m_yHigh = spectrum->m_epsilonPeak;
      }
      if (data.m_showAbsorption && spectrum->m_peakY > data.m_absorptionMax) {
        data.m_absorptionMax = data.m_yHigh = spectrum->m_peakY;
      }
      break;
    case SpectrumKind::Emission:
      if (data.m_showIntensity && spectrum->m_normalizedPeak > data.m_intensityMax) {
        data.m_intensityMax = data.m_yHigh = spectrum->m_normalizedPeak;
      }
      if (data.m_showFluorescence && spectrum->m_peakY > data.m_emissionMax) {
        data.m_emissionMax = data.m_yHigh = spectrum->m_peakY;
      }
      break;
    case SpectrumKind::LightSource:
    case SpectrumKind::Curve:
      if (data.m_showIrradiance && spectrum->m_peakY > data.m_lightSourceMax) {
        data.m_lightSourceMax = data.m_yHigh = spectrum->m_peakY;
      }
      break;
    case SpectrumKind::None:
      break;
    }
  }
  context.views.InvalidateGraph();
}

void ResetGraph(CommandContext& context) {
  CLumivexData& data = context.data;
  data.m_xMin = 1.0e9f;
  data.m_xMax = 0.0f;
  data.m_settingsApplied = 0;
  data.m_showLogEpsilon = 0;
  data.m_xUnit = 0;
  data.m_absorptionLow = data.m_epsilonLow = data.m_emissionLow = data.m_lightSourceLow = 0.0f;
  data.m_absorptionMax = data.m_emissionMax = data.m_lightSourceMax = 0.0f;
  data.m_freshSettings = 1;
  for (const auto& spectrum : data.m_spectra) {
    spectrum->m_xShift = 0.0f;
    if (!spectrum->m_points.empty()) {
      const float first = spectrum->m_points.front().x;
      const float last = spectrum->m_points.back().x;
      data.m_xMin = std::min({data.m_xMin, first, last});
      data.m_xMax = std::max({data.m_xMax, first, last});
    }
    float* maximum = nullptr;
    switch (spectrum->m_kind) {
    case SpectrumKind::Absorption:
    case SpectrumKind::Curve:
      maximum = &data.m_absorptionMax;
      break;
    case SpectrumKind::Emission:
      maximum = &data.m_emissionMax;
      break;
    case SpectrumKind::LightSource:
      maximum = &data.m_lightSourceMax;
      break;
    case SpectrumKind::None:
      break;
    }
    if (maximum != nullptr && spectrum->m_peakY > *maximum) {
      *maximum = spectrum->m_peakY;
    }
  }
  data.SnapAutomaticXRange();
  context.views.InvalidateGraph();
}

} // namespace lumivex

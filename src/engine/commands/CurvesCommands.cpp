#include "commands/CurvesCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/DatabaseCommands.h"
#include "curves/CurveDialogs.h"
#include "ui/CommandIds.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace lumivex {

namespace {

// A fresh dialog every time, so it opens with its initial values.
template <typename Dialog> std::optional<ModelCurve> AskCurve(Prompts& prompts) {
  Dialog dlg;
  if (prompts.RunDialog(dlg) != kResultOk) {
    return std::nullopt;
  }
  return dlg.Curve();
}

std::optional<ModelCurve> AskCurve(Prompts& prompts, CurveFunction function) {
  switch (function) {
  case CurveFunction::Gaussian:
    return AskCurve<CDistributionDlg>(prompts);
  case CurveFunction::Lorentzian:
    return AskCurve<CLorentzDlg>(prompts);
  case CurveFunction::Blackbody:
    break;
  }
  return AskCurve<CBlackbodyDlg>(prompts);
}

} // namespace

void RegisterCurvesCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdGaussian, [&context] { GenerateCurve(context, CurveFunction::Gaussian); });
  registry.Add(kIdLorentzian, [&context] { GenerateCurve(context, CurveFunction::Lorentzian); });
  registry.Add(kIdBlackbody, [&context] { GenerateCurve(context, CurveFunction::Blackbody); });
  // The calculator's dialog lives with the family, so the formula typed last shows again.
  auto calculator = std::make_shared<CAddSubtractSpectra>();
  registry.Add(kIdSpectrumCalculator,
               [&context, calculator] { SpectrumCalculator(context, *calculator); });
  registry.Add(kIdCreateSpectrum, [&context] { CreateSpectrum(context); });
  registry.Add(kIdAlterSpectrum, [&context] { AlterSpectrum(context); });
  registry.Add(kIdNormalize, [&context] { Normalize(context); });
}

void GenerateCurve(CommandContext& context, CurveFunction function) {
  CLumivexData& data = context.data;
  // The graph returns to automatic ranges even when no curve follows.
  data.m_epsilonLow = 0.0f;
  data.m_emissionLow = 0.0f;
  data.m_lightSourceLow = 0.0f;
  data.m_xLow = 10'000'000.0f;
  data.m_xHigh = 0.0f;
  if (data.m_lineWidth > 20 || data.m_lineWidth < 0) {
    data.m_lineWidth = 1;
  }

  const std::optional<ModelCurve> curve = AskCurve(context.prompts, function);
  if (!curve) {
    return;
  }
  GeneratedCurve generated = GenerateCurveSpectrum(*curve);
  if (!generated.spectrum) {
    if (!generated.refusal.empty()) {
      context.Tell(generated.refusal, MessageIcon::Information);
    }
    return;
  }
  const CSpectrum& spectrum = *data.AppendSpectrum(std::move(generated.spectrum));
  data.m_xMin = std::min(data.m_xMin, spectrum.m_points.front().x);
  data.m_xMax = std::max(data.m_xMax, spectrum.m_points.back().x);
  data.m_absorptionMax = std::max(data.m_absorptionMax, spectrum.m_peakY);
  data.m_title = CurveTitle(function);
  data.SnapAutomaticXRange();

  context.AddFileEntry(spectrum.m_name);
  context.views.InvalidateGraph();
  RedrawStructure(context);
}

} // namespace lumivex

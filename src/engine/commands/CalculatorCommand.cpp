#include "commands/CommandContext.h"
#include "commands/CurvesCommands.h"
#include "commands/GraphCommands.h"
#include "curves/CurveDialogs.h"
#include "curves/SpectrumCalculator.h"
#include "ui/CommandIds.h"

namespace lumivex {

void SpectrumCalculator(CommandContext& context, CAddSubtractSpectra& dlg) {
  const std::vector<int> selection = context.Selection();
  if (selection.size() < 2) {
    context.ShowUsage(kCalculatorUsage, "Spectrum Calculator", kIdSpectrumCalculator);
    return;
  }
  std::vector<CSpectrum*> spectra;
  dlg.m_names.clear();
  for (const int index : selection) {
    CSpectrum* spectrum = context.data.At(index);
    spectra.push_back(spectrum);
    dlg.m_names.push_back(spectrum->m_name);
  }
  if (const std::optional<std::string> refusal =
          CheckCalculatorSpectra({spectra.begin(), spectra.end()})) {
    context.Tell(*refusal, MessageIcon::Information);
    return;
  }
  if (context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }

  CalculatedSpectrum result = CalculateSpectrum(context.data, spectra, dlg.m_formula);
  if (!result.spectrum) {
    const bool plain = result.refusal == kDivisionByZero;
    context.Tell(result.refusal, plain ? MessageIcon::None : MessageIcon::Information);
    return;
  }
  const std::string name = result.spectrum->m_name;
  context.data.AppendSpectrum(std::move(result.spectrum));
  context.fileList.AddEntry(name, context.fileList.Count());
  context.views.FileListChanged();
  context.views.InvalidateGraph();
  ResetGraph(context);
}

} // namespace lumivex

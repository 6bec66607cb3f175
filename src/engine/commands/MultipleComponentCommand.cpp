#include "commands/CommandContext.h"
#include "commands/ModuleCommands.h"
#include "commands/OutputCommands.h"
#include "modules/MultipleComponent.h"
#include "modules/MultipleComponentDlg.h"
#include "ui/CommandIds.h"

namespace lumivex {

void MultipleComponentCommand(CommandContext& context) {
  // The selection holds at most 30 entries, the first 30 in list order.
  std::vector<const CSpectrum*> spectra;
  std::vector<SpectrumKind> kinds;
  for (const int index : context.Selection()) {
    const CSpectrum* spectrum = context.data.At(index);
    spectra.push_back(spectrum);
    kinds.push_back(spectrum->m_kind);
  }
  if (!McaSelectionFits(kinds)) {
    context.ShowUsage(kMcaUsage, kMcaCaption, kIdMultipleComponent);
    return;
  }

  // The first entry is the composite; every other one, whatever its kind, a component.
  const CSpectrum& composite = *spectra.front();
  const std::span<const CSpectrum* const> components(spectra.begin() + 1, spectra.end());
  CMCAiputDlg input(components);
  if (context.prompts.RunDialog(input) != kResultOk) {
    return;
  }

  const CMcaValueTable table(composite, components, input.Wavelengths().Wavelengths());
  const McaFit fit = FitComponents(table, input.Inputs());
  std::vector<std::string> names;
  for (const CSpectrum* component : components) {
    names.push_back(component->m_name);
  }
  CMultipleAnalysisDlg results;
  results.Fill(fit, names, input.Wavelengths().Wavelengths());

  // The results are shown once; a press of "Print" or "Create Report" closes them and
  // hands them over.
  results.BeginShowing();
  const int button = context.prompts.RunDialog(results);
  if (button == kResultPrint) {
    results.OnPrint();
  } else if (button == kResultCreateReport) {
    results.OnCreateReport();
  }
  if (results.m_printRequested) {
    context.output.Print(&results);
  }
  if (results.m_reportRequested) {
    context.output.WriteReport(results);
  }
}

} // namespace lumivex

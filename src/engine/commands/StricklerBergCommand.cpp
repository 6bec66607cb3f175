#include "commands/CommandContext.h"
#include "commands/ModuleCommands.h"
#include "modules/StrickleDlg.h"
#include "ui/CommandIds.h"

namespace lumivex {

void StricklerBergCommand(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.size() != 2) {
    context.ShowUsage(kLifetimeUsage, kLifetimeCaption, kIdFluorescenceLifetime);
    return;
  }
  CSpectrum* absorption = nullptr;
  CSpectrum* emission = nullptr;
  for (const int index : selection) {
    CSpectrum* spectrum = context.data.At(index);
    if (spectrum->m_kind == SpectrumKind::Absorption) {
      absorption = spectrum;
    } else if (spectrum->m_kind == SpectrumKind::Emission) {
      emission = spectrum;
    }
  }
  if (absorption == nullptr || emission == nullptr) {
    context.Tell(kLifetimeNeedsPair, MessageIcon::Information);
    return;
  }

  CStrickleDlg dlg;
  dlg.m_epsilon = absorption->m_epsilon;
  dlg.m_compound = absorption->m_name;
  dlg.m_solvent = absorption->m_solvent;
  dlg.m_quantumYield = emission->m_quantumYield;
  dlg.m_epsilonWavelength = absorption->m_epsilonWavelength;
  RunModuleDialog(context, dlg, [&] {
    return dlg.Calculate(*absorption, *emission) ? ModuleStep::Output : ModuleStep::SkipOutput;
  });
}

} // namespace lumivex

#include "commands/CommandContext.h"
#include "commands/ModuleCommands.h"
#include "modules/DipoleDlg.h"
#include "ui/CommandIds.h"

namespace lumivex {

void OscillatorStrengthCommand(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.size() != 1 || context.data.At(selection[0])->m_kind != SpectrumKind::Absorption) {
    context.ShowUsage(kOscillatorUsage, kDipoleDlgTitle, kIdOscillatorStrength);
    return;
  }
  const CSpectrum& spectrum = *context.data.At(selection[0]);

  CDipoleDlg dlg;
  dlg.m_epsilonWavelength = spectrum.m_epsilonWavelength;
  dlg.m_epsilon = spectrum.m_epsilon;
  dlg.m_compound = spectrum.m_name;
  RunModuleDialog(context, dlg, [&] {
    if (!dlg.Calculate(spectrum)) {
      context.Tell(kNoPeakMessage, MessageIcon::None);
      return ModuleStep::End;
    }
    dlg.m_printCompound = spectrum.m_name;
    dlg.m_printSolvent = spectrum.m_solvent;
    return ModuleStep::Output;
  });
}

} // namespace lumivex

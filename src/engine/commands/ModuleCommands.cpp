#include "commands/ModuleCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/OutputCommands.h"
#include "modules/ModuleDlg.h"
#include "ui/CommandIds.h"

namespace lumivex {

void RegisterModuleCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdOscillatorStrength, [&context] { OscillatorStrengthCommand(context); });
  registry.Add(kIdForster, [&context] { ForsterCommand(context); });
  registry.Add(kIdFluorescenceLifetime, [&context] { StricklerBergCommand(context); });
  registry.Add(kIdTransmission, [&context] { TransmissionCommand(context); });
  registry.Add(kIdMultipleComponent, [&context] { MultipleComponentCommand(context); });
  registry.Add(kIdEnergyTransferSimulation, [&context] { EnergyTransferCommand(context); });
}

void RunModuleDialog(CommandContext& context, CModuleDlg& dlg,
                     const std::function<ModuleStep()>& calculate) {
  dlg.m_firstShowing = true;
  for (;;) {
    dlg.BeginShowing();
    const int result = context.prompts.RunDialog(dlg);
    if (result == kResultCancel) {
      return;
    }
    if (result == kResultPrint) {
      dlg.OnPrint();
    } else if (result == kResultCreateReport) {
      dlg.OnCreateReport();
    }
    const ModuleStep step = calculate();
    if (step == ModuleStep::End) {
      return;
    }
    if (step == ModuleStep::SkipOutput) {
      continue;
    }
    if (dlg.m_printRequested) {
      context.output.Print(&dlg);
    }
    if (dlg.m_reportRequested) {
      context.output.WriteReport(dlg);
    }
  }
}

} // namespace lumivex

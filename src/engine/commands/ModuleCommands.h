#pragma once

#include <functional>

namespace lumivex {

class CCommandRegistry;
class CModuleDlg;
struct CommandContext;

/// The modules family: one command per photophysics module, each in its own file.
void RegisterModuleCommands(CCommandRegistry& registry, CommandContext& context);

void OscillatorStrengthCommand(CommandContext& context);
void ForsterCommand(CommandContext& context);
void StricklerBergCommand(CommandContext& context);
void TransmissionCommand(CommandContext& context);
void MultipleComponentCommand(CommandContext& context);
void EnergyTransferCommand(CommandContext& context);

/// What a module's calculation after one showing of its dialog leads to.
enum class ModuleStep {
  Output,     ///< print or report what was requested, then show the dialog again
  SkipOutput, ///< show the dialog again without output
  End,        ///< the command ends
};

/// The dialog loop every module shares: the dialog is shown until "Cancel"; after each
/// other button the module calculates, and a requested print or report follows with the
/// dialog's results. "Print" and "Create Report" are enabled from the second showing on.
void RunModuleDialog(CommandContext& context, CModuleDlg& dlg,
                     const std::function<ModuleStep()>& calculate);

} // namespace lumivex

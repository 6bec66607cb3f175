#pragma once

namespace lumivex {

class CCommandRegistry;
struct CommandContext;

/// The Help menu: the contents and the index, Lumivex online, and the commands that open
/// one topic each.
void RegisterHelpCommands(CCommandRegistry& registry, CommandContext& context);

/// The help topic a command of the Help menu opens, or 0 when it opens none.
[[nodiscard]] int HelpTopicOfCommand(int id);

} // namespace lumivex

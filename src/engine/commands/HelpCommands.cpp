#include "commands/HelpCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "ui/CommandIds.h"
#include "ui/HelpTopics.h"

#include <array>
#include <utility>

namespace lumivex {

namespace {

constexpr const char* kNoBrowserStarted =
    "No web browser could be started to show the Lumivex manual.  You can open it in a browser "
    "yourself:\n";

constexpr std::array<std::pair<int, int>, 6> kTopicCommands{{
    {kIdAcknowledgment, kHelpAcknowledgment},
    {kIdAuthors, kHelpAuthors},
    {kIdBibliography, kHelpBibliography},
    {kIdDevelopment, kHelpDevelopment},
    {kIdOverview, kHelpOverview},
    {kIdToolbarHelp, kHelpToolbar},
}};

void OpenLumivexOnline(CommandContext& context) {
  const std::string page = context.folders.help + "/" + kHelpContentsFile;
  if (!context.prompts.OpenInBrowser(page)) {
    context.Tell(kNoBrowserStarted + page, MessageIcon::Warning);
  }
}

} // namespace

int HelpTopicOfCommand(int id) {
  for (const auto& [command, topic] : kTopicCommands) {
    if (command == id) {
      return topic;
    }
  }
  return 0;
}

void RegisterHelpCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdHelpContent, [&context] { context.prompts.ShowHelpContents(false); });
  registry.Add(kIdHelpFinder, [&context] { context.prompts.ShowHelpContents(true); });
  registry.Add(kIdLumivexOnline, [&context] { OpenLumivexOnline(context); });
  for (const auto& [command, topic] : kTopicCommands) {
    registry.Add(command, [&context, topic = topic] { context.prompts.ShowHelp(topic); });
  }
}

} // namespace lumivex

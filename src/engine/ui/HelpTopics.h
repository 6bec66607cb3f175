#pragma once

#include "ui/CommandIds.h"

#include <string_view>
#include <vector>

namespace lumivex {

/// One page of the help: the context number the program opens it by, its file in the help
/// folder, its title, and the words the help index finds it by (blank-separated).
struct HelpTopic {
  int context;
  const char* file;
  const char* title;
  const char* keywords;
};

/// A heading of the help contents with its topics' context numbers, in reading order. A
/// topic may stand under more than one heading.
struct HelpGroup {
  const char* title;
  std::vector<int> contexts;
};

/// Context numbers of the topics that the About menu and the toolbar open.
inline constexpr int kHelpAcknowledgment = 108623;
inline constexpr int kHelpAuthors = 107791;
inline constexpr int kHelpBibliography = 108447;
inline constexpr int kHelpDevelopment = 108303;
inline constexpr int kHelpOverview = 108831;
inline constexpr int kHelpToolbar = 108047;
/// Context numbers of the windows and of the x unit buttons of Graph Settings.
inline constexpr int kHelpDataFileWindow = kHelpTopicBase + 142;
inline constexpr int kHelpSpectraDisplay = kHelpTopicBase + 59648;
inline constexpr int kHelpUnitsAndQuantities = kHelpTopicBase + 2010;
/// Context number of the "Help" button of the Database Entry Wizard.
inline constexpr int kHelpDatabaseWizard = 108639;

/// The contents page of the help folder, which links every topic.
inline constexpr const char* kHelpContentsFile = "index.html";

/// Every help topic, one per context number.
[[nodiscard]] const std::vector<HelpTopic>& HelpTopics();
/// The topic of a context number, or null when there is none.
[[nodiscard]] const HelpTopic* FindHelpTopic(int context);
/// The headings of the contents page in order, each with its topics.
[[nodiscard]] const std::vector<HelpGroup>& HelpGroups();

/// The topics whose title or keywords contain every blank-separated word of the query,
/// compared without regard to ASCII letter case, ordered by title. A query without words
/// matches every topic.
[[nodiscard]] std::vector<const HelpTopic*> SearchHelpTopics(std::string_view query);

} // namespace lumivex

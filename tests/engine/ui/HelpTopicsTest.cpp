#include "ui/HelpTopics.h"
#include "TestSupport.h"
#include "commands/HelpCommands.h"
#include "commands/MainFrame.h"
#include "core/Units.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::FuzzyCompare;
using test::TempDir;

fs::path HelpFolder() {
  return fs::path(LUMIVEX_SOURCE_DIR) / "data" / "help";
}

std::string ReadPage(const std::string& file) {
  return TempDir::Read((HelpFolder() / file).string());
}

// Every capture of the first group of `pattern` in `text`, in order.
std::vector<std::string> Captures(const std::string& text, const std::string& pattern) {
  const std::regex expression(pattern, std::regex::icase);
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
       it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[1].str());
  }
  return found;
}

std::vector<std::string> HelpPageFiles() {
  std::vector<std::string> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(HelpFolder())) {
    if (entry.path().extension() == ".html") {
      files.push_back(entry.path().filename().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return text;
}

std::vector<int> Contexts(const std::vector<const HelpTopic*>& topics) {
  std::vector<int> contexts;
  for (const HelpTopic* topic : topics) {
    contexts.push_back(topic->context);
  }
  return contexts;
}

bool Contains(const std::vector<int>& contexts, int context) {
  return std::find(contexts.begin(), contexts.end(), context) != contexts.end();
}

TEST(HelpTopics, EveryTopicHasAPageHeadedByItsTitle) {
  EXPECT_TRUE(fs::is_regular_file(HelpFolder() / kHelpContentsFile));
  EXPECT_TRUE(fs::is_regular_file(HelpFolder() / "help.css"));
  for (const HelpTopic& topic : HelpTopics()) {
    ASSERT_TRUE(fs::is_regular_file(HelpFolder() / topic.file)) << topic.file;
    const std::vector<std::string> headings = Captures(ReadPage(topic.file), "<h1>([^<]*)</h1>");
    EXPECT_EQ(headings, std::vector<std::string>{topic.title}) << topic.file;
  }
}

TEST(HelpTopics, ContextNumbersAndFilesAreUnique) {
  std::set<int> contexts;
  std::set<std::string> files;
  for (const HelpTopic& topic : HelpTopics()) {
    EXPECT_TRUE(contexts.insert(topic.context).second) << topic.context;
    EXPECT_TRUE(files.insert(topic.file).second) << topic.file;
    EXPECT_EQ(FindHelpTopic(topic.context), &topic);
  }
  EXPECT_EQ(FindHelpTopic(0), nullptr);
  EXPECT_EQ(FindHelpTopic(-1), nullptr);
  EXPECT_EQ(FindHelpTopic(kHelpTopicBase + kIdExit), nullptr);
}

TEST(HelpTopics, EveryContextTheProgramOpensHasATopic) {
  const std::vector<std::pair<int, const char*>> expected{
      {108623, "acknowledgment.html"},
      {107791, "authors.html"},
      {108447, "bibliography.html"},
      {108303, "development.html"},
      {108831, "overview.html"},
      {108047, "toolbar.html"},
      {kHelpTopicBase + 45810, "close-selected-files.html"},
      {kHelpTopicBase + 57600, "new.html"},
      {kHelpTopicBase + 57601, "open-data-file.html"},
      {kHelpTopicBase + 42813, "auto-scale.html"},
      {kHelpTopicBase + 44777, "reset-graph.html"},
      {kHelpTopicBase + 45804, "set-graph.html"},
      {kHelpTopicBase + 42796, "forster.html"},
      {kHelpTopicBase + 42848, "transmission.html"},
      {kHelpTopicBase + 42797, "oscillator-strength.html"},
      {kHelpTopicBase + 42800, "fluorescence-lifetime.html"},
      {kHelpTopicBase + 42798, "multiple-component.html"},
      {kHelpTopicBase + 42799, "energy-transfer-simulation.html"},
      {kHelpTopicBase + 57607, "print.html"},
      {kHelpTopicBase + 42802, "gaussian-distribution.html"},
      {kHelpTopicBase + 42803, "lorentzian-distribution.html"},
      {kHelpTopicBase + 42801, "blackbody.html"},
      {kHelpTopicBase + 42864, "spectrum-calculator.html"},
      {kHelpTopicBase + 42846, "create-spectrum.html"},
      {kHelpTopicBase + 42852, "alter-spectrum.html"},
      {kHelpTopicBase + 42842, "normalize.html"},
      {kHelpTopicBase + 142, "data-file-window.html"},
      {kHelpTopicBase + 45795, "database.html"},
      {kHelpTopicBase + 59648, "spectra-display.html"},
      {kHelpTopicBase + 2010, "units.html"},
      {108639, "add-record.html"},
      {kHelpTopicBase + 32770, "peak-search.html"},
      {kHelpTopicBase + 32771, "measure-band.html"},
      {kHelpTopicBase + 42922, "import-spectra.html"},
      {kHelpTopicBase + 45805, "list-data.html"},
  };
  for (const auto& [context, file] : expected) {
    const HelpTopic* topic = FindHelpTopic(context);
    ASSERT_NE(topic, nullptr) << context;
    EXPECT_STREQ(topic->file, file) << context;
  }
  EXPECT_EQ(HelpTopics().size(), expected.size());

  int aboutTopics = 0;
  for (const CommandInfo& command : Commands()) {
    if (const int context = HelpTopicOfCommand(command.id); context != 0) {
      EXPECT_NE(FindHelpTopic(context), nullptr) << command.menuText;
      ++aboutTopics;
    }
  }
  EXPECT_EQ(aboutTopics, 6);
}

TEST(HelpPages, LinkOnlyToPagesAndAnchorsInTheHelpFolder) {
  const std::vector<std::string> pages = HelpPageFiles();
  ASSERT_GE(pages.size(), HelpTopics().size() + 1);
  for (const std::string& page : pages) {
    const std::string text = ReadPage(page);
    EXPECT_EQ(Lower(text).find("<script"), std::string::npos) << page;
    // The help viewer loads a linked style sheet only when the link gives its type.
    const std::vector<std::string> stylesheets =
        Captures(text, R"re(<link rel="stylesheet" type="text/css" href="([^"]*)">)re");
    EXPECT_EQ(stylesheets, std::vector<std::string>{"help.css"}) << page;

    std::vector<std::string> targets = Captures(text, R"re(\bhref\s*=\s*["']([^"']*)["'])re");
    const std::vector<std::string> sources = Captures(text, R"re(\bsrc\s*=\s*["']([^"']*)["'])re");
    targets.insert(targets.end(), sources.begin(), sources.end());
    for (const std::string& target : targets) {
      SCOPED_TRACE(page + " -> " + target);
      ASSERT_FALSE(target.empty());
      EXPECT_EQ(target.find(':'), std::string::npos) << "links outside the help folder";
      EXPECT_EQ(target.find('/'), std::string::npos) << "links outside the help folder";
      const std::size_t hash = target.find('#');
      const std::string file = hash == std::string::npos ? target : target.substr(0, hash);
      const std::string linked = file.empty() ? page : file;
      ASSERT_TRUE(fs::is_regular_file(HelpFolder() / linked));
      if (hash != std::string::npos) {
        const std::string anchor = target.substr(hash + 1);
        EXPECT_NE(ReadPage(linked).find("id=\"" + anchor + "\""), std::string::npos);
      }
    }
  }
}

TEST(HelpPages, ContentsPageGroupsTheTopicsAsTheViewerDoes) {
  const std::string text = ReadPage(kHelpContentsFile);
  EXPECT_EQ(Captures(text, "<title>([^<]*)</title>"), std::vector<std::string>{"Lumivex Help"});
  std::vector<std::pair<std::string, std::vector<std::string>>> pageGroups;
  const std::regex item(R"re(<h2>([^<]*)</h2>|href="([^"]*)")re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), item); it != std::sregex_iterator();
       ++it) {
    if ((*it)[1].matched) {
      pageGroups.push_back({(*it)[1].str(), {}});
    } else if ((*it)[2].str() != "help.css") {
      ASSERT_FALSE(pageGroups.empty()) << "a link before the first heading";
      pageGroups.back().second.push_back((*it)[2].str());
    }
  }

  std::vector<std::pair<std::string, std::vector<std::string>>> registryGroups;
  std::set<int> grouped;
  for (const HelpGroup& group : HelpGroups()) {
    std::vector<std::string> files;
    for (const int context : group.contexts) {
      const HelpTopic* topic = FindHelpTopic(context);
      ASSERT_NE(topic, nullptr) << group.title << ": " << context;
      files.push_back(topic->file);
      grouped.insert(context);
    }
    registryGroups.push_back({group.title, files});
  }
  EXPECT_EQ(pageGroups, registryGroups);
  EXPECT_EQ(grouped.size(), HelpTopics().size()) << "a topic missing from the contents";

  const std::vector<std::string> headings{"Getting started", "Windows", "Commands",
                                          "Units and quantities", "About"};
  ASSERT_EQ(registryGroups.size(), headings.size());
  for (std::size_t i = 0; i < headings.size(); ++i) {
    EXPECT_EQ(registryGroups[i].first, headings[i]);
  }
}

TEST(HelpPages, ToolbarHelpDescribesEveryButtonInOrder) {
  const std::string text = ReadPage(FindHelpTopic(kHelpToolbar)->file);
  std::vector<int> buttons;
  for (const int id : ToolBar()) {
    if (id != 0) {
      buttons.push_back(id);
    }
  }
  const std::regex entry(R"re(<dt id="command-(\d+)">)re");
  std::vector<std::pair<int, std::size_t>> entries;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), entry);
       it != std::sregex_iterator(); ++it) {
    entries.push_back({std::stoi((*it)[1].str()), static_cast<std::size_t>(it->position())});
  }
  ASSERT_EQ(entries.size(), buttons.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto [id, begin] = entries[i];
    EXPECT_EQ(id, buttons[i]) << "button " << i;
    const std::size_t end = i + 1 < entries.size() ? entries[i + 1].second : text.size();
    const bool saysUnavailable =
        text.substr(begin, end - begin).find("Not available in this version") != std::string::npos;
    EXPECT_EQ(saysUnavailable, !IsCommandAvailable(id)) << FindCommand(id)->menuText;
  }
}

TEST(HelpPages, UnitsPageStatesTheConstantsTheAxesUse) {
  const std::string text = ReadPage(FindHelpTopic(kHelpUnitsAndQuantities)->file);
  const std::vector<std::pair<XUnit, std::string>> constants{
      {XUnit::Wavenumber, "1e7"},     {XUnit::Frequency, "300000"},
      {XUnit::EnergyEv, "12431.25"},  {XUnit::EnergyKcal, "47515.527"},
      {XUnit::EnergyKK, "14413.044"}, {XUnit::EnergyKJ, "198900"},
  };
  for (const auto& [unit, written] : constants) {
    EXPECT_NE(text.find("<td class=\"number\">" + written + "</td>"), std::string::npos) << written;
    EXPECT_TRUE(FuzzyCompare(std::stod(written), UnitConstant(unit), 1e-7)) << written;
  }
}

TEST(HelpSearch, FindsTopicsContainingEveryWordOfTheQuery) {
  const std::vector<int> wavenumber = Contexts(SearchHelpTopics("wavenumber"));
  EXPECT_TRUE(Contains(wavenumber, kHelpUnitsAndQuantities));
  EXPECT_EQ(Contexts(SearchHelpTopics("  WaveNumber\t")), wavenumber);
  EXPECT_TRUE(Contains(Contexts(SearchHelpTopics("wave")), kHelpUnitsAndQuantities));

  const std::vector<int> graphTitle = Contexts(SearchHelpTopics("graph title"));
  EXPECT_TRUE(Contains(graphTitle, kHelpTopicBase + kIdSetGraph));
  EXPECT_FALSE(Contains(graphTitle, kHelpTopicBase + kIdResetGraph));
  EXPECT_TRUE(Contains(Contexts(SearchHelpTopics("graph")), kHelpTopicBase + kIdResetGraph));

  EXPECT_TRUE(Contains(Contexts(SearchHelpTopics("Strickler-Berg")), kHelpBibliography));
  EXPECT_TRUE(Contains(Contexts(SearchHelpTopics("ems.txt")), kHelpTopicBase + kIdOpenDataFile));
}

TEST(HelpSearch, NonsenseFindsNothing) {
  EXPECT_TRUE(SearchHelpTopics("xyzzyplugh").empty());
  EXPECT_TRUE(SearchHelpTopics("wavenumber xyzzyplugh").empty());
}

TEST(HelpSearch, ResultsAreOrderedByTitleAndAnEmptyQueryListsEveryTopic) {
  for (const std::string_view query : {"", " \t ", "graph", "spectra"}) {
    const std::vector<const HelpTopic*> found = SearchHelpTopics(query);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), [](const auto* a, const auto* b) {
      return Lower(a->title) < Lower(b->title);
    })) << query;
    EXPECT_FALSE(found.empty()) << query;
  }
  const std::vector<const HelpTopic*> all = SearchHelpTopics("");
  ASSERT_EQ(all.size(), HelpTopics().size());
  EXPECT_STREQ(all.front()->title, "Acknowledgment");
  EXPECT_STREQ(all.back()->title, "Units and Quantities");
}

} // namespace
} // namespace lumivex

#pragma once

#include "core/LumivexData.h"
#include "core/Prompts.h"
#include "database/DatabaseSession.h"
#include "database/StructureDlg.h"
#include "ui/FrameViews.h"
#include "ui/SpectrumList.h"

#include <string>
#include <vector>

namespace lumivex {

class CResultOutput;

/// The program's folders: below the executable's lie the master databases, the help topics
/// lie in the help folder.
struct ProgramFolders {
  std::string program;
  std::string help;
};

/// Everything a command works on: the user (prompts), the windows, the workspace and its
/// Data File list, the database, printing and reports. The main frame owns all of it and
/// hands it to every command family.
struct CommandContext {
  Prompts& prompts;
  CFrameViews& views;
  CLumivexData& data;
  CSpectrumList& fileList;
  CDatabaseSession& database;
  CStructureDlg& databaseList;
  CResultOutput& output;
  ProgramFolders& folders;

  /// The selection: at most 30 selected Data File indices, ascending.
  [[nodiscard]] std::vector<int> Selection() const;
  /// Loads the database record of workspace spectrum `index` into the session. Index -1
  /// takes the last selected Data File entry, or the first spectrum when none is selected.
  /// False, changing nothing, when there is no such spectrum.
  bool LoadCurrentRecord(int index);
  /// A message with the program's title as caption and an OK button.
  void Tell(const std::string& text, MessageIcon icon);
  /// The usage prompt of a command whose selection does not fit: an information box with
  /// "Help" and "OK"; "Help" opens the command's help topic.
  void ShowUsage(const std::string& text, const std::string& caption, int commandId);
  /// Adds the Data File entry of the workspace's newest spectrum and selects it alone.
  void AddFileEntry(const std::string& text);
};

} // namespace lumivex

#pragma once

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/OutputCommands.h"
#include "commands/ViewCommands.h"
#include "commands/WorkspaceCommands.h"
#include "core/Canvas.h"
#include "core/LumivexData.h"
#include "core/Prompts.h"
#include "database/DatabaseSession.h"
#include "database/StructureDlg.h"
#include "ui/FrameViews.h"
#include "ui/SpectrumList.h"

#include <memory>
#include <vector>

namespace lumivex {

/// Where the three windows go inside the frame's client rectangle.
struct WindowLayout {
  CRect graph;    ///< Spectra Display, top right
  CRect fileList; ///< Data File, bottom right
  CRect database; ///< database list window, left
};

/// The main frame: it owns the workspace, its Data File list, the database and its list
/// window, printing and reports, and the command families, which register their commands
/// into one table. It reaches the user only through Prompts and its windows only through
/// CFrameViews, so every command runs the same in the program and in tests.
class CMainFrame {
public:
  CMainFrame(Prompts& prompts, CFrameViews& views);
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  /// Runs a command by identifier. False when the command is unknown or not available.
  bool Execute(int id);
  /// The start-up sequence: the first File New, then the master molecule database opens
  /// into the database list window.
  void Startup();

  /// The selection: at most 30 selected Data File indices, ascending.
  [[nodiscard]] std::vector<int> Selection() const { return m_context.Selection(); }

  /// The placement of the windows for a client rectangle.
  [[nodiscard]] static WindowLayout ArrangeWindows(const CRect& client);

  /// Closing the frame: the child windows may close from now on.
  void BeginClose();
  /// Whether the child windows accept a close request.
  [[nodiscard]] bool ChildrenClosable() const { return m_workspace.ChildrenClosable(); }

  /// What every command works on.
  [[nodiscard]] CommandContext& Context() { return m_context; }

  std::unique_ptr<CLumivexData> m_pData;
  CSpectrumList m_fileList; ///< the Data File list; entry i is workspace position i
  CDatabaseSession m_database;
  /// The program's folder (below it lie the master databases) and the help folder.
  ProgramFolders m_folders;
  /// The database list window's model.
  CStructureDlg m_databaseList;
  CResultOutput m_output;
  CWorkspaceCommands m_workspace;
  int m_skipNextMove = 0;

private:
  CommandContext m_context;
  CCommandRegistry m_commands;

public:
  /// Peak Search and List Data; the data editor lives as long as the frame.
  CViewCommands m_view{m_context, m_workspace};
};

} // namespace lumivex

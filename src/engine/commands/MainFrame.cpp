#include "commands/MainFrame.h"

#include "commands/CurvesCommands.h"
#include "commands/DatabaseCommands.h"
#include "commands/ExportCommands.h"
#include "commands/GraphCommands.h"
#include "commands/HelpCommands.h"
#include "commands/ImportCommands.h"
#include "commands/ModuleCommands.h"
#include "ui/CommandTable.h"

namespace lumivex {

CMainFrame::CMainFrame(Prompts& prompts, CFrameViews& views)
    : m_pData(std::make_unique<CLumivexData>()),
      m_databaseList(prompts, m_database, views,
                     [this](int record, RecordSection section) {
                       m_workspace.OpenRecordSpectrum(record, section);
                     }),
      m_output(m_context),
      m_workspace(m_context), m_context{prompts,    views,          *m_pData, m_fileList,
                                        m_database, m_databaseList, m_output, m_folders} {
  m_workspace.Register(m_commands);
  RegisterGraphCommands(m_commands, m_context);
  RegisterDatabaseCommands(m_commands, m_context);
  RegisterModuleCommands(m_commands, m_context);
  m_output.Register(m_commands);
  RegisterHelpCommands(m_commands, m_context);
  RegisterCurvesCommands(m_commands, m_context);
  RegisterExportCommands(m_commands, m_context);
  RegisterImportCommands(m_commands, m_context);
  m_view.Register(m_commands);
}

bool CMainFrame::Execute(int id) {
  return IsCommandAvailable(id) && m_commands.Run(id);
}

void CMainFrame::Startup() {
  m_workspace.OnFileNew();
  OpenDatabase(m_context, MasterDatabase::Molecule);
}

WindowLayout CMainFrame::ArrangeWindows(const CRect& client) {
  const int l = client.left;
  const int t = client.top;
  const int r = client.right;
  const int b = client.bottom;
  WindowLayout layout;
  layout.graph = {l + 265, t, l + 265 + (r - 270), t + b / 2};
  layout.fileList = {l + 265, t + b / 2, l + 265 + (r - 270), t + b / 2 + (b / 2 - 55)};
  layout.database = {l + 3, t + 35, l + 3 + 265, t + 35 + (b - 55)};
  return layout;
}

void CMainFrame::BeginClose() {
  m_workspace.BeginClose();
  m_skipNextMove = 1;
}

} // namespace lumivex

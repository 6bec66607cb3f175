#include "commands/WorkspaceCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/DatabaseCommands.h"
#include "commands/GraphCommands.h"
#include "ui/CommandIds.h"

#include <algorithm>
#include <cctype>

namespace lumivex {

namespace {

constexpr const char* kOpenDataFileInfo =
    "File must be in Tab Delimited form, be uniform in x-axis steps,\n and have the extention "
    "*.abs.txt, *.ems.txt, or *.els.txt.";
constexpr const char* kOpenDataFileFilter =
    "Text files (*.txt) | *.txt|Emission files (*.ems.txt)|*.ems.txt | Absorption files "
    "(*.abs.txt) | *.abs.txt | Light Source files (*.els.txt) | *.els.txt|All files (*.*)|*.*||";

constexpr const char* kDropRefused =
    "Only spectrum files (*.abs.txt, *.ems.txt, *.els.txt) and databases (*.db) can be opened; "
    "these files were not:";

enum class DroppedFile { Spectrum, Database, Other };

DroppedFile DroppedFileKind(std::string path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* ending : {".abs.txt", ".ems.txt", ".els.txt"}) {
    if (path.ends_with(ending)) {
      return DroppedFile::Spectrum;
    }
  }
  return path.ends_with(".db") ? DroppedFile::Database : DroppedFile::Other;
}

} // namespace

void CWorkspaceCommands::Register(CCommandRegistry& registry) {
  registry.Add(kIdFileNew, [this] { OnFileNew(); });
  registry.Add(kIdOpenDataFile, [this] { OnOpenDataFile(); });
  registry.Add(kIdCloseSelectedFiles, [this] { OnCloseSelectedFiles(); });
}

void CWorkspaceCommands::BeginClose() {
  m_childrenClosable = true;
  m_framesCreated = 0;
}

void CWorkspaceCommands::OnFileNew() {
  if (m_framesCreated == 0) {
    m_framesCreated = 1;
    m_childrenClosable = false;
    m_context.views.CreateChildWindows();
    m_context.views.ArrangeWindows();
    return;
  }
  CLumivexData& data = m_context.data;
  data.DeleteContents();
  m_context.fileList.DeleteAll();
  m_context.views.FileListChanged();
  m_context.views.InvalidateGraph();
  data.m_xMin = 1.0e9f;
  data.m_xMax = 0.0f;
  data.m_absorptionMax = 0.0f;
  data.m_emissionMax = 0.0f;
  data.m_lightSourceMax = 0.0f;
  data.m_settingsApplied = 0;
  data.m_freshSettings = 1;
}

void CWorkspaceCommands::OnCloseSelectedFiles() {
  CloseSelectedFiles(m_context);
}

void CWorkspaceCommands::OnOpenDataFile() {
  m_context.Tell(kOpenDataFileInfo, MessageIcon::Information);
  FileDialogRequest dialog;
  dialog.filter = kOpenDataFileFilter;
  dialog.defaultExtension = "txt";
  dialog.promptOverwrite = true;
  for (const std::string& chosen : m_context.prompts.OpenFiles(dialog)) {
    if (chosen != "*.txt") {
      Open(chosen, nullptr);
    }
  }
}

void CWorkspaceCommands::OpenDroppedFiles(const std::vector<std::string>& paths) {
  std::string refused;
  for (const std::string& path : paths) {
    switch (DroppedFileKind(path)) {
    case DroppedFile::Spectrum:
      Open(path, nullptr);
      break;
    case DroppedFile::Database:
      OpenDatabaseFile(m_context, path);
      break;
    case DroppedFile::Other:
      refused += "\n" + path;
      break;
    }
  }
  if (!refused.empty()) {
    m_context.Tell(kDropRefused + refused, MessageIcon::Warning);
  }
}

void CWorkspaceCommands::OpenRecordSpectrum(int record, RecordSection section) {
  CDatabaseSession& database = m_context.database;
  database.m_databaseRecord = record;
  database.m_databaseSpectrumPath = database.RecordSpectrumPath(record, section);
  const DatabaseOpenRequest request{database.m_databasePath, record, 1};
  Open(database.m_databaseSpectrumPath, &request);
}

void CWorkspaceCommands::Open(const std::string& path, const DatabaseOpenRequest* request) {
  OpenDataFileResult result;
  {
    const BusyScope busy(m_context.prompts);
    result = OpenDataFile(m_context.data, path, request);
  }
  switch (result.status) {
  case OpenStatus::Opened:
    m_context.AddFileEntry(result.listText);
    break;
  case OpenStatus::NoKind:
    m_context.Tell(result.message, MessageIcon::None);
    return;
  case OpenStatus::EmissionWithLightSource:
    m_context.Tell(result.message, MessageIcon::Information);
    return;
  case OpenStatus::CannotOpen:
  case OpenStatus::TooFewPoints:
  case OpenStatus::ZeroStep:
    m_context.Tell(result.message, MessageIcon::Warning);
    break;
  }
  m_context.views.InvalidateGraph();
}

void CloseSelectedFiles(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  CSpectrumList& list = context.fileList;
  for (auto index = selection.rbegin(); index != selection.rend(); ++index) {
    list.DeleteEntry(*index);
    context.data.RemoveSpectrumAt(*index);
  }
  for (int i = 0; i < list.Count(); ++i) {
    list.SetEntryColour(i, WorkspaceColour(i));
  }
  context.views.FileListChanged();
  context.views.InvalidateGraph();
  ResetGraph(context);
}

} // namespace lumivex

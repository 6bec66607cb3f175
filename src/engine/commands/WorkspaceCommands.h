#pragma once

#include "core/OpenDataFile.h"
#include "database/DatabaseRecord.h"

#include <string>
#include <vector>

namespace lumivex {

class CCommandRegistry;
struct CommandContext;

/// The workspace files: New, Open Data File (from a file or from a database record) and
/// Close Selected Files. It also knows whether the frame's windows exist and may close.
class CWorkspaceCommands {
public:
  explicit CWorkspaceCommands(CommandContext& context) : m_context(context) {}

  void Register(CCommandRegistry& registry);

  /// File New: the first creates the windows, every later one empties the workspace.
  void OnFileNew();
  /// Close Selected Files, then Reset Graph.
  void OnCloseSelectedFiles();
  /// Open Data File: the format note, then the spectrum files the user chooses, each opened
  /// in turn.
  void OnOpenDataFile();
  /// Files dropped on the program: each spectrum file (.abs.txt, .ems.txt, .els.txt) opens
  /// as Open Data File opens it, a database (.db) becomes the current database, and every
  /// other file is refused; one message at the end names the refused files.
  void OpenDroppedFiles(const std::vector<std::string>& paths);
  /// Opens the spectrum file that a record of the current database names in a section, with
  /// the record's values.
  void OpenRecordSpectrum(int record, RecordSection section);

  /// Closing the frame: the child windows may close from now on.
  void BeginClose();
  [[nodiscard]] bool ChildrenClosable() const { return m_childrenClosable; }

  int m_framesCreated = 0;

private:
  /// Opens a spectrum file into the workspace and tells the user what came of it; with a
  /// database request, the spectrum takes the record's values.
  void Open(const std::string& path, const DatabaseOpenRequest* request);

  CommandContext& m_context;
  bool m_childrenClosable = false;
};

/// Close Selected Files: the selected spectra leave the workspace and the Data File list, the
/// entries left take the colours of their new positions, and Reset Graph follows.
void CloseSelectedFiles(CommandContext& context);

} // namespace lumivex

#include "commands/DatabaseCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "ui/CommandIds.h"

namespace lumivex {

namespace {

constexpr const char* kOneFileNeeded = "One and only one file needed.";
constexpr const char* kDatabaseFilter = "Database files (*.db)|*.db|All files (*.*)|*.*||";

} // namespace

void RegisterDatabaseCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdOpenDatabase, [&context] { OpenDatabase(context, std::nullopt); });
  registry.Add(kIdOpenMasterMolecule,
               [&context] { OpenDatabase(context, MasterDatabase::Molecule); });
  registry.Add(kIdOpenMasterSolar, [&context] { OpenDatabase(context, MasterDatabase::Solar); });
  registry.Add(kIdAddRecord, [&context] { AddRecordToDatabase(context); });
  registry.Add(kIdRedrawStructure, [&context] { RedrawStructure(context); });
}

void OpenDatabase(CommandContext& context, std::optional<MasterDatabase> master) {
  std::string path;
  if (master) {
    path = FindMasterDatabase(context.folders.program, *master);
    if (path.empty()) {
      // Not installed: the database stays the expected master file, listed empty.
      path = MasterDatabasePath(context.folders.program, *master);
    }
  } else {
    FileDialogRequest dialog;
    dialog.filter = kDatabaseFilter;
    dialog.defaultExtension = "db";
    const std::optional<std::string> chosen = context.prompts.OpenFile(dialog);
    if (!chosen || chosen->empty()) {
      return;
    }
    path = *chosen;
  }
  OpenDatabaseFile(context, path);
}

void OpenDatabaseFile(CommandContext& context, const std::string& path) {
  const BusyScope busy(context.prompts);
  CDatabaseSession& database = context.database;
  database.Open(path);
  context.databaseList.Open(database.m_databaseFolder, database.m_databasePath);
}

void RedrawStructure(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.empty()) {
    context.Tell(kOneFileNeeded, MessageIcon::Information);
    return;
  }
  context.databaseList.DrawStructure(context.data.At(selection.back())->m_recordNumber);
}

} // namespace lumivex

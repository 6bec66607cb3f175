#pragma once

#include "database/DatabaseRecord.h"

#include <optional>
#include <string>

namespace lumivex {

class CCommandRegistry;
struct CommandContext;

/// The database family: Open Database and the two masters, Add Record to Database and
/// Redraw Structure.
void RegisterDatabaseCommands(CCommandRegistry& registry, CommandContext& context);

/// Open Database: a master database, or a file the user chooses when none is given;
/// cancelling keeps the current database. The database list window is filled from the new
/// database.
void OpenDatabase(CommandContext& context, std::optional<MasterDatabase> master);
/// Opens the database file at `path` as the current database and fills the database list
/// window from it.
void OpenDatabaseFile(CommandContext& context, const std::string& path);
/// Add Record to Database: choose a new or an existing database, then fill the Database
/// Entry Wizard once per record; each record is appended with its files copied beside the
/// database, until the user cancels or wants no further record.
void AddRecordToDatabase(CommandContext& context);
/// Redraw Structure: the database window shows the structure picture of the last selected
/// Data File spectrum's record.
void RedrawStructure(CommandContext& context);

} // namespace lumivex

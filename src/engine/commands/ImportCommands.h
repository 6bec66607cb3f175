#pragma once

#include <string>
#include <vector>

namespace lumivex {

class CCommandRegistry;
struct CommandContext;

/// The import family: File › Import Spectra.
void RegisterImportCommands(CCommandRegistry& registry, CommandContext& context);

/// Imports delimited text and JCAMP-DX files into the workspace. Each file is shown in the
/// Import Spectra dialog until the user chooses Apply to all, after which the remaining
/// files are imported with the same settings without asking; Skip leaves a file out and
/// Cancel ends the batch. A file joins the workspace whole or not at all; the files that
/// could not be imported are named together at the end, each with its reason.
void ImportSpectraFiles(CommandContext& context, const std::vector<std::string>& paths);

} // namespace lumivex

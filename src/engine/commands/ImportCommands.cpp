#include "commands/ImportCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "core/OpenDataFile.h"
#include "import/ImportDlg.h"
#include "ui/CommandIds.h"

#include <memory>

namespace lumivex {

namespace {

constexpr const char* kMixedKinds =
    "Emission files (.ems) and light source files (.els) may not be shown at the same time.";

// Why the file's spectra cannot join the workspace as it stands, or nothing when they can:
// emission and light-source spectra are never shown together.
std::optional<std::string> RefusalToJoin(const CLumivexData& data, const FileImport& import) {
  bool emission = data.CountOfKind(SpectrumKind::Emission) > 0;
  bool lightSource = data.CountOfKind(SpectrumKind::LightSource) > 0;
  for (const ImportedSpectrum* imported : import.Spectra()) {
    emission = emission || imported->spectrum.m_kind == SpectrumKind::Emission;
    lightSource = lightSource || imported->spectrum.m_kind == SpectrumKind::LightSource;
  }
  if (emission && lightSource) {
    return ImportError{import.path, 0, kMixedKinds}.Text();
  }
  return std::nullopt;
}

void Join(CommandContext& context, const FileImport& import) {
  for (const ImportedSpectrum* imported : import.Spectra()) {
    CSpectrum* spectrum =
        context.data.AppendSpectrum(std::make_unique<CSpectrum>(imported->spectrum));
    RaiseExtents(context.data, *spectrum);
    context.AddFileEntry(spectrum->m_name);
  }
  context.views.InvalidateGraph();
}

} // namespace

void RegisterImportCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdImportSpectra, [&context] {
    FileDialogRequest dialog;
    dialog.filter = kImportFilter;
    const std::vector<std::string> chosen = context.prompts.OpenFiles(dialog);
    if (!chosen.empty()) {
      ImportSpectraFiles(context, chosen);
    }
  });
}

void ImportSpectraFiles(CommandContext& context, const std::vector<std::string>& paths) {
  CImportDlg dlg;
  dlg.m_fileCount = static_cast<int>(paths.size());
  bool applyToAll = false;
  std::vector<std::string> failures;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    dlg.m_path = paths[i];
    dlg.m_fileNumber = static_cast<int>(i) + 1;
    {
      const BusyScope busy(context.prompts);
      dlg.Refresh();
    }
    if (!applyToAll) {
      const int button = context.prompts.RunDialog(dlg);
      if (button == kResultCancel) {
        break;
      }
      if (button == kResultSkip) {
        continue;
      }
      applyToAll = button == kResultApplyToAll;
    }
    if (!dlg.m_import.Ok()) {
      failures.push_back(dlg.m_import.error.Text());
    } else if (const std::optional<std::string> refusal =
                   RefusalToJoin(context.data, dlg.m_import)) {
      failures.push_back(*refusal);
    } else {
      Join(context, dlg.m_import);
    }
  }
  if (!failures.empty()) {
    std::string text =
        failures.size() == 1 ? "This file was not imported:" : "These files were not imported:";
    for (const std::string& failure : failures) {
      text += "\n" + failure;
    }
    context.Tell(text, MessageIcon::Warning);
  }
}

} // namespace lumivex

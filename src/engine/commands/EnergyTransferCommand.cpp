#include "commands/CommandContext.h"
#include "commands/GraphCommands.h"
#include "commands/ModuleCommands.h"
#include "commands/OutputCommands.h"
#include "commands/WorkspaceCommands.h"
#include "core/SpectrumFile.h"
#include "modules/EnergyTransfer.h"
#include "modules/EnergyTransferDlg.h"
#include "modules/RecordSpectrum.h"
#include "ui/CommandIds.h"

#include <memory>
#include <span>
#include <utility>

namespace lumivex {

namespace {

// The message when the simulated spectrum cannot be formed from the emission spectra.
constexpr const char* kTransferNotCombined =
    "The emission spectra of the components cannot be combined, so no simulated fluorescence "
    "spectrum was made.";

// The chain's components and the Data File entries they stand in: the selected spectra
// from entry 1 in forward mode, from entry 2 in reverse mode (the first is the measured
// emission of the array).
struct Chain {
  std::vector<int> entries;
  std::vector<const CSpectrum*> components;
};

Chain ChainOf(const CommandContext& context, const std::vector<int>& selection, bool reverse) {
  Chain chain;
  for (std::size_t k = reverse ? 1 : 0; k < selection.size(); ++k) {
    chain.entries.push_back(selection[k]);
    chain.components.push_back(context.data.At(selection[k]));
  }
  return chain;
}

// One pass of the component sequence: a showing per component, its record taken after
// "Next". Nothing when the user cancels.
std::optional<std::vector<EnergyTransferRecord>>
RunComponents(CommandContext& context, CExSimulationDlg& dlg, const Chain& chain) {
  std::vector<EnergyTransferRecord> records;
  for (std::size_t c = 0; c < chain.components.size(); ++c) {
    const CSpectrum* next = c + 1 < chain.components.size() ? chain.components[c + 1] : nullptr;
    if (!dlg.BeginComponent(*chain.components[c], next, context.database.m_databasePath)) {
      context.Tell(kTransferNoAbsorption, MessageIcon::None);
    }
    if (context.prompts.RunDialog(dlg) != kResultOk) {
      return std::nullopt;
    }
    records.push_back(dlg.Record());
  }
  return records;
}

// The simulated fluorescence spectrum of the chain: in the area-normalised emission
// display, each component's record emission scaled to its share joins the workspace in
// place of the component spectra the user selected, followed by their sum. A component not
// opened from a database has no record to take its emission from: then nothing is made,
// and nothing is left in the workspace.
void AddSimulatedSpectrum(CommandContext& context, const Chain& chain,
                          std::span<const EnergyTransferRecord> records,
                          std::vector<CSpectrum> emissions) {
  context.data.ShowAreaNormalisedEmission();
  for (const CSpectrum* component : chain.components) {
    if (!component->m_fromDatabase) {
      return;
    }
  }
  if (emissions.empty()) {
    ChainEmissions read = ReadChainEmissions(context.database.m_databasePath, chain.components);
    if (!read.ok) {
      context.Tell(read.message, MessageIcon::Warning);
      return;
    }
    emissions = std::move(read.spectra);
  }
  SimulatedFluorescence simulated = SimulateFluorescence(records, std::move(emissions));
  if (simulated.sum == nullptr) {
    context.Tell(kTransferNotCombined, MessageIcon::Warning);
    return;
  }

  CSpectrumList& list = context.fileList;
  for (CSpectrum& share : simulated.shares) {
    const std::string entry = ListText(share.m_filePath);
    context.data.AppendSpectrum(std::make_unique<CSpectrum>(std::move(share)));
    list.AddEntry(entry, list.Count());
  }
  list.ClearSelection();
  for (const int entry : chain.entries) {
    list.SetSelected(entry, true);
  }
  CloseSelectedFiles(context);
  context.data.AppendSpectrum(std::move(simulated.sum));
  list.AddEntry(kSimulatedSpectrumEntry, list.Count());
  context.views.FileListChanged();
  context.views.InvalidateGraph();
  ResetGraph(context);
}

} // namespace

void EnergyTransferCommand(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  int emissions = 0;
  for (const int index : selection) {
    emissions += context.data.At(index)->m_kind == SpectrumKind::Emission ? 1 : 0;
  }
  if (emissions < 2) {
    context.ShowUsage(kTransferUsage, kTransferCaption, kIdEnergyTransferSimulation);
    return;
  }

  CExSimulationDlg dlg(static_cast<int>(selection.size()));
  if (context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  const bool reverse = dlg.m_reverse;
  const Chain chain = ChainOf(context, selection, reverse);

  // The fit combines the components' emission spectra from their records: each is read
  // once, before the user types anything, and a component without one ends the module.
  ChainEmissions chainEmissions;
  if (reverse) {
    chainEmissions = ReadChainEmissions(context.database.m_databasePath, chain.components);
    if (!chainEmissions.ok) {
      context.Tell(chainEmissions.message, MessageIcon::Warning);
      return;
    }
  }

  std::optional<std::vector<EnergyTransferRecord>> records;
  do {
    records = RunComponents(context, dlg, chain);
    if (!records) {
      return;
    }
  } while (reverse && dlg.m_wavelengths.Empty());

  EnergyTransferResult result;
  if (reverse) {
    // The fit compares area-normalised emission, the display it leaves behind.
    context.data.ShowAreaNormalisedEmission();
    result = ReverseAnalysis(std::move(*records), chainEmissions.spectra,
                             *context.data.At(selection.front()), dlg.m_wavelengths.Wavelengths());
    if (!result.ok) {
      context.Tell(result.message, MessageIcon::Warning);
      return;
    }
  } else {
    result = SimulateForward(std::move(*records));
  }

  std::vector<std::string> names;
  for (const CSpectrum* component : chain.components) {
    names.push_back(component->m_name);
  }
  CSimulResultDlg results(result.chain, std::move(names), result.endToEnd);
  const int closedBy = context.prompts.RunDialog(results);
  if (closedBy == kResultCancel) {
    return;
  }
  if (closedBy == kResultPrint) {
    results.OnPrint();
  } else if (closedBy == kResultCreateReport) {
    results.OnCreateReport();
  }
  if (context.fileList.Count() > 0) {
    AddSimulatedSpectrum(context, chain, results.Chain(), std::move(chainEmissions.spectra));
  }
  if (results.m_printRequested) {
    context.output.Print(&results);
  }
  if (results.m_reportRequested) {
    context.output.WriteReport(results);
  }
}

} // namespace lumivex

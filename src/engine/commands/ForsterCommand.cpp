#include "commands/CommandContext.h"
#include "commands/ModuleCommands.h"
#include "modules/Forster.h"
#include "modules/ForsterDlg.h"
#include "ui/CommandIds.h"

namespace lumivex {

void ForsterCommand(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  int absorption = 0;
  int emission = 0;
  for (const int index : selection) {
    const SpectrumKind kind = context.data.At(index)->m_kind;
    absorption += kind == SpectrumKind::Absorption ? 1 : 0;
    emission += kind == SpectrumKind::Emission ? 1 : 0;
  }
  if (absorption == 0 || emission == 0) {
    context.ShowUsage(kForsterUsage, kForsterCaption, kIdForster);
    return;
  }

  // The spectra standing last in the list win; the current record is that of the one of
  // the two found last in this walk.
  CSpectrum* donor = nullptr;
  CSpectrum* acceptor = nullptr;
  for (auto index = selection.rbegin(); index != selection.rend(); ++index) {
    CSpectrum* spectrum = context.data.At(*index);
    if (acceptor == nullptr && spectrum->m_kind == SpectrumKind::Absorption) {
      acceptor = spectrum;
      context.LoadCurrentRecord(*index);
    } else if (donor == nullptr && spectrum->m_kind == SpectrumKind::Emission) {
      donor = spectrum;
      context.LoadCurrentRecord(*index);
    }
  }

  const std::optional<OverlapRange> overlap = FindOverlapRange(*donor, *acceptor);
  if (!overlap) {
    context.Tell(kForsterNoOverlap, MessageIcon::None);
    return;
  }

  CForsterDlg dlg;
  dlg.Fill(*donor, *acceptor, overlap->low, overlap->high);
  RunModuleDialog(context, dlg, [&] {
    dlg.Calculate(*donor, *acceptor);
    if (dlg.m_printRequested) {
      dlg.SetPrintTexts(*donor, *acceptor);
    }
    if (dlg.m_reportRequested) {
      dlg.SetReportSpectra(*donor, *acceptor);
    }
    return ModuleStep::Output;
  });
}

} // namespace lumivex

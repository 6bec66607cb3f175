#include "commands/CommandContext.h"
#include "commands/ModuleCommands.h"
#include "modules/Transmission.h"
#include "ui/CommandIds.h"

namespace lumivex {

void TransmissionCommand(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.size() != 2) {
    context.ShowUsage(kTransmissionUsage, kTransmissionCaption, kIdTransmission);
    return;
  }
  const CSpectrum* absorber = nullptr;
  const CSpectrum* source = nullptr;
  for (const int index : selection) {
    const CSpectrum* spectrum = context.data.At(index);
    switch (spectrum->m_kind) {
    case SpectrumKind::Absorption:
      absorber = spectrum;
      break;
    case SpectrumKind::Emission:
    case SpectrumKind::Curve:
    case SpectrumKind::LightSource:
      source = spectrum;
      break;
    case SpectrumKind::None:
      break;
    }
  }
  if (absorber == nullptr || source == nullptr) {
    context.Tell(kTransmissionWrongKinds, MessageIcon::Information);
    return;
  }

  CTransSim dlg;
  if (context.prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  context.data.AppendSpectrum(SimulateTransmission(*source, *absorber, dlg.m_factor));
  // The new entry stays unselected, and the workspace's extents and maxima stay as they are.
  context.fileList.AddEntry(TransmissionEntryText(dlg.m_factor), context.fileList.Count());
  context.views.FileListChanged();
  context.views.InvalidateGraph();
}

} // namespace lumivex

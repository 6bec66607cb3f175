#include "modules/Transmission.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"

namespace lumivex {

void CMainFrame::OnTransmissionSimulation() {
  const std::vector<int> selection = Selection();
  if (selection.size() != 2) {
    if (HelpMessageBox(kTransmissionUsage, kTransmissionCaption) == kResultHelp) {
      m_prompts.ShowHelp(kHelpTopicBase + kIdTransmission);
    }
    return;
  }
  const CSpectrum* absorber = nullptr;
  const CSpectrum* source = nullptr;
  for (const int index : selection) {
    const CSpectrum* spectrum = m_pData->At(index);
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
    m_prompts.Message(kTransmissionWrongKinds, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Information);
    return;
  }

  CTransSim dlg;
  if (m_prompts.RunDialog(dlg) != kResultOk) {
    return;
  }
  m_pData->AppendSpectrum(SimulateTransmission(*source, *absorber, dlg.m_factor));
  // The new entry stays unselected, and the workspace's extents and maxima stay as they are.
  m_fileList.AddEntry(TransmissionEntryText(dlg.m_factor), m_fileList.Count());
  m_views.FileListChanged();
  m_views.InvalidateGraph();
}

} // namespace lumivex

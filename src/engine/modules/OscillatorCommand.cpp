#include "modules/DipoleDlg.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"

namespace lumivex {

void CMainFrame::OnOscillatorStrength() {
  const std::vector<int> selection = Selection();
  if (selection.size() != 1 || m_pData->At(selection[0])->m_kind != SpectrumKind::Absorption) {
    if (HelpMessageBox(kOscillatorUsage, kDipoleDlgTitle) == kResultHelp) {
      m_prompts.ShowHelp(kHelpTopicBase + kIdOscillatorStrength);
    }
    return;
  }
  const CSpectrum& spectrum = *m_pData->At(selection[0]);

  CDipoleDlg dlg;
  dlg.m_epsilonWavelength = spectrum.m_epsilonWavelength;
  dlg.m_epsilon = spectrum.m_epsilon;
  dlg.m_compound = spectrum.m_name;
  dlg.m_firstShowing = true;
  for (;;) {
    dlg.m_printRequested = false;
    dlg.BeginShowing();
    const int result = m_prompts.RunDialog(dlg);
    if (result == kResultCancel) {
      break;
    }
    if (result == kResultPrint) {
      dlg.OnPrint();
    } else if (result == kResultCreateReport) {
      dlg.OnCreateReport();
    }
    if (!dlg.Calculate(spectrum)) {
      m_prompts.Message(kNoPeakMessage, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
      break;
    }
    if (dlg.m_reportRequested) {
      m_resultSource[kOscillatorModuleCode] = &dlg;
      WriteHtmlReport(kOscillatorModuleCode);
    }
    if (dlg.m_printRequested) {
      dlg.m_printCompound = spectrum.m_name;
      dlg.m_printSolvent = spectrum.m_solvent;
      m_resultSource[kOscillatorModuleCode] = &dlg;
      PrintResults(kOscillatorModuleCode);
    }
  }
  // The dialog ends with the command; printing and reports must not reach it afterwards.
  m_resultSource[kOscillatorModuleCode] = nullptr;
}

} // namespace lumivex

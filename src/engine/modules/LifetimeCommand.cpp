#include "modules/StrickleDlg.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"

namespace lumivex {

void CMainFrame::OnFluorescenceLifetime() {
  const std::vector<int> selection = Selection();
  if (selection.size() != 2) {
    if (HelpMessageBox(kLifetimeUsage, kLifetimeCaption) == kResultHelp) {
      m_prompts.ShowHelp(kHelpTopicBase + kIdFluorescenceLifetime);
    }
    return;
  }
  CSpectrum* absorption = nullptr;
  CSpectrum* emission = nullptr;
  for (const int index : selection) {
    CSpectrum* spectrum = m_pData->At(index);
    if (spectrum->m_kind == SpectrumKind::Absorption) {
      absorption = spectrum;
    } else if (spectrum->m_kind == SpectrumKind::Emission) {
      emission = spectrum;
    }
  }
  if (absorption == nullptr || emission == nullptr) {
    m_prompts.Message(kLifetimeNeedsPair, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Information);
    return;
  }

  CStrickleDlg dlg;
  dlg.m_epsilon = absorption->m_epsilon;
  dlg.m_compound = absorption->m_name;
  dlg.m_solvent = absorption->m_solvent;
  dlg.m_quantumYield = emission->m_quantumYield;
  dlg.m_epsilonWavelength = absorption->m_epsilonWavelength;
  dlg.m_firstShowing = true;
  for (;;) {
    dlg.m_printRequested = false;
    dlg.m_reportRequested = false;
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
    if (!dlg.Calculate(*absorption, *emission)) {
      continue;
    }
    if (dlg.m_printRequested) {
      m_resultSource[kLifetimeModuleCode] = &dlg;
      PrintResults(kLifetimeModuleCode);
    }
    if (dlg.m_reportRequested) {
      m_resultSource[kLifetimeModuleCode] = &dlg;
      WriteHtmlReport(kLifetimeModuleCode);
    }
  }
  // The dialog ends with the command; printing and reports must not reach it afterwards.
  m_resultSource[kLifetimeModuleCode] = nullptr;
}

} // namespace lumivex

#include "modules/Forster.h"
#include "modules/ForsterDlg.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"

namespace lumivex {

void CMainFrame::OnForsterEnergyTransfer() {
  const std::vector<int> selection = Selection();
  int absorption = 0;
  int emission = 0;
  for (const int index : selection) {
    const SpectrumKind kind = m_pData->At(index)->m_kind;
    absorption += kind == SpectrumKind::Absorption ? 1 : 0;
    emission += kind == SpectrumKind::Emission ? 1 : 0;
  }
  if (absorption == 0 || emission == 0) {
    if (HelpMessageBox(kForsterUsage, kForsterCaption) == kResultHelp) {
      m_prompts.ShowHelp(kHelpTopicBase + kIdForster);
    }
    return;
  }

  // The spectra standing last in the list win; the current record is that of the one of
  // the two found last in this walk.
  CSpectrum* donor = nullptr;
  CSpectrum* acceptor = nullptr;
  for (auto index = selection.rbegin(); index != selection.rend(); ++index) {
    CSpectrum* spectrum = m_pData->At(*index);
    if (acceptor == nullptr && spectrum->m_kind == SpectrumKind::Absorption) {
      acceptor = spectrum;
      LoadCurrentRecord(*index);
    } else if (donor == nullptr && spectrum->m_kind == SpectrumKind::Emission) {
      donor = spectrum;
      LoadCurrentRecord(*index);
    }
  }

  const std::optional<OverlapRange> overlap = FindOverlapRange(*donor, *acceptor);
  if (!overlap) {
    m_prompts.Message(kForsterNoOverlap, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
    return;
  }

  CForsterDlg dlg;
  dlg.Fill(*donor, *acceptor, overlap->low, overlap->high);
  dlg.m_firstShowing = true;
  for (;;) {
    dlg.m_printRequested = false;
    dlg.m_reportRequested = false;
    const int result = m_prompts.RunDialog(dlg);
    if (result == kResultCancel) {
      break;
    }
    if (result == kResultPrint) {
      dlg.RequestPrint();
    } else if (result == kResultCreateReport) {
      dlg.RequestReport();
    }
    dlg.Calculate(*donor, *acceptor);
    if (dlg.m_printRequested) {
      dlg.SetPrintTexts(*donor, *acceptor);
      m_resultSource[kForsterModuleCode] = &dlg;
      PrintResults(kForsterModuleCode);
    }
    if (dlg.m_reportRequested) {
      dlg.SetReportSpectra(*donor, *acceptor);
      m_resultSource[kForsterModuleCode] = &dlg;
      WriteHtmlReport(kForsterModuleCode);
    }
    dlg.m_firstShowing = false;
  }
  // The dialog ends with the command; printing and reports must not reach it afterwards.
  m_resultSource[kForsterModuleCode] = nullptr;
}

} // namespace lumivex

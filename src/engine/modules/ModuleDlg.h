#pragma once

#include "core/Prompts.h"
#include "output/ResultSheet.h"

namespace lumivex {

/// What every module dialog shares: it is shown again after each calculation until the user
/// cancels, "Print" and "Create Report" are enabled from its second showing on, and a press
/// of either asks for the results to be printed or reported once they are calculated.
class CModuleDlg : public CDialogModel, public CResultSheet {
public:
  /// Before each showing: no output is requested, and output is enabled unless this is the
  /// dialog's first showing.
  virtual void BeginShowing() {
    m_printRequested = false;
    m_reportRequested = false;
    m_outputEnabled = !m_firstShowing;
    m_firstShowing = false;
  }
  /// "Print" pressed.
  virtual void OnPrint() { m_printRequested = true; }
  /// "Create Report" pressed.
  virtual void OnCreateReport() { m_reportRequested = true; }
  /// Whether "Print" and "Create Report" are enabled in this showing.
  [[nodiscard]] bool OutputEnabled() const { return m_outputEnabled; }

  bool m_firstShowing = true;
  bool m_outputEnabled = false;
  bool m_printRequested = false;
  bool m_reportRequested = false;
};

} // namespace lumivex

#pragma once

#include "FieldEdits.h"

#include <QDialog>

class QPushButton;

namespace lumivex {
class CForsterDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Forster Energy Transfer dialog over a CForsterDlg. "Calculate" writes the edits back
/// (a refused number keeps the dialog open, the refusal going through `prompts`); "Print"
/// and "Create Report" close it without them, as they report the last calculation; both
/// are enabled from the dialog's second showing on.
class ForsterDlgView final : public QDialog {
  Q_OBJECT

public:
  ForsterDlgView(CForsterDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  /// Shows the dialog modally; answers the button that closed it (kResultOk for
  /// "Calculate", kResultPrint, kResultCreateReport or kResultCancel).
  int Run();

private:
  void Calculate();

  CForsterDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  QPushButton* m_print = nullptr;
  QPushButton* m_report = nullptr;
};

} // namespace lumivex::gui

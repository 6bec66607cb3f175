#pragma once

#include "FieldEdits.h"

#include <QDialog>

namespace lumivex {
class CStrickleDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Strickler-Berg Calculation of Fluorescence Lifetime dialog over a CStrickleDlg.
/// "Calculate" and "Create Report" write the edits back (a refused number keeps the dialog
/// open, the refusal going through `prompts`); "Print" closes without them. "Print" and
/// "Create Report" are enabled as the model says; compound and solvent are shown only.
class StrickleDlgView final : public QDialog {
  Q_OBJECT

public:
  StrickleDlgView(CStrickleDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  /// Shows the dialog modally; answers the button that closed it (kResultOk for
  /// "Calculate", kResultPrint, kResultCreateReport or kResultCancel).
  int Run();

private:
  /// Writes the edits back and closes with `code`, unless a field is refused.
  void StoreAndClose(int code);

  CStrickleDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

#pragma once

#include "FieldEdits.h"

#include <QDialog>

namespace lumivex {
class CSimulResultDlg;
} // namespace lumivex

namespace lumivex::gui {

/// The results dialog of the energy-transfer simulation over a CSimulResultDlg: the
/// component shown and its results, read-only, in the group "Results", and the buttons
/// "Next", which shows the following component, and "Close", "Print" and "Create Report",
/// each of which closes it with its code. It is shown once, after the simulation, and
/// calculates nothing, so its buttons are not a ModuleDlgView's.
class SimulResultDlgView final : public QDialog {
  Q_OBJECT

public:
  explicit SimulResultDlgView(CSimulResultDlg& dlg, QWidget* parent = nullptr);

  /// Shows the dialog modally; kResultOk ("Close"), kResultPrint or kResultCreateReport,
  /// and kResultCancel when it is closed by its window.
  int Run();

private:
  CSimulResultDlg& m_dlg;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

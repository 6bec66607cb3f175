#pragma once

#include "FieldEdits.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace lumivex {
class CExSimulationDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The input dialog of the energy-transfer simulation over a CExSimulationDlg: the number of
/// components, the excitation wavelength and "Reverse Analysis" above, the component shown
/// with the one it passes energy to, its transfer efficiency, epsilon and quantum yield, the
/// wavelength field with "------>" (Return in the wavelength field adds it too) beside the
/// list of chosen wavelengths, the two notes, and "Next" and Cancel. The model says which
/// controls each showing enables; every button hands the edits to the model, and a refusal
/// goes through `prompts` and keeps the dialog open.
class ExSimulationDlgView final : public QDialog {
  Q_OBJECT

public:
  ExSimulationDlgView(CExSimulationDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  /// Shows the dialog modally; kResultOk after "Next" closed it, kResultCancel otherwise.
  int Run();

private:
  void AddWavelength();
  void Next();
  /// Shows the model's fields, what this showing enables and the wavelength list.
  void Reload();

  CExSimulationDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  QListWidget* m_list = nullptr;
  QPushButton* m_add = nullptr;
};

} // namespace lumivex::gui

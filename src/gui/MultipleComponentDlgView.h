#pragma once

#include "FieldEdits.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace lumivex {
class CMCAiputDlg;
class CMultipleAnalysisDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The input dialog of the multiple component analysis over a CMCAiputDlg: the shown
/// component with its fraction and concentration, the wavelength field with "------>"
/// (Return in the wavelength field adds it too) and the list of chosen wavelengths, and the
/// buttons "Next", "Finish" and Cancel. Each button hands the edits to the model; a refusal
/// goes through `prompts` and keeps the dialog as it is. "Finish" answers kResultOk.
class MCAiputDlgView final : public QDialog {
  Q_OBJECT

public:
  MCAiputDlgView(CMCAiputDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  /// Shows the dialog modally; kResultOk after "Finish", kResultCancel otherwise.
  int Run();

private:
  void AddWavelength();
  void Next();
  void Finish();
  /// Shows the model's fields, its wavelength list and whether "Next" is enabled.
  void Reload();

  CMCAiputDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  QListWidget* m_list = nullptr;
  QPushButton* m_next = nullptr;
};

/// The results dialog of the multiple component analysis over a CMultipleAnalysisDlg: the
/// residual and the number of components shown read-only, the list of results (value and
/// compound) and the list of analysis wavelengths, and the buttons "Print", "OK" and
/// "Create Report", each of which closes it with its code. Its buttons are not those of a
/// module dialog that calculates (it is shown once, after the fit), so it is no
/// ModuleDlgView.
class MultipleAnalysisDlgView final : public QDialog {
  Q_OBJECT

public:
  explicit MultipleAnalysisDlgView(CMultipleAnalysisDlg& dlg, QWidget* parent = nullptr);

  /// Shows the dialog modally; kResultOk, kResultPrint or kResultCreateReport, and
  /// kResultCancel when it is closed by its window.
  int Run();

private:
  FieldEdits m_fields;
};

} // namespace lumivex::gui

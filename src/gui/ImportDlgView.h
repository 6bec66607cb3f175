#pragma once

#include "FieldEdits.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace lumivex {
class CImportDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Import Spectra dialog: the file's first lines, the settings to read it with, what
/// the reading decided and a small plot of the spectra it gives, read again whenever a
/// setting changes. Import, Apply to all, Skip and Cancel close it.
class ImportDlgView final : public QDialog {
  Q_OBJECT

public:
  ImportDlgView(CImportDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  /// Shows the dialog; the button that closed it (kResultOk for Import).
  int Run();

private:
  /// Reads the settings and the file again; false when a typed setting was refused.
  bool Reread();
  void ShowFindings();
  void Finish(int result);

  CImportDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  std::array<QComboBox*, 5> m_choices{};
  QLabel* m_heading = nullptr;
  QPlainTextEdit* m_lines = nullptr;
  QPlainTextEdit* m_decisions = nullptr;
  QLabel* m_plot = nullptr;
  int m_result = 0;
};

} // namespace lumivex::gui

#pragma once

#include "FieldEdits.h"

#include <QDialog>

class QButtonGroup;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace lumivex {
class CDataListDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The "Data Information and Editor" dialog: the points of a CDataListDlg's spectrum, its
/// record's values, the Spectrum Data and noise processing buttons and the buttons that
/// save or report. Every action is the model's; the view only shows what it left. "Exit"
/// answers Cancel, "Create Report" and "Save Record" close it with OK.
class DataListDlgView final : public QDialog {
  Q_OBJECT

public:
  DataListDlgView(CDataListDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  [[nodiscard]] QListWidget* Points() const { return m_points; }
  [[nodiscard]] QPushButton* RunButton() const { return m_run; }
  [[nodiscard]] QPushButton* SaveRecordButton() const { return m_saveRecord; }
  [[nodiscard]] QPushButton* CreateReportButton() const { return m_createReport; }
  /// The Spectrum Data and the noise processing buttons.
  [[nodiscard]] QButtonGroup* SpectrumData() const { return m_spectrumData; }
  [[nodiscard]] QButtonGroup* Operations() const { return m_operations; }
  [[nodiscard]] const FieldEdits& Fields() const { return m_fields; }
  [[nodiscard]] QPlainTextEdit* Notes() const { return m_notes; }

private:
  [[nodiscard]] FieldTexts Texts() const;
  void FillPoints();
  void OnRun();
  void OnCreateReport();
  void OnSaveRecord();
  void OnSpectrumData(int button);

  CDataListDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  QListWidget* m_points = nullptr;
  QPlainTextEdit* m_notes = nullptr;
  QButtonGroup* m_spectrumData = nullptr;
  QButtonGroup* m_operations = nullptr;
  QPushButton* m_run = nullptr;
  QPushButton* m_saveRecord = nullptr;
  QPushButton* m_createReport = nullptr;
};

} // namespace lumivex::gui

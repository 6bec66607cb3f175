#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace lumivex {
class CGraphSettingDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Graph Settings dialog: shows the fields of a CGraphSettingDlg and writes them back
/// when OK closes it. A number field that does not read as a number keeps the dialog open;
/// the refusal goes through `prompts`.
class GraphSettingDlgView final : public QDialog {
  Q_OBJECT

public:
  GraphSettingDlgView(CGraphSettingDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  void accept() override;

private:
  void LoadFields();
  void LoadXRange();
  void OnUnitClicked(int unit);
  /// Reads every number edit; on the first failure tells the user, focuses that edit and
  /// answers false with the model untouched.
  bool StoreFields();

  CGraphSettingDlg& m_dlg;
  Prompts& m_prompts;

  QLineEdit* m_title = nullptr;
  QLineEdit* m_lineWidth = nullptr;
  QLineEdit* m_xLow = nullptr;
  QLineEdit* m_xHigh = nullptr;
  QButtonGroup* m_units = nullptr;
  QCheckBox* m_xAxisValues = nullptr;
  QLineEdit* m_xPartitions = nullptr;
  QLineEdit* m_yLow = nullptr;
  QLineEdit* m_yHigh = nullptr;
  QButtonGroup* m_quantities = nullptr;
  QCheckBox* m_yAxisValues = nullptr;
  QLineEdit* m_yPartitions = nullptr;
};

} // namespace lumivex::gui

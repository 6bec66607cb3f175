#pragma once

#include "FieldEdits.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;

namespace lumivex {
class CGraphSettingDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Graph Settings dialog: shows the fields of a CGraphSettingDlg and writes them back
/// when OK closes it. A field the model refuses keeps the dialog open; the refusal goes
/// through `prompts`.
class GraphSettingDlgView final : public QDialog {
  Q_OBJECT

public:
  GraphSettingDlgView(CGraphSettingDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  void accept() override;

private:
  void LoadFields();
  void LoadUnit();
  void OnUnitClicked(int unit);

  CGraphSettingDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  QButtonGroup* m_units = nullptr;
  QButtonGroup* m_quantities = nullptr;
  QComboBox* m_secondUnit = nullptr;
};

} // namespace lumivex::gui

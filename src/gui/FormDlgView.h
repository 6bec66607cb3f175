#pragma once

#include "FieldEdits.h"

#include <QDialog>

namespace lumivex {
class CFormDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// Any dialog of plain fields (a CFormDlg): its caption as the title, its notes as lines of
/// text, one row per field and OK and Cancel. OK writes the fields back unless the model
/// refuses one, which the user is told through `prompts` while the dialog stays open.
class FormDlgView final : public QDialog {
  Q_OBJECT

public:
  FormDlgView(CFormDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  void accept() override;

private:
  CFormDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

#pragma once

#include "FieldEdits.h"

#include <QDialog>

namespace lumivex {
class CPeakDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Peak Searching dialog: the spectrum's name, the range and the wavelength found. OK
/// writes the fields back; a range the model refuses keeps the dialog open, told through
/// `prompts`.
class PeakDlgView final : public QDialog {
  Q_OBJECT

public:
  PeakDlgView(CPeakDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

  void accept() override;

private:
  CPeakDlg& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

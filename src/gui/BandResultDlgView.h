#pragma once

#include <QDialog>

namespace lumivex {
class CBandResultDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The results of Measure Band over a CBandResultDlg: its lines, read-only and selectable,
/// "Copy", which hands them to the clipboard through the model and keeps the dialog open,
/// and "Close".
class BandResultDlgView final : public QDialog {
  Q_OBJECT

public:
  BandResultDlgView(CBandResultDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);
};

} // namespace lumivex::gui

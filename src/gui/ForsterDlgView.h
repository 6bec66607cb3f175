#pragma once

#include "ModuleDlgView.h"

namespace lumivex {
class CForsterDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Forster Energy Transfer dialog over a CForsterDlg. "Calculate" writes the edits back
/// (a refused number keeps the dialog open, the refusal going through `prompts`); "Print"
/// and "Create Report" close it without them, as they report the last calculation; both
/// are enabled from the dialog's second showing on.
class ForsterDlgView final : public ModuleDlgView {
  Q_OBJECT

public:
  ForsterDlgView(CForsterDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

private:
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts) override;

  CForsterDlg& m_dlg;
};

} // namespace lumivex::gui

#pragma once

#include "ModuleDlgView.h"

namespace lumivex {
class CStrickleDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Strickler-Berg Calculation of Fluorescence Lifetime dialog over a CStrickleDlg.
/// "Calculate" and "Create Report" write the edits back (a refused number keeps the dialog
/// open, the refusal going through `prompts`); "Print" closes without them. "Print" and
/// "Create Report" are enabled as the model says; compound and solvent are shown only.
class StrickleDlgView final : public ModuleDlgView {
  Q_OBJECT

public:
  StrickleDlgView(CStrickleDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

private:
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts) override;

  CStrickleDlg& m_dlg;
};

} // namespace lumivex::gui

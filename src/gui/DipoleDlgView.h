#pragma once

#include "ModuleDlgView.h"

namespace lumivex {
class CDipoleDlg;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Oscillator Strength Calculation dialog over a CDipoleDlg. "Calculate" and "Create
/// Report" write the edits back (a refused number keeps the dialog open, the refusal going
/// through `prompts`); "Print" closes without them. "Print" and "Create Report" are enabled
/// as the model says.
class DipoleDlgView final : public ModuleDlgView {
  Q_OBJECT

public:
  DipoleDlgView(CDipoleDlg& dlg, Prompts& prompts, QWidget* parent = nullptr);

private:
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts) override;

  CDipoleDlg& m_dlg;
};

} // namespace lumivex::gui

#pragma once

#include "FieldEdits.h"

#include <QDialog>

namespace lumivex {
class CTransSim;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The Transmission Simulation dialog over a CTransSim: the absorption-strength factor.
/// "OK" writes it back unless it is refused (through `prompts`), which keeps the dialog
/// open.
class TransSimView final : public QDialog {
  Q_OBJECT

public:
  TransSimView(CTransSim& dlg, Prompts& prompts, QWidget* parent = nullptr);

  void accept() override;

private:
  CTransSim& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

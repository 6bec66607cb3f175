#pragma once

#include "FieldEdits.h"

#include <QDialog>

namespace lumivex {
class CUsername;
} // namespace lumivex

namespace lumivex::gui {

/// The "Name of User" dialog: shows the name of a CUsername and writes the typed name back
/// when OK closes it; Cancel leaves the model as it was.
class UsernameView final : public QDialog {
  Q_OBJECT

public:
  explicit UsernameView(CUsername& dlg, QWidget* parent = nullptr);

  void accept() override;

private:
  CUsername& m_dlg;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

#pragma once

#include <QDialog>

class QButtonGroup;

namespace lumivex {
class CWizChoose;
} // namespace lumivex

namespace lumivex::gui {

/// "Database Wizard Select": two radio buttons; OK stores the checked one's identifier in
/// the model's choice.
class WizChooseView final : public QDialog {
  Q_OBJECT

public:
  explicit WizChooseView(CWizChoose& choose, QWidget* parent = nullptr);

  void accept() override;

private:
  CWizChoose& m_choose;
  QButtonGroup* m_choices = nullptr;
};

} // namespace lumivex::gui

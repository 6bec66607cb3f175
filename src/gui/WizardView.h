#pragma once

#include <QDialog>

#include <array>
#include <map>
#include <utility>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace lumivex {
class CWizard;
enum class WizardFileKind : int;
} // namespace lumivex

namespace lumivex::gui {

/// The "Database Entry Wizard": the five pages of a CWizard in a tab widget. Every edit box
/// writes its page member as the user types; the file buttons, Enter, Finish and Help go to
/// the model.
class WizardView final : public QDialog {
  Q_OBJECT

public:
  explicit WizardView(CWizard& wizard, QWidget* parent = nullptr);

  /// Finish: closes the wizard when the model accepts its values.
  void accept() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* CreateFilesPage();
  QWidget* CreateFieldsPage(int index);
  /// Binds an edit box to its page member and lets Enter reach the page's rule.
  void Bind(QWidget* edit, int page, int item);
  void OnOpenFile(WizardFileKind kind);
  /// Shows the first page's members: the four paths and the three preview lists.
  void LoadFiles();
  void OnTabChanged(int index);

  CWizard& m_wizard;
  QTabWidget* m_tabs = nullptr;
  QPushButton* m_finish = nullptr;
  std::array<QLineEdit*, 4> m_paths{};
  std::array<QListWidget*, 3> m_previews{};
  /// The page and item of every edit box, for Enter.
  std::map<QObject*, std::pair<int, int>> m_items;
};

} // namespace lumivex::gui

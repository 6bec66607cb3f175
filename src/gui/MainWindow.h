#pragma once

#include "commands/MainFrame.h"
#include "ui/FrameViews.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <optional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace lumivex::gui {

class DatabaseView;
class FileListView;
class GraphView;
class QtPrompts;

/// The main window: menus, toolbar and status bar of the command table, and the Spectra
/// Display, Data File and database windows inside an MDI area. Every command goes to the
/// frame, which answers through the window's views.
class MainWindow final : public QMainWindow, private CFrameViews {
  Q_OBJECT

public:
  /// With no prompts given the window asks the user through Qt dialogs.
  explicit MainWindow(Prompts* prompts = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  [[nodiscard]] CMainFrame& Frame() { return m_frame; }
  /// The action of a command, or null for a command the window does not offer.
  [[nodiscard]] QAction* Action(int id) const;
  [[nodiscard]] QMdiArea* MdiArea() const { return m_mdi; }
  /// The child windows; null until the frame creates them.
  [[nodiscard]] QMdiSubWindow* GraphWindow() const { return m_graphWindow; }
  [[nodiscard]] QMdiSubWindow* FileListWindow() const { return m_fileListWindow; }
  [[nodiscard]] QMdiSubWindow* DatabaseWindow() const { return m_databaseWindow; }
  [[nodiscard]] GraphView* Graph() const { return m_graph; }
  [[nodiscard]] FileListView* FileList() const { return m_fileList; }
  [[nodiscard]] DatabaseView* Database() const { return m_database; }

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// Files dragged over the window are offered to Open Data File and Open Database.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void CreateChildWindows() override;
  void ArrangeWindows() override;
  void InvalidateGraph() override;
  void FileListChanged() override;
  void DatabaseListChanged() override;
  void StructureChanged() override;
  [[nodiscard]] CSize ClientSize() const override;
  [[nodiscard]] CSize GraphClientSize() const override;
  bool SaveGraphImage(const std::string& path) override;
  [[nodiscard]] std::string GraphPicture(PictureFormat format, int scale) override;
  void CopyGraph() override;

  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void Trigger(int id);
  /// Adds a child window showing the toolbar picture of `iconCommand` in its title bar.
  QMdiSubWindow* AddChild(QWidget* content, const QString& title, int iconCommand,
                          bool closeButton);
  /// Shows a keyboard lock: on, off, or greyed while the state is unknown.
  static void ShowLock(QLabel* indicator, std::optional<bool> on);

  std::unique_ptr<QtPrompts> m_ownPrompts;
  CMainFrame m_frame;
  QMdiArea* m_mdi = nullptr;
  std::map<int, QAction*> m_actions;
  QMdiSubWindow* m_graphWindow = nullptr;
  QMdiSubWindow* m_fileListWindow = nullptr;
  QMdiSubWindow* m_databaseWindow = nullptr;
  GraphView* m_graph = nullptr;
  FileListView* m_fileList = nullptr;
  DatabaseView* m_database = nullptr;
  /// CAP, NUM and SCRL.
  std::array<QLabel*, 3> m_locks{};
  bool m_readsLocks = false;
};

} // namespace lumivex::gui

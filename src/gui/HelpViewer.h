#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QUrl;
class QVariant;

namespace lumivex::gui {

/// The help window "Lumivex Help": the topic pages of a help folder in a browser, with a
/// side panel of the contents and a searchable index of the topics, and back, forward and
/// home buttons. Links inside a page open in the window. Each Show method brings the
/// window to the front.
class HelpViewer final : public QWidget {
  Q_OBJECT

public:
  /// `folder` holds the help pages and their contents page index.html.
  explicit HelpViewer(QString folder, QWidget* parent = nullptr);

  /// Shows the topic of a context number; an unknown number shows the contents page and
  /// says so in the status line.
  void ShowTopic(int context);
  /// Shows the contents page and the Contents tab.
  void ShowContents();
  /// Shows the Index tab with the focus in its search field.
  void ShowIndex();

private:
  QWidget* CreateContentsTab();
  QWidget* CreateIndexTab();
  /// Shows a page of the help folder by file name.
  void OpenPage(const QString& file);
  /// Shows the topic of an item's context number; items without one open nothing.
  void OpenContext(const QVariant& context);
  void ShowSearchResults(const QString& query);
  void OpenFirstResult();
  void PageChanged(const QUrl& source);
  void Present();

  QString m_folder;
  QTextBrowser* m_browser = nullptr;
  QTabWidget* m_tabs = nullptr;
  QTreeWidget* m_contents = nullptr;
  QLineEdit* m_search = nullptr;
  QListWidget* m_results = nullptr;
  QToolButton* m_back = nullptr;
  QToolButton* m_forward = nullptr;
  QToolButton* m_home = nullptr;
  QLabel* m_status = nullptr;
};

} // namespace lumivex::gui

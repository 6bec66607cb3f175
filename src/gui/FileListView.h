#pragma once

#include <QAbstractListModel>
#include <QListView>

class QMenu;

namespace lumivex {
class CMainFrame;
class CSpectrumList;
} // namespace lumivex

namespace lumivex::gui {

/// The rows of the Data File list, one per entry of the frame's spectrum list.
class FileListModel final : public QAbstractListModel {
  Q_OBJECT

public:
  explicit FileListModel(const CSpectrumList& list, QObject* parent = nullptr);

  [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

  /// The list's entries changed: every row is read anew.
  void Reload();

private:
  const CSpectrumList& m_list;
};

/// The Data File window: the opened spectra, each in its colour. The user's selection is
/// written to the frame's list; a right click picks the entry under the pointer alone and
/// offers its commands.
class FileListView final : public QListView {
  Q_OBJECT

public:
  explicit FileListView(CMainFrame& frame, QWidget* parent = nullptr);

  /// Shows the list as the frame holds it, selection included.
  void Reload();
  /// The menu a right click opens.
  [[nodiscard]] QMenu* ContextMenu() const { return m_contextMenu; }

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void StoreSelection();

  CMainFrame& m_frame;
  FileListModel* m_model = nullptr;
  QMenu* m_contextMenu = nullptr;
};

} // namespace lumivex::gui

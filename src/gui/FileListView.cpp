#include "FileListView.h"

#include "QtCanvas.h"
#include "commands/MainFrame.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/SpectrumList.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace lumivex::gui {

namespace {

Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// Draws each entry as the engine describes it, in the list's palette.
class FileListDelegate final : public QStyledItemDelegate {
public:
  FileListDelegate(const CSpectrumList& list, QObject* parent)
      : QStyledItemDelegate(parent), m_list(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (index.row() >= m_list.Count()) {
      return;
    }
    const QPalette& palette = option.palette;
    SystemColours colours;
    colours.window = ToRgb(palette.color(QPalette::Base));
    colours.windowText = ToRgb(palette.color(QPalette::Text));
    colours.highlightText = ToRgb(palette.color(QPalette::HighlightedText));
    colours.greyText = ToRgb(palette.color(QPalette::Disabled, QPalette::Text));
    EntryDrawState state;
    state.selected = option.state.testFlag(QStyle::State_Selected);
    state.focused = option.state.testFlag(QStyle::State_HasFocus);
    state.greyed = !option.state.testFlag(QStyle::State_Enabled);
    const QRect& r = option.rect;
    painter->save();
    painter->setFont(option.font);
    QtCanvas canvas(*painter);
    DrawSpectrumListEntry(canvas, {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()},
                          m_list.Entry(index.row()), state, colours);
    painter->restore();
  }

  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                               const QModelIndex& index) const override {
    const QString text = index.data(Qt::DisplayRole).toString();
    return {option.fontMetrics.horizontalAdvance(text), option.fontMetrics.height()};
  }

private:
  const CSpectrumList& m_list;
};

} // namespace

FileListModel::FileListModel(const CSpectrumList& list, QObject* parent)
    : QAbstractListModel(parent), m_list(list) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_list.Count();
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_list.Count() || role != Qt::DisplayRole) {
    return {};
  }
  return QString::fromStdString(m_list.Entry(index.row()).text);
}

void FileListModel::Reload() {
  beginResetModel();
  endResetModel();
}

FileListView::FileListView(CMainFrame& frame, QWidget* parent)
    : QListView(parent), m_frame(frame), m_model(new FileListModel(frame.m_fileList, this)),
      m_contextMenu(new QMenu(this)) {
  setModel(m_model);
  setItemDelegate(new FileListDelegate(frame.m_fileList, this));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &FileListView::StoreSelection);

  const CommandInfo* listData = FindCommand(kIdListData);
  QAction* action = m_contextMenu->addAction(QStringLiteral("List Data"));
  action->setEnabled(IsCommandAvailable(kIdListData));
  if (listData != nullptr) {
    action->setStatusTip(QString::fromStdString(listData->StatusText()));
  }
  connect(action, &QAction::triggered, this, [this] { m_frame.Execute(kIdListData); });
}

void FileListView::Reload() {
  m_model->Reload();
  const CSpectrumList& list = m_frame.m_fileList;
  QItemSelection selection;
  int last = -1;
  for (const int row : list.SelectedIndices(list.Count())) {
    const QModelIndex index = m_model->index(row);
    selection.select(index, index);
    last = row;
  }
  {
    const QSignalBlocker blocker(selectionModel());
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (last >= 0) {
      selectionModel()->setCurrentIndex(m_model->index(last), QItemSelectionModel::NoUpdate);
    }
  }
  if (last >= 0) {
    scrollTo(m_model->index(last));
  }
  viewport()->update();
}

void FileListView::StoreSelection() {
  CSpectrumList& list = m_frame.m_fileList;
  for (int row = 0; row < list.Count(); ++row) {
    list.SetSelected(row, selectionModel()->isRowSelected(row, QModelIndex()));
  }
  // The database window follows the user's choice with the chosen spectrum's structure. A
  // selection that becomes empty (a click below the entries, a list refilled while a dialog
  // takes the focus) leaves the picture as it is: only the Redraw Structure command itself
  // tells the user that it needs a spectrum.
  if (list.SelectedCount() > 0) {
    m_frame.Execute(kIdRedrawStructure);
  }
}

void FileListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QListView::mousePressEvent(event);
    return;
  }
  if (m_frame.m_fileList.SelectedCount() == 0) {
    return;
  }
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) {
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  } else {
    selectionModel()->clearSelection();
  }
  m_contextMenu->popup(event->globalPosition().toPoint());
}

void FileListView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QListView::mouseReleaseEvent(event);
  }
}

} // namespace lumivex::gui

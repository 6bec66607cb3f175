#include "MainWindow.h"

#include "DatabaseView.h"
#include "FileListView.h"
#include "GraphImage.h"
#include "GraphView.h"
#include "QtPrompts.h"
#include "ToolbarIcons.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"
#include "ui/GraphPainter.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>

namespace lumivex::gui {

namespace {

// X11 key-event state bits of the lock keys: Lock is Caps Lock, Mod2 is Num Lock on
// every common keyboard map. Scroll Lock has no bit of its own.
constexpr quint32 kX11LockMask = 1U << 1;
constexpr quint32 kX11NumLockMask = 1U << 4;

QString HelpFolder() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString beside = programFolder + QStringLiteral("/help");
  const QString installed = programFolder + QStringLiteral("/../share/lumivex/help");
  return QDir(beside).exists() || !QDir(installed).exists() ? beside : QDir::cleanPath(installed);
}

// A child window of the frame: it stays open until the frame itself closes.
class FrameChildWindow final : public QMdiSubWindow {
public:
  explicit FrameChildWindow(const CMainFrame& frame) : m_frame(frame) {}

protected:
  void closeEvent(QCloseEvent* event) override {
    if (!m_frame.ChildrenClosable()) {
      event->ignore();
      return;
    }
    QMdiSubWindow::closeEvent(event);
  }

private:
  const CMainFrame& m_frame;
};

QRect ToQRect(const CRect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// The local files among dragged items, as the engine names paths.
std::vector<std::string> LocalFiles(const QMimeData* mime) {
  std::vector<std::string> paths;
  if (mime == nullptr) {
    return paths;
  }
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) {
      paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
  }
  return paths;
}

} // namespace

MainWindow::MainWindow(Prompts* prompts, QWidget* parent)
    : QMainWindow(parent),
      m_ownPrompts(prompts == nullptr ? std::make_unique<QtPrompts>(*this, HelpFolder()) : nullptr),
      m_frame(prompts != nullptr ? *prompts : *m_ownPrompts, *this), m_mdi(new QMdiArea(this)) {
  setWindowTitle(QStringLiteral("LUMIVEX 2.1"));
  setWindowIcon(ToolbarIcon(kIdForster));
  m_frame.m_folders.help = QFile::encodeName(HelpFolder()).toStdString();
  m_frame.m_folders.program =
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  setCentralWidget(m_mdi);
  m_mdi->viewport()->installEventFilter(this);
  setAcceptDrops(true);
  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
}

// The child windows show the frame's state, so they go before the frame does.
MainWindow::~MainWindow() {
  delete m_mdi;
}

QAction* MainWindow::Action(int id) const {
  const auto found = m_actions.find(id);
  return found == m_actions.end() ? nullptr : found->second;
}

void MainWindow::BuildActions() {
  std::map<int, QList<QKeySequence>> keys;
  for (const Accelerator& accelerator : Accelerators()) {
    keys[accelerator.command].append(QKeySequence(QString::fromStdString(accelerator.key)));
  }
  for (const CommandInfo& command : Commands()) {
    auto* action = new QAction(QString::fromStdString(command.menuText), this);
    action->setData(command.id);
    action->setEnabled(IsCommandAvailable(command.id));
    const QString status = QString::fromStdString(command.StatusText());
    action->setStatusTip(status);
    action->setWhatsThis(status);
    if (const std::string tip = command.ToolTip(); !tip.empty()) {
      action->setToolTip(QString::fromStdString(tip));
    }
    if (const auto bound = keys.find(command.id); bound != keys.end()) {
      action->setShortcuts(bound->second);
    }
    const int id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
    // Bound to the window itself as well, so every key works whichever bar shows it.
    addAction(action);
    m_actions.emplace(id, action);
  }
}

void MainWindow::BuildMenus() {
  for (const MenuInfo& menuInfo : MenuBar()) {
    QMenu* menu = menuBar()->addMenu(QString::fromStdString(menuInfo.title));
    for (const int id : menuInfo.items) {
      if (QAction* action = Action(id)) {
        menu->addAction(action);
      }
    }
  }
}

void MainWindow::BuildToolBar() {
  QToolBar* toolBar = addToolBar(QStringLiteral("Toolbar"));
  toolBar->setObjectName(QStringLiteral("toolBar"));
  toolBar->setIconSize(QSize(20, 18));
  for (const int id : ToolBar()) {
    if (id == 0) {
      toolBar->addSeparator();
    } else if (QAction* action = Action(id)) {
      action->setIcon(ToolbarIcon(id));
      toolBar->addAction(action);
    }
  }
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  const char* names[] = {"CAP", "NUM", "SCRL"};
  for (std::size_t i = 0; i < m_locks.size(); ++i) {
    auto* label = new QLabel(QString::fromLatin1(names[i]), bar);
    label->setObjectName(QString::fromLatin1(names[i]));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
    bar->addPermanentWidget(label);
    m_locks[i] = label;
    ShowLock(label, std::nullopt);
  }
  // Only X11 key events carry the lock state; elsewhere the indicators stay greyed.
  m_readsLocks = QGuiApplication::platformName() == QStringLiteral("xcb");
  if (m_readsLocks) {
    qApp->installEventFilter(this);
  }
}

void MainWindow::ShowLock(QLabel* indicator, std::optional<bool> on) {
  indicator->setEnabled(on.has_value());
  indicator->setText(on.value_or(true) ? indicator->objectName() : QString());
}

void MainWindow::Trigger(int id) {
  switch (id) {
  case kIdExit:
    close();
    break;
  case kIdContextHelp:
    QWhatsThis::enterWhatsThisMode();
    break;
  default:
    m_frame.Execute(id);
    break;
  }
}

QMdiSubWindow* MainWindow::AddChild(QWidget* content, const QString& title, int iconCommand,
                                    bool closeButton) {
  auto* window = new FrameChildWindow(m_frame);
  window->setWidget(content);
  window->setWindowTitle(title);
  window->setWindowIcon(ToolbarIcon(iconCommand));
  if (!closeButton) {
    window->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  }
  m_mdi->addSubWindow(window);
  window->show();
  return window;
}

void MainWindow::CreateChildWindows() {
  if (m_graphWindow != nullptr) {
    return;
  }
  m_graph = new GraphView(m_frame);
  connect(m_graph, &GraphView::ReadoutChanged, statusBar(),
          [bar = statusBar()](const QString& text) {
            if (text.isEmpty()) {
              bar->clearMessage();
            } else {
              bar->showMessage(text);
            }
          });
  m_graphWindow = AddChild(m_graph, QStringLiteral("Spectra Display"), kIdOpenDataFile, true);
  m_fileList = new FileListView(m_frame);
  m_fileListWindow = AddChild(m_fileList, QStringLiteral("Data File"), kIdListData, true);
  m_database = new DatabaseView(m_frame);
  m_databaseWindow = AddChild(m_database, QStringLiteral("Database List and Structure Display"),
                              kIdOpenDatabase, false);
  m_mdi->setActiveSubWindow(m_graphWindow);
}

void MainWindow::ArrangeWindows() {
  if (m_graphWindow == nullptr) {
    return;
  }
  const QSize client = m_mdi->viewport()->size();
  const WindowLayout layout = CMainFrame::ArrangeWindows({0, 0, client.width(), client.height()});
  const std::pair<QMdiSubWindow*, CRect> placements[] = {
      {m_graphWindow, layout.graph},
      {m_fileListWindow, layout.fileList},
      {m_databaseWindow, layout.database},
  };
  for (const auto& [child, placement] : placements) {
    if (child->isMaximized() || child->isMinimized()) {
      child->showNormal();
    }
    child->setGeometry(ToQRect(placement));
  }
}

void MainWindow::InvalidateGraph() {
  if (m_graph != nullptr) {
    m_graph->Invalidate();
  }
}

void MainWindow::FileListChanged() {
  if (m_fileList != nullptr) {
    m_fileList->Reload();
  }
}

void MainWindow::DatabaseListChanged() {
  if (m_database != nullptr) {
    m_database->Reload();
  }
}

void MainWindow::StructureChanged() {
  if (m_database != nullptr) {
    m_database->RefreshStructure();
  }
}

// The frame's client area is the MDI area's viewport, as the window arrangement sees it.
CSize MainWindow::ClientSize() const {
  const QSize client = m_mdi->viewport()->size();
  return {client.width(), client.height()};
}

CSize MainWindow::GraphClientSize() const {
  return m_graph != nullptr ? CSize{m_graph->width(), m_graph->height()} : CSize{};
}

bool MainWindow::SaveGraphImage(const std::string& path) {
  return m_graph != nullptr && m_graph->SaveImage(QFile::decodeName(path.c_str()));
}

std::string MainWindow::GraphPicture(PictureFormat format, int scale) {
  if (m_graph == nullptr) {
    return {};
  }
  const QByteArray bytes = format == PictureFormat::Png
                               ? GraphPng(*m_frame.m_pData, m_graph->size(), scale)
                               : GraphPdf(*m_frame.m_pData, m_graph->size());
  return bytes.toStdString();
}

void MainWindow::CopyGraph() {
  if (m_graph == nullptr) {
    return;
  }
  auto* mime = new QMimeData;
  mime->setImageData(m_graph->Picture());
  const QSize size = m_graph->size();
  mime->setData(
      QStringLiteral("image/svg+xml"),
      QByteArray::fromStdString(GraphSvg(*m_frame.m_pData, {size.width(), size.height()}, false)));
  QGuiApplication::clipboard()->setMimeData(mime);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = LocalFiles(event->mimeData());
  if (paths.empty()) {
    return;
  }
  event->acceptProposedAction();
  m_frame.m_workspace.OpenDroppedFiles(paths);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  m_frame.BeginClose();
  QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_mdi->viewport() && event->type() == QEvent::Resize &&
      m_frame.m_workspace.m_framesCreated != 0) {
    ArrangeWindows();
  } else if (m_readsLocks &&
             (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    const quint32 state = static_cast<QKeyEvent*>(event)->nativeModifiers();
    ShowLock(m_locks[0], (state & kX11LockMask) != 0);
    ShowLock(m_locks[1], (state & kX11NumLockMask) != 0);
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace lumivex::gui

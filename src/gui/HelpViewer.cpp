#include "HelpViewer.h"

#include "ui/HelpTopics.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace lumivex::gui {

namespace {

// The item data that holds a topic's context number.
constexpr int kContextRole = Qt::UserRole;

QToolButton* NavigationButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text,
                              const QKeySequence& key) {
  auto* button = new QToolButton(parent);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setText(text);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  button->setShortcut(key);
  button->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
  return button;
}

} // namespace

HelpViewer::HelpViewer(QString folder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_folder(std::move(folder)) {
  setWindowTitle(tr("Lumivex Help"));

  m_back = NavigationButton(this, QStyle::SP_ArrowBack, tr("Back"), QKeySequence::Back);
  m_forward = NavigationButton(this, QStyle::SP_ArrowForward, tr("Forward"), QKeySequence::Forward);
  m_home = NavigationButton(this, QStyle::SP_DirHomeIcon, tr("Home"),
                            QKeySequence(Qt::ALT | Qt::Key_Home));
  m_back->setEnabled(false);
  m_forward->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_back);
  buttons->addWidget(m_forward);
  buttons->addWidget(m_home);
  buttons->addStretch();

  m_browser = new QTextBrowser(this);
  m_browser->setOpenLinks(true);
  m_browser->setOpenExternalLinks(true);

  m_tabs = new QTabWidget(this);
  m_tabs->addTab(CreateContentsTab(), tr("Contents"));
  m_tabs->addTab(CreateIndexTab(), tr("Index"));

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(m_tabs);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 640});

  m_status = new QLabel(this);
  m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
  layout->addWidget(m_status);

  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_home, &QToolButton::clicked, this, [this] { OpenPage(kHelpContentsFile); });
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::PageChanged);

  resize(920, 640);
  OpenPage(kHelpContentsFile);
}

QWidget* HelpViewer::CreateContentsTab() {
  m_contents = new QTreeWidget;
  m_contents->setHeaderHidden(true);
  m_contents->setColumnCount(1);
  for (const HelpGroup& group : HelpGroups()) {
    auto* heading = new QTreeWidgetItem(m_contents, {QString::fromUtf8(group.title)});
    QFont font = heading->font(0);
    font.setBold(true);
    heading->setFont(0, font);
    heading->setFlags(Qt::ItemIsEnabled);
    for (const int context : group.contexts) {
      if (const HelpTopic* topic = FindHelpTopic(context)) {
        auto* item = new QTreeWidgetItem(heading, {QString::fromUtf8(topic->title)});
        item->setData(0, kContextRole, context);
      }
    }
  }
  m_contents->expandAll();
  const auto open = [this](const QTreeWidgetItem* item) {
    OpenContext(item->data(0, kContextRole));
  };
  connect(m_contents, &QTreeWidget::itemClicked, this, open);
  connect(m_contents, &QTreeWidget::itemActivated, this, open);
  return m_contents;
}

QWidget* HelpViewer::CreateIndexTab() {
  auto* page = new QWidget;
  auto* label = new QLabel(tr("&Search"), page);
  m_search = new QLineEdit(page);
  m_search->setPlaceholderText(tr("Search"));
  m_search->setClearButtonEnabled(true);
  label->setBuddy(m_search);
  m_results = new QListWidget(page);

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(label);
  layout->addWidget(m_search);
  layout->addWidget(m_results, 1);

  connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::ShowSearchResults);
  connect(m_search, &QLineEdit::returnPressed, this, &HelpViewer::OpenFirstResult);
  const auto open = [this](const QListWidgetItem* item) { OpenContext(item->data(kContextRole)); };
  connect(m_results, &QListWidget::itemClicked, this, open);
  connect(m_results, &QListWidget::itemActivated, this, open);
  ShowSearchResults(QString());
  return page;
}

void HelpViewer::ShowTopic(int context) {
  if (const HelpTopic* topic = FindHelpTopic(context)) {
    OpenPage(QString::fromUtf8(topic->file));
  } else {
    OpenPage(kHelpContentsFile);
    m_status->setText(
        tr("There is no help topic %1; the contents are shown instead.").arg(context));
  }
  Present();
}

void HelpViewer::ShowContents() {
  OpenPage(kHelpContentsFile);
  m_tabs->setCurrentIndex(0);
  Present();
}

void HelpViewer::ShowIndex() {
  m_tabs->setCurrentIndex(1);
  Present();
  m_search->setFocus(Qt::OtherFocusReason);
  m_search->selectAll();
}

void HelpViewer::OpenPage(const QString& file) {
  const QFileInfo page(QDir(m_folder), file);
  if (!page.isFile()) {
    m_status->setText(tr("The help page %1 was not found.").arg(page.absoluteFilePath()));
    return;
  }
  const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
  if (m_browser->source() != url) {
    m_browser->setSource(url);
  }
}

void HelpViewer::ShowSearchResults(const QString& query) {
  m_results->clear();
  for (const HelpTopic* topic : SearchHelpTopics(query.toUtf8().toStdString())) {
    auto* item = new QListWidgetItem(QString::fromUtf8(topic->title), m_results);
    item->setData(kContextRole, topic->context);
  }
  if (m_results->count() == 0) {
    auto* none = new QListWidgetItem(tr("No topic found"), m_results);
    none->setFlags(Qt::NoItemFlags);
  }
}

void HelpViewer::OpenFirstResult() {
  if (m_results->count() > 0) {
    OpenContext(m_results->item(0)->data(kContextRole));
  }
}

void HelpViewer::OpenContext(const QVariant& context) {
  if (context.isValid()) {
    ShowTopic(context.toInt());
  }
}

void HelpViewer::PageChanged(const QUrl& source) {
  m_status->clear();
  const QString file = source.fileName();
  QTreeWidgetItem* current = nullptr;
  for (int g = 0; g < m_contents->topLevelItemCount() && current == nullptr; ++g) {
    QTreeWidgetItem* heading = m_contents->topLevelItem(g);
    for (int t = 0; t < heading->childCount() && current == nullptr; ++t) {
      const HelpTopic* topic = FindHelpTopic(heading->child(t)->data(0, kContextRole).toInt());
      if (topic != nullptr && file == QString::fromUtf8(topic->file)) {
        current = heading->child(t);
      }
    }
  }
  m_contents->setCurrentItem(current);
}

void HelpViewer::Present() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

} // namespace lumivex::gui

#include "WizardView.h"

#include "database/Wizard.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstddef>

namespace lumivex::gui {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QLabel* NoteLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setWordWrap(true);
  return label;
}

} // namespace

WizardView::WizardView(CWizard& wizard, QWidget* parent) : QDialog(parent), m_wizard(wizard) {
  setWindowTitle(QString::fromUtf8(kWizardTitle));

  m_tabs = new QTabWidget(this);
  m_tabs->setObjectName(QStringLiteral("pages"));
  m_tabs->addTab(CreateFilesPage(), QString::fromUtf8(m_wizard.m_tabs.m_tab1.TabText()));
  for (int index = 1; index < CWizardTabCtrl::kPageCount; ++index) {
    m_tabs->addTab(CreateFieldsPage(index),
                   QString::fromUtf8(m_wizard.m_tabs.Page(index).TabText()));
  }
  m_tabs->setCurrentIndex(m_wizard.m_tabs.m_current);
  connect(m_tabs, &QTabWidget::currentChanged, this, &WizardView::OnTabChanged);

  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_finish = new QPushButton(QStringLiteral("Finish"), this);
  auto* help = new QPushButton(QStringLiteral("Help"), this);
  m_finish->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &WizardView::reject);
  connect(m_finish, &QPushButton::clicked, this, &WizardView::accept);
  connect(help, &QPushButton::clicked, this, [this] { m_wizard.OnHelp(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(m_finish);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs, 1);
  layout->addLayout(buttons);
  LoadFiles();
}

QWidget* WizardView::CreateFilesPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  CWizardTab1& tab = m_wizard.m_tabs.m_tab1;
  int row = 0;
  for (const WizardFileButton& file : WizardFileButtons()) {
    const auto index = static_cast<std::size_t>(file.kind);
    const int item = static_cast<int>(index) + 1;
    auto* button = new QPushButton(QString::fromUtf8(file.text), page);
    button->setObjectName(QStringLiteral("open%1").arg(item));
    button->setAutoDefault(false);
    auto* path = new QLineEdit(page);
    path->setObjectName(QStringLiteral("item%1").arg(item));
    m_paths[index] = path;
    connect(button, &QPushButton::clicked, this, [this, kind = file.kind] { OnOpenFile(kind); });
    connect(path, &QLineEdit::textChanged, this,
            [&tab, index](const QString& text) { tab.m_files[index].path = text.toStdString(); });
    Bind(path, 0, item);
    grid->addWidget(button, row, 0);
    grid->addWidget(path, row, 1);
    ++row;
    if (file.preview != 0) {
      auto* preview = new QListWidget(page);
      preview->setObjectName(QStringLiteral("preview%1").arg(item));
      preview->setMaximumHeight(90);
      m_previews[index] = preview;
      grid->addWidget(preview, row, 1);
      ++row;
    }
  }
  for (const char* note : tab.Notes()) {
    grid->addWidget(NoteLabel(note, page), row++, 0, 1, 2);
  }
  grid->setColumnStretch(1, 1);
  return page;
}

QWidget* WizardView::CreateFieldsPage(int index) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  CWizardPage& model = m_wizard.m_tabs.Page(index);
  for (const WizardField& field : model.Fields()) {
    auto* label = new QLabel(QString::fromUtf8(field.label), page);
    layout->addWidget(label);
    std::string* text = field.text;
    QWidget* edit = nullptr;
    if (field.multiLine) {
      auto* box = new QPlainTextEdit(Text(*text), page);
      connect(box, &QPlainTextEdit::textChanged, this,
              [box, text] { *text = box->toPlainText().toStdString(); });
      box->setTabChangesFocus(true);
      edit = box;
    } else {
      auto* line = new QLineEdit(Text(*text), page);
      connect(line, &QLineEdit::textChanged, this,
              [text](const QString& value) { *text = value.toStdString(); });
      edit = line;
    }
    edit->setObjectName(QStringLiteral("item%1").arg(field.item));
    label->setBuddy(edit);
    layout->addWidget(edit, field.multiLine ? 1 : 0);
    Bind(edit, index, field.item);
  }
  for (const char* note : model.Notes()) {
    layout->addWidget(NoteLabel(note, page));
  }
  layout->addStretch();
  return page;
}

void WizardView::Bind(QWidget* edit, int page, int item) {
  m_items[edit] = {page, item};
  edit->installEventFilter(this);
}

bool WizardView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const auto found = m_items.find(watched);
  if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || found == m_items.end()) {
    return QDialog::eventFilter(watched, event);
  }
  const auto [page, item] = found->second;
  switch (m_wizard.m_tabs.Page(page).EnterKey(item)) {
  case WizardEnterKey::NextField:
    focusNextPrevChild(true);
    return true;
  case WizardEnterKey::NewLine:
    return false;
  case WizardEnterKey::Finish:
    m_finish->click();
    return true;
  }
  return false;
}

void WizardView::OnOpenFile(WizardFileKind kind) {
  if (m_wizard.OnOpenFile(kind)) {
    LoadFiles();
  }
}

void WizardView::LoadFiles() {
  const CWizardTab1& tab = m_wizard.m_tabs.m_tab1;
  for (std::size_t i = 0; i < m_paths.size(); ++i) {
    const QSignalBlocker blocker(m_paths[i]);
    m_paths[i]->setText(Text(tab.m_files[i].path));
  }
  for (std::size_t i = 0; i < m_previews.size(); ++i) {
    m_previews[i]->clear();
    for (const std::string& line : tab.m_previews[i]) {
      m_previews[i]->addItem(Text(line));
    }
  }
}

void WizardView::OnTabChanged(int index) {
  if (!m_wizard.m_tabs.OnTabClicked(index)) {
    return;
  }
  // The page on show takes the keyboard focus in its first edit box.
  QWidget* first = nullptr;
  int firstItem = 0;
  for (const auto& [edit, place] : m_items) {
    if (place.first == index && (first == nullptr || place.second < firstItem)) {
      first = static_cast<QWidget*>(edit);
      firstItem = place.second;
    }
  }
  if (first != nullptr) {
    first->setFocus(Qt::TabFocusReason);
  }
}

void WizardView::accept() {
  if (m_wizard.OnFinish()) {
    QDialog::accept();
  }
}

} // namespace lumivex::gui

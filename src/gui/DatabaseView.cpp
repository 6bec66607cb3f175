#include "DatabaseView.h"

#include "QtCanvas.h"
#include "commands/MainFrame.h"
#include "database/StructureDlg.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lumivex::gui {

namespace {

// The popup items that open a spectrum, by menu identifier.
constexpr int kMenuAbsorption = 42829;
constexpr int kMenuEmission = 42830;
constexpr int kMenuLightSources = 42849;
constexpr int kMenuListData = 42840;

// The frame around the picture: the 240 x 200 picture at (1, 7) and a margin.
constexpr QSize kStructureFrameSize{243, 212};

} // namespace

StructureFrame::StructureFrame(const CMainFrame& frame, QWidget* parent)
    : QWidget(parent), m_frame(frame) {
  setFixedSize(kStructureFrameSize);
  setObjectName(QStringLiteral("structureFrame"));
}

void StructureFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  QtCanvas canvas(painter);
  m_frame.m_databaseList.PaintStructure(canvas);
}

DatabaseView::DatabaseView(CMainFrame& frame, QWidget* parent)
    : QWidget(parent), m_frame(frame), m_structure(new StructureFrame(frame, this)),
      m_list(new QListWidget(this)), m_total(new QLineEdit(this)), m_popup(new QMenu(this)) {
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setObjectName(QStringLiteral("databaseList"));
  m_total->setReadOnly(true);
  m_total->setObjectName(QStringLiteral("totalNumber"));

  CStructureDlg& model = m_frame.m_databaseList;
  const std::pair<const char*, void (CStructureDlg::*)()> buttons[] = {
      {"Alphabetical", &CStructureDlg::OnAlphabetical},
      {"Classes", &CStructureDlg::OnClasses},
      {"Reset", &CStructureDlg::OnReset},
      {"Save List", &CStructureDlg::OnSaveList},
  };
  auto* grid = new QGridLayout;
  int cell = 0;
  for (const auto& [text, handler] : buttons) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    connect(button, &QPushButton::clicked, this,
            [&model, handler = handler] { (model.*handler)(); });
    grid->addWidget(button, cell / 2, cell % 2);
    ++cell;
  }
  grid->addWidget(new QLabel(QStringLiteral("Total number"), this), 2, 0);
  grid->addWidget(m_total, 2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(m_structure, 0, Qt::AlignHCenter);
  layout->addWidget(m_list, 1);
  layout->addLayout(grid);

  connect(m_list, &QListWidget::itemSelectionChanged, this, &DatabaseView::ShowSelected);
  // A right click on a name offers its menu again, also for the name already selected.
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_list, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QListWidgetItem* item = m_list->itemAt(at);
    if (item == nullptr) {
      return;
    }
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentItem(item);
    ShowSelected();
  });
  Reload();
}

QPushButton* DatabaseView::Button(const QString& text) const {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (button->text() == text) {
      return button;
    }
  }
  return nullptr;
}

void DatabaseView::Reload() {
  const CStructureDlg& model = m_frame.m_databaseList;
  const QSignalBlocker blocker(m_list);
  m_list->clear();
  for (const DatabaseListEntry& entry : model.Entries()) {
    m_list->addItem(QString::fromStdString(entry.name));
  }
  if (model.Selected() >= 0) {
    m_list->setCurrentRow(model.Selected());
  }
  m_total->setText(QString::fromStdString(model.TotalNumber()));
}

void DatabaseView::RefreshStructure() {
  m_structure->update();
}

void DatabaseView::ShowSelected() {
  CStructureDlg& model = m_frame.m_databaseList;
  const QList<QListWidgetItem*> selected = m_list->selectedItems();
  model.Select(selected.isEmpty() ? -1 : m_list->row(selected.front()));
  const std::vector<PopupMenuItem> items = model.ShowSelected();
  if (items.empty()) {
    return;
  }
  m_popup->clear();
  for (const PopupMenuItem& item : items) {
    QAction* action = m_popup->addAction(QString::fromStdString(item.text));
    action->setEnabled(item.enabled);
    const int id = item.id;
    connect(action, &QAction::triggered, this, [&model, id] {
      switch (id) {
      case kMenuAbsorption:
        model.OnAbsorption();
        break;
      case kMenuEmission:
        model.OnEmission();
        break;
      case kMenuLightSources:
        model.OnLightSources();
        break;
      case kMenuListData:
        model.OnListData();
        break;
      default:
        break;
      }
    });
  }
  m_popup->popup(QCursor::pos());
}

SortDBView::SortDBView(CSortDB& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_classes(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Database Sorting Based on Classes"));
  m_classes->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& name : m_model.m_classes) {
    m_classes->addItem(QString::fromStdString(name));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Classes in database"), this));
  layout->addWidget(m_classes);
  layout->addWidget(buttons);
}

void SortDBView::accept() {
  m_model.m_chosen.assign(m_model.m_classes.size(), false);
  for (int row = 0; row < m_classes->count(); ++row) {
    m_model.m_chosen[static_cast<std::size_t>(row)] = m_classes->item(row)->isSelected();
  }
  QDialog::accept();
}

} // namespace lumivex::gui

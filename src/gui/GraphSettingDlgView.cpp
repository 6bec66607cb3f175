#include "GraphSettingDlgView.h"

#include "core/Prompts.h"
#include "core/Units.h"
#include "ui/AxisTicks.h"
#include "ui/GraphSettingDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace lumivex::gui {

namespace {

// "Low [ ]  High [ ]" on one row of a grid.
void AddRangeRow(QGridLayout* grid, int row, const FieldEdits& fields, const char* low,
                 const char* high) {
  auto* line = new QHBoxLayout;
  line->addWidget(fields.Label(low));
  line->addWidget(fields.Edit(low));
  line->addSpacing(12);
  line->addWidget(fields.Label(high));
  line->addWidget(fields.Edit(high));
  line->addStretch();
  grid->addLayout(line, row, 0);
}

// "[x] Axis values    Partitions [ ]" on one row of a grid.
void AddAxisRow(QGridLayout* grid, int row, const FieldEdits& fields, const char* values,
                const char* partitions) {
  auto* line = new QHBoxLayout;
  line->addWidget(fields.Check(values));
  line->addWidget(fields.Label(values));
  line->addStretch();
  line->addWidget(fields.Label(partitions));
  line->addWidget(fields.Edit(partitions));
  grid->addLayout(line, row, 0);
}

} // namespace

GraphSettingDlgView::GraphSettingDlgView(CGraphSettingDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QStringLiteral("Graph Settings"));

  for (const char* range : {"xLow", "xHigh", "yLow", "yHigh"}) {
    m_fields.Edit(range)->setMaximumWidth(110);
  }
  for (const char* integer : {"lineWidth", "xPartitions", "yPartitions"}) {
    m_fields.Edit(integer)->setMinimumWidth(0);
    m_fields.Edit(integer)->setMaximumWidth(60);
  }
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(m_fields.Label("title"));
  titleRow->addWidget(m_fields.Edit("title"), 1);
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(m_fields.Label("lineWidth"));
  widthRow->addWidget(m_fields.Edit("lineWidth"));
  widthRow->addStretch();

  // The x axis: range in the checked unit, the unit, labels and partitions.
  auto* scale = new QGroupBox(QStringLiteral("Scale selection"), this);
  auto* scaleGrid = new QGridLayout(scale);
  AddRangeRow(scaleGrid, 0, m_fields, "xLow", "xHigh");
  m_units = new QButtonGroup(this);
  auto* unitColumn = new QVBoxLayout;
  for (int unit = 0; unit < kXUnitCount; ++unit) {
    auto* radio = new QRadioButton(QString::fromUtf8(UnitRadioText(unit)).trimmed(), scale);
    radio->setObjectName(QStringLiteral("unit%1").arg(unit));
    m_units->addButton(radio, unit);
    unitColumn->addWidget(radio);
  }
  unitColumn->addStretch();
  scaleGrid->addLayout(unitColumn, 1, 0);
  AddAxisRow(scaleGrid, 2, m_fields, "xAxisValues", "xPartitions");

  // The y axis: range, the quantity by kind of spectrum, labels and partitions.
  auto* intensity = new QGroupBox(QStringLiteral("Intensity control"), this);
  auto* intensityGrid = new QGridLayout(intensity);
  AddRangeRow(intensityGrid, 0, m_fields, "yLow", "yHigh");
  m_quantities = new QButtonGroup(this);
  auto* kinds = new QHBoxLayout;
  const auto addKind = [&](const char* title, std::initializer_list<GraphQuantity> quantities) {
    auto* group = new QGroupBox(QString::fromLatin1(title), intensity);
    auto* column = new QVBoxLayout(group);
    for (const GraphQuantity quantity : quantities) {
      auto* radio = new QRadioButton(QString::fromUtf8(GraphQuantityText(quantity)), group);
      radio->setObjectName(QStringLiteral("quantity%1").arg(static_cast<int>(quantity)));
      m_quantities->addButton(radio, static_cast<int>(quantity));
      column->addWidget(radio);
    }
    column->addStretch();
    kinds->addWidget(group);
  };
  addKind("Abs", {GraphQuantity::Absorption, GraphQuantity::Epsilon, GraphQuantity::LogEpsilon});
  addKind("Ems", {GraphQuantity::Fluorescence, GraphQuantity::Intensity});
  addKind("Light source", {GraphQuantity::Irradiance});
  intensityGrid->addLayout(kinds, 1, 0);
  AddAxisRow(intensityGrid, 2, m_fields, "yAxisValues", "yPartitions");

  auto* groups = new QHBoxLayout;
  groups->addWidget(scale);
  groups->addWidget(intensity);

  // Reading aids: legend, round ticks, units in titles, the second x axis and its unit.
  auto* aids = new QGroupBox(QStringLiteral("Reading aids"), this);
  auto* aidsRow = new QHBoxLayout(aids);
  for (const char* check : {"showLegend", "roundTicks", "unitTitles", "secondXAxis"}) {
    aidsRow->addWidget(m_fields.Check(check));
    aidsRow->addWidget(m_fields.Label(check));
    aidsRow->addSpacing(8);
  }
  m_secondUnit = new QComboBox(aids);
  m_secondUnit->setObjectName(QStringLiteral("secondXUnit"));
  m_secondUnit->setToolTip(
      QStringLiteral("Unit of the top axis over wavelengths; over an energy axis it reads nm"));
  for (const XUnit unit : kSecondAxisUnits) {
    m_secondUnit->addItem(QString::fromUtf8(UnitRadioText(static_cast<int>(unit))).trimmed(),
                          static_cast<int>(unit));
  }
  aidsRow->addWidget(m_secondUnit);
  aidsRow->addStretch();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &GraphSettingDlgView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GraphSettingDlgView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(titleRow);
  layout->addLayout(widthRow);
  layout->addLayout(groups);
  layout->addWidget(aids);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  LoadFields();
  connect(m_units, &QButtonGroup::idClicked, this, &GraphSettingDlgView::OnUnitClicked);
}

void GraphSettingDlgView::LoadFields() {
  const QSignalBlocker quantitiesBlocker(m_quantities);
  m_fields.Load(m_dlg.Fields());
  LoadUnit();
  if (const int index = m_secondUnit->findData(m_dlg.m_secondXUnit); index >= 0) {
    m_secondUnit->setCurrentIndex(index);
  }
  for (const GraphQuantity quantity : kGraphQuantities) {
    QAbstractButton* radio = m_quantities->button(static_cast<int>(quantity));
    radio->setEnabled(m_dlg.IsEnabled(quantity));
    radio->setChecked(quantity == m_dlg.m_quantity);
  }
}

void GraphSettingDlgView::LoadUnit() {
  const QSignalBlocker blocker(m_units);
  if (QAbstractButton* radio = m_units->button(m_dlg.m_unit)) {
    radio->setChecked(true);
  }
}

void GraphSettingDlgView::OnUnitClicked(int unit) {
  const FieldTexts texts = m_fields.Texts();
  m_dlg.SelectUnit(unit, texts.at("xLow"), texts.at("xHigh"));
  // Only the range changed; the other edits keep what the user typed.
  std::vector<DialogField> range;
  for (const DialogField& field : m_dlg.Fields()) {
    if (field.key == std::string_view("xLow") || field.key == std::string_view("xHigh")) {
      range.push_back(field);
    }
  }
  m_fields.Load(range);
  LoadUnit();
}

void GraphSettingDlgView::accept() {
  std::optional<GraphQuantity> quantity;
  if (const int checked = m_quantities->checkedId(); checked >= 0) {
    quantity = static_cast<GraphQuantity>(checked);
  }
  m_dlg.m_secondXUnit = m_secondUnit->currentData().toInt();
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts(), quantity)) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  QDialog::accept();
}

} // namespace lumivex::gui

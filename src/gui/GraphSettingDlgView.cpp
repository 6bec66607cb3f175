#include "GraphSettingDlgView.h"

#include "core/Prompts.h"
#include "core/Units.h"
#include "ui/GraphSettingDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
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

namespace lumivex::gui {

namespace {

QString FieldText(float value) {
  return QString::number(static_cast<double>(value), 'g', 6);
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaximumWidth(110);
  return edit;
}

// "Low [ ]  High [ ]" on one row of a grid.
void AddRangeRow(QGridLayout* grid, int row, QLineEdit* low, QLineEdit* high) {
  auto* lowLabel = new QLabel(QStringLiteral("Low"));
  auto* highLabel = new QLabel(QStringLiteral("High"));
  lowLabel->setBuddy(low);
  highLabel->setBuddy(high);
  auto* line = new QHBoxLayout;
  line->addWidget(lowLabel);
  line->addWidget(low);
  line->addSpacing(12);
  line->addWidget(highLabel);
  line->addWidget(high);
  line->addStretch();
  grid->addLayout(line, row, 0);
}

// "[x] Axis values    Partitions [ ]" on one row of a grid.
void AddAxisRow(QGridLayout* grid, int row, QCheckBox* values, QLineEdit* partitions) {
  auto* label = new QLabel(QStringLiteral("Partitions"));
  label->setBuddy(partitions);
  partitions->setMaximumWidth(60);
  auto* line = new QHBoxLayout;
  line->addWidget(values);
  line->addStretch();
  line->addWidget(label);
  line->addWidget(partitions);
  grid->addLayout(line, row, 0);
}

} // namespace

GraphSettingDlgView::GraphSettingDlgView(CGraphSettingDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts) {
  setWindowTitle(QStringLiteral("Graph Settings"));

  m_title = new QLineEdit(this);
  m_title->setObjectName(QStringLiteral("title"));
  m_lineWidth = NumberEdit("lineWidth", this);
  m_lineWidth->setMaximumWidth(60);
  auto* titleLabel = new QLabel(QStringLiteral("Title:"));
  titleLabel->setBuddy(m_title);
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(titleLabel);
  titleRow->addWidget(m_title, 1);
  auto* widthLabel =
      new QLabel(QStringLiteral("Line thickness (if value < 2 the emission line is dashed):"));
  widthLabel->setBuddy(m_lineWidth);
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(widthLabel);
  widthRow->addWidget(m_lineWidth);
  widthRow->addStretch();

  // The x axis: range in the checked unit, the unit, labels and partitions.
  auto* scale = new QGroupBox(QStringLiteral("Scale selection"), this);
  auto* scaleGrid = new QGridLayout(scale);
  m_xLow = NumberEdit("xLow", scale);
  m_xHigh = NumberEdit("xHigh", scale);
  AddRangeRow(scaleGrid, 0, m_xLow, m_xHigh);
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
  m_xAxisValues = new QCheckBox(QStringLiteral("X Axis values"), scale);
  m_xAxisValues->setObjectName(QStringLiteral("xAxisValues"));
  m_xPartitions = NumberEdit("xPartitions", scale);
  AddAxisRow(scaleGrid, 2, m_xAxisValues, m_xPartitions);

  // The y axis: range, the quantity by kind of spectrum, labels and partitions.
  auto* intensity = new QGroupBox(QStringLiteral("Intensity control"), this);
  auto* intensityGrid = new QGridLayout(intensity);
  m_yLow = NumberEdit("yLow", intensity);
  m_yHigh = NumberEdit("yHigh", intensity);
  AddRangeRow(intensityGrid, 0, m_yLow, m_yHigh);
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
  m_yAxisValues = new QCheckBox(QStringLiteral("Y Axis values"), intensity);
  m_yAxisValues->setObjectName(QStringLiteral("yAxisValues"));
  m_yPartitions = NumberEdit("yPartitions", intensity);
  AddAxisRow(intensityGrid, 2, m_yAxisValues, m_yPartitions);

  auto* groups = new QHBoxLayout;
  groups->addWidget(scale);
  groups->addWidget(intensity);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &GraphSettingDlgView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GraphSettingDlgView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(titleRow);
  layout->addLayout(widthRow);
  layout->addLayout(groups);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  LoadFields();
  connect(m_units, &QButtonGroup::idClicked, this, &GraphSettingDlgView::OnUnitClicked);
}

void GraphSettingDlgView::LoadFields() {
  const QSignalBlocker unitsBlocker(m_units);
  const QSignalBlocker quantitiesBlocker(m_quantities);
  m_title->setText(QString::fromStdString(m_dlg.m_title));
  m_lineWidth->setText(QString::number(m_dlg.m_lineWidth));
  LoadXRange();
  m_xAxisValues->setChecked(m_dlg.m_xAxisValues);
  m_xPartitions->setText(QString::number(m_dlg.m_xPartitions));
  m_yLow->setText(FieldText(m_dlg.m_yLow));
  m_yHigh->setText(FieldText(m_dlg.m_yHigh));
  for (const GraphQuantity quantity : kGraphQuantities) {
    QAbstractButton* radio = m_quantities->button(static_cast<int>(quantity));
    radio->setEnabled(m_dlg.IsEnabled(quantity));
    radio->setChecked(quantity == m_dlg.m_quantity);
  }
  m_yAxisValues->setChecked(m_dlg.m_yAxisValues);
  m_yPartitions->setText(QString::number(m_dlg.m_yPartitions));
}

void GraphSettingDlgView::LoadXRange() {
  const QSignalBlocker blocker(m_units);
  m_xLow->setText(FieldText(m_dlg.m_xLow));
  m_xHigh->setText(FieldText(m_dlg.m_xHigh));
  if (QAbstractButton* radio = m_units->button(m_dlg.m_unit)) {
    radio->setChecked(true);
  }
}

void GraphSettingDlgView::OnUnitClicked(int unit) {
  // The range as the user left it is what gets converted.
  const std::optional<float> low = ParseFloatField(m_xLow->text().toStdString());
  const std::optional<float> high = ParseFloatField(m_xHigh->text().toStdString());
  if (low && high) {
    m_dlg.m_xLow = *low;
    m_dlg.m_xHigh = *high;
  }
  m_dlg.SelectUnit(unit);
  LoadXRange();
}

bool GraphSettingDlgView::StoreFields() {
  struct NumberField {
    QLineEdit* edit;
    float* number;
    int* integer;
  };
  float xLow = 0.0f;
  float xHigh = 0.0f;
  float yLow = 0.0f;
  float yHigh = 0.0f;
  int lineWidth = 0;
  int xPartitions = 0;
  int yPartitions = 0;
  const NumberField fields[] = {
      {m_lineWidth, nullptr, &lineWidth},     {m_xLow, &xLow, nullptr}, {m_xHigh, &xHigh, nullptr},
      {m_xPartitions, nullptr, &xPartitions}, {m_yLow, &yLow, nullptr}, {m_yHigh, &yHigh, nullptr},
      {m_yPartitions, nullptr, &yPartitions},
  };
  for (const NumberField& field : fields) {
    const std::string text = field.edit->text().toStdString();
    bool read = false;
    if (field.number != nullptr) {
      const std::optional<float> value = ParseFloatField(text);
      read = value.has_value();
      *field.number = value.value_or(0.0f);
    } else {
      const std::optional<int> value = ParseIntField(text);
      read = value.has_value();
      *field.integer = value.value_or(0);
    }
    if (!read) {
      m_prompts.Message(field.number != nullptr ? kPleaseEnterNumber : kPleaseEnterInteger,
                        kApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
      field.edit->setFocus();
      field.edit->selectAll();
      return false;
    }
  }
  m_dlg.m_title = m_title->text().toStdString();
  m_dlg.m_lineWidth = lineWidth;
  m_dlg.m_xLow = xLow;
  m_dlg.m_xHigh = xHigh;
  m_dlg.m_xAxisValues = m_xAxisValues->isChecked();
  m_dlg.m_xPartitions = xPartitions;
  m_dlg.m_yLow = yLow;
  m_dlg.m_yHigh = yHigh;
  if (const int quantity = m_quantities->checkedId(); quantity >= 0) {
    m_dlg.m_quantity = static_cast<GraphQuantity>(quantity);
  }
  m_dlg.m_yAxisValues = m_yAxisValues->isChecked();
  m_dlg.m_yPartitions = yPartitions;
  return true;
}

void GraphSettingDlgView::accept() {
  if (StoreFields()) {
    QDialog::accept();
  }
}

} // namespace lumivex::gui

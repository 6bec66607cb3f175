#include "DataListDlgView.h"

#include "curves/DataListDlg.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <initializer_list>

namespace lumivex::gui {

namespace {

QGroupBox* FieldGroup(const char* title, const FieldEdits& edits,
                      std::initializer_list<const char*> keys, QWidget* parent) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  auto* form = new QFormLayout(group);
  for (const char* key : keys) {
    AddFieldRow(form, edits, key);
  }
  return group;
}

} // namespace

DataListDlgView::DataListDlgView(CDataListDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this),
      m_points(new QListWidget(this)), m_notes(new QPlainTextEdit(this)),
      m_spectrumData(new QButtonGroup(this)), m_operations(new QButtonGroup(this)),
      m_run(new QPushButton(QStringLiteral("Run"), this)),
      m_saveRecord(new QPushButton(QStringLiteral("Save Record"), this)),
      m_createReport(new QPushButton(QStringLiteral("Create Report"), this)) {
  setWindowTitle(QStringLiteral("Data Information and Editor"));
  m_fields.Load(m_dlg.Fields());

  // The points: wavelength and intensity in fixed columns.
  m_points->setObjectName(QStringLiteral("points"));
  m_points->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_points->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_points->setMinimumWidth(260);
  auto* pointsColumn = new QVBoxLayout;
  pointsColumn->addWidget(new QLabel(QStringLiteral("Wavelength          Intensity"), this));
  pointsColumn->addWidget(m_points, 1);

  auto* spectrumGroup = new QGroupBox(QStringLiteral("Spectrum Data"), this);
  auto* spectrumLayout = new QVBoxLayout(spectrumGroup);
  for (const SpectrumDataButton button :
       {SpectrumDataButton::Absorption, SpectrumDataButton::Emission,
        SpectrumDataButton::LightSource}) {
    auto* radio = new QRadioButton(QString::fromLatin1(SpectrumDataButtonText(button)));
    const int id = static_cast<int>(button);
    const auto slot =
        static_cast<std::size_t>(id - static_cast<int>(SpectrumDataButton::Absorption));
    radio->setEnabled(m_dlg.m_buttonEnabled[slot]);
    radio->setChecked(button == m_dlg.m_button);
    m_spectrumData->addButton(radio, id);
    spectrumLayout->addWidget(radio);
  }
  connect(m_spectrumData, &QButtonGroup::idClicked, this, &DataListDlgView::OnSpectrumData);
  pointsColumn->addWidget(spectrumGroup);

  auto* noiseGroup = new QGroupBox(QStringLiteral("Noise processing"), this);
  auto* noiseLayout = new QVBoxLayout(noiseGroup);
  for (const NoiseOperation operation :
       {NoiseOperation::AddShift, NoiseOperation::Replace, NoiseOperation::Smooth}) {
    auto* radio = new QRadioButton(QString::fromLatin1(NoiseOperationText(operation)));
    radio->setChecked(operation == m_dlg.m_operation);
    m_operations->addButton(radio, static_cast<int>(operation));
    noiseLayout->addWidget(radio);
  }
  auto* valueRow = new QHBoxLayout;
  valueRow->addWidget(m_fields.Label("value"));
  valueRow->addWidget(m_fields.Widget("value"), 1);
  valueRow->addWidget(m_run);
  noiseLayout->addLayout(valueRow);
  pointsColumn->addWidget(noiseGroup);

  // The record: its name and class, the three sections, and the notes and files.
  m_notes->setObjectName(QStringLiteral("notesText"));
  m_notes->setPlainText(QString::fromStdString(m_dlg.m_values.emsNotes));
  m_fields.Widget("notes")->hide();
  auto* recordGrid = new QGridLayout;
  recordGrid->addWidget(FieldGroup("Compound", m_fields, {"name", "class"}, this), 0, 0);
  recordGrid->addWidget(FieldGroup("Absorption", m_fields,
                                   {"absInstrument", "absSolvent", "epsilon", "epsilonWavelength",
                                    "absDate", "absExperimentalist"},
                                   this),
                        1, 0);
  recordGrid->addWidget(
      FieldGroup("Fluorescence", m_fields,
                 {"emsInstrument", "emsSolvent", "quantumYield", "emsExperimentalist", "emsDate"},
                 this),
      1, 1);
  recordGrid->addWidget(
      FieldGroup("Light Source", m_fields,
                 {"lsInstrument", "location", "time", "cloud", "lsExperimentalist", "lsDate"},
                 this),
      0, 1);
  QGroupBox* files = FieldGroup("Files and references", m_fields,
                                {"absReference", "emsReference", "lsReference", "absFile",
                                 "emsFile", "lsFile", "structure", "provided"},
                                this);
  recordGrid->addWidget(files, 2, 0);
  auto* notesGroup = new QGroupBox(QString::fromLatin1("Notes"), this);
  auto* notesLayout = new QVBoxLayout(notesGroup);
  m_fields.Label("notes")->hide();
  notesLayout->addWidget(m_notes);
  recordGrid->addWidget(notesGroup, 2, 1);

  auto* savePoints = new QPushButton(QStringLiteral("Save Points"), this);
  auto* exitButton = new QPushButton(QStringLiteral("Exit"), this);
  m_saveRecord->setEnabled(m_dlg.SaveRecordEnabled());
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {savePoints, m_createReport, m_saveRecord, exitButton}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  m_run->setAutoDefault(false);
  connect(m_run, &QPushButton::clicked, this, &DataListDlgView::OnRun);
  connect(savePoints, &QPushButton::clicked, this, [this] { m_dlg.SavePoints(m_prompts); });
  connect(m_createReport, &QPushButton::clicked, this, &DataListDlgView::OnCreateReport);
  connect(m_saveRecord, &QPushButton::clicked, this, &DataListDlgView::OnSaveRecord);
  connect(exitButton, &QPushButton::clicked, this, &DataListDlgView::reject);

  auto* columns = new QHBoxLayout;
  columns->addLayout(pointsColumn);
  columns->addLayout(recordGrid, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
  FillPoints();
}

FieldTexts DataListDlgView::Texts() const {
  FieldTexts texts = m_fields.Texts();
  texts["notes"] = m_notes->toPlainText().toStdString();
  return texts;
}

void DataListDlgView::FillPoints() {
  m_points->clear();
  for (const std::string& entry : m_dlg.PointList()) {
    m_points->addItem(QString::fromStdString(entry));
  }
}

void DataListDlgView::OnRun() {
  std::vector<bool> selected(static_cast<std::size_t>(m_points->count()), false);
  for (int row = 0; row < m_points->count(); ++row) {
    selected[static_cast<std::size_t>(row)] = m_points->item(row)->isSelected();
  }
  const auto operation = static_cast<NoiseOperation>(m_operations->checkedId());
  const CDataListDlg::RunResult result = m_dlg.Run(m_prompts, Texts(), operation, selected);
  if (result.refusal) {
    m_fields.Refuse(*result.refusal, m_prompts);
  }
  if (!result.region) {
    return;
  }
  FillPoints();
  for (int row = result.region->first; row <= result.region->second; ++row) {
    m_points->item(row)->setSelected(true);
  }
}

void DataListDlgView::OnCreateReport() {
  // The report holds the values the dialog opened with or the last Run took over.
  m_dlg.CreateReport();
  accept();
}

void DataListDlgView::OnSaveRecord() {
  if (const auto refusal = m_dlg.SaveRecord(Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  if (m_dlg.m_saveRequested) {
    accept();
  }
}

void DataListDlgView::OnSpectrumData(int button) {
  if (m_dlg.PressSpectrumData(static_cast<SpectrumDataButton>(button))) {
    FillPoints();
  }
  const QSignalBlocker blocker(m_spectrumData);
  m_spectrumData->button(static_cast<int>(m_dlg.m_button))->setChecked(true);
}

} // namespace lumivex::gui

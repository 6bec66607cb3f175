#include "ExSimulationDlgView.h"

#include "core/Prompts.h"
#include "modules/EnergyTransferDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivex::gui {

ExSimulationDlgView::ExSimulationDlgView(CExSimulationDlg& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QString::fromLatin1(kTransferCaption));

  auto* settings = new QFormLayout;
  AddFieldRow(settings, m_fields, "displayed");
  AddFieldRow(settings, m_fields, "excitation");
  settings->addRow(m_fields.Check("reverse"));
  m_fields.Check("reverse")->setText(m_fields.Label("reverse")->text());
  m_fields.Label("reverse")->hide();

  auto* component = new QGroupBox(QStringLiteral("Component"), this);
  auto* componentForm = new QFormLayout(component);
  for (const char* key : {"name", "nextName"}) {
    m_fields.Edit(key)->setMinimumWidth(220);
    AddFieldRow(componentForm, m_fields, key);
  }
  AddFieldRow(componentForm, m_fields, "transfer");
  AddFieldRow(componentForm, m_fields, "epsilon", "M\u207b\u00b9 cm\u207b\u00b9");
  AddFieldRow(componentForm, m_fields, "quantumYield");

  auto* selection = new QGroupBox(QStringLiteral("Wavelengths of the reverse analysis"), this);
  auto* selectionForm = new QFormLayout(selection);
  AddFieldRow(selectionForm, m_fields, "wavelength");
  m_add = new QPushButton(QString::fromLatin1(kTransferAddWavelength), selection);
  selectionForm->addRow(m_add);
  m_list = new QListWidget(selection);
  m_list->setObjectName(QStringLiteral("wavelengthList"));
  m_list->setMinimumWidth(220);
  selectionForm->addRow(m_list);

  auto* columns = new QHBoxLayout;
  columns->addWidget(component, 0, Qt::AlignTop);
  columns->addWidget(selection);

  auto* box = new QDialogButtonBox(this);
  // Return in a field must not end the showing: no button is the default.
  QPushButton* next = box->addButton(QStringLiteral("Next"), QDialogButtonBox::ActionRole);
  QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
  for (QPushButton* button : {m_add, next, cancel}) {
    button->setAutoDefault(false);
  }
  connect(m_fields.Check("reverse"), &QCheckBox::clicked, this, [this] {
    m_dlg.OnReverseAnalysis();
    Reload();
  });
  connect(m_add, &QPushButton::clicked, this, &ExSimulationDlgView::AddWavelength);
  connect(m_fields.Edit("wavelength"), &QLineEdit::returnPressed, this,
          &ExSimulationDlgView::AddWavelength);
  connect(next, &QPushButton::clicked, this, &ExSimulationDlgView::Next);
  connect(cancel, &QPushButton::clicked, this, &ExSimulationDlgView::reject);

  auto* top = new QHBoxLayout;
  top->addLayout(settings);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(columns);
  for (const char* text : kTransferNotes) {
    auto* note = new QLabel(QString::fromLatin1(text), this);
    note->setWordWrap(true);
    layout->addWidget(note);
  }
  layout->addWidget(box);
  Reload();
}

int ExSimulationDlgView::Run() {
  return exec() == QDialog::Accepted ? kResultOk : kResultCancel;
}

void ExSimulationDlgView::AddWavelength() {
  if (!m_dlg.Enabled(kAddWavelengthKey)) {
    return;
  }
  if (const std::optional<FieldRefusal> refusal = m_dlg.OnAddWavelength(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  Reload();
}

void ExSimulationDlgView::Next() {
  const CExSimulationDlg::NextOutcome outcome = m_dlg.OnNext(m_fields.Texts());
  if (outcome.refusal) {
    m_fields.Refuse(*outcome.refusal, m_prompts);
    return;
  }
  if (outcome.close) {
    accept();
  }
}

void ExSimulationDlgView::Reload() {
  const std::vector<DialogField> fields = m_dlg.Fields();
  m_fields.Load(fields);
  for (const DialogField& field : fields) {
    const bool enabled = m_dlg.Enabled(field.key);
    m_fields.Widget(field.key)->setEnabled(enabled);
    m_fields.Label(field.key)->setEnabled(enabled);
  }
  const bool listing = m_dlg.Enabled(kAddWavelengthKey);
  m_add->setEnabled(listing);
  m_list->setEnabled(listing);
  m_list->clear();
  for (const std::string& entry : m_dlg.m_wavelengths.Entries()) {
    m_list->addItem(QString::fromStdString(entry));
  }
  m_list->scrollToBottom();
}

} // namespace lumivex::gui

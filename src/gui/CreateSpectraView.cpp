#include "CreateSpectraView.h"

#include "curves/CurveDialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumivex::gui {

namespace {

struct KindButton {
  SpectrumKind kind;
  const char* text;
  const char* name;
};

constexpr KindButton kKindButtons[] = {
    {SpectrumKind::Absorption, "Absorption", "absorption"},
    {SpectrumKind::Emission, "Emission", "emission"},
    {SpectrumKind::LightSource, "Light Source", "lightSource"},
};

} // namespace

CreateSpectraView::CreateSpectraView(CCreateSpectra& dlg, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_dlg(dlg), m_prompts(prompts), m_fields(dlg.Fields(), this) {
  setWindowTitle(QStringLiteral("Create Spectrum"));

  auto* type = new QGroupBox(QStringLiteral("Spectrum Type"), this);
  auto* typeColumn = new QVBoxLayout(type);
  m_kinds = new QButtonGroup(this);
  for (const KindButton& button : kKindButtons) {
    auto* radio = new QRadioButton(QString::fromLatin1(button.text), type);
    radio->setObjectName(QString::fromLatin1(button.name));
    m_kinds->addButton(radio, static_cast<int>(button.kind));
    radio->setChecked(button.kind == dlg.m_kind);
    typeColumn->addWidget(radio);
  }
  auto* spectrum = new QFormLayout;
  for (const char* key : {"peaks", "low", "high"}) {
    AddFieldRow(spectrum, m_fields, key);
  }

  auto* peak = new QGroupBox(QStringLiteral("Peak"), this);
  auto* peakForm = new QFormLayout(peak);
  AddFieldRow(peakForm, m_fields, "peakNumber");
  m_function = new QComboBox(peak);
  m_function->setObjectName(QStringLiteral("function"));
  for (const char* name : CCreateSpectra::kFunctionNames) {
    m_function->addItem(QString::fromLatin1(name));
  }
  m_function->setCurrentIndex(dlg.m_function);
  m_functionLabel = new QLabel(QStringLiteral("Function"), peak);
  m_functionLabel->setBuddy(m_function);
  peakForm->addRow(m_functionLabel, m_function);
  AddFieldRow(peakForm, m_fields, "peakWavelength", "nm");
  AddFieldRow(peakForm, m_fields, "fullWidth", "nm");
  AddFieldRow(peakForm, m_fields, "intensity");

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* next = buttons->addButton(QStringLiteral("Next"), QDialogButtonBox::AcceptRole);
  next->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CreateSpectraView::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CreateSpectraView::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(type);
  layout->addLayout(spectrum);
  layout->addWidget(peak);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Tab goes down the page as it reads, not in the order of the model's fields.
  QWidget* previous = m_fields.Widget("peaks");
  for (QWidget* following : {m_fields.Widget("low"), m_fields.Widget("high"),
                             static_cast<QWidget*>(m_function), m_fields.Widget("peakWavelength"),
                             m_fields.Widget("fullWidth"), m_fields.Widget("intensity")}) {
    setTabOrder(previous, following);
    previous = following;
  }

  EnableFields();
  // Typing replaces the page's first value.
  QLineEdit* first = m_fields.Edit(dlg.m_firstPage ? "peaks" : "peakWavelength");
  first->setFocus();
  first->selectAll();
  connect(m_function, &QComboBox::currentIndexChanged, this, &CreateSpectraView::OnFunctionChosen);
  connect(m_kinds, &QButtonGroup::idClicked, this, &CreateSpectraView::OnKindClicked);
}

void CreateSpectraView::EnableFields() {
  for (const DialogField& field : m_dlg.Fields()) {
    // The peak number is shown, never edited, on the peak pages.
    const bool enabled = m_dlg.Editable(field.key) || (field.result && m_dlg.FunctionEditable());
    m_fields.Widget(field.key)->setEnabled(enabled);
    m_fields.Label(field.key)->setEnabled(enabled);
  }
  for (QAbstractButton* radio : m_kinds->buttons()) {
    radio->setEnabled(m_dlg.KindEditable());
  }
  m_function->setEnabled(m_dlg.FunctionEditable());
  m_functionLabel->setEnabled(m_dlg.FunctionEditable());
}

void CreateSpectraView::OnFunctionChosen(int function) {
  m_dlg.m_function = function;
  EnableFields();
}

void CreateSpectraView::OnKindClicked(int kind) {
  m_dlg.m_kind = static_cast<SpectrumKind>(kind);
}

void CreateSpectraView::accept() {
  if (const std::optional<FieldRefusal> refusal = m_dlg.StoreFields(m_fields.Texts())) {
    m_fields.Refuse(*refusal, m_prompts);
    return;
  }
  QDialog::accept();
}

} // namespace lumivex::gui

#include "NumberFieldEdits.h"

#include "core/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumivex::gui {

NumberFieldEdits::NumberFieldEdits(const std::vector<NumberField>& fields, QWidget* parent) {
  for (const NumberField& field : fields) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(field.key));
    edit->setReadOnly(field.result);
    edit->setMinimumWidth(110);
    auto* label = new QLabel(QString::fromUtf8(field.label), parent);
    label->setBuddy(edit);
    m_fields[field.key] = {label, edit, field.result};
  }
  Load(fields);
}

QLineEdit* NumberFieldEdits::Edit(const std::string& key) const {
  const auto found = m_fields.find(key);
  return found == m_fields.end() ? nullptr : found->second.edit;
}

QLabel* NumberFieldEdits::Label(const std::string& key) const {
  const auto found = m_fields.find(key);
  return found == m_fields.end() ? nullptr : found->second.label;
}

void NumberFieldEdits::Load(const std::vector<NumberField>& fields) {
  for (const NumberField& field : fields) {
    if (QLineEdit* edit = Edit(field.key)) {
      edit->setText(QString::fromStdString(FieldText(*field.value)));
    }
  }
}

std::map<std::string, std::string> NumberFieldEdits::Texts() const {
  std::map<std::string, std::string> texts;
  for (const auto& [key, field] : m_fields) {
    if (!field.result) {
      texts[key] = field.edit->text().toStdString();
    }
  }
  return texts;
}

void NumberFieldEdits::Refuse(const FieldRefusal& refusal, Prompts& prompts) const {
  prompts.Message(refusal.message, kApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
  if (QLineEdit* edit = Edit(refusal.key)) {
    edit->setFocus();
    edit->selectAll();
  }
}

void AddFieldRow(QFormLayout* form, const NumberFieldEdits& edits, const char* key,
                 const char* unit) {
  if (unit == nullptr) {
    form->addRow(edits.Label(key), edits.Edit(key));
    return;
  }
  auto* line = new QHBoxLayout;
  line->addWidget(edits.Edit(key));
  line->addWidget(new QLabel(QString::fromUtf8(unit)));
  form->addRow(edits.Label(key), line);
}

ModuleButtons AddModuleButtons(QWidget* parent, bool outputEnabled) {
  ModuleButtons buttons;
  buttons.box = new QDialogButtonBox(parent);
  buttons.calculate =
      buttons.box->addButton(QStringLiteral("Calculate"), QDialogButtonBox::AcceptRole);
  buttons.calculate->setDefault(true);
  buttons.box->addButton(QDialogButtonBox::Cancel);
  buttons.print = buttons.box->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
  buttons.report =
      buttons.box->addButton(QStringLiteral("Create Report"), QDialogButtonBox::ActionRole);
  buttons.print->setEnabled(outputEnabled);
  buttons.report->setEnabled(outputEnabled);
  return buttons;
}

} // namespace lumivex::gui

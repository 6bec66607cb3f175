#include "NumberFieldEdits.h"

#include "core/Prompts.h"

#include <QLabel>
#include <QLineEdit>

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

} // namespace lumivex::gui

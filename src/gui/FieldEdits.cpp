#include "FieldEdits.h"

#include "core/Prompts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace lumivex::gui {

FieldEdits::FieldEdits(const std::vector<DialogField>& fields, QWidget* parent) {
  for (const DialogField& field : fields) {
    Field widgets;
    widgets.result = field.result;
    if (field.Kind() == FieldKind::Check) {
      widgets.check = new QCheckBox(parent);
    } else {
      widgets.edit = new QLineEdit(parent);
      if (field.result) {
        ShowAsReadOnly(widgets.edit);
      }
      widgets.edit->setMinimumWidth(110);
    }
    QWidget* widget = WidgetOf(widgets);
    widget->setObjectName(QString::fromLatin1(field.key));
    widgets.label = new QLabel(QString::fromUtf8(field.label), parent);
    widgets.label->setBuddy(widget);
    m_fields[field.key] = widgets;
  }
  Load(fields);
}

QWidget* FieldEdits::WidgetOf(const Field& field) {
  return field.check != nullptr ? static_cast<QWidget*>(field.check) : field.edit;
}

QWidget* FieldEdits::Widget(const std::string& key) const {
  const auto found = m_fields.find(key);
  return found == m_fields.end() ? nullptr : WidgetOf(found->second);
}

QLineEdit* FieldEdits::Edit(const std::string& key) const {
  const auto found = m_fields.find(key);
  return found == m_fields.end() ? nullptr : found->second.edit;
}

QCheckBox* FieldEdits::Check(const std::string& key) const {
  const auto found = m_fields.find(key);
  return found == m_fields.end() ? nullptr : found->second.check;
}

QLabel* FieldEdits::Label(const std::string& key) const {
  const auto found = m_fields.find(key);
  return found == m_fields.end() ? nullptr : found->second.label;
}

void FieldEdits::Load(const std::vector<DialogField>& fields) {
  for (const DialogField& field : fields) {
    const auto found = m_fields.find(field.key);
    if (found == m_fields.end()) {
      continue;
    }
    const std::string text = field.Text();
    if (QCheckBox* check = found->second.check) {
      check->setChecked(text == CheckText(true));
    } else {
      found->second.edit->setText(QString::fromStdString(text));
    }
  }
}

FieldTexts FieldEdits::Texts() const {
  FieldTexts texts;
  for (const auto& [key, field] : m_fields) {
    if (field.result) {
      continue;
    }
    texts[key] = field.check != nullptr ? CheckText(field.check->isChecked())
                                        : field.edit->text().toStdString();
  }
  return texts;
}

void FieldEdits::Refuse(const FieldRefusal& refusal, Prompts& prompts) const {
  prompts.Message(refusal.message, kApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
  if (QWidget* widget = Widget(refusal.key)) {
    widget->setFocus();
  }
  if (QLineEdit* edit = Edit(refusal.key)) {
    edit->selectAll();
  }
}

void ShowAsReadOnly(QLineEdit* edit) {
  edit->setReadOnly(true);
  QPalette palette = edit->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
  }
  edit->setPalette(palette);
  edit->setFocusPolicy(Qt::ClickFocus);
}

void AddFieldRow(QFormLayout* form, const FieldEdits& edits, const char* key, const char* unit) {
  if (unit == nullptr) {
    form->addRow(edits.Label(key), edits.Widget(key));
    return;
  }
  auto* line = new QHBoxLayout;
  line->addWidget(edits.Widget(key));
  line->addWidget(new QLabel(QString::fromUtf8(unit)));
  form->addRow(edits.Label(key), line);
}

} // namespace lumivex::gui

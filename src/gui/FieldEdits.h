#pragma once

#include "core/DialogFields.h"

#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace lumivex {
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The widgets of a dialog model's fields: one per field of the model's list, named after
/// the field's key, with a label holding the field's text. Number, integer and text fields
/// are line edits (result fields shown read-only), check fields are check boxes. The widgets
/// belong to the parent widget; this only keeps track of them.
class FieldEdits {
public:
  FieldEdits(const std::vector<DialogField>& fields, QWidget* parent);

  /// The widget and the label of a field; null for a key that is not among the fields (or,
  /// for Edit and Check, whose widget is of the other sort).
  [[nodiscard]] QWidget* Widget(const std::string& key) const;
  [[nodiscard]] QLineEdit* Edit(const std::string& key) const;
  [[nodiscard]] QCheckBox* Check(const std::string& key) const;
  [[nodiscard]] QLabel* Label(const std::string& key) const;

  /// Shows the fields' stored values as the dialog writes them.
  void Load(const std::vector<DialogField>& fields);
  /// The texts of the input (not result) widgets, by key, for the model's validation.
  [[nodiscard]] FieldTexts Texts() const;
  /// Tells the user why a text was refused and puts the cursor on it, selected for typing
  /// over.
  void Refuse(const FieldRefusal& refusal, Prompts& prompts) const;

private:
  struct Field {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QCheckBox* check = nullptr;
    bool result = false;
  };
  [[nodiscard]] static QWidget* WidgetOf(const Field& field);

  std::map<std::string, Field> m_fields;
};

/// Makes an edit show a text the user reads but does not type: read-only, on the window's
/// background rather than an edit's, and left out of the Tab order (a click still selects
/// the text for copying).
void ShowAsReadOnly(QLineEdit* edit);

/// Adds a field's row to a form: its label, its edit and, when given, the unit after the edit.
void AddFieldRow(QFormLayout* form, const FieldEdits& edits, const char* key,
                 const char* unit = nullptr);

} // namespace lumivex::gui

#pragma once

#include "modules/NumberFields.h"

#include <map>
#include <string>
#include <vector>

class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lumivex {
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The line edits of a module dialog's number fields: one per field of the model's list,
/// named after the field's key (result fields read-only), with a label holding the field's
/// text. The edits belong to the parent widget; this only keeps track of them.
class NumberFieldEdits {
public:
  NumberFieldEdits(const std::vector<NumberField>& fields, QWidget* parent);

  /// The edit and the label of a field; null for a key that is not among the fields.
  [[nodiscard]] QLineEdit* Edit(const std::string& key) const;
  [[nodiscard]] QLabel* Label(const std::string& key) const;

  /// Shows the fields' stored values as the dialog writes numbers.
  void Load(const std::vector<NumberField>& fields);
  /// The texts of the input (not result) edits, by key, for the model's validation.
  [[nodiscard]] std::map<std::string, std::string> Texts() const;
  /// Tells the user why a text was refused and puts the cursor on it, selected for typing
  /// over.
  void Refuse(const FieldRefusal& refusal, Prompts& prompts) const;

private:
  struct Field {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    bool result = false;
  };
  std::map<std::string, Field> m_fields;
};

/// Adds a field's row to a form: its label, its edit and, when given, the unit after the edit.
void AddFieldRow(QFormLayout* form, const NumberFieldEdits& edits, const char* key,
                 const char* unit = nullptr);

/// The button row of a module dialog: "Calculate" (the default button), Cancel, "Print" and
/// "Create Report", the last two enabled when the dialog allows output. The buttons belong
/// to `box`, which belongs to the parent widget.
struct ModuleButtons {
  QDialogButtonBox* box = nullptr;
  QPushButton* calculate = nullptr;
  QPushButton* print = nullptr;
  QPushButton* report = nullptr;
};
[[nodiscard]] ModuleButtons AddModuleButtons(QWidget* parent, bool outputEnabled);

} // namespace lumivex::gui

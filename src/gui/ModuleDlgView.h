#pragma once

#include "FieldEdits.h"

#include <QDialog>

#include <initializer_list>
#include <optional>
#include <vector>

class QFormLayout;
class QGroupBox;
class QLayout;

namespace lumivex {
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// The base of the module dialogs' views: the model's fields as edits, the groups the view
/// arranges them in, and the button row "Calculate" (the default button), Cancel, "Print"
/// and "Create Report", the last two enabled as the model says.
///
/// "Calculate" writes the edits back through StoreFields and answers kResultOk; a refused
/// field keeps the dialog open, the refusal going through the prompts. "Print" answers
/// kResultPrint without the edits. "Create Report" answers kResultCreateReport, writing the
/// edits back first when the module keeps them for the next calculation. Cancel answers
/// kResultCancel.
class ModuleDlgView : public QDialog {
  Q_OBJECT

public:
  /// Shows the dialog modally; answers the button that closed it.
  int Run();

protected:
  /// What "Create Report" does with the edits.
  enum class ReportEdits { Stored, Dropped };

  /// A field's row in a form: the field and, when given, the unit after its edit.
  struct FieldRow {
    const char* key;
    const char* unit = nullptr;
  };

  ModuleDlgView(const char* title, const std::vector<DialogField>& fields, Prompts& prompts,
                QWidget* parent);

  /// Reads the edits' texts into the model; a refusal keeps the dialog open.
  [[nodiscard]] virtual std::optional<FieldRefusal> StoreFields(const FieldTexts& texts) = 0;

  [[nodiscard]] const FieldEdits& Fields() const { return m_fields; }
  /// A form of the given fields, each beside its label.
  [[nodiscard]] QFormLayout* FieldForm(std::initializer_list<FieldRow> rows) const;
  /// Puts the inputs on the left and the "Results" group of these fields on the right, with
  /// the button row below them.
  void Arrange(QLayout* inputs, std::initializer_list<FieldRow> results, bool outputEnabled,
               ReportEdits report);

private:
  /// Writes the edits back and closes with `code`, unless a field is refused.
  void StoreAndClose(int code);

  Prompts& m_prompts;
  FieldEdits m_fields;
};

} // namespace lumivex::gui

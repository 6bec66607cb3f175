#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// A dialog of plain fields closed by OK or Cancel: its caption, fixed lines of text (a note,
/// a list) and its fields in their order below them. Such a dialog needs no view of its own; OK
/// reads every field or, on the first refusal, none.
class CFormDlg : public CDialogModel {
public:
  [[nodiscard]] virtual const char* Caption() const = 0;
  [[nodiscard]] virtual std::vector<DialogField> Fields() = 0;
  /// Lines shown above the fields; none by default.
  [[nodiscard]] virtual std::vector<std::string> Notes() const { return {}; }

  /// OK: reads the texts of the fields by key.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts) {
    return lumivex::StoreFields(Fields(), texts);
  }
};

} // namespace lumivex

#pragma once

#include "core/DialogFields.h"
#include "core/Prompts.h"

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The "Name of User" dialog: the name printed result sheets and reports are made for.
/// The main frame keeps one for the whole run, so a name once typed stays and is shown
/// again the next time the dialog opens.
class CUsername : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CUsername"; }

  /// The edit box "Username:"; empty at first.
  std::string m_userName;

  /// The one field, the name as typed.
  [[nodiscard]] std::vector<DialogField> Fields() {
    return {{"userName", "Username:", &m_userName}};
  }
  /// OK: takes the typed name (key "userName"); a name is never refused.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts) {
    return lumivex::StoreFields(Fields(), texts);
  }
};

} // namespace lumivex

#pragma once

#include "core/Prompts.h"

#include <string>

namespace lumivex {

/// The "Name of User" dialog: the name printed result sheets and reports are made for.
/// The main frame keeps one for the whole run, so a name once typed stays and is shown
/// again the next time the dialog opens.
class CUsername : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CUsername"; }

  /// The edit box "Username:"; empty at first.
  std::string m_userName;
};

} // namespace lumivex

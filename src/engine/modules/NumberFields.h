#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The range a number field must lie in, both ends included.
struct NumberRange {
  float low = 0.0f;
  float high = 0.0f;
};

/// One number field of a module dialog, as its view shows it and its validation reads it.
struct NumberField {
  const char* key;   ///< stable name of the field; views name their widget after it
  const char* label; ///< the text beside the field
  float* value;      ///< the dialog's stored value
  std::optional<NumberRange> range{}; ///< the range enforced when the dialog closes, if any
  bool result = false;                ///< a read-only result field, never read back
};

/// Why a field's text was refused: the field's key and the message for the user.
struct FieldRefusal {
  std::string key;
  std::string message;
};

/// "Please enter a number between %1 and %2." with the ends of the range written as the
/// dialog shows numbers (six significant digits, no trailing zeros).
[[nodiscard]] std::string RangeMessage(NumberRange range);

/// How a dialog shows a number in its field: six significant digits ("%.6g"), so 700
/// reads "700" and 1.2345678e-13 reads "1.23457e-13".
[[nodiscard]] std::string FieldText(float value);

/// Reads the texts of a dialog's input fields (by key) into the fields. A text that is
/// not a finite number is refused with "Please enter a number.", one outside its field's
/// range with RangeMessage; on the first refusal, in the order of `fields`, nothing is
/// stored. Result fields and fields without a text keep their values.
[[nodiscard]] std::optional<FieldRefusal>
StoreNumberFields(const std::vector<NumberField>& fields,
                  const std::map<std::string, std::string>& texts);

} // namespace lumivex

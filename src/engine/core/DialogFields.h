#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lumivex {

/// Standard refusals of dialog fields.
inline constexpr const char* kPleaseEnterNumber = "Please enter a number.";
inline constexpr const char* kPleaseEnterInteger = "Please enter an integer.";

/// The range a number field must lie in, both ends included.
struct NumberRange {
  float low = 0.0f;
  float high = 0.0f;
};

/// What a dialog field holds, and so how its text is read.
enum class FieldKind {
  Number,  ///< a float, written "%.6g"; refused unless the text is a finite number
  Integer, ///< an int; refused unless the text is a whole number that fits
  Text,    ///< free text, never refused
  Check,   ///< a check box, whose text is "1" when checked and "0" when not
};

/// The texts of a dialog's fields as a view or a command line holds them, by field key.
using FieldTexts = std::map<std::string, std::string>;

/// One field of a dialog model: its key, the text beside it, the model member it shows and
/// edits, and how that member is read back. A view makes one widget per field, named after
/// its key, and gives the texts back to the model, which validates them.
struct DialogField {
  using Target = std::variant<float*, int*, std::string*, bool*>;

  const char* key;   ///< stable name of the field; views name their widget after it
  const char* label; ///< the text beside the field
  Target value;      ///< the dialog's stored value
  std::optional<NumberRange> range{}; ///< a number or integer field's range, enforced when read
  bool result = false;                ///< a read-only result field, shown but never read back

  /// A result field: shown as a number, never read back.
  [[nodiscard]] static DialogField Result(const char* key, const char* label, float& value) {
    return {key, label, &value, std::nullopt, true};
  }

  [[nodiscard]] FieldKind Kind() const { return static_cast<FieldKind>(value.index()); }
  /// The stored value as the dialog shows it.
  [[nodiscard]] std::string Text() const;
};

/// The text of a check field: "1" when checked, "0" when not.
[[nodiscard]] inline const char* CheckText(bool checked) {
  return checked ? "1" : "0";
}

/// Why a field's text was refused: the field's key and the message for the user.
struct FieldRefusal {
  std::string key;
  std::string message;
};

/// How a dialog shows a number in its field: six significant digits ("%.6g"), so 700
/// reads "700" and 1.2345678e-13 reads "1.23457e-13".
[[nodiscard]] std::string FieldText(float value);

/// "Please enter a number between %1 and %2." with the ends of the range written as the
/// dialog shows numbers.
[[nodiscard]] std::string RangeMessage(NumberRange range);

/// Reads a number field: the whole text (blanks around it allowed, one leading "+") must be
/// a finite number. Nothing when it is not.
[[nodiscard]] std::optional<float> ParseFloatField(const std::string& text);
/// Reads an integer field the same way; nothing for a fraction or a number beyond int.
[[nodiscard]] std::optional<int> ParseIntField(const std::string& text);
/// Whether the text is a finite number that single precision cannot hold (1e-50, 1e39):
/// such a text is refused as out of range, not as "not a number".
[[nodiscard]] bool IsBeyondFloatRange(const std::string& text);

/// The texts every field of a dialog shows, by key (results included).
[[nodiscard]] FieldTexts ShownTexts(const std::vector<DialogField>& fields);

/// Reads the texts of a dialog's fields (by key) into the fields. A number field refuses a
/// text that is not a finite number with "Please enter a number." and one outside its
/// range with RangeMessage; an integer field refuses anything but a whole number with
/// "Please enter an integer." and one outside its range with RangeMessage; a check box takes "1" or
/// "0" (anything else is refused with the range message of 0 to 1). On the first refusal, in the
/// order of `fields`, nothing is stored. Result fields and fields without a text keep their values.
[[nodiscard]] std::optional<FieldRefusal> StoreFields(const std::vector<DialogField>& fields,
                                                      const FieldTexts& texts);

/// The fields' values at one moment, in the order of the fields; RestoreFieldValues puts
/// them back exactly (no round trip through texts).
using FieldValue = std::variant<float, int, std::string, bool>;
using FieldValues = std::vector<FieldValue>;
[[nodiscard]] FieldValues TakeFieldValues(const std::vector<DialogField>& fields);
/// Puts values taken from the same list of fields back; a list of another length is left
/// alone.
void RestoreFieldValues(const std::vector<DialogField>& fields, const FieldValues& values);

} // namespace lumivex

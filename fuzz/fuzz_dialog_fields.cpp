// The number fields of the dialogs: any text is read or refused; a number read shows as a
// text that reads back to it within the six digits shown; a text beyond single precision
// is never also a number; a whole dialog's fields store or refuse with a message.
#include "FuzzCheck.h"

#include "core/DialogFields.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

using lumivex::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<float> number = lumivex::ParseFloatField(text);
  Require(!(number && lumivex::IsBeyondFloatRange(text)), "a number is not beyond range");
  if (number) {
    Require(std::isfinite(*number), "a number field reads finite numbers only");
    const std::optional<float> shown = lumivex::ParseFloatField(lumivex::FieldText(*number));
    Require(shown.has_value(), "a shown number reads back");
    Require(std::fabs(*shown - *number) <= 1e-5f * std::fabs(*number),
            "a shown number reads back within its six digits");
  }
  if (const std::optional<int> whole = lumivex::ParseIntField(text)) {
    Require(lumivex::ParseIntField(std::to_string(*whole)) == whole, "a whole number reads back");
  }

  float low = 1.0f;
  int count = 2;
  std::string name;
  bool check = false;
  const std::vector<lumivex::DialogField> fields = {
      {"low", "Low", &low, lumivex::NumberRange{0.0f, 1000.0f}},
      {"count", "Count", &count},
      {"name", "Name", &name},
      {"check", "Check", &check},
  };
  const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
  lumivex::FieldTexts texts = lumivex::ShownTexts(fields);
  texts["low"] = text.substr(0, cut);
  texts["count"] = text.substr(cut);
  texts["check"] = text;
  const std::optional<lumivex::FieldRefusal> refusal = lumivex::StoreFields(fields, texts);
  if (refusal) {
    Require(low == 1.0f && count == 2, "a refused dialog keeps its values");
  } else {
    Require(low >= 0.0f && low <= 1000.0f, "a stored number is within its range");
  }
  return 0;
}

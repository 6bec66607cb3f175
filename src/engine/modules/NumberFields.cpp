#include "modules/NumberFields.h"

#include "ui/GraphSettingDlg.h"

#include <cstdio>

namespace lumivex {

std::string FieldText(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
  return text;
}

std::string RangeMessage(NumberRange range) {
  return "Please enter a number between " + FieldText(range.low) + " and " + FieldText(range.high) +
         ".";
}

std::optional<FieldRefusal> StoreNumberFields(const std::vector<NumberField>& fields,
                                              const std::map<std::string, std::string>& texts) {
  std::vector<std::pair<float*, float>> read;
  for (const NumberField& field : fields) {
    const auto text = texts.find(field.key);
    if (field.result || text == texts.end()) {
      continue;
    }
    const std::optional<float> value = ParseFloatField(text->second);
    if (!value) {
      return FieldRefusal{field.key, kPleaseEnterNumber};
    }
    if (field.range && (*value < field.range->low || *value > field.range->high)) {
      return FieldRefusal{field.key, RangeMessage(*field.range)};
    }
    read.emplace_back(field.value, *value);
  }
  for (const auto& [target, value] : read) {
    *target = value;
  }
  return std::nullopt;
}

} // namespace lumivex

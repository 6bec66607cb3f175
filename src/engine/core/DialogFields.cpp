#include "core/DialogFields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <type_traits>

namespace lumivex {

namespace {

constexpr NumberRange kCheckRange{0.0f, 1.0f};

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

// The numbers a number field without a range of its own can hold.
constexpr NumberRange kFloatRange{-std::numeric_limits<float>::max(),
                                  std::numeric_limits<float>::max()};

template <typename T> std::optional<T> ParseWhole(const std::string& text) {
  std::string_view view = TrimBlanks(text);
  if (!view.empty() && view.front() == '+') {
    view.remove_prefix(1);
    // One sign only: "+-1" is not a number.
    if (!view.empty() && (view.front() == '-' || view.front() == '+')) {
      return std::nullopt;
    }
  }
  T value{};
  const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
  if (view.empty() || error != std::errc() || end != view.data() + view.size()) {
    return std::nullopt;
  }
  return value;
}

// The value a field's text reads as, or the refusal's message.
struct Reading {
  std::optional<FieldValue> value;
  std::string refusal;
};

Reading Read(const DialogField& field, const std::string& text) {
  switch (field.Kind()) {
  case FieldKind::Number: {
    const std::optional<float> number = ParseFloatField(text);
    if (!number) {
      // A number too small or too large for single precision is a number out of range.
      if (IsBeyondFloatRange(text)) {
        return {std::nullopt, RangeMessage(field.range.value_or(kFloatRange))};
      }
      return {std::nullopt, kPleaseEnterNumber};
    }
    if (field.range && (*number < field.range->low || *number > field.range->high)) {
      return {std::nullopt, RangeMessage(*field.range)};
    }
    return {*number, {}};
  }
  case FieldKind::Integer: {
    const std::optional<int> number = ParseIntField(text);
    if (!number) {
      return {std::nullopt, kPleaseEnterInteger};
    }
    if (field.range && (static_cast<float>(*number) < field.range->low ||
                        static_cast<float>(*number) > field.range->high)) {
      return {std::nullopt, RangeMessage(*field.range)};
    }
    return {*number, {}};
  }
  case FieldKind::Text:
    return {text, {}};
  case FieldKind::Check:
    if (text != CheckText(true) && text != CheckText(false)) {
      return {std::nullopt, RangeMessage(kCheckRange)};
    }
    return {text == CheckText(true), {}};
  }
  return {std::nullopt, kPleaseEnterNumber};
}

// Stores a value of the field's own type into the field's member.
void Assign(const DialogField& field, const FieldValue& value) {
  std::visit(
      [&value](auto* target) {
        using Value = std::remove_pointer_t<decltype(target)>;
        if (const Value* typed = std::get_if<Value>(&value)) {
          *target = *typed;
        }
      },
      field.value);
}

} // namespace

std::string FieldText(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
  return text;
}

std::string RangeMessage(NumberRange range) {
  return "Please enter a number between " + FieldText(range.low) + " and " + FieldText(range.high) +
         ".";
}

std::optional<float> ParseFloatField(const std::string& text) {
  const std::optional<float> value = ParseWhole<float>(text);
  if (!value || !std::isfinite(*value)) {
    return std::nullopt;
  }
  return value;
}

bool IsBeyondFloatRange(const std::string& text) {
  if (ParseFloatField(text)) {
    return false;
  }
  const std::optional<double> value = ParseWhole<double>(text);
  return value && std::isfinite(*value);
}

std::optional<int> ParseIntField(const std::string& text) {
  return ParseWhole<int>(text);
}

std::string DialogField::Text() const {
  switch (Kind()) {
  case FieldKind::Number:
    return FieldText(*std::get<float*>(value));
  case FieldKind::Integer:
    return std::to_string(*std::get<int*>(value));
  case FieldKind::Text:
    return *std::get<std::string*>(value);
  case FieldKind::Check:
    return CheckText(*std::get<bool*>(value));
  }
  return {};
}

FieldTexts ShownTexts(const std::vector<DialogField>& fields) {
  FieldTexts texts;
  for (const DialogField& field : fields) {
    texts[field.key] = field.Text();
  }
  return texts;
}

std::optional<FieldRefusal> StoreFields(const std::vector<DialogField>& fields,
                                        const FieldTexts& texts) {
  std::vector<std::pair<const DialogField*, FieldValue>> read;
  for (const DialogField& field : fields) {
    const auto text = texts.find(field.key);
    if (field.result || text == texts.end()) {
      continue;
    }
    Reading reading = Read(field, text->second);
    if (!reading.value) {
      return FieldRefusal{field.key, std::move(reading.refusal)};
    }
    read.emplace_back(&field, std::move(*reading.value));
  }
  for (const auto& [field, value] : read) {
    Assign(*field, value);
  }
  return std::nullopt;
}

FieldValues TakeFieldValues(const std::vector<DialogField>& fields) {
  FieldValues values;
  values.reserve(fields.size());
  for (const DialogField& field : fields) {
    std::visit([&values](const auto* target) { values.emplace_back(*target); }, field.value);
  }
  return values;
}

void RestoreFieldValues(const std::vector<DialogField>& fields, const FieldValues& values) {
  if (values.size() != fields.size()) {
    return;
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    Assign(fields[i], values[i]);
  }
}

} // namespace lumivex

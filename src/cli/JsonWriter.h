#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumivex::cli {

/// Builds compact JSON text. Commas are placed automatically; floats are written in their
/// shortest round-trip form, and non-finite numbers as null (JSON has no NaN).
class JsonWriter {
public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view value);
  JsonWriter& Number(float value);
  JsonWriter& Integer(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  [[nodiscard]] const std::string& Text() const { return m_text; }

private:
  void BeforeValue();

  std::string m_text;
  std::vector<bool> m_hasItems; ///< per open container: whether it holds an item yet
  bool m_afterKey = false;
};

} // namespace lumivex::cli

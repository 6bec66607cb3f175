#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumivex::cli {

void JsonWriter::BeforeValue() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (!m_hasItems.empty()) {
    if (m_hasItems.back()) {
      m_text += ',';
    }
    m_hasItems.back() = true;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  m_text += '{';
  m_hasItems.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  m_text += '}';
  m_hasItems.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  m_text += '[';
  m_hasItems.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  m_text += ']';
  m_hasItems.pop_back();
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  String(key);
  m_text += ':';
  m_afterKey = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
  BeforeValue();
  m_text += '"';
  for (const char c : value) {
    switch (c) {
    case '"':
      m_text += "\\\"";
      break;
    case '\\':
      m_text += "\\\\";
      break;
    case '\n':
      m_text += "\\n";
      break;
    case '\r':
      m_text += "\\r";
      break;
    case '\t':
      m_text += "\\t";
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        m_text += escape;
      } else {
        m_text += c;
      }
    }
  }
  m_text += '"';
  return *this;
}

namespace {

// Shortest text that reads back as the same value.
std::string ShortestText(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

} // namespace

JsonWriter& JsonWriter::Number(float value) {
  if (!std::isfinite(value)) {
    return Null();
  }
  BeforeValue();
  m_text += ShortestText(value);
  return *this;
}

JsonWriter& JsonWriter::Integer(long long value) {
  BeforeValue();
  m_text += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  m_text += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  m_text += "null";
  return *this;
}

} // namespace lumivex::cli

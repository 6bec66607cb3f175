// The profile-file parser: any text parses; writing the parsed file gives the text back
// (with a final line feed); a value written with SetString or ReplaceValue reads back as
// written, and every other value read before reads the same after.
#include "FuzzCheck.h"

#include "core/ProfileFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using lumivex::CProfileFile;
using lumivex::fuzz::Require;

// A name of letters and digits made from the input's first bytes: a name the profile
// language can hold without quoting (no "]", "=", ";" or line break).
std::string NameFrom(std::string_view& bytes, std::size_t length) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string name;
  while (name.size() < length && !bytes.empty()) {
    name += kLetters[static_cast<unsigned char>(bytes.front()) % (sizeof kLetters - 1)];
    bytes.remove_prefix(1);
  }
  return name.empty() ? "K" : name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string section = NameFrom(bytes, 3);
  const std::string key = NameFrom(bytes, 3);
  const std::string value = NameFrom(bytes, 5);
  const std::string_view text = bytes;

  CProfileFile file = CProfileFile::Parse(text);
  const std::string written = file.Text();
  Require(written == text ||
              (!text.empty() && text.back() != '\n' && written == std::string(text) + '\n'),
          "Text() gives the parsed text back");
  const CProfileFile reparsed = CProfileFile::Parse(written);
  Require(reparsed.SectionCount() == file.SectionCount(), "a rewritten file has its sections");
  Require(reparsed.GetString(section, key, "-") == file.GetString(section, key, "-"),
          "a rewritten file reads the same value");
  (void)file.GetInt(section, key, 7);
  (void)file.GetString(section, key, "", 5);

  CProfileFile edited = file;
  const bool replaced = edited.ReplaceValue(section, key, value + "x");
  Require(replaced == (file.GetString(section, key, "-") != "-" ||
                       file.GetString(section, key, "+") != "+"),
          "ReplaceValue changes a value exactly when the key is there");
  if (replaced) {
    Require(CProfileFile::Parse(edited.Text()).GetString(section, key, "-") == value + "x",
            "a replaced value reads back");
  }

  const std::string other = key + "o";
  const std::string before = file.GetString(section, other, "-");
  file.SetString(section, key, value);
  const CProfileFile after = CProfileFile::Parse(file.Text());
  Require(after.GetString(section, key, "-") == value, "a value set reads back");
  Require(after.GetString(section, other, "-") == before, "setting a value leaves another alone");
  return 0;
}

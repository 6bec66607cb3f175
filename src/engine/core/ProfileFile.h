#pragma once

#include "core/AtomicFile.h"

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumivex {

/// A profile file: sectioned key-value text ("[Section]" lines, then "Key = Value" lines),
/// held as its lines so that writing a value changes only that line.
///
/// Reading rules: section and key names match without regard to letter case; blanks
/// around "=" and at both ends of a value are ignored; one pair of quotation marks
/// (double or single) enclosing the whole value is dropped; lines starting with ";" are
/// comments; the first section of a name and the first key of a name in it count; a
/// missing section or key yields the caller's default; the result is cut to the buffer
/// size less one character.
class CProfileFile {
public:
  /// Parses profile text (LF or CRLF line ends).
  [[nodiscard]] static CProfileFile Parse(std::string_view text);

  /// The value of `key` in `section`, or `defaultValue`, cut to bufferSize - 1 bytes (never
  /// inside a UTF-8 character). A buffer size of 0 gives "".
  [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue,
                                      std::size_t bufferSize = 65536) const;
  /// The value read as a decimal integer (enclosing quotes dropped, optional sign, digits
  /// up to the first other character): `defaultValue` when the key is missing or empty, 0
  /// when it holds no number; values beyond int are clamped.
  [[nodiscard]] int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
  /// Whether the section exists.
  [[nodiscard]] bool HasSection(std::string_view section) const;
  /// The number of section lines in the file (a name that stands twice counts twice).
  [[nodiscard]] std::size_t SectionCount() const { return m_sections.size(); }

  /// Sets a value as the platform writer does: an existing key's line becomes
  /// "Key=value" in place; a new key goes after the last line of its section; a new
  /// section goes at the end of the file. The value is written as ValueAsWritten gives it,
  /// so that reading it back gives the same text.
  void SetString(std::string_view section, std::string_view key, std::string_view value);
  /// Replaces the value of the key that reading finds and keeps the rest of its line as it
  /// stands: the key, the blanks around "=" and the line end. False, changing nothing, when
  /// the section or the key is missing.
  bool ReplaceValue(std::string_view section, std::string_view key, std::string_view value);

  /// The file's text with every change applied.
  [[nodiscard]] std::string Text() const;

private:
  struct Section {
    std::string header;                                ///< the raw "[Name]" line
    std::vector<std::string> lines;                    ///< raw lines up to the next section
    std::unordered_map<std::string, std::size_t> keys; ///< folded key -> first line index
  };

  const std::string* FindLine(std::string_view section, std::string_view key) const;
  static void IndexKeys(Section& section);

  std::vector<std::string> m_preamble; ///< lines before the first section
  std::vector<Section> m_sections;
  std::unordered_map<std::string, std::size_t> m_sectionIndex; ///< folded name -> first
  bool m_crlf = false;
};

/// One value to write: key in section becomes value.
struct ProfileEdit {
  std::string section;
  std::string key;
  std::string value;
};

/// Parsed profile files by path, each parsed once and kept until the file changes on disk
/// (its identity, size or times). Writes go through the cache and replace the file
/// atomically, so the cached copy always matches what was written.
class CProfileCache {
public:
  /// The parsed file; an empty profile when the file does not exist or cannot be read.
  [[nodiscard]] std::shared_ptr<const CProfileFile> Get(const std::string& path);

  /// Applies `edits` (section, key, value each) to the file and writes it back atomically
  /// in one go. A file that does not exist is created.
  [[nodiscard]] FileStatus Write(const std::string& path, const std::vector<ProfileEdit>& edits);

  /// Forgets every parsed file.
  void Clear();

  /// The cache the program's profile functions share.
  static CProfileCache& Shared();

private:
  struct Stamp {
    unsigned long long device = 0, inode = 0, size = 0;
    long long modified = 0, changed = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Entry {
    Stamp stamp;
    std::shared_ptr<const CProfileFile> file;
  };
  static bool StampOf(const std::string& path, Stamp& stamp);

  std::mutex m_mutex;
  std::map<std::string, Entry> m_entries;
};

/// A value as it must be written after "key = " to read back unchanged: reading takes off
/// the blanks around a value and then one pair of matching quotes, so a value that begins
/// or ends with a blank, or itself begins and ends with the same quote, gets a pair of
/// double quotes; any other value stays as it is.
[[nodiscard]] std::string ValueAsWritten(std::string_view value);

/// GetPrivateProfileString through the shared cache.
[[nodiscard]] std::string ProfileString(const std::string& path, std::string_view section,
                                        std::string_view key, std::string_view defaultValue,
                                        std::size_t bufferSize);
/// GetPrivateProfileInt through the shared cache.
[[nodiscard]] int ProfileInt(const std::string& path, std::string_view section,
                             std::string_view key, int defaultValue);
/// WritePrivateProfileString through the shared cache; the file is replaced atomically.
[[nodiscard]] FileStatus WriteProfileString(const std::string& path, std::string_view section,
                                            std::string_view key, std::string_view value);

} // namespace lumivex

#include "core/ProfileFile.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <sys/stat.h>

namespace lumivex {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string Fold(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return folded;
}

// Name of a section line "[Name]" (blanks inside the brackets ignored); the rest of the
// line when the closing bracket is missing.
std::string_view SectionName(std::string_view trimmed) {
  trimmed.remove_prefix(1);
  const std::size_t close = trimmed.find(']');
  return Trim(close == std::string_view::npos ? trimmed : trimmed.substr(0, close));
}

// Splits a key line at its first "="; false for blank, comment and section lines and
// lines without "=".
bool SplitKeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
    return false;
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) {
    return false;
  }
  key = Trim(trimmed.substr(0, equals));
  value = Trim(trimmed.substr(equals + 1));
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Cuts text to at most `limit` bytes without splitting a UTF-8 character.
std::string CutTo(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) {
    return std::string(text);
  }
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return std::string(text.substr(0, end));
}

// Concatenates pieces into one line (appending, which also keeps GCC's -Wrestrict quiet
// about chains of string additions).
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string line;
  for (const std::string_view piece : pieces) {
    line.append(piece);
  }
  return line;
}

} // namespace

void CProfileFile::IndexKeys(Section& section) {
  section.keys.clear();
  for (std::size_t i = 0; i < section.lines.size(); ++i) {
    std::string_view key;
    std::string_view value;
    if (SplitKeyLine(section.lines[i], key, value)) {
      section.keys.emplace(Fold(key), i);
    }
  }
}

CProfileFile CProfileFile::Parse(std::string_view text) {
  CProfileFile file;
  const std::size_t firstEnd = text.find('\n');
  file.m_crlf = firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r';
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    const std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    const std::string_view trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      Section section;
      section.header = std::string(line);
      file.m_sectionIndex.emplace(Fold(SectionName(trimmed)), file.m_sections.size());
      file.m_sections.push_back(std::move(section));
    } else if (file.m_sections.empty()) {
      file.m_preamble.emplace_back(line);
    } else {
      file.m_sections.back().lines.emplace_back(line);
    }
  }
  for (Section& section : file.m_sections) {
    IndexKeys(section);
  }
  return file;
}

const std::string* CProfileFile::FindLine(std::string_view section, std::string_view key) const {
  const auto found = m_sectionIndex.find(Fold(section));
  if (found == m_sectionIndex.end()) {
    return nullptr;
  }
  const Section& s = m_sections[found->second];
  const auto line = s.keys.find(Fold(key));
  return line == s.keys.end() ? nullptr : &s.lines[line->second];
}

bool CProfileFile::HasSection(std::string_view section) const {
  return m_sectionIndex.contains(Fold(section));
}

std::string CProfileFile::GetString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize) const {
  if (bufferSize == 0) {
    return {};
  }
  std::string_view value = defaultValue;
  if (const std::string* line = FindLine(section, key)) {
    std::string_view name;
    (void)SplitKeyLine(*line, name, value);
    value = Unquote(value);
  }
  return CutTo(value, bufferSize - 1);
}

std::string ValueAsWritten(std::string_view value) {
  if (Unquote(value).size() == value.size() && Trim(value).size() == value.size()) {
    return std::string(value);
  }
  return '"' + std::string(value) + '"';
}

int CProfileFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  const std::string* line = FindLine(section, key);
  std::string_view name;
  std::string_view value;
  if (line == nullptr || !SplitKeyLine(*line, name, value) || value.empty()) {
    return defaultValue;
  }
  value = Unquote(value);
  if (value.empty()) {
    return 0;
  }
  bool negative = false;
  std::size_t i = 0;
  if (value[0] == '+' || value[0] == '-') {
    negative = value[0] == '-';
    ++i;
  }
  long long number = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    number = std::min<long long>(number * 10 + (value[i] - '0'), 1LL + INT_MAX);
  }
  number = negative ? -number : number;
  return static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
}

void CProfileFile::SetString(std::string_view section, std::string_view key,
                             std::string_view value) {
  const std::string_view eol = m_crlf ? "\r" : "";
  const std::string written = ValueAsWritten(value);
  const auto found = m_sectionIndex.find(Fold(section));
  if (found == m_sectionIndex.end()) {
    Section added;
    added.header = Joined({"[", section, "]", eol});
    added.lines.push_back(Joined({key, "=", written, eol}));
    m_sectionIndex.emplace(Fold(section), m_sections.size());
    IndexKeys(added);
    m_sections.push_back(std::move(added));
    return;
  }
  Section& s = m_sections[found->second];
  const auto line = s.keys.find(Fold(key));
  if (line != s.keys.end()) {
    std::string_view existingKey;
    std::string_view existingValue;
    (void)SplitKeyLine(s.lines[line->second], existingKey, existingValue);
    s.lines[line->second] = Joined({existingKey, "=", written, eol});
    return;
  }
  // After the section's last non-blank line, so the blank line that separates it from the
  // next section stays in place.
  std::size_t insertAt = s.lines.size();
  while (insertAt > 0 && Trim(s.lines[insertAt - 1]).empty()) {
    --insertAt;
  }
  s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                 Joined({key, "=", written, eol}));
  IndexKeys(s);
}

bool CProfileFile::ReplaceValue(std::string_view section, std::string_view key,
                                std::string_view value) {
  const auto found = m_sectionIndex.find(Fold(section));
  if (found == m_sectionIndex.end()) {
    return false;
  }
  Section& s = m_sections[found->second];
  const auto line = s.keys.find(Fold(key));
  if (line == s.keys.end()) {
    return false;
  }
  std::string& text = s.lines[line->second];
  std::size_t begin = text.find('=') + 1;
  while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t')) {
    ++begin;
  }
  std::size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) {
    --end;
  }
  text.replace(begin, end - begin, value);
  return true;
}

std::string CProfileFile::Text() const {
  std::string text;
  const auto add = [&text](const std::string& line) {
    text += line;
    text += '\n';
  };
  std::for_each(m_preamble.begin(), m_preamble.end(), add);
  for (const Section& section : m_sections) {
    add(section.header);
    std::for_each(section.lines.begin(), section.lines.end(), add);
  }
  return text;
}

bool CProfileCache::StampOf(const std::string& path, Stamp& stamp) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return false;
  }
  stamp.device = static_cast<unsigned long long>(info.st_dev);
  stamp.inode = static_cast<unsigned long long>(info.st_ino);
  stamp.size = static_cast<unsigned long long>(info.st_size);
  stamp.modified =
      static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  stamp.changed = static_cast<long long>(info.st_ctim.tv_sec) * 1000000000LL + info.st_ctim.tv_nsec;
  return true;
}

std::shared_ptr<const CProfileFile> CProfileCache::Get(const std::string& path) {
  std::lock_guard lock(m_mutex);
  Stamp stamp;
  if (!StampOf(path, stamp)) {
    m_entries.erase(path);
    return std::make_shared<const CProfileFile>();
  }
  const auto found = m_entries.find(path);
  if (found != m_entries.end() && found->second.stamp == stamp) {
    return found->second.file;
  }
  std::string text;
  if (!ReadWholeFile(path, text).ok) {
    m_entries.erase(path);
    return std::make_shared<const CProfileFile>();
  }
  auto file = std::make_shared<const CProfileFile>(CProfileFile::Parse(text));
  m_entries[path] = {stamp, file};
  return file;
}

FileStatus CProfileCache::Write(const std::string& path, const std::vector<ProfileEdit>& edits) {
  CProfileFile edited = *Get(path);
  for (const ProfileEdit& edit : edits) {
    edited.SetString(edit.section, edit.key, edit.value);
  }
  FileStatus status = WriteFileAtomically(path, edited.Text());
  std::lock_guard lock(m_mutex);
  Stamp stamp;
  if (status.ok && StampOf(path, stamp)) {
    m_entries[path] = {stamp, std::make_shared<const CProfileFile>(std::move(edited))};
  } else {
    m_entries.erase(path);
  }
  return status;
}

void CProfileCache::Clear() {
  std::lock_guard lock(m_mutex);
  m_entries.clear();
}

CProfileCache& CProfileCache::Shared() {
  static CProfileCache cache;
  return cache;
}

std::string ProfileString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) {
  return CProfileCache::Shared().Get(path)->GetString(section, key, defaultValue, bufferSize);
}

int ProfileInt(const std::string& path, std::string_view section, std::string_view key,
               int defaultValue) {
  return CProfileCache::Shared().Get(path)->GetInt(section, key, defaultValue);
}

FileStatus WriteProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view value) {
  return CProfileCache::Shared().Write(
      path, {ProfileEdit{std::string(section), std::string(key), std::string(value)}});
}

} // namespace lumivex

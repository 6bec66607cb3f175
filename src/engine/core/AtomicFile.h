#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumivex {

/// Outcome of a file operation: ok, or a message naming the file and the reason.
struct FileStatus {
  bool ok = false;
  std::string message;
};

/// Replaces the file at `path` with `contents`. The data go to a temporary file in the
/// same folder, which is flushed, closed and renamed over the target, so a failure at any
/// point (a full disk, a crash) leaves the old file whole and never a half-written one.
/// A symbolic link is followed and its target replaced; an existing file keeps its
/// permission bits. After a write the temporary files that earlier writes to the same
/// file left behind, because their process was killed before the rename, are removed.
[[nodiscard]] FileStatus WriteFileAtomically(const std::string& path, std::string_view contents);

/// A regular file open for reading, closed with the object. Anything else is refused
/// without reading from it: a folder, a device such as /dev/zero that never ends, a named
/// pipe (opened without waiting for a writer, so it never blocks).
class CInputFile {
public:
  CInputFile() = default;
  ~CInputFile();
  CInputFile(const CInputFile&) = delete;
  CInputFile& operator=(const CInputFile&) = delete;

  [[nodiscard]] FileStatus Open(const std::string& path);
  /// The file's size when it was opened.
  [[nodiscard]] std::size_t Size() const { return m_size; }
  /// Reads up to `capacity` bytes into `buffer`; `got` is 0 at the end of the file.
  [[nodiscard]] FileStatus Read(char* buffer, std::size_t capacity, std::size_t& got);
  /// The length of the hole at the read position: the stretch of a sparse file that reads
  /// as zero bytes without being stored. 0 when there is none or the file system cannot
  /// tell. The read position stays where it is.
  [[nodiscard]] std::size_t HoleAhead() const;
  /// Moves the read position `count` bytes on, as reading them would.
  [[nodiscard]] FileStatus Skip(std::size_t count);

private:
  int m_fd = -1;
  std::size_t m_size = 0;
  std::string m_path;
};

/// Reads a whole file into `contents`.
[[nodiscard]] FileStatus ReadWholeFile(const std::string& path, std::string& contents);

} // namespace lumivex

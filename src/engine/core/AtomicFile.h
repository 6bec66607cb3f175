#pragma once

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
/// permission bits.
[[nodiscard]] FileStatus WriteFileAtomically(const std::string& path, std::string_view contents);

/// Reads a whole file into `contents`.
[[nodiscard]] FileStatus ReadWholeFile(const std::string& path, std::string& contents);

} // namespace lumivex

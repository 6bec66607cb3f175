#include "core/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumivex {

namespace {

FileStatus Failure(const std::string& what, const std::string& path, int error) {
  return {false, what + " " + path + ": " + std::strerror(error)};
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file a write to `path` should replace: the end of a chain of symbolic links (which
// need not exist yet), else the path itself.
std::string ResolveTarget(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      break;
    }
    char link[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), link, sizeof link - 1);
    if (length <= 0) {
      break;
    }
    const std::string target(link, static_cast<std::size_t>(length));
    const std::size_t slash = path.find_last_of('/');
    path = (target.front() == '/' || slash == std::string::npos)
               ? target
               : path.substr(0, slash + 1) + target;
  }
  return path;
}

// The part of a file's name that names its temporary files: the name itself, cut so that a
// temporary name stays within the 255 bytes a file name may have, whatever the name's length
// (never inside a UTF-8 character).
std::string TemporaryStem(const std::string& name) {
  std::size_t length = std::min<std::size_t>(name.size(), 200);
  while (length < name.size() && length > 0 &&
         (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
    --length;
  }
  return name.substr(0, length);
}

// The temporary file of a write to `name` in `folder` by the process `pid`, as the `count`th
// write of that process.
std::string TemporaryName(const std::string& folder, const std::string& name, long pid,
                          unsigned count) {
  return folder + "." + TemporaryStem(name) + "." + std::to_string(pid) + "-" +
         std::to_string(count) + ".tmp";
}

// Reads the decimal digits at the start of `text` into `value` and drops them; false when
// there are none.
bool TakeNumber(std::string_view& text, long& value) {
  std::size_t digits = 0;
  value = 0;
  while (digits < text.size() && digits < 9 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  text.remove_prefix(digits);
  return digits > 0;
}

// Removes the temporary files of writes to `name` in `folder` that a process which no
// longer runs left behind when it was killed part-way. Those of running processes (this
// one included) may still be written and stay.
void RemoveLeftoverTemporaries(const std::string& folder, const std::string& name) {
  DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
  if (directory == nullptr) {
    return;
  }
  const std::string prefix = "." + TemporaryStem(name) + ".";
  while (const dirent* entry = ::readdir(directory)) {
    std::string_view rest(entry->d_name);
    if (!rest.starts_with(prefix) || !rest.ends_with(".tmp")) {
      continue;
    }
    rest.remove_prefix(prefix.size());
    long pid = 0;
    long count = 0;
    if (!TakeNumber(rest, pid) || !rest.starts_with('-')) {
      continue;
    }
    rest.remove_prefix(1);
    if (!TakeNumber(rest, count) || rest != ".tmp" || pid == ::getpid()) {
      continue;
    }
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      ::unlink((folder + entry->d_name).c_str());
    }
  }
  ::closedir(directory);
}

} // namespace

FileStatus WriteFileAtomically(const std::string& path, std::string_view contents) {
  static std::atomic<unsigned> counter{0};
  const std::string target = ResolveTarget(path);
  const std::size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryName(folder, name, ::getpid(), counter++);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      return Failure("Cannot create", path, errno);
    }
  }
  if (fd < 0) {
    return Failure("Cannot create", path, EEXIST);
  }
  if (exists) {
    // Keep the permissions the user gave the file; failure here is not worth a refusal.
    (void)::fchmod(fd, existing.st_mode & 07777);
  }
  const bool written = WriteAll(fd, contents);
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : writeError;
    ::unlink(temporary.c_str());
    return Failure("Cannot write", path, error);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failure("Cannot replace", path, error);
  }
  RemoveLeftoverTemporaries(folder, name);
  return {true, {}};
}

CInputFile::~CInputFile() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

FileStatus CInputFile::Open(const std::string& path) {
  m_path = path;
  // Without O_NONBLOCK opening a named pipe would wait for a writer.
  m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (m_fd < 0) {
    return Failure("Cannot open", path, errno);
  }
  struct stat info {};
  int error = 0;
  if (::fstat(m_fd, &info) != 0) {
    error = errno;
  } else if (S_ISDIR(info.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(info.st_mode)) {
    ::close(m_fd);
    m_fd = -1;
    return {false, "Cannot open " + path + ": it is not a regular file"};
  } else if (const int flags = ::fcntl(m_fd, F_GETFL);
             flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    error = errno;
  }
  if (error != 0) {
    ::close(m_fd);
    m_fd = -1;
    return Failure("Cannot open", path, error);
  }
  m_size = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  return {true, {}};
}

std::size_t CInputFile::HoleAhead() const {
  const off_t position = ::lseek(m_fd, 0, SEEK_CUR);
  if (position < 0) {
    return 0;
  }
  off_t data = ::lseek(m_fd, position, SEEK_DATA);
  if (data < 0) {
    // ENXIO: no data after the position, the file ends in a hole (or has ended).
    data = errno == ENXIO ? std::max(position, static_cast<off_t>(m_size)) : position;
  }
  if (::lseek(m_fd, position, SEEK_SET) != position) {
    return 0;
  }
  return static_cast<std::size_t>(data - position);
}

FileStatus CInputFile::Skip(std::size_t count) {
  if (count > static_cast<std::size_t>(std::numeric_limits<off_t>::max())) {
    return Failure("Cannot read", m_path, EOVERFLOW);
  }
  if (::lseek(m_fd, static_cast<off_t>(count), SEEK_CUR) < 0) {
    return Failure("Cannot read", m_path, errno);
  }
  return {true, {}};
}

FileStatus CInputFile::Read(char* buffer, std::size_t capacity, std::size_t& got) {
  for (;;) {
    const ssize_t count = ::read(m_fd, buffer, capacity);
    if (count >= 0) {
      got = static_cast<std::size_t>(count);
      return {true, {}};
    }
    if (errno != EINTR) {
      return Failure("Cannot read", m_path, errno);
    }
  }
}

FileStatus ReadWholeFile(const std::string& path, std::string& contents) {
  CInputFile file;
  if (FileStatus opened = file.Open(path); !opened.ok) {
    return opened;
  }
  contents.clear();
  char buffer[1 << 16];
  for (std::size_t got = 1; got > 0;) {
    if (FileStatus read = file.Read(buffer, sizeof buffer, got); !read.ok) {
      return read;
    }
    contents.append(buffer, got);
  }
  return {true, {}};
}

} // namespace lumivex

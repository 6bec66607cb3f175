#include "core/AtomicFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace lumivex {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// Names of the entries of a folder, sorted.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t PermissionBits(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// Limits the size of files this process may write, as a full disk would, and ignores the
// signal that exceeding the limit raises, so the write itself reports the failure.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    m_active = ::getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
    if (m_active) {
      struct rlimit limited = m_previous;
      limited.rlim_cur = bytes;
      m_active = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
  }
  ~FileSizeLimit() {
    if (m_active) {
      ::setrlimit(RLIMIT_FSIZE, &m_previous);
    }
    std::signal(SIGXFSZ, m_previousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  [[nodiscard]] bool Active() const { return m_active; }

private:
  struct rlimit m_previous {};
  void (*m_previousHandler)(int) = SIG_DFL;
  bool m_active = false;
};

// ---- Writing -------------------------------------------------------------------------

TEST(AtomicFileWrite, CreatesAMissingFile) {
  TempDir dir;
  const std::string path = dir.Path("new.txt");
  const FileStatus status = WriteFileAtomically(path, "400.000 0.5\n");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_TRUE(status.message.empty());
  EXPECT_EQ(TempDir::Read(path), "400.000 0.5\n");
}

TEST(AtomicFileWrite, ReplacesAnExistingFileWhole) {
  TempDir dir;
  const std::string path = dir.Write("data.txt", "a much longer old content that must vanish\n");
  const FileStatus status = WriteFileAtomically(path, "new");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(TempDir::Read(path), "new");

  ASSERT_TRUE(WriteFileAtomically(path, "").ok);
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(AtomicFileWrite, KeepsBytesExactly) {
  TempDir dir;
  const std::string path = dir.Path("binary.dat");
  constexpr char kBytes[] = "line\r\nnul\0byte\xFF\xC3\xA9\n";
  const std::string contents(kBytes, sizeof kBytes - 1);
  ASSERT_TRUE(WriteFileAtomically(path, contents).ok);
  EXPECT_EQ(TempDir::Read(path), contents);
}

TEST(AtomicFileWrite, AReaderHoldingTheOldFileKeepsSeeingItWhole) {
  TempDir dir;
  const std::string path = dir.Write("data.txt", "old contents\n");
  std::ifstream reader(path, std::ios::binary);
  ASSERT_TRUE(reader.is_open());

  ASSERT_TRUE(WriteFileAtomically(path, "new contents, longer than before\n").ok);
  const std::string seen((std::istreambuf_iterator<char>(reader)),
                         std::istreambuf_iterator<char>());
  EXPECT_EQ(seen, "old contents\n");
  EXPECT_EQ(TempDir::Read(path), "new contents, longer than before\n");
}

TEST(AtomicFileWrite, KeepsThePermissionBitsOfTheReplacedFile) {
  for (const mode_t mode : {mode_t{0640}, mode_t{0600}, mode_t{0666}, mode_t{0604}}) {
    SCOPED_TRACE(mode);
    TempDir dir;
    const std::string path = dir.Write("settings.ini", "[S]\n");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "[S]\nValue=1\n").ok);
    EXPECT_EQ(PermissionBits(path), mode);
    EXPECT_EQ(TempDir::Read(path), "[S]\nValue=1\n");
  }
}

TEST(AtomicFileWrite, WritingThroughASymlinkReplacesItsTargetAndKeepsTheLink) {
  TempDir dir;
  const std::string target = dir.Write("real/settings.ini", "old\n");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const std::string link = dir.Path("links/settings.ini");
  fs::create_directories(fs::path(link).parent_path());
  fs::create_symlink("../real/settings.ini", link);

  const FileStatus status = WriteFileAtomically(link, "new\n");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), fs::path("../real/settings.ini"));
  EXPECT_EQ(TempDir::Read(target), "new\n");
  EXPECT_EQ(TempDir::Read(link), "new\n");
  EXPECT_EQ(PermissionBits(target), mode_t{0640});
  EXPECT_EQ(Entries(fs::path(target).parent_path()), std::vector<std::string>{"settings.ini"});
  EXPECT_EQ(Entries(fs::path(link).parent_path()), std::vector<std::string>{"settings.ini"});
}

TEST(AtomicFileWrite, WritingThroughADanglingSymlinkCreatesItsTarget) {
  TempDir dir;
  const std::string link = dir.Path("links/new.ini");
  fs::create_directories(fs::path(link).parent_path());
  fs::create_directories(dir.Path("real"));
  fs::create_symlink("../real/new.ini", link);

  const FileStatus status = WriteFileAtomically(link, "made\n");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(TempDir::Read(dir.Path("real/new.ini")), "made\n");
}

TEST(AtomicFileWrite, LeavesNoTemporaryFileBehind) {
  TempDir dir;
  const std::string path = dir.Write("spectrum.txt", "old\n");
  const std::string other = dir.Write("other.txt", "untouched\n");
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(WriteFileAtomically(path, "new " + std::to_string(i) + "\n").ok);
  }
  ASSERT_TRUE(WriteFileAtomically(dir.Path("created.txt"), "fresh\n").ok);
  EXPECT_EQ(Entries(fs::path(path).parent_path()),
            (std::vector<std::string>{"created.txt", "other.txt", "spectrum.txt"}));
  EXPECT_EQ(TempDir::Read(path), "new 2\n");
  EXPECT_EQ(TempDir::Read(other), "untouched\n");
}

// ---- Failures ------------------------------------------------------------------------

TEST(AtomicFileFailure, AMissingFolderFailsNamingThePathAndLeavesNothing) {
  TempDir dir;
  const fs::path root = fs::path(dir.Path("anchor")).parent_path();
  const std::string path = dir.Path("missing/spectrum.txt");
  const FileStatus status = WriteFileAtomically(path, "data\n");
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
  EXPECT_FALSE(fs::exists(dir.Path("missing")));
  EXPECT_TRUE(Entries(root).empty());
}

TEST(AtomicFileFailure, AFolderInTheWayIsKeptAndNoTemporaryFileRemains) {
  TempDir dir;
  const std::string path = dir.Path("folder");
  fs::create_directories(path);
  const std::string inside = dir.Write("folder/kept.txt", "kept\n");

  const FileStatus status = WriteFileAtomically(path, "data\n");
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(TempDir::Read(inside), "kept\n");
  EXPECT_EQ(Entries(fs::path(path).parent_path()), std::vector<std::string>{"folder"});
}

TEST(AtomicFileFailure, AFullDiskLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string old = "[Spectra]\nNumber=2\n";
  const std::string path = dir.Write("lumivex.db", old);
  const std::string large(256 * 1024, 'x');

  FileStatus status;
  bool limited = false;
  {
    const FileSizeLimit limit(4096);
    limited = limit.Active();
    if (limited) {
      status = WriteFileAtomically(path, large);
    }
  }
  ASSERT_TRUE(limited) << "the file size limit could not be set";
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
  EXPECT_EQ(TempDir::Read(path), old);
  EXPECT_EQ(Entries(fs::path(path).parent_path()), std::vector<std::string>{"lumivex.db"});
}

// ---- Reading -------------------------------------------------------------------------

TEST(AtomicFileRead, ReadsTheWholeFileReplacingTheOldContents) {
  TempDir dir;
  std::string large;
  for (int i = 0; large.size() < 200'000; ++i) {
    large += std::to_string(400 + i) + ".000         0.125000000000\n";
  }
  const std::string path = dir.Write("large.txt", large);
  std::string contents = "stale";
  const FileStatus status = ReadWholeFile(path, contents);
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(contents, large);

  const std::string empty = dir.Write("empty.txt", "");
  ASSERT_TRUE(ReadWholeFile(empty, contents).ok);
  EXPECT_EQ(contents, "");
}

TEST(AtomicFileRead, AMissingFileFailsNamingIt) {
  TempDir dir;
  const std::string path = dir.Path("absent.txt");
  std::string contents;
  const FileStatus status = ReadWholeFile(path, contents);
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
}

TEST(AtomicFileRead, AFolderFailsNamingIt) {
  TempDir dir;
  const std::string path = dir.Path("folder");
  fs::create_directories(path);
  std::string contents;
  const FileStatus status = ReadWholeFile(path, contents);
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
}

TEST(AtomicFileRead, WhatIsNotARegularFileIsRefusedWithoutReadingOrWaiting) {
  TempDir dir;
  const std::string pipe = dir.Path("pipe.abs.txt");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {pipe, std::string("/dev/zero")}) {
    std::string contents = "stale";
    const FileStatus status = ReadWholeFile(path, contents);
    EXPECT_FALSE(status.ok) << path;
    EXPECT_EQ(status.message, "Cannot open " + path + ": it is not a regular file");
  }
}

} // namespace
} // namespace lumivex

// The program's writers under a killed process, a file-size limit and a read-only folder:
// the file on disk is always the old one or the new one, whole, and a failure is reported
// with the file's name.
#include "TestSupport.h"
#include "core/AtomicFile.h"
#include "core/Bitmap.h"
#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "database/DatabaseRecord.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumivex {
namespace {

using test::TempDir;

// A record whose every value names its number, with notes of several lines.
DatabaseRecord NumberedRecord(int number, std::size_t notesLength = 200) {
  DatabaseRecord record;
  record.absName = "Dye " + std::to_string(number);
  record.absFile = "dye" + std::to_string(number) + ".abs.txt";
  record.absEpsilon = static_cast<float>(number);
  record.emsNotes = "first line\nsecond line " + std::string(notesLength, 'n');
  record.lsTime = std::to_string(number);
  return record;
}

CSpectrum Ramp(float scale) {
  return test::MakeSpectrum(300.0f, 0.5f, 2000, [scale](float x) { return scale * x; });
}

std::vector<std::string> Temporaries(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".tmp")) {
      found.push_back(name);
    }
  }
  return found;
}

// A writer run over and over by a child that is killed part-way: `write` makes the
// iteration's change, `check` says whether the file on disk is a state the writes allow.
struct CrashCase {
  const char* name;
  std::function<void(const std::string&)> prepare;
  std::function<FileStatus(const std::string&, int)> write;
  std::function<::testing::AssertionResult(const std::string&)> check;
};

::testing::AssertionResult RecordsWhole(const std::string& path, int& lastCount) {
  std::string text;
  if (!ReadWholeFile(path, text).ok) {
    return ::testing::AssertionFailure() << "the database cannot be read";
  }
  const CProfileFile database = CProfileFile::Parse(text);
  const int count = RecordCount(database);
  if (count != HeaderRecordCount(database) || count < lastCount) {
    return ::testing::AssertionFailure()
           << "the header counts " << HeaderRecordCount(database) << " records, the file holds "
           << count << ", earlier " << lastCount;
  }
  for (int number = 1; number <= count; ++number) {
    if (!(ReadRecord(database, number) == NumberedRecord(number))) {
      return ::testing::AssertionFailure() << "record " << number << " is not whole";
    }
  }
  lastCount = count;
  return ::testing::AssertionSuccess();
}

std::vector<CrashCase> CrashCases(int& lastCount) {
  const DatabaseRecord first = NumberedRecord(2);
  const DatabaseRecord second = NumberedRecord(2, 600);
  return {
      {"append a record",
       [&lastCount](const std::string& path) {
         lastCount = 0;
         (void)std::filesystem::remove(path);
         ASSERT_TRUE(AppendRecord(path, true, NumberedRecord(1)).ok);
       },
       [](const std::string& path, int) {
         std::string text;
         (void)ReadWholeFile(path, text);
         return AppendRecord(path, false,
                             NumberedRecord(RecordCount(CProfileFile::Parse(text)) + 1));
       },
       [&lastCount](const std::string& path) { return RecordsWhole(path, lastCount); }},
      {"rewrite a record",
       [](const std::string& path) {
         (void)std::filesystem::remove(path);
         for (int number = 1; number <= 3; ++number) {
           ASSERT_TRUE(AppendRecord(path, number == 1, NumberedRecord(number)).ok);
         }
       },
       [first, second](const std::string& path, int iteration) {
         return RewriteRecord(path, 2, iteration % 2 == 0 ? second : first);
       },
       [first, second](const std::string& path) -> ::testing::AssertionResult {
         std::string text;
         (void)ReadWholeFile(path, text);
         const CProfileFile database = CProfileFile::Parse(text);
         const DatabaseRecord record = ReadRecord(database, 2);
         if (RecordCount(database) != 3 || !(ReadRecord(database, 1) == NumberedRecord(1)) ||
             !(ReadRecord(database, 3) == NumberedRecord(3)) ||
             !(record == first || record == second)) {
           return ::testing::AssertionFailure() << "the database is not one of the two writes";
         }
         return ::testing::AssertionSuccess();
       }},
      {"save a spectrum",
       [](const std::string& path) { ASSERT_TRUE(WriteSpectrumFile(Ramp(1.0f), path).ok); },
       [](const std::string& path, int iteration) {
         return FileStatus{WriteSpectrumFile(Ramp(iteration % 2 == 0 ? 2.0f : 1.0f), path).ok, {}};
       },
       [](const std::string& path) -> ::testing::AssertionResult {
         const std::string text = TempDir::Read(path);
         if (text != FormatSpectrumText(Ramp(1.0f)) && text != FormatSpectrumText(Ramp(2.0f))) {
           return ::testing::AssertionFailure() << "the spectrum file is not one of the two writes";
         }
         return ::testing::AssertionSuccess();
       }},
  };
}

TEST(DurableWritesTest, AKilledWriterLeavesTheOldOrTheNewFileWholeAndTheNextWriteTidiesUp) {
  constexpr int kKills = 200;
  int lastCount = 0;
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> moment(0, 2000);
  for (const CrashCase& crash : CrashCases(lastCount)) {
    SCOPED_TRACE(crash.name);
    TempDir dir;
    const std::string path = dir.Path("dyes with blanks.db");
    crash.prepare(path);
    int leftBehind = 0;
    for (int kill = 0; kill < kKills; ++kill) {
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        for (int iteration = 0;; ++iteration) {
          if (!crash.write(path, iteration).ok) {
            ::_exit(3);
          }
        }
      }
      std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
      ::kill(child, SIGKILL);
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own at kill " << kill;
      ASSERT_TRUE(crash.check(path)) << "after kill " << kill;
      leftBehind += Temporaries(dir.Path("")).empty() ? 0 : 1;
      // The next write, by a process that lives on, replaces the file and removes what the
      // killed one left behind.
      ASSERT_TRUE(crash.write(path, kill).ok);
      ASSERT_TRUE(crash.check(path));
      ASSERT_EQ(Temporaries(dir.Path("")), std::vector<std::string>{});
      // Start over now and then, so that the database stays a few dozen records long.
      if (kill % 20 == 19) {
        crash.prepare(path);
      }
    }
    std::printf("%s: %d kills, %d left a temporary file behind\n", crash.name, kKills, leftBehind);
  }
}

// A writer that must fail on the prepared folder: it is given the file's path and says what
// it reports.
struct FailingWrite {
  const char* name;
  std::string oldContents;
  std::function<FileStatus(const std::string&)> write;
};

std::vector<FailingWrite> FailingWrites() {
  std::string database;
  database += "[Spectra]\nNumber = 1\n\n";
  WriteRecord(database, 1, NumberedRecord(1));
  RgbImage picture{100, 100, std::vector<Rgb>(10000, Rgb{1, 2, 3})};
  return {
      {"append a record", database,
       [](const std::string& path) { return AppendRecord(path, false, NumberedRecord(2, 20000)); }},
      {"rewrite a record", database,
       [](const std::string& path) { return RewriteRecord(path, 1, NumberedRecord(1, 20000)); }},
      {"save a spectrum", "400.000 1\n401.000 2\n",
       [](const std::string& path) {
         const WriteResult result = WriteSpectrumFile(Ramp(1.0f), path);
         return FileStatus{result.ok, result.message};
       }},
      {"save a picture", "BM old",
       [picture](const std::string& path) { return WriteBmp(path, picture); }},
      {"write a profile value", "[Graph]\nLow = 1\n",
       [](const std::string& path) {
         return WriteProfileString(path, "Graph", "Title", std::string(20000, 't'));
       }},
      {"write a report", "<html>old</html>\n",
       [](const std::string& path) { return WriteFileAtomically(path, std::string(20000, 'r')); }},
  };
}

// Runs `write` in a child prepared by `limit` and returns what it reported: "ok" or the
// failure's message; "skip: ..." when the child could not be prepared.
std::string ReportedInChild(const std::function<std::string()>& limit,
                            const std::function<FileStatus()>& write) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) {
    return "skip: no pipe";
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string said = limit();
    if (said.empty()) {
      const FileStatus status = write();
      said = status.ok ? "ok" : status.message;
    }
    (void)!::write(pipeEnds[1], said.data(), said.size());
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string said;
  char buffer[4096];
  for (ssize_t got = 0; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    said.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return said;
}

// A child that may write no more than 8 KiB into any file, told of it by a failed write
// rather than killed by SIGXFSZ.
std::string LimitFileSize() {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{8192, 8192};
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? "" : "skip: no file-size limit";
}

// A child for whom the folder is read-only. The superuser passes over permission bits, so a
// child of the superuser takes the unprivileged "nobody" account first.
std::string ReadOnlyFolder() {
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
    return "skip: the superuser cannot become an unprivileged user here";
  }
  return ::geteuid() == 0 ? "skip: still the superuser" : "";
}

TEST(DurableWritesTest, AWriteThatFailsPartWayKeepsTheOldFileAndNamesIt) {
  int checked = 0;
  for (const FailingWrite& failing : FailingWrites()) {
    for (const bool readOnly : {false, true}) {
      SCOPED_TRACE(std::string(failing.name) +
                   (readOnly ? " in a read-only folder" : " past the size limit"));
      TempDir dir;
      const std::string folder = dir.Path("read only ü");
      std::filesystem::create_directories(folder);
      const std::string path = folder + "/the \"old\" file.dat";
      {
        const std::string written =
            dir.Write("read only ü/the \"old\" file.dat", failing.oldContents);
        ASSERT_EQ(written, path);
      }
      if (readOnly) {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
      }
      const std::string said = ReportedInChild(readOnly ? ReadOnlyFolder : LimitFileSize,
                                               [&failing, &path] { return failing.write(path); });
      ::chmod(folder.c_str(), 0755);
      if (said.starts_with("skip: ")) {
        std::printf("%s: %s\n", failing.name, said.c_str());
        continue;
      }
      EXPECT_NE(said, "ok");
      EXPECT_NE(said.find(path), std::string::npos) << said;
      EXPECT_EQ(TempDir::Read(path), failing.oldContents);
      EXPECT_EQ(Temporaries(folder), std::vector<std::string>{});
      ++checked;
    }
  }
  EXPECT_GE(checked, 6);
  std::printf("%d failing writes checked\n", checked);
}

} // namespace
} // namespace lumivex

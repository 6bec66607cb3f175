// Opening and ordering a 10,000-record database in the database list window: open and fill
// (target under 300 ms), "Alphabetical" and "Classes" (under 100 ms each), and "Classes" on
// 40,000 records of as many classes (under 1 s: linear in the records), against a naive
// open that reads and parses the whole file again for every key it reads, as a profile
// reader without a cache does. The naive open is timed on a sample of records and scaled
// to the whole database. Each figure is the best of five runs (of one in a smoke run); the
// program prints them with the speed-up and exits non-zero when a target is missed (not in a
// smoke run).

#include "Smoke.h"
#include "commands/MainFrame.h"
#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "database/DatabaseRecord.h"
#include "database/StructureDlg.h"
#include "ui/CommandIds.h"
#include "ui/FrameViews.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace {

using namespace lumivex;

constexpr int kRecords = 10'000;
constexpr int kClasses = 40;
constexpr int kNaiveSample = 10;
constexpr int kManyClassRecords = 40'000;

// Answers every file dialog with one path and chooses every class.
class BenchPrompts : public Prompts {
public:
  std::string path;

  int Message(const std::string&, const std::string&, MessageButtons, MessageIcon) override {
    return kResultOk;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest&) override { return path; }
  std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
  int RunDialog(CDialogModel& dialog) override {
    auto& sort = static_cast<CSortDB&>(dialog);
    std::fill(sort.m_chosen.begin(), sort.m_chosen.end(), true);
    return kResultOk;
  }
  std::unique_ptr<PrintJob> PrintDialog(const PrintDialogRequest&) override { return nullptr; }
  void ShowHelp(int) override {}
  void ShowHelpContents(bool) override {}
  bool OpenInBrowser(const std::string&) override { return false; }
  void CopyText(const std::string&) override {}
};

class BenchViews : public CFrameViews {
public:
  void CreateChildWindows() override {}
  void ArrangeWindows() override {}
  void InvalidateGraph() override {}
  void FileListChanged() override {}
  void DatabaseListChanged() override {}
  void StructureChanged() override {}
  [[nodiscard]] CSize ClientSize() const override { return {}; }
  [[nodiscard]] CSize GraphClientSize() const override { return {}; }
  bool SaveGraphImage(const std::string&) override { return false; }
};

// A database of `records` molecules with every key filled, in `classes` classes written in
// varying letter case.
std::string WriteDatabase(const char* name, int records, int classes) {
  const auto folder = std::filesystem::temp_directory_path() / "lumivex-bench-database";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / name).string();
  std::string text = "[Spectra]\nNumber = " + std::to_string(records) + "\n\n";
  for (int i = 1; i <= records; ++i) {
    DatabaseRecord record;
    record.absName = "Molecule " + std::to_string((i * 7919) % records);
    const std::string cls = "Class " + std::to_string(i % classes);
    record.absClass = i % 3 == 0 ? cls : "class " + std::to_string(i % classes);
    record.absInstrument = "Spectrophotometer";
    record.absSolvent = "Ethanol";
    record.absEpsilon = 12000.0f;
    record.absWavelength = 450.0f;
    record.absReference = "Measured in the laboratory";
    record.absDate = "2026-01-01";
    record.absFile = "m" + std::to_string(i) + ".abs.txt";
    record.emsFile = "m" + std::to_string(i) + ".ems.txt";
    record.emsQuantumYield = 0.5f;
    record.emsNotes = "First line\nSecond line";
    WriteRecord(text, i, record);
  }
  const FileStatus status = WriteFileAtomically(path, text);
  if (!status.ok) {
    std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), status.message.c_str());
    std::exit(2);
  }
  return path;
}

// The best of five runs of `run`, in milliseconds; `prepare` runs untimed before each.
double BestMs(const std::function<void()>& prepare, const std::function<void()>& run) {
  double best = 1e300;
  for (int repetition = 0; repetition < bench::Repetitions(5); ++repetition) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

// One key read the naive way: the whole file read and parsed again.
std::string NaiveRead(const std::string& path, int record, const char* key) {
  std::string text;
  if (!ReadWholeFile(path, text).ok) {
    return "";
  }
  return CProfileFile::Parse(text).GetString(RecordSectionName(record, RecordSection::Absorption),
                                             key, "empty", kLocateBuffer);
}

bool Report(const char* what, double ms, double targetMs) {
  const bool met = ms < targetMs;
  std::printf("%-28s %9.1f ms  (target < %.0f ms: %s)\n", what, ms, targetMs,
              met ? "met" : "MISSED");
  return met;
}

} // namespace

int main() {
  BenchPrompts prompts;
  prompts.path = WriteDatabase("bench.db", kRecords, kClasses);
  BenchViews views;
  CMainFrame frame(prompts, views);
  CStructureDlg& list = frame.m_databaseList;

  const double openMs =
      BestMs([] { CProfileCache::Shared().Clear(); }, [&frame] { frame.Execute(kIdOpenDatabase); });
  if (list.Entries().size() != static_cast<std::size_t>(kRecords)) {
    std::fprintf(stderr, "the list holds %zu entries, not %d\n", list.Entries().size(), kRecords);
    return 2;
  }
  const double alphabeticalMs =
      BestMs([&list] { list.OnReset(); }, [&list] { list.OnAlphabetical(); });
  const double classesMs = BestMs([&list] { list.OnReset(); }, [&list] { list.OnClasses(); });
  if (list.Entries().size() != static_cast<std::size_t>(kRecords) ||
      list.SortDialog().m_classes.size() != static_cast<std::size_t>(kClasses)) {
    std::fprintf(stderr, "\"Classes\" listed %zu entries in %zu classes\n", list.Entries().size(),
                 list.SortDialog().m_classes.size());
    return 2;
  }

  const std::string standardPath = prompts.path;
  prompts.path = WriteDatabase("classes.db", kManyClassRecords, kManyClassRecords);
  frame.Execute(kIdOpenDatabase);
  const double manyClassesMs = BestMs([&list] { list.OnReset(); }, [&list] { list.OnClasses(); });
  if (list.Entries().size() != static_cast<std::size_t>(kManyClassRecords) ||
      list.SortDialog().m_classes.size() != static_cast<std::size_t>(kManyClassRecords)) {
    std::fprintf(stderr, "\"Classes\" listed %zu entries in %zu classes\n", list.Entries().size(),
                 list.SortDialog().m_classes.size());
    return 2;
  }
  prompts.path = standardPath;

  const double sampleMs = BestMs([] {},
                                 [&prompts] {
                                   for (int record = 1; record <= kNaiveSample; ++record) {
                                     if (NaiveRead(prompts.path, record, "Name") == "empty") {
                                       std::fprintf(stderr, "record %d has no name\n", record);
                                       std::exit(2);
                                     }
                                   }
                                 });
  const double naiveMs = sampleMs * kRecords / kNaiveSample;

  std::printf("database of %d records, %ju bytes\n", kRecords,
              static_cast<std::uintmax_t>(std::filesystem::file_size(prompts.path)));
  bool met = Report("open and fill", openMs, 300.0);
  met = Report("Alphabetical", alphabeticalMs, 100.0) && met;
  met = Report("Classes", classesMs, 100.0) && met;
  met = Report("Classes, 40,000 classes", manyClassesMs, 1000.0) && met;
  std::printf("%-28s %9.1f ms  (timed on %d records, scaled to %d)\n", "naive open and fill",
              naiveMs, kNaiveSample, kRecords);
  std::printf("naive / cached open: %.0fx\n", naiveMs / openMs);
  return met || bench::SmokeRun() ? 0 : 1;
}

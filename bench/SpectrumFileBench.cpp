// Reading and writing a 1,000,000-point spectrum file, against the plain C loops that a
// reader of this format would otherwise write: fgets + sscanf("%f %f") and fprintf. Before
// timing, the program checks that both readers give bit-identical points and both writers
// byte-identical files. After the runs it prints the speed-ups (best times of five
// repetitions) and exits non-zero when the reader is less than 5 times or the writer less
// than 3 times faster (not in a smoke run, which runs each once).

#include "Smoke.h"
#include "core/AtomicFile.h"
#include "core/SpectrumFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using lumivex::CSpectrum;
using lumivex::SpectrumPoint;

constexpr int kPoints = 1'000'000;

std::string Folder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "lumivex-bench-spectrum-file";
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return folder;
}

std::string SourcePath() {
  return Folder() + "/million.abs.txt";
}

// A broad absorption band with noise-like detail from 200 nm in steps of 0.001 nm.
CSpectrum MakeMillionPoints() {
  CSpectrum spectrum;
  spectrum.m_points.reserve(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    const float x = 200.0f + static_cast<float>(i) * 0.001f;
    const double nu = 1.0e7 / x;
    const double y = 1.2 * std::exp(-std::pow((nu - 33000.0) / 4000.0, 2)) +
                     0.01 * std::sin(static_cast<double>(i) * 0.37);
    spectrum.m_points.push_back({x, static_cast<float>(y)});
  }
  spectrum.m_xStep = 0.001f;
  return spectrum;
}

const CSpectrum& Source() {
  static const CSpectrum spectrum = [] {
    CSpectrum made = MakeMillionPoints();
    if (!made.WriteText(SourcePath())) {
      std::fprintf(stderr, "cannot write %s\n", SourcePath().c_str());
      std::exit(2);
    }
    return made;
  }();
  return spectrum;
}

std::vector<SpectrumPoint> ReadWithFgets(const std::string& path) {
  std::vector<SpectrumPoint> points;
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) {
    return points;
  }
  char line[100];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    SpectrumPoint point;
    if (std::sscanf(line, "%f %f", &point.x, &point.y) == 2) {
      points.push_back(point);
    }
  }
  std::fclose(file);
  return points;
}

bool WriteWithFprintf(const CSpectrum& spectrum, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    return false;
  }
  for (const SpectrumPoint& point : spectrum.m_points) {
    std::fprintf(file, "%4.3f         %.12f\n", static_cast<double>(point.x + spectrum.m_xShift),
                 static_cast<double>(point.y));
  }
  return std::fclose(file) == 0;
}

void BM_ReadSpectrumFile(benchmark::State& state) {
  Source();
  for (auto _ : state) {
    auto result = lumivex::ReadSpectrumFile(SourcePath());
    benchmark::DoNotOptimize(result.spectrum.m_points.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_ReadFgetsSscanf(benchmark::State& state) {
  Source();
  for (auto _ : state) {
    auto points = ReadWithFgets(SourcePath());
    benchmark::DoNotOptimize(points.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_WriteSpectrumFile(benchmark::State& state) {
  const CSpectrum& spectrum = Source();
  const std::string path = Folder() + "/written.abs.txt";
  for (auto _ : state) {
    benchmark::DoNotOptimize(spectrum.WriteText(path));
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_WriteFprintf(benchmark::State& state) {
  const CSpectrum& spectrum = Source();
  const std::string path = Folder() + "/printed.abs.txt";
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteWithFprintf(spectrum, path));
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// At least half a second of runs, five times; one run in a smoke run.
void Timing(benchmark::internal::Benchmark* timed) {
  if (lumivex::bench::SmokeRun()) {
    timed->Iterations(1);
  } else {
    timed->MinTime(0.5);
  }
  timed->Unit(benchmark::kMillisecond)->Repetitions(lumivex::bench::Repetitions(5));
}

BENCHMARK(BM_ReadSpectrumFile)->Apply(Timing);
BENCHMARK(BM_ReadFgetsSscanf)->Apply(Timing);
BENCHMARK(BM_WriteSpectrumFile)->Apply(Timing);
BENCHMARK(BM_WriteFprintf)->Apply(Timing);

// Refuses to time anything unless both readers and both writers agree exactly.
bool CheckIdentical() {
  const CSpectrum& spectrum = Source();
  const auto ours = lumivex::ReadSpectrumFile(SourcePath());
  const std::vector<SpectrumPoint> plain = ReadWithFgets(SourcePath());
  if (!ours.Ok() || ours.spectrum.m_points.size() != plain.size() ||
      std::memcmp(ours.spectrum.m_points.data(), plain.data(),
                  plain.size() * sizeof(SpectrumPoint)) != 0) {
    std::fprintf(stderr, "the two readers disagree\n");
    return false;
  }
  const std::string written = Folder() + "/written.abs.txt";
  const std::string printed = Folder() + "/printed.abs.txt";
  std::string a;
  std::string b;
  if (!spectrum.WriteText(written) || !WriteWithFprintf(spectrum, printed) ||
      !lumivex::ReadWholeFile(written, a).ok || !lumivex::ReadWholeFile(printed, b).ok || a != b) {
    std::fprintf(stderr, "the two writers disagree\n");
    return false;
  }
  std::printf("checked: %zu points read bit-identically, %zu bytes written identically\n",
              plain.size(), a.size());
  return true;
}

// Console output as usual, and each benchmark's best time per iteration over its
// repetitions kept for the ratios: other load on the machine only ever adds time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        const auto [entry, added] = m_seconds.emplace(run.run_name.function_name, seconds);
        if (!added && seconds < entry->second) {
          entry->second = seconds;
        }
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  [[nodiscard]] double Seconds(const std::string& name) const {
    const auto found = m_seconds.find(name);
    return found == m_seconds.end() ? 0.0 : found->second;
  }

private:
  std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!CheckIdentical()) {
    return 2;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  bool met = true;
  const auto ratio = [&](const char* ours, const char* plain, double target, const char* what) {
    const double a = reporter.Seconds(ours);
    const double b = reporter.Seconds(plain);
    if (a <= 0.0 || b <= 0.0) {
      return;
    }
    std::printf("%s speed-up: %.2fx (target %.0fx)\n", what, b / a, target);
    met = met && b / a >= target;
  };
  ratio("BM_ReadSpectrumFile", "BM_ReadFgetsSscanf", 5.0, "read");
  ratio("BM_WriteSpectrumFile", "BM_WriteFprintf", 3.0, "write");
  std::filesystem::remove_all(Folder());
  return met || lumivex::bench::SmokeRun() ? 0 : 1;
}

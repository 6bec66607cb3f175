// Reading a 100,000-point JCAMP-DX file whose data are ASDF-compressed (SQZ, DIF with its Y
// checks and DUP). Before timing, the program checks that the compressed file decodes to
// exactly the values of the same data written in AFFN. After the runs it prints the best
// time of five repetitions and exits non-zero when it is 0.1 s or more (not in a smoke run,
// which runs once).

#include "Smoke.h"
#include "core/AtomicFile.h"
#include "import/Jcamp.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kPoints = 100'000;
constexpr double kTargetSeconds = 0.1;

std::string Folder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "lumivex-bench-jcamp";
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return folder;
}

// An absorption band in integer units of 1e-4, quantised every 64 points into plateaus of
// eight equal values so that DUP has runs to compress.
std::vector<long> Ordinates() {
  std::vector<long> y(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    const double nm = 200.0 + 0.01 * i;
    const double band = 12000.0 * std::exp(-std::pow((nm - 650.0) / 180.0, 2));
    const double detail = (i % 64) < 8 ? 0.0 : 37.0 * std::sin(i * 0.37);
    y[static_cast<std::size_t>(i)] = std::lround(band + detail);
  }
  return y;
}

std::string Header(const char* form) {
  return std::string("##TITLE= benchmark band, ") + form +
         "\n##JCAMP-DX= 5.01\n##DATA TYPE= UV/VIS SPECTRUM\n##XUNITS= NANOMETERS\n"
         "##YUNITS= ABSORBANCE\n##XFACTOR= 0.01\n##YFACTOR= 0.0001\n##FIRSTX= 200\n"
         "##LASTX= " +
         std::to_string(200.0 + 0.01 * (kPoints - 1)) + "\n##NPOINTS= " + std::to_string(kPoints) +
         "\n##XYDATA= (X++(Y..Y))\n";
}

std::string Affn(const std::vector<long>& y) {
  std::string text = Header("AFFN");
  for (int i = 0; i < kPoints; i += 10) {
    text += std::to_string(20000 + i);
    for (int k = i; k < std::min(i + 10, kPoints); ++k) {
      text += ' ' + std::to_string(y[static_cast<std::size_t>(k)]);
    }
    text += '\n';
  }
  return text + "##END=\n";
}

// A value whose first digit is replaced by a letter of `positive` or `negative`.
std::string Letter(long value, const char* positive, const char* negative) {
  std::string digits = std::to_string(std::labs(value));
  digits[0] = (value < 0 ? negative : positive)[digits[0] - '0'];
  return digits;
}

std::string Sqz(long value) {
  return Letter(value, "@ABCDEFGHI", "@abcdefghi");
}

std::string Dif(long value) {
  return Letter(value, "%JKLMNOPQR", "%jklmnopqr");
}

std::string Dup(long count) {
  std::string digits = std::to_string(count);
  digits[0] = " STUVWXYZs"[digits[0] - '0'];
  return digits;
}

// DIF form with DUP for repeated differences, about 20 points a line; each line after the
// first begins with the previous line's last value as the Y check, and a last line holds
// only the final check.
std::string Compressed(const std::vector<long>& y) {
  std::string text = Header("DIF DUP");
  int i = 0;
  while (i < kPoints) {
    text += std::to_string(20000 + i) + Sqz(y[static_cast<std::size_t>(i)]);
    const int end = std::min(i + 20, kPoints - 1);
    int k = i;
    while (k < end) {
      const long difference = y[static_cast<std::size_t>(k + 1)] - y[static_cast<std::size_t>(k)];
      int run = 1;
      while (k + run < end &&
             y[static_cast<std::size_t>(k + run + 1)] - y[static_cast<std::size_t>(k + run)] ==
                 difference) {
        ++run;
      }
      text += Dif(difference);
      if (run > 1) {
        text += Dup(run);
      }
      k += run;
    }
    text += '\n';
    if (k == kPoints - 1) {
      text += std::to_string(20000 + k) + Sqz(y[static_cast<std::size_t>(k)]) + '\n';
      break;
    }
    i = k;
  }
  return text + "##END=\n";
}

std::string CompressedPath() {
  return Folder() + "/band-difdup.jdx";
}

void BM_ReadCompressedJcamp(benchmark::State& state) {
  for (auto _ : state) {
    const lumivex::JcampReadResult read = lumivex::ReadJcampFile(CompressedPath());
    benchmark::DoNotOptimize(read.tables.data());
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

BENCHMARK(BM_ReadCompressedJcamp)->Apply(Timing);

// Writes both files and refuses to time anything unless they decode to the same values.
bool WriteAndCheck() {
  const std::vector<long> y = Ordinates();
  const std::string affnPath = Folder() + "/band-affn.jdx";
  const std::string compressed = Compressed(y);
  if (!lumivex::WriteFileAtomically(affnPath, Affn(y)).ok ||
      !lumivex::WriteFileAtomically(CompressedPath(), compressed).ok) {
    std::fprintf(stderr, "cannot write the benchmark files in %s\n", Folder().c_str());
    return false;
  }
  const lumivex::JcampReadResult affn = lumivex::ReadJcampFile(affnPath);
  const lumivex::JcampReadResult asdf = lumivex::ReadJcampFile(CompressedPath());
  if (!affn.ok || !asdf.ok) {
    std::fprintf(stderr, "%s\n", (affn.ok ? asdf : affn).error.Text().c_str());
    return false;
  }
  const lumivex::JcampTable& a = affn.tables.front();
  const lumivex::JcampTable& b = asdf.tables.front();
  if (a.y.size() != kPoints || a.x != b.x || a.y != b.y) {
    std::fprintf(stderr, "the compressed file decodes to other values than the AFFN one\n");
    return false;
  }
  std::printf("checked: %d points, %zu bytes compressed, identical to the AFFN form\n", kPoints,
              compressed.size());
  return true;
}

// Console output as usual, and the best time per iteration over the repetitions kept:
// other load on the machine only ever adds time.
class BestReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        if (m_best <= 0.0 || seconds < m_best) {
          m_best = seconds;
        }
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  [[nodiscard]] double Best() const { return m_best; }

private:
  double m_best = 0.0;
};

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!WriteAndCheck()) {
    return 2;
  }
  BestReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  const double best = reporter.Best();
  std::printf("read of %d ASDF points: %.4f s (target below %.1f s)\n", kPoints, best,
              kTargetSeconds);
  return best < kTargetSeconds || lumivex::bench::SmokeRun() ? 0 : 1;
}

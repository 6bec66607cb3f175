#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole suite, then the engine tests once more
# under AddressSanitizer and UndefinedBehaviorSanitizer, then every fuzz target for 20 s
# with a fixed seed, then an optimised build of the engine and command-line tests and of
# the benchmarks, each benchmark run once.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

LUMIVEX_BUILD_DIR="$root/build" "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== engine tests under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DLUMIVEX_SANITIZE=ON -DLUMIVEX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-sanitize" --target lumivex_engine_tests lumivex_cli_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -L 'engine|cli'

echo "== fuzz targets, 20 s each, with a fixed seed so that a run repeats"
LUMIVEX_FUZZ_SEED=1 "$root/scripts/fuzz.sh" 20

echo "== optimised build: engine and command-line tests, every benchmark run once"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-release" --target lumivex_engine_tests lumivex_cli_tests \
  lumivex_benchmarks
ctest --test-dir "$root/build-release" --output-on-failure -j "$jobs" -L 'engine|cli'
for bench in "$root"/build-release/bench/lumivex_bench_*; do
  if [[ -f "$bench" && -x "$bench" ]]; then
    echo "-- $(basename "$bench")"
    LUMIVEX_BENCH_SMOKE=1 "$bench"
  fi
done

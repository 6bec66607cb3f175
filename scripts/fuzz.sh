#!/usr/bin/env bash
# Builds every fuzz target (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60) on a working copy of
# its seed corpus, one after the other. Fails on the first finding: the crashing input is
# left in build-fuzz/findings/<target>/ and libFuzzer's report in build-fuzz/logs/<target>.log.
# Each target's executions and coverage are printed when it ends. An input may run 60 s
# (wall time) before it counts as a hang, as a niced run on a busy machine waits long.
# LUMIVEX_FUZZ_SEED fixes libFuzzer's random seed, so that a short run repeats the same
# exploration; unset, every run explores afresh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
seed=()
if [[ -n "${LUMIVEX_FUZZ_SEED:-}" ]]; then
  seed=(-seed="$LUMIVEX_FUZZ_SEED")
fi
build=${LUMIVEX_FUZZ_BUILD_DIR:-$root/build-fuzz}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIVEX_FUZZ=ON >/dev/null
cmake --build "$build" --target lumivex_fuzzers

mkdir -p "$build/logs"
for source in "$root"/fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  cp -n "$root/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
  log="$build/logs/$target.log"
  echo "== $target for ${seconds} s"
  if ! ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 "${seed[@]}" -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: $target found a fault; its input is in $findings/" >&2
    exit 1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "   $executions executions, $coverage"
done

#!/usr/bin/env bash
# Builds the benchmarks with optimisation and runs them; each prints its targets.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

LUMIVEX_BUILD_DIR="$root/build-release" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
status=0
for bench in "$root"/build-release/bench/lumivex_bench_*; do
  "$bench" || status=1
done
exit $status

#!/usr/bin/env bash
# Configures and builds Lumivex in build/ (or the folder given as LUMIVEX_BUILD_DIR).
# Extra arguments go to CMake's configure step, e.g. -DLUMIVEX_SANITIZE=ON.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${LUMIVEX_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"

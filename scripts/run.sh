#!/usr/bin/env bash
# Sets up, builds and starts Lumivex. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

LUMIVEX_BUILD_DIR="$root/build" "$root/scripts/build.sh"
exec "$root/build/bin/lumivex" "$@"

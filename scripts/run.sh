#!/usr/bin/env bash
# Sets up, builds and starts Lumivex. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

LUMIVEX_BUILD_DIR="$root/build" "$root/scripts/build.sh"
# The desktop program is not built yet; until it is, the command-line program answers.
exec "$root/build/src/cli/lumivex-cli" "${@:---help}"

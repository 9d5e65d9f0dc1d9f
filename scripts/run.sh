#!/usr/bin/env bash
# Quick-start run command: installs what is missing, builds, and runs the
# program on the simulated default board.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
BUILD_DIR="$build" "$root/scripts/build.sh"
VELTRUNE_USE_DISPLAY=${DISPLAY:+1} "$root/scripts/with-wine.sh" "$build" wine "$build/bin/firmctl.exe" items 3

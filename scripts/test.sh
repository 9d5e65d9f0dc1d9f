#!/usr/bin/env bash
# Quick-start test command: installs what is missing, builds, and runs every
# test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
BUILD_DIR="$build" "$root/scripts/build.sh"
"$root/scripts/with-wine.sh" "$build" ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"

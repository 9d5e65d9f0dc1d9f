#!/usr/bin/env bash
# in-fresh-prefix.sh BUILD_DIR TEST_PROGRAM: packages BUILD_DIR/bin into
# Veltrune-Setup.exe, and a copy of bin/ with one file more into the earlier
# version an upgrade starts from, then runs TEST_PROGRAM in a Wine prefix of
# its own, made afresh for the run and removed after it passes (kept for a
# look after a failure, and replaced by the next run). Runs inside scripts/with-wine.sh,
# which provides the display and the "wine" that fits the build.
set -euo pipefail
build=$(cd "$1" && pwd)
program=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

"$root/scripts/package.sh" "$build"

scratch="$build/installer-test"
rm -rf "$scratch"
mkdir -p "$scratch/prefix" "$scratch/earlier"
cp -a "$build/bin" "$build/veltrune-arch" "$scratch/earlier/"
mkdir -p "$scratch/earlier/bin/Resource/Retired"
echo retired > "$scratch/earlier/bin/Resource/Retired/Retired.png"
"$root/scripts/package.sh" "$scratch/earlier" >/dev/null
export WINEPREFIX="$scratch/prefix"
stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
trap stop_wine EXIT

# Detached from our streams, or ctest waits for Wine's services to close them.
wine wineboot -u </dev/null >"$scratch/wineboot.log" 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true

VELTRUNE_SETUP=$(winepath -w "$build/Veltrune-Setup.exe")
VELTRUNE_BIN=$(winepath -w "$build/bin")
VELTRUNE_PACKAGE=$(winepath -w "$build/package")
VELTRUNE_EARLIER_SETUP=$(winepath -w "$scratch/earlier/Veltrune-Setup.exe")
export VELTRUNE_SETUP VELTRUNE_BIN VELTRUNE_PACKAGE VELTRUNE_EARLIER_SETUP
wine "$program" </dev/null
stop_wine
rm -rf "$scratch"

#!/usr/bin/env bash
# Quick-start run command: installs what is missing, builds, and runs
# Veltrune on the simulated default board in a Wine desktop window named
# "shell". The program starts hidden, as at logon; it is then started a
# second time, as a user would, which shows the running copy's window.
#
# With a display the desktop window stays open until you close it. Without
# one everything runs on a private Xvfb screen, and a picture of the desktop
# is saved as BUILD_DIR/veltrune-desktop.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

if [ "${1:-}" != "--inside-wine" ]; then
  "$root/scripts/setup.sh"
  BUILD_DIR="$build" "$root/scripts/build.sh"
  VELTRUNE_USE_DISPLAY=${DISPLAY:+1} exec "$root/scripts/with-wine.sh" "$build" "$0" --inside-wine
fi

# Inside the private Wine environment from here on.
desktop=/desktop=shell,1280x1024
cd "$build/bin"
wine explorer "$desktop" Veltrune.exe >/dev/null 2>&1 &
desktop_pid=$!
# The first copy needs a moment to make its (hidden) main window; a second
# start before that finds nobody to show and quietly ends.
sleep 3
wine explorer "$desktop" Veltrune.exe

if [ -z "${VELTRUNE_USE_DISPLAY:-}" ]; then
  sleep 2
  shot="$build/veltrune-desktop.png"
  wine explorer "$desktop" "$build/tools/deskshot.exe" "$(winepath -w "$shot")" >/dev/null 2>&1
  # deskshot runs detached inside the desktop: wait for its file.
  for _ in $(seq 100); do [ -s "$shot" ] && break; sleep 0.1; done
  echo "Desktop picture: $shot"
else
  echo "Veltrune runs in the Wine desktop window; close that window to end."
  wait "$desktop_pid" || true
fi

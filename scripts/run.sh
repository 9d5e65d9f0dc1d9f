#!/usr/bin/env bash
# Quick-start run command: installs what is missing, builds, and runs
# Veltrune on the simulated default board in a Wine desktop window named
# "shell". The program starts hidden, as at logon; it is then started a
# second time, as a user would, which shows the running copy's window.
#
# With a display the desktop window stays open until you close it. Without
# one everything runs on a private Xvfb screen, and a picture of the desktop
# is saved as BUILD_DIR/veltrune-desktop.png.
#
# It runs the build this machine can execute: the shipped 32-bit program, or
# the 64-bit one where 32-bit programs cannot start (see scripts/arch.sh).
set -euo pipefail
source "$(dirname "$0")/arch.sh"
# Set up first: whether the 32-bit loader starts depends on what it installs.
[ "${1:-}" = "--inside-wine" ] || "$veltrune_root/scripts/setup.sh"
arch=$(veltrune_runnable_arch)
veltrune_check_arch "$arch"
build=$(veltrune_build_dir "$arch")

if [ "${1:-}" != "--inside-wine" ]; then
  "$veltrune_root/scripts/build.sh" "$arch"
  echo "Running the $arch build in $build"
  VELTRUNE_USE_DISPLAY=${DISPLAY:+1} exec "$veltrune_root/scripts/with-wine.sh" "$build" "$0" --inside-wine
fi

# Inside the private Wine environment from here on.
desktop=/desktop=shell,1280x1024
cd "$build/bin"
wine explorer "$desktop" Veltrune.exe >/dev/null 2>&1 &
desktop_pid=$!
# The first copy needs a moment to make its (hidden) main window; a second
# start before that finds nobody to show and quietly ends.
sleep 8
wine explorer "$desktop" Veltrune.exe

if [ -z "${VELTRUNE_USE_DISPLAY:-}" ]; then
  sleep 2
  shot="$build/veltrune-desktop.png"
  rm -f "$shot"
  wine explorer "$desktop" "$build/tools/deskshot.exe" "$(winepath -w "$shot")" >/dev/null 2>&1
  # deskshot runs detached inside the desktop: wait for its file.
  for _ in $(seq 100); do [ -s "$shot" ] && break; sleep 0.1; done
  echo "Desktop picture: $shot"
else
  echo "Veltrune runs in the Wine desktop window; close that window to end."
  wait "$desktop_pid" || true
fi

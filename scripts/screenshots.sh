#!/usr/bin/env bash
# screenshots.sh: takes the README's pictures again. It runs the real
# program on the simulated default board in a Wine desktop on a private
# screen, drives it as a person would (its own veltrunectl, and clicks and
# keys from tools/windowshot), and saves each window cropped to itself in
# docs/ as a small PNG (quantised with pngquant).
#
# To refresh the pictures after a change of the looks:
#
#     ./scripts/build.sh && ./scripts/screenshots.sh
#
# then look at docs/*.png and commit them. Every run starts from a new Wine
# prefix, board state and profile folder (BUILD_DIR/screenshots/), so the
# pictures depend only on the program; the prefix stays afterwards for a
# look at what went wrong. Exit code 1 names the step that failed.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
# Set up first: whether the 32-bit loader starts depends on what it installs.
[ "${1:-}" = "--inside-wine" ] || "$veltrune_root/scripts/setup.sh"
arch=$(veltrune_runnable_arch)
veltrune_check_arch "$arch"
build=$(veltrune_build_dir "$arch")

if [ "${1:-}" != "--inside-wine" ]; then
  "$veltrune_root/scripts/build.sh" "$arch"
  shots="$build/screenshots"
  rm -rf "$shots"
  mkdir -p "$shots/state" "$shots/raw"
  cp "$build/veltrune-arch" "$shots/"
  # The pictures are always of the private 1280x1024 screen, never of a
  # display of the caller's.
  mkdir -p "$veltrune_root/docs"
  env -u VELTRUNE_USE_DISPLAY "$veltrune_root/scripts/with-wine.sh" "$shots" "$0" --inside-wine
  for raw in "$shots"/raw/*.png; do
    out="$veltrune_root/docs/$(basename "$raw")"
    pngquant --force --skip-if-larger --speed 1 --quality 60-90 --strip --output "$out" -- "$raw" ||
      cp "$raw" "$out"
  done
  ls -l "$veltrune_root"/docs/*.png
  exit 0
fi

# Inside the private Wine environment (its prefix in BUILD_DIR/screenshots).
shots="$build/screenshots"
raw="$shots/raw"
bin="$build/bin"
windowshot="$build/tools/windowshot.exe"
export FIRMLINK_STATE_DIR
FIRMLINK_STATE_DIR=$(winepath -w "$shots/state")

# Every program started from here shows in the one virtual desktop that
# `explorer /desktop=shell,1280x1024` makes (as run.sh's), so that the tools
# find the program's windows and a topmost popup stays above the layered
# main window, which an X screen without a window manager gets wrong.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f >/dev/null 2>&1

step() {
  echo "screenshots: $1"
  current_step=$1
}
current_step=""
trap 'status=$?; [ "$status" -eq 0 ] || echo "screenshots: failed at: $current_step" >&2' EXIT

ctl() { wine "$bin/veltrunectl.exe" "$@"; }
shot() { wine "$windowshot" "$@"; }
picture() { shot picture "$(winepath -w "$raw/$1")" "${@:2}"; }
main=(TMainForm Veltrune)

step "start the program, hidden as at logon"
(cd "$bin" && wine explorer /desktop=shell,1280x1024 Veltrune.exe >/dev/null 2>&1 &)
for _ in $(seq 300); do
  status=0
  ctl show >/dev/null 2>&1 || status=$?
  [ "$status" -eq 1 ] || break
  sleep 0.1
done
[ "$status" -eq 0 ]

step "the compact window, with the keyboard's focus mark on the profile selector"
shot key "${main[@]}" tab tab tab
picture compact.png "${main[@]}"

step "the profile list open"
shot click "${main[@]}" ProfileSelector.DropButton
picture profile-list.png "${main[@]}"
shot click "${main[@]}" ProfileSelector.DropButton

step "the save-profile dialog, with the focus moved on from the name field"
shot click "${main[@]}" SaveProfileButton
# The name field's caret blinks, so that no two pictures of it would agree.
shot key TProfileDialog "" tab
picture save-profile.png TProfileDialog
shot key TProfileDialog "" escape
shot wait-gone TProfileDialog

step "the question before an apply"
ctl apply Gaming >/dev/null 2>&1 &
apply=$!
picture ask.png TAskDialog
shot click TAskDialog "" NoButton
wait "$apply" || [ $? -eq 4 ]

step "the danger question for a voltage above the firmware's limit"
ctl apply "Extreme OC" >/dev/null 2>&1 &
apply=$!
picture danger.png TAskDialog
shot click TAskDialog "" NoButton
wait "$apply" || [ $? -eq 4 ]
ctl show >/dev/null

step "the Advance Mode page"
shot click "${main[@]}" MoreSetting
picture advance-mode.png "${main[@]}"

step "the CPU Ratio page"
shot click "${main[@]}" RatioTab
picture cpu-ratio.png "${main[@]}"

step "the tray menu"
shot tray-click right
shot menu-picture "$(winepath -w "$raw/tray-menu.png")"
shot key "#32768" "" escape
shot wait-gone "#32768"

step "quit"
ctl quit >/dev/null

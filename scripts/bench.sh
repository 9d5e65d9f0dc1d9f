#!/usr/bin/env bash
# bench.sh [RUNS] [DRAG_STEPS]: the start-up, idle, drag and firmware-call
# benchmarks of the build this machine runs (both builds where it runs
# both), side by side with a bare window program, as one table with the
# goals beside the figures. Not a test: figures vary with the machine and
# its load; compare runs made back to back.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
runs=${1:-11}
steps=${2:-301}

if [ "${1:-}" = "--inside-wine" ]; then
  build=$2 runs=$3 steps=$4
  cd "$build"
  # Windows programs end their lines in CR LF.
  start=$(wine tools/startbench.exe "$runs" | tr -d '\r')
  drag=$(wine tools/dragbench/dragbench.exe "$steps" | tr -d '\r')

  # Firmware calls from the start until the window shows, from the simulated
  # firmware's journal. Ordinals 6, 7, 9 and 10 only walk a buffer the
  # firmware already returned; every other call is a round trip.
  # A copy the benchmarks above left ending would take the start below for a
  # second start and hand over to it.
  for _ in $(seq 50); do wine bin/veltrunectl.exe quit >/dev/null 2>&1 || break; sleep 0.2; done
  sleep 1
  journal=$(mktemp)
  FIRMLINK_JOURNAL="Z:${journal//\//\\}" wine bin/Veltrune.exe >/dev/null 2>&1 &
  for _ in $(seq 100); do wine bin/veltrunectl.exe show >/dev/null 2>&1 && break; sleep 0.2; done
  # The show request can be taken as soon as the window exists, before the
  # rest is built: count once the journal holds still.
  lines=-1
  for _ in $(seq 40); do
    now=$(wc -l < "$journal")
    [ "$now" = "$lines" ] && break
    lines=$now
    sleep 0.5
  done
  calls=$(awk '$1 !~ /^(6|7|9|10)$/' "$journal" | wc -l)
  distinct=$(awk '$1 == 11' "$journal" | sort -u | wc -l)
  described=$(awk '$1 == 11' "$journal" | wc -l)
  wine bin/veltrunectl.exe quit >/dev/null 2>&1 || true
  wait
  rm -f "$journal"

  # "label: Veltrune V unit, bare B unit, ratio R (goal ...)" from startbench.
  figure() { grep -F "$1" <<<"$start" | sed -E "s/.*Veltrune +([0-9.]+) ([A-Za-z]+), bare( start)? +([0-9.]+) [A-Za-z]+, (ratio ([0-9.]+)|beyond it ([-0-9.]+) ms).*/\1 \2|\4 \2|\6\7/"; }
  row() { printf '| %-44s | %-22s | %-12s | %-8s | %-16s |\n' "$@"; }
  ratio_row() {
    IFS='|' read -r mine bare ratio <<<"$(figure "$2")"
    row "$1" "$mine" "$bare" "$ratio" "$3"
  }
  drag_row() {
    local line; line=$(grep -F "$2" <<<"$drag")
    row "$1" "$(sed -E 's/.*median +([0-9.]+) ms = ([0-9.]+) frame.*/\1 ms = \2 frame/' <<<"$line")" "" "" "<= 0.06 frame"
  }
  echo "Veltrune benchmarks: $(cat veltrune-arch) build, $runs start-ups each, $steps drag steps; medians"
  row "figure" "Veltrune" "bare program" "ratio" "goal"
  row "---" "---" "---" "---" "---"
  ratio_row "until the hidden main window exists" "hidden main window exists" "<= 1.30 x bare"
  ratio_row "until the icon is in the tray" "icon is in the tray" "<= 1.30 x bare"
  ratio_row "until the message loop is idle (ready)" "message loop is idle" "<= 2.00 x bare"
  ratio_row "working set when idle" "working set when idle" "<= 1.60 x bare"
  IFS='|' read -r shown bare beyond <<<"$(figure "second start until")"
  [[ $beyond == -* ]] || beyond="+$beyond"
  row "second start until the window shows" "$shown" "$bare (start)" "$beyond ms" "<= bare start"
  row "CPU while idle" "$(grep -F "CPU while idle" <<<"$start" | sed -E 's/.*idle: +//; s/ \(goal 0\)//')" "" "" "0"
  drag_row "one drag step, large slider" "large slider drag step"
  drag_row "one drag step, ratio bar" "ratio bar drag step"
  row "firmware calls, start to window shown" "$calls" "" "" "<= 80"
  row "item descriptions among them" "$described ($distinct items)" "" "" "once per item"
  exit 0
fi

"$veltrune_root/scripts/setup.sh" >/dev/null
archs=$(veltrune_runnable_arch)
[ "$archs" = i686 ] && /usr/lib/wine/wine64 --version >/dev/null 2>&1 && archs="i686 x86_64"
for arch in $archs; do
  build=$(veltrune_build_dir "$arch")
  "$veltrune_root/scripts/build.sh" "$arch" >/dev/null
  "$veltrune_root/scripts/with-wine.sh" "$build" "$0" --inside-wine "$build" "$runs" "$steps"
done

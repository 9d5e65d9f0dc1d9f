#!/usr/bin/env bash
# fuzz.sh [--smoke] [--inputs N] [--native|--wine] [--only TARGET] [SECONDS]
#
# Fuzzes every reader of outside data for SECONDS each (default 60):
#   native (libFuzzer, address and undefined-behaviour sanitizers, clang,
#   built in build-fuzz/): package, board, state, picload;
#   under Wine (mutation loops of the Windows build): profile, pngreader, pipe.
# Prints per target the inputs run and the result; exits non-zero on any
# crash, hang, sanitizer report or broken invariant. Saved crash inputs of
# every target (fuzz/<target>/crashes/) are replayed first.
#
# --inputs N runs N inputs per target instead of SECONDS; --smoke a few
# thousand, from fixed seeds.
# FUZZ_SEED picks the Wine loops' mutation seed (default: the time, printed).
set -euo pipefail
source "$(dirname "$0")/arch.sh"
root=$veltrune_root

smoke=0 which=all only="" seconds=60 inputs=""
while [ $# -gt 0 ]; do
  case "$1" in
    --smoke) smoke=1 ;;
    --native) which=native ;;
    --wine) which=wine ;;
    --only) only=$2; shift ;;
    --inputs) inputs=$2; shift ;;
    [0-9]*) seconds=$1 ;;
    *) echo "usage: fuzz.sh [--smoke] [--inputs N] [--native|--wine] [--only TARGET] [SECONDS]" >&2; exit 2 ;;
  esac
  shift
done
smoke_inputs=3000
native_targets=(package board state picload)
wine_targets=(profile pngreader pipe)
wanted() { [ -z "$only" ] || [ "$only" = "$1" ]; }

results=()
failed=0
report() {  # target inputs result
  results+=("$(printf '%-10s %10s inputs  %s' "$1" "$2" "$3")")
  [ "$3" = ok ] || failed=1
}

run_native() {
  local build="$root/build-fuzz"
  cmake -S "$root/fuzz" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
  cmake --build "$build" -j"$(nproc)" >/dev/null || cmake --build "$build" -j1
  for t in "${native_targets[@]}"; do
    wanted "$t" || continue
    local bin="$build/fuzz_$t" log="$build/$t.log" artifacts="$build/artifacts/$t"
    mkdir -p "$artifacts" "$build/corpus/$t"
    local crashes=("$root/fuzz/$t"/crashes/*)
    if [ -e "${crashes[0]}" ] && ! "$bin" "${crashes[@]}" > "$log" 2>&1; then
      tail -30 "$log"; report "$t" "${#crashes[@]}" "FAILED replaying fuzz/$t/crashes"; continue
    fi
    local args=(-timeout=10 -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix="$artifacts/")
    [ -f "$root/fuzz/$t/$t.dict" ] && args+=(-dict="$root/fuzz/$t/$t.dict")
    if [ $smoke = 1 ]; then
      # From the seeds alone, so every smoke run is the same run. New inputs
      # go to the first folder, never to the committed seeds.
      rm -rf "$build/smoke/$t" && mkdir -p "$build/smoke/$t"
      args+=(-runs=$smoke_inputs -seed=1 "$build/smoke/$t" "$root/fuzz/$t/seeds")
    elif [ -n "$inputs" ]; then
      args+=(-runs="$inputs" "$build/corpus/$t" "$root/fuzz/$t/seeds")
    else
      args+=(-max_total_time="$seconds" "$build/corpus/$t" "$root/fuzz/$t/seeds")
    fi
    local status=0
    "$bin" "${args[@]}" > "$log" 2>&1 || status=$?
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ $status -eq 0 ]; then
      report "$t" "${runs:-?}" ok
    else
      grep -E "ERROR|SUMMARY|invariant|Assertion|runtime error|timeout" "$log" | head -8 || true
      report "$t" "${runs:-?}" "FAILED (log $log, input in $artifacts)"
    fi
  done
}

run_wine() {
  local arch build
  arch=$(veltrune_runnable_arch)
  build=$(veltrune_build_dir "$arch")
  if [ ! -d "$build/testbin/fuzz" ]; then "$root/scripts/build.sh" "$arch"; fi
  local seed=${FUZZ_SEED:-$(date +%s)}
  [ $smoke = 1 ] && seed=1
  local list=()
  for t in "${wine_targets[@]}"; do wanted "$t" && list+=("$t"); done
  [ ${#list[@]} -eq 0 ] && return
  echo "Wine loops: $build, seed $seed"
  mkdir -p "$build/fuzz-crashes"
  # One Wine environment for all loops; each loop writes its last line to
  # a log of its own.
  VELTRUNE_FUZZ_SEED=$seed VELTRUNE_FUZZ_SECONDS=$seconds \
  VELTRUNE_FUZZ_INPUTS=${inputs:-$smoke_inputs} VELTRUNE_FUZZ_BY_COUNT=$([ $smoke = 1 ] || [ -n "$inputs" ] && echo 1 || echo 0) \
  VELTRUNE_FUZZ_ROOT=$root \
    "$root/scripts/with-wine.sh" "$build" bash -c '
      cd "$0"
      win() { echo "Z:$(echo "$1" | tr / \\\\)"; }
      export WINEPATH=$(win "$0/bin")
      for t in "$@"; do
        exe=testbin/fuzz/fuzz_$t.exe
        crashes=("$VELTRUNE_FUZZ_ROOT/fuzz/$t"/crashes/*)
        if [ -e "${crashes[0]}" ]; then
          replay=(); for c in "${crashes[@]}"; do replay+=("$(win "$c")"); done
          wine "$exe" "${replay[@]}" > "fuzz-$t.log" 2>&1 || { echo "$t replay failed" >> "fuzz-$t.log"; continue; }
        fi
        if [ "$VELTRUNE_FUZZ_BY_COUNT" = 1 ]; then amount=(--inputs "$VELTRUNE_FUZZ_INPUTS"); else amount=(--seconds "$VELTRUNE_FUZZ_SECONDS"); fi
        wine "$exe" "${amount[@]}" --seed "$VELTRUNE_FUZZ_SEED" --seeds "$(win "$VELTRUNE_FUZZ_ROOT/fuzz/$t/seeds")" \
          --crashes "$(win "$0/fuzz-crashes")" > "fuzz-$t.log" 2>&1 || true
      done' "$build" "${list[@]}" || true
  for t in "${list[@]}"; do
    local log="$build/fuzz-$t.log" last
    last=$(grep -a "^$t: " "$log" 2>/dev/null | tail -1 | tr -d '\r' || true)
    local count
    count=$(echo "$last" | sed -n 's/^[a-z]*: \([0-9]*\) inputs.*/\1/p')
    if echo "$last" | grep -q "no failure"; then
      report "$t" "${count:-?}" ok
    else
      grep -a -v "^fixme\|^err:\|^wine:" "$log" 2>/dev/null | tail -5 || true
      report "$t" "${count:-?}" "FAILED (log $log)"
    fi
  done
}

[ "$which" = wine ] || run_native
[ "$which" = native ] || run_wine

echo "Fuzz results ($([ $smoke = 1 ] && echo smoke || { [ -n "$inputs" ] && echo "$inputs inputs each" || echo "${seconds}s each"; })):"
printf '  %s\n' "${results[@]}"
exit $failed

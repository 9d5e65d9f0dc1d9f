#!/usr/bin/env bash
# with-wine.sh BUILD_DIR COMMAND...: runs COMMAND inside a private Wine
# environment (its own prefix under BUILD_DIR, its own Xvfb display, a
# persistent wineserver) and tears all of it down afterwards, also on failure.
# The order matters: the server and wineboot must be up, with their standard
# streams detached, before COMMAND starts, or Wine's services inherit the
# caller's pipes and whoever reads them (ctest) never sees end of file.
set -euo pipefail
build=$(cd "$1" && pwd); shift

# "wine" (and "wine-stable", which winepath and friends call) must start the
# loader that fits the build's binaries: Debian's /usr/bin/wine would take the
# 32-bit one whenever wine32 is installed, even where it cannot run.
arch=$(cat "$build/veltrune-arch" 2>/dev/null || echo i686)
case "$arch" in
  i686) loader=/usr/lib/wine/wine ;;
  x86_64) loader=/usr/lib/wine/wine64 ;;
  *) echo "unknown build architecture '$arch' in $build" >&2; exit 2 ;;
esac
if ! "$loader" --version >/dev/null 2>&1; then
  echo "$loader cannot run on this machine; build and test x86_64 instead (scripts/build.sh x86_64)" >&2
  exit 1
fi
shim="$build/wine-shim"
mkdir -p "$shim"
for name in wine wine-stable; do
  printf '#!/bin/sh\nexport WINELOADER=%s\nexec %s "$@"\n' "$loader" "$loader" > "$shim/$name"
  chmod +x "$shim/$name"
done
export PATH="$shim:$PATH"

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

xvfb_pid=""
teardown() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    # An X server has been seen spinning in its client clean-up instead of
    # ending (after a client died of an X error): given two seconds, it is
    # then killed, or the run would hang here.
    for _ in $(seq 40); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap teardown EXIT INT TERM

if [ -z "${VELTRUNE_USE_DISPLAY:-}" ]; then
  # -displayfd lets the server pick a free display number and tell us.
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
  [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$display_file")"
  rm -f "$display_file"
fi

mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot -u </dev/null >"$build/wineboot.log" 2>&1 || true
if [ -n "$xvfb_pid" ]; then
  # Xvfb has no window manager; left "managed", Wine waits about two seconds
  # for one on every hide of a shown window.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
fi
"$@"

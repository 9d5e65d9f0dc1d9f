#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12; installs
# only what is missing, so a second run is quick. Runs as root or via sudo.
set -euo pipefail

packages=(
  cmake make g++ git
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xauth x11-apps fonts-liberation
  libstb-dev nlohmann-json3-dev googletest
  nsis
  pngquant
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one list of many; the others still serve.
$sudo apt-get update -qq || echo "setup.sh: some package lists did not download; going on with those at hand" >&2
install() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"; }
if ! install "${missing[@]}"; then
  # wine32 is the one package of the other architecture: when its lists are
  # out of step with the 64-bit ones it cannot be installed, and the 64-bit
  # path (scripts/arch.sh) still builds and tests everything.
  rest=()
  for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || rest+=("$p"); done
  [ ${#rest[@]} -lt ${#missing[@]} ] || exit 1
  echo "setup.sh: wine32 could not be installed; the tests will run the x86_64 build" >&2
  install "${rest[@]}"
fi

#!/usr/bin/env bash
# build.sh [i686|x86_64]: configures and builds one architecture (default
# i686, the shipped program; VELTRUNE_ARCH also picks it) into build/ or
# build-x86_64/ (BUILD_DIR to change).
set -euo pipefail
source "$(dirname "$0")/arch.sh"
arch=${1:-${VELTRUNE_ARCH:-i686}}
veltrune_check_arch "$arch"
build=$(veltrune_build_dir "$arch")
mkdir -p "$build"
if [ -f "$build/veltrune-arch" ] && [ "$(cat "$build/veltrune-arch")" != "$arch" ]; then
  echo "$build holds a $(cat "$build/veltrune-arch") build; pick another BUILD_DIR for $arch" >&2
  exit 2
fi
cmake -S "$veltrune_root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$veltrune_root/cmake/toolchain-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)"

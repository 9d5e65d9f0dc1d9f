#!/usr/bin/env bash
# Quick-start test command: installs what is missing, builds, and runs every
# test under Wine on the architecture this machine can run (i686 where 32-bit
# programs start, x86_64 elsewhere; VELTRUNE_TEST_ARCH forces one). The
# shipped i686 program is built either way. Ends with a short smoke of the
# native fuzzers (scripts/fuzz.sh); the fuzz loops under Wine are tests of
# their own in the run.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
# Set up first: whether the 32-bit loader starts depends on what it installs.
"$veltrune_root/scripts/setup.sh"
arch=$(veltrune_runnable_arch)
veltrune_check_arch "$arch"
if [ "$arch" != i686 ]; then
  BUILD_DIR= "$veltrune_root/scripts/build.sh" i686
fi
"$veltrune_root/scripts/build.sh" "$arch"
build=$(veltrune_build_dir "$arch")
echo "Testing the $arch build in $build"
status=0
"$veltrune_root/scripts/with-wine.sh" "$build" ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@" || status=$?
"$veltrune_root/scripts/fuzz.sh" --smoke --native || status=$?
echo "Tested architecture: $arch ($([ $status -eq 0 ] && echo passed || echo FAILED))"
exit $status

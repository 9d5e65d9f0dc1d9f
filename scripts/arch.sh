# Sourced by the other scripts: which Windows architecture this machine can
# run under Wine, and where each architecture is built.
#
# Debian's /usr/bin/wine always picks the 32-bit loader when wine32 is
# installed, even on kernels that refuse 32-bit Linux programs ("Exec format
# error"). Such machines run only x86_64 Windows programs, through the 64-bit
# loader. VELTRUNE_TEST_ARCH=x86_64 (or i686) overrides the probe.

veltrune_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Prints i686 when the 32-bit Wine loader can start here, x86_64 otherwise.
veltrune_runnable_arch() {
  if [ -n "${VELTRUNE_TEST_ARCH:-}" ]; then
    echo "$VELTRUNE_TEST_ARCH"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo i686
  else
    echo x86_64
  fi
}

# veltrune_build_dir ARCH: build/ holds the shipped 32-bit program,
# build-x86_64/ the 64-bit one; BUILD_DIR overrides either.
veltrune_build_dir() {
  if [ -n "${BUILD_DIR:-}" ]; then echo "$BUILD_DIR"
  elif [ "$1" = i686 ]; then echo "$veltrune_root/build"
  else echo "$veltrune_root/build-$1"; fi
}

veltrune_check_arch() {
  case "$1" in
    i686|x86_64) ;;
    *) echo "unknown architecture '$1' (i686 or x86_64)" >&2; exit 2 ;;
  esac
}

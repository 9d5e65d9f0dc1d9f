#!/usr/bin/env bash
# package.sh [BUILD_DIR]: builds BUILD_DIR/Veltrune-Setup.exe (NSIS) from
# BUILD_DIR/bin, which is laid out as the installed program; BUILD_DIR is
# build/ (the shipped i686 program) unless given. Every program, library,
# picture, board file and icon that bin/ holds is installed, and the
# uninstaller removes exactly those files.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
build=${1:-$(veltrune_build_dir i686)}
[ -d "$build" ] || { echo "no build in $build: run scripts/build.sh first" >&2; exit 1; }
build=$(cd "$build" && pwd)
bin="$build/bin"
[ -f "$bin/Veltrune.exe" ] || { echo "$bin/Veltrune.exe is missing: run scripts/build.sh first" >&2; exit 1; }
command -v makensis >/dev/null || { echo "makensis is missing: run scripts/setup.sh" >&2; exit 1; }
arch=$(cat "$build/veltrune-arch")
veltrune_check_arch "$arch"

work="$build/package"
rm -rf "$work"
mkdir -p "$work"
# The program's own kinds of file, so that nothing a build leaves lying
# about (logs, scratch files) is shipped.
mapfile -t files < <(cd "$bin" && find . -type f \( -iname '*.exe' -o -iname '*.dll' -o -iname '*.ico' \
  -o -path './Resource/*' -o -path './boards/*' \) | sed 's|^\./||' | LC_ALL=C sort)
[ ${#files[@]} -gt 0 ] || { echo "nothing to package in $bin" >&2; exit 1; }

# The list itself, for whoever checks an installation against it.
printf '%s\r\n' "${files[@]//\//\\}" > "$work/files.txt"

# NSIS reads "$" as the start of a variable.
nsis_escape() { printf '%s' "${1//\$/\$\$}"; }
windows_path() { local path=${1//\//\\}; nsis_escape "$path"; }

{
  current=none
  for file in "${files[@]}"; do
    dir=$(dirname "$file")
    if [ "$dir" != "$current" ]; then
      if [ "$dir" = . ]; then echo 'SetOutPath "$INSTDIR"'
      else echo "SetOutPath \"\$INSTDIR\\$(windows_path "$dir")\""; fi
      current=$dir
    fi
    echo "File \"$(nsis_escape "$bin/$file")\""
  done
} > "$work/install.nsh"

{
  for file in "${files[@]}"; do
    echo "Delete \"\$INSTDIR\\$(windows_path "$file")\""
  done
  # Folders deepest first, each only if it is empty by then.
  printf '%s\n' "${files[@]}" | xargs -d '\n' -n1 dirname | grep -vx '.' | \
    awk -F/ '{ path = $1; print path; for (i = 2; i <= NF; i++) { path = path "/" $i; print path } }' | \
    LC_ALL=C sort -u | awk '{ print gsub("/", "/") "\t" $0 }' | sort -rn | cut -f2 | \
    while read -r dir; do echo "RMDir \"\$INSTDIR\\$(windows_path "$dir")\""; done
} > "$work/remove.nsh"

out="$build/Veltrune-Setup.exe"
makensis -V2 -DARCH="$arch" -DOUT_FILE="$out" -DINSTALL_LIST="$work/install.nsh" \
  -DREMOVE_LIST="$work/remove.nsh" "$veltrune_root/installer/Veltrune.nsi" > "$work/makensis.log" 2>&1 ||
  { cat "$work/makensis.log" >&2; exit 1; }
echo "$out (${#files[@]} files for $arch)"

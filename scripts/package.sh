#!/usr/bin/env bash
# package.sh [BUILD_DIR]: builds BUILD_DIR/Veltrune-Setup.exe (NSIS) from
# BUILD_DIR/bin, which is laid out as the installed program; BUILD_DIR is
# build/ (the shipped i686 program) unless given.
#
# bin/ also holds what only development and the tests need; each file is
# put in one installer component here, and a program or library this script
# does not know stops the packaging, so that nothing reaches users unasked:
#   program   Veltrune.exe, Tunevault.dll, picload.dll, veltrunectl.exe,
#             Resource\ and the icons (always installed)
#   simboard  firmlink.dll, boards\, firmctl.exe (the simulated board)
#   velolib   velolib.dll (the profile writer)
#   left out  sysctrl-service.exe, wattmind.exe, gallery.exe
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

components=(program simboard velolib)
component_of() {
  case "$1" in
    Veltrune.exe | Tunevault.dll | picload.dll | veltrunectl.exe | Resource/* | *.ico) echo program ;;
    firmlink.dll | firmctl.exe | boards/*) echo simboard ;;
    velolib.dll) echo velolib ;;
    sysctrl-service.exe | wattmind.exe | gallery.exe) echo none ;;
    *) echo unknown ;;
  esac
}

work="$build/package"
rm -rf "$work"
mkdir -p "$work"
# The program's own kinds of file, so that nothing a build leaves lying
# about (logs, scratch files) is shipped.
mapfile -t found < <(cd "$bin" && find . -type f \( -iname '*.exe' -o -iname '*.dll' -o -iname '*.ico' \
  -o -path './Resource/*' -o -path './boards/*' \) | sed 's|^\./||' | LC_ALL=C sort)
declare -A files_of
for file in "${found[@]}"; do
  component=$(component_of "$file")
  case $component in
    unknown) echo "$bin/$file belongs to no installer component: add it to component_of in $0" >&2; exit 1 ;;
    none) ;;
    *) files_of[$component]+="$file"$'\n' ;;
  esac
done

# NSIS reads "$" as the start of a variable.
nsis_escape() { printf '%s' "${1//\$/\$\$}"; }
windows_path() { local path=${1//\//\\}; nsis_escape "$path"; }

# Every folder that holds one of the files, parents included, deepest first,
# so that the uninstaller meets each one only once it has emptied it.
folders_deepest_first() {
  xargs -d '\n' -n1 dirname | { grep -vx '.' || true; } |
    awk -F/ '{ path = $1; print path; for (i = 2; i <= NF; i++) { path = path "/" $i; print path } }' |
    LC_ALL=C sort -u | awk '{ print gsub("/", "/") "\t" $0 }' | sort -rn | cut -f2
}

# Per component: the File lines, each with its line in the installation's
# record, then the component's folders (a trailing "\" marks a folder, which
# is removed only if empty). The record is written while installing, so it
# holds what this installation chose and not what the installer could have.
count=0
for component in "${components[@]}"; do
  mapfile -t files < <(printf '%s' "${files_of[$component]:-}")
  [ ${#files[@]} -gt 0 ] || { echo "nothing of the $component component in $bin" >&2; exit 1; }
  count=$((count + ${#files[@]}))
  printf '%s\r\n' "${files[@]//\//\\}" > "$work/$component.txt"
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
      echo "!insertmacro Record \"$(windows_path "$file")\""
    done
    printf '%s\n' "${files[@]}" | folders_deepest_first |
      while read -r dir; do echo "!insertmacro Record \"$(windows_path "$dir")\\\""; done
  } > "$work/$component.nsh"
done

out="$build/Veltrune-Setup.exe"
makensis -V2 -DARCH="$arch" -DOUT_FILE="$out" -DPACKAGE="$work" \
  "$veltrune_root/installer/Veltrune.nsi" > "$work/makensis.log" 2>&1 ||
  { cat "$work/makensis.log" >&2; exit 1; }
echo "$out ($count files for $arch)"

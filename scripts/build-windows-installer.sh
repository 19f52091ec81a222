#!/usr/bin/env bash
# Makes the per-user Windows installer, build/windows-installer/zentrix-VERSION-setup.exe,
# from the Windows zip of scripts/build-windows-desktop.sh, with NSIS
# (resources/windows/zentrix-installer.nsi). Prints the installer's path last.
#   scripts/build-windows-installer.sh [ZIP]  (default build/windows-desktop/zentrix-windows-x64.zip)
set -euo pipefail
cd "$(dirname "$0")/.."
zip=$(realpath "${1:-build/windows-desktop/zentrix-windows-x64.zip}")
for tool in makensis unzip; do
  command -v "$tool" >/dev/null ||
    { echo "build-windows-installer: $tool is missing (scripts/install-dependencies.sh --windows)" >&2; exit 1; }
done
[ -f "$zip" ] || { echo "build-windows-installer: no zip $zip" >&2; exit 1; }
version=$(sed -n 's/^project(zentrix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
output=build/windows-installer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unzip -q "$zip" -d "$scratch"
source=$scratch/zentrix
[ -f "$source/zentrix.exe" ] || { echo "build-windows-installer: $zip has no zentrix/zentrix.exe" >&2; exit 1; }

# The uninstaller's list: every file, then every folder, deepest first.
(
  cd "$source"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$scratch/files.nsh"
mkdir -p "$output"
installer=$(realpath "$output")/zentrix-$version-setup.exe
makensis -V2 -DSOURCE="$source" -DFILES="$scratch/files.nsh" -DVERSION="$version" \
  -DOUTFILE="$installer" resources/windows/zentrix-installer.nsi
echo "$installer"

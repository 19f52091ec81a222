#!/usr/bin/env bash
# Tries the Windows installer under Wine, in a Wine prefix of its own: makes
# the installer from the zip (scripts/build-windows-installer.sh), installs
# silently (/S), runs the installed zentrix-cli.exe on an installed example
# (byte for byte as the golden file), uninstalls silently, and checks that
# the user's folders and registry are as they were before. Prints one line
# per check and exits 1 when one failed. No display is needed.
#   scripts/check-windows-installer.sh [ZIP]  (default build/windows-desktop/zentrix-windows-x64.zip)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/checks.sh
project=$(pwd)
installer=$(scripts/build-windows-installer.sh "$@" | tail -n 1)
scratch=$(mktemp -d)
# winemenubuilder would put the shortcut into this machine's own menus.
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
wineboot --init >/dev/null 2>&1
wineserver -w

# What a user's account holds: files under drive_c/users, and the user's
# registry keys that name ZENTRIX.
snapshot() { # snapshot FILE
  (cd "$WINEPREFIX/drive_c/users" && find . -path '*/Temp' -prune -o -print | sort) >"$1"
  grep -i zentrix "$WINEPREFIX/user.reg" >>"$1" || true
}
user=$(cd "$WINEPREFIX/drive_c/users" && ls | grep -v -x -e Public -e root | head -n 1 || true)
[ -n "$user" ] || user=$(id -un)
installed=$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/ZENTRIX
# Windows has the user's programs folder before anything is installed.
mkdir -p "$(dirname "$installed")"
snapshot "$scratch/before"

silent_install() { wine "$installer" /S && wineserver -w && [ -f "$installed/zentrix-cli.exe" ]; }
generate_installed_example() {
  (cd "$scratch" && SOURCE_DATE_EPOCH=1700000000 TZ=UTC wine "$installed/zentrix-cli.exe" generate \
    'C:\users\'"$user"'\AppData\Local\Programs\ZENTRIX\examples\truss-bridge-3d.dat' \
    --geometry truss-bridge-3d.geo --language en &&
    cmp truss-bridge-3d.geo "$project/tests/data/golden/examples/truss-bridge-3d.geo")
}
silent_uninstall() { wine "$installed/uninstall.exe" /S && wineserver -w && [ ! -e "$installed" ]; }
as_before() {
  snapshot "$scratch/after"
  diff "$scratch/before" "$scratch/after"
}

check "silent install (/S) into the user's programs folder" silent_install
check "installed zentrix-cli.exe generates an installed example" generate_installed_example
check "silent uninstall (/S) removes the installation" silent_uninstall
check "the user's folders and registry are as before" as_before

report_checks "The installer $(basename "$installer") under $(wine --version):"

#!/usr/bin/env bash
# Takes the pictures of the desktop program in docs/screenshots/: starts the
# real program's start-up and main dialog under a virtual X display and
# plays the typical road on it (Old File on an example, GENERATE, CREATE).
#   scripts/screenshots.sh [--romanian] [EXAMPLE_INPUT_FILE]
# --romanian runs it with language.dat = R: the pictures' names end in -ro,
# and a picture of every dialog (each sub-dialog, the file dialog, the
# unsaved-work question) goes to build/screenshots-ro/ besides.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
romanian=
if [[ ${1:-} == --romanian ]]; then
  romanian=yes
  shift
fi
example=${1:-examples/truss-bridge-3d.dat}
scripts/install-dependencies.sh
cmake --preset default >/dev/null
cmake --build build/default --target zentrix zentrix_screenshot_driver
# A short, fixed folder, so the paths shown in the pictures stay the same.
demo=/tmp/KARVEL/dat
rm -rf /tmp/KARVEL
mkdir -p "$demo"
trap 'rm -rf /tmp/KARVEL' EXIT
# The program's per-user settings (its recent files) start empty each time.
export XDG_CONFIG_HOME=/tmp/KARVEL/config
name=$(basename "$example" .dat)
cp "$example" "$demo/$name.dat"
driver=$root/build/default/tests/zentrix_screenshot_driver
every=()
# The program runs in the folder that holds its uir/ images: the build
# folder, or for Romanian a package folder of its own whose language.dat
# says R (the build folder's settings stay as they are).
if [[ -n $romanian ]]; then
  mkdir -p /tmp/KARVEL/bin
  ln -s "$root/build/default/uir" /tmp/KARVEL/bin/uir
  ln -s "$root/build/default/Doc" /tmp/KARVEL/Doc
  echo R >/tmp/KARVEL/bin/language.dat
  every=("$root/build/screenshots-ro")
  cd /tmp/KARVEL/bin
else
  cd build/default
fi
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
  env -u QT_QPA_PLATFORM "$driver" \
  "$demo/$name.dat" "$demo/$name-geometry.dat" "$root/docs/screenshots" "${every[@]}"
echo "Pictures written to docs/screenshots/${romanian:+ and build/screenshots-ro/}"

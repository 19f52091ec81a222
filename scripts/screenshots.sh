#!/usr/bin/env bash
# Takes the pictures of the desktop program in docs/screenshots/: starts the
# real program's start-up and main dialog under a virtual X display and
# plays the typical road on it (Old File on an example, GENERATE, CREATE).
#   scripts/screenshots.sh [EXAMPLE_INPUT_FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
example=${1:-examples/truss-bridge-3d.dat}
scripts/install-dependencies.sh
cmake --preset default >/dev/null
cmake --build build/default --target zentrix zentrix_screenshot_driver
# A short, fixed folder, so the paths shown in the pictures stay the same.
demo=/tmp/KARVEL/dat
rm -rf /tmp/KARVEL
mkdir -p "$demo"
trap 'rm -rf /tmp/KARVEL' EXIT
name=$(basename "$example" .dat)
cp "$example" "$demo/$name.dat"
# The program runs in the folder that holds its uir/ images.
cd build/default
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
  env -u QT_QPA_PLATFORM tests/zentrix_screenshot_driver \
  "$demo/$name.dat" "$demo/$name-geometry.dat" "$root/docs/screenshots"
echo "Pictures written to docs/screenshots/"

#!/usr/bin/env bash
# Installs what is missing, builds everything, and generates the bundled
# 3-D truss bridge example: its Geometry File goes to build/examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset default >/dev/null
cmake --build --preset default
mkdir -p build/examples
build/default/zentrix-cli generate examples/truss-bridge-3d.dat \
  --geometry build/examples/truss-bridge-3d-geometry.dat \
  --save build/examples/truss-bridge-3d-saved.dat
echo
echo "Geometry File written to build/examples/truss-bridge-3d-geometry.dat"
echo "Zentrix Input File saved to build/examples/truss-bridge-3d-saved.dat"

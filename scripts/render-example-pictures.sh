#!/usr/bin/env bash
# Draws every bundled example with `zentrix-cli render` into docs/pictures/
# (the pictures docs/examples.md shows). Builds zentrix-cli first when needed.
#   scripts/render-example-pictures.sh [build-folder]   (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
cmake --build "$build" --target zentrix-cli >/dev/null
mkdir -p docs/pictures
for input in examples/*.dat; do
  name=$(basename "$input" .dat)
  "$build/zentrix-cli" render "$input" -o "docs/pictures/$name.svg" --size 900x560
done

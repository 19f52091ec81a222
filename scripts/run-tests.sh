#!/usr/bin/env bash
# Builds what is out of date and runs every test (no display needed), then
# cross-builds the command line, the core and every non-Qt test for Windows
# and runs them under Wine, then builds the fuzz targets (clang, sanitizers)
# and fuzzes each for a short while from its seeds (ZENTRIX_FUZZ_SECONDS, 30
# by default; 0 skips them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh --windows
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

fuzz_seconds=${ZENTRIX_FUZZ_SECONDS:-30}
if [ "$fuzz_seconds" -gt 0 ]; then
  cmake --preset fuzz -DZENTRIX_FUZZ_SECONDS="$fuzz_seconds" >/dev/null
  cmake --build --preset fuzz
  ctest --preset fuzz
fi

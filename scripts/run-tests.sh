#!/usr/bin/env bash
# Checks the formatting of the C++ files, builds what is out of date and runs
# every test (no display needed), then cross-builds the command line, the
# core and every non-Qt test for Windows and runs them under Wine, then builds
# the fuzz targets (clang, sanitizers) and fuzzes each for a short while from
# its seeds (ZENTRIX_FUZZ_SECONDS, 30 by default; 0 skips them).
# ZENTRIX_WARNINGS_AS_ERRORS=ON (as CI sets it) fails the build on a warning
# in our own code.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh --windows
. scripts/compiler-cache.sh
warnings_as_errors=-DZENTRIX_WARNINGS_AS_ERRORS=${ZENTRIX_WARNINGS_AS_ERRORS:-OFF}

# Formatting.
scripts/check-format.sh

# The native build and its tests.
cmake --preset default "$warnings_as_errors" >/dev/null
cmake --build --preset default
ctest --preset default

# The Windows build and its tests under Wine.
cmake --preset windows "$warnings_as_errors" >/dev/null
cmake --build --preset windows
ctest --preset windows

# The fuzz targets.
fuzz_seconds=${ZENTRIX_FUZZ_SECONDS:-30}
if [ "$fuzz_seconds" -gt 0 ]; then
  cmake --preset fuzz "$warnings_as_errors" -DZENTRIX_FUZZ_SECONDS="$fuzz_seconds" >/dev/null
  cmake --build --preset fuzz
  ctest --preset fuzz
fi

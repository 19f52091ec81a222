#!/usr/bin/env bash
# Builds what is out of date and runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

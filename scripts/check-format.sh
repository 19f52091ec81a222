#!/usr/bin/env bash
# Fails, naming each place, when a C++ file of the repository differs from
# what the tree's clang-format (Debian 12's clang-format 14, .clang-format at
# the root) makes of it. Checks only; `clang-format-14 -i FILE` fixes a file.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror

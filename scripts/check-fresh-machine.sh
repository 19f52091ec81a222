#!/usr/bin/env bash
# Tries the README's Quick start on a bare Debian 12: builds a minimal root
# with debootstrap (minbase) in a temporary folder, clones this repository's
# committed HEAD into it, and runs the Quick-start commands there, from the
# project folder, exactly as the README writes them. Prints each command's
# exit status and duration, then removes everything it made. Takes minutes
# (the first command compiles everything), so it is not part of the test
# run: run it after changing what the project depends on.
#
# Needs root, debootstrap and git, and the Debian mirror this machine's apt
# sources use (ZENTRIX_DEBIAN_MIRROR overrides it). ZENTRIX_FRESH_CCACHE=DIR
# lends the root a compiler cache (ccache's folder) to shorten the builds; a
# package missing from the install step still fails there, since a header
# or library the build needs is looked for on every compile and link.
#   scripts/check-fresh-machine.sh
set -euo pipefail
cd "$(dirname "$0")/.."
project=$(pwd)

source scripts/lib/debian-root.sh
command -v git >/dev/null || { echo "check-fresh-machine: git is missing" >&2; exit 2; }

# The commands of the README's "Quick start" block, line by line.
mapfile -t commands < <(awk '/^## Quick start/ { inside = 1; next }
  inside && /^```/ { if (block) exit; block = 1; next }
  block { print }' README.md)
if [ ${#commands[@]} -eq 0 ]; then
  echo "check-fresh-machine: README.md has no Quick-start commands" >&2
  exit 2
fi

commit=$(git rev-parse --short HEAD)
make_debian_root zentrix-fresh
if [ -n "${ZENTRIX_FRESH_CCACHE:-}" ]; then
  mount_into_root /root/.cache/ccache --bind "$ZENTRIX_FRESH_CCACHE"
fi

echo "== Cloning $commit into /project"
git clone --quiet --no-hardlinks "$project" "$root/project"
git -C "$root/project" checkout --quiet --detach "$(git rev-parse HEAD)"

statuses=()
durations=()
for command in "${commands[@]}"; do
  echo "== $command"
  start=$(date +%s)
  status=0
  run_in_root "cd /project && $command" || status=$?
  statuses+=("$status")
  durations+=("$(seconds_to_text $(($(date +%s) - start)))")
done

echo
echo "Fresh Debian 12 (minbase, $(seconds_to_text "$bootstrap_seconds") to bootstrap), commit $commit:"
failed=0
for i in "${!commands[@]}"; do
  printf '  %-24s exit status %s / duration %s\n' "${commands[i]}" "${statuses[i]}" "${durations[i]}"
  [ "${statuses[i]}" -eq 0 ] || failed=1
done
exit "$failed"

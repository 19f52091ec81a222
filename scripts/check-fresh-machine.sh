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
# sources use (ZENTRIX_DEBIAN_MIRROR overrides it).
#   scripts/check-fresh-machine.sh
set -euo pipefail
cd "$(dirname "$0")/.."
project=$(pwd)

if [ "$(id -u)" -ne 0 ]; then
  echo "check-fresh-machine: needs root (debootstrap, chroot, mount)" >&2
  exit 2
fi
for tool in debootstrap git chroot mount; do
  command -v "$tool" >/dev/null || { echo "check-fresh-machine: $tool is missing" >&2; exit 2; }
done

# The first Debian (not security) mirror of the apt sources, in either
# format.
apt_mirror() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [ -f "$file" ]; then grep -v '^[[:space:]]*#' "$file" || true; fi
  done | grep -oE '(https?|file)://[^[:space:]]+/debian/?' | grep -v security | sed -n 1p
}
mirror=${ZENTRIX_DEBIAN_MIRROR:-$(apt_mirror)}
if [ -z "$mirror" ]; then
  echo "check-fresh-machine: no Debian mirror in the apt sources; set ZENTRIX_DEBIAN_MIRROR" >&2
  exit 2
fi

# The commands of the README's "Quick start" block, line by line.
mapfile -t commands < <(awk '/^## Quick start/ { inside = 1; next }
  inside && /^```/ { if (block) exit; block = 1; next }
  block { print }' README.md)
if [ ${#commands[@]} -eq 0 ]; then
  echo "check-fresh-machine: README.md has no Quick-start commands" >&2
  exit 2
fi

root=$(mktemp -d /tmp/zentrix-fresh.XXXXXX)
# mktemp makes the folder private; as the root of a system it must let every
# user through, as / does (the tests run parts as the user nobody).
chmod 755 "$root"
mounts=()
cleanup() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
  done
  # Never delete through a mount that is still there (it could be /dev).
  if findmnt -rn -o TARGET | grep -q "^$root/"; then
    echo "check-fresh-machine: $root still has mounts; not removed" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT

mount_into_root() { # mount_into_root TARGET MOUNT-ARGUMENTS...
  local target=$root$1
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounts+=("$target")
}

seconds_to_text() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

commit=$(git rev-parse --short HEAD)
echo "== Debian 12 minbase from $mirror into $root"
start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror"
bootstrap_seconds=$(($(date +%s) - start))

echo "== Cloning $commit into /project"
git clone --quiet --no-hardlinks "$project" "$root/project"
git -C "$root/project" checkout --quiet --detach "$(git rev-parse HEAD)"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount_into_root /proc -t proc proc
mount_into_root /sys -t sysfs sysfs
mount_into_root /dev --bind /dev
mount_into_root /dev/pts --bind /dev/pts

statuses=()
durations=()
for command in "${commands[@]}"; do
  echo "== $command"
  start=$(date +%s)
  status=0
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /project && $command" </dev/null || status=$?
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

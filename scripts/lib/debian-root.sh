# A bare Debian 12 (debootstrap minbase) in a temporary folder, for the
# checks that try the project as a fresh machine meets it
# (scripts/check-fresh-machine.sh, scripts/check-deb-package.sh). Sourced:
#   source scripts/lib/debian-root.sh
#   make_debian_root NAME   # sets root, mirror and bootstrap_seconds;
#                           # everything goes again when the script exits
#   run_in_root COMMAND     # bash -c COMMAND in the root, as root, with a
#                           # clean environment and no standard input
# Needs root, debootstrap, chroot and mount, and the Debian mirror this
# machine's apt sources use (ZENTRIX_DEBIAN_MIRROR overrides it).

# The first Debian (not security) mirror of the apt sources, in either
# format.
apt_mirror() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [ -f "$file" ]; then grep -v '^[[:space:]]*#' "$file" || true; fi
  done | grep -oE '(https?|file)://[^[:space:]]+/debian/?' | grep -v security | sed -n 1p
}

seconds_to_text() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

debian_root_mounts=()
remove_debian_root() {
  local i
  for ((i = ${#debian_root_mounts[@]} - 1; i >= 0; i--)); do
    umount "${debian_root_mounts[i]}" 2>/dev/null || umount -l "${debian_root_mounts[i]}" || true
  done
  # Never delete through a mount that is still there (it could be /dev).
  if findmnt -rn -o TARGET | grep -q "^$root/"; then
    echo "$debian_root_user: $root still has mounts; not removed" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}

mount_into_root() { # mount_into_root TARGET MOUNT-ARGUMENTS...
  local target=$root$1
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  debian_root_mounts+=("$target")
}

make_debian_root() { # make_debian_root NAME (the calling script, for messages)
  debian_root_user=$1
  local tool start
  if [ "$(id -u)" -ne 0 ]; then
    echo "$debian_root_user: needs root (debootstrap, chroot, mount)" >&2
    exit 2
  fi
  for tool in debootstrap chroot mount; do
    command -v "$tool" >/dev/null || { echo "$debian_root_user: $tool is missing" >&2; exit 2; }
  done
  mirror=${ZENTRIX_DEBIAN_MIRROR:-$(apt_mirror)}
  if [ -z "$mirror" ]; then
    echo "$debian_root_user: no Debian mirror in the apt sources; set ZENTRIX_DEBIAN_MIRROR" >&2
    exit 2
  fi
  root=$(mktemp -d "/tmp/$debian_root_user.XXXXXX")
  # mktemp makes the folder private; as the root of a system it must let
  # every user through, as / does (the tests run parts as the user nobody).
  chmod 755 "$root"
  trap remove_debian_root EXIT
  echo "== Debian 12 minbase from $mirror into $root"
  start=$(date +%s)
  debootstrap --variant=minbase bookworm "$root" "$mirror"
  bootstrap_seconds=$(($(date +%s) - start))
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount_into_root /proc -t proc proc
  mount_into_root /sys -t sysfs sysfs
  mount_into_root /dev --bind /dev
  mount_into_root /dev/pts --bind /dev/pts
}

run_in_root() { # run_in_root COMMAND
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "$1" </dev/null
}

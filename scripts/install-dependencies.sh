#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages the build and the tests need
# that are not installed yet. Safe to run again: it installs nothing when
# everything is there.
#
#   --windows  also the cross build for Windows and its test run: MinGW-w64
#              (posix threads), GoogleTest's sources and Wine
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-svg-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
)
windows_packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64
)

for option in "$@"; do
  case "$option" in
    --windows) packages+=("${windows_packages[@]}") ;;
    *)
      echo "usage: $0 [--windows]" >&2
      exit 2
      ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages that the build, the tests,
# the benchmarks and the scripts in scripts/ and bench/ need and that are not
# installed yet. Safe to run again: it installs nothing when everything is
# there. Works on a bare Debian 12 (debootstrap minbase): it names every
# package it needs, never counting on a recommended one.
#
#   --windows  also the cross build for Windows and its test run: MinGW-w64
#              (posix threads), GoogleTest's sources, Wine with its fonts (so
#              that the desktop program's texts render under Wine), zip and
#              unzip (scripts/build-windows-desktop.sh packs the program, the
#              road test unpacks it), NSIS (scripts/build-windows-installer.sh)
#              and what building Qt for Windows needs
#   --package  also the Debian package and its check (scripts/build-deb.sh,
#              scripts/check-deb-package.sh): dpkg-shlibdeps, lintian, the
#              desktop entry and AppStream validators, debootstrap
set -euo pipefail

# Compilers and the build.
build_packages=(
  g++ cmake ninja-build pkg-config
  libcli11-dev
  # The dialog forms are compiled by uic, which qt6-base-dev-tools holds.
  qt6-base-dev qt6-base-dev-tools
  # rsvg-convert renders the dialog illustrations from their SVG sources.
  librsvg2-bin
  # The test command keeps compiled objects outside the clone and reuses them.
  ccache
)
# The tests, the fuzz targets, the format check (it lists the files with git)
# and the benchmarks (their report is made with python3); strace shows that
# files and folders are synced.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14 git
  python3 strace
  # The manual pages are read back by man (tests/install).
  man-db
  # The exports read by real readers: VTU and MSH by meshio (and converted
  # by its command), DXF by ezdxf.
  python3-meshio meshio-tools python3-ezdxf
)
# scripts/screenshots.sh, scripts/render-images.sh (with rsvg-convert) and the
# desktop road test.
script_packages=(
  xvfb xauth xdotool fonts-dejavu-core
  imagemagick
)
packages=("${build_packages[@]}" "${test_packages[@]}" "${script_packages[@]}")

# The Windows cross build and its test run under Wine (--windows); Qt for
# Windows is built from Debian's qtbase source (dpkg-source unpacks it, its
# header tool is a Perl program), and the road test unpacks the zip.
windows_packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 fonts-wine zip
  unzip nsis dpkg-dev xz-utils perl
)
# The Debian package and its check on a fresh Debian 12 (--package).
package_packages=(
  dpkg-dev file lintian desktop-file-utils appstream debootstrap
)

for option in "$@"; do
  case "$option" in
    --windows) packages+=("${windows_packages[@]}") ;;
    --package) packages+=("${package_packages[@]}") ;;
    *)
      echo "usage: $0 [--windows] [--package]" >&2
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

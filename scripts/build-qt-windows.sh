#!/usr/bin/env bash
# Builds Qt's base module (Core, Gui, Widgets, Test and the windows, offscreen
# and minimal platform plug-ins) for 64-bit Windows with Debian's MinGW-w64
# g++ (posix threads), from Debian's own source package of qtbase, whose
# version equals the host Qt the Linux build uses (its tools serve the cross
# build). The result is kept in a cache folder outside the clone, keyed by
# the Qt version and the options below, and reused when present:
#
#   ${ZENTRIX_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zentrix}/qt-VERSION-mingw-KEY
#
# Prints that folder (the CMAKE_PREFIX_PATH of the Windows desktop build) on
# its last line. A build takes 40 to 50 minutes on two cores; a cache that is
# present takes a second. Only a completed installation gets the stamp file
# that marks it as usable; an interrupted build goes on where it stopped the
# next time (its build folder is kept beside the cache entry until then).
#
# The source comes with `apt-get source`, for which a deb-src entry with the
# same mirror and suite as the system's deb entry is added when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$(pwd)

qt_version=6.4.2
triple=x86_64-w64-mingw32
# Tablet support needs wintab.h, which Debian's source leaves out for its
# licence; the program needs none of the switched-off modules, image formats
# or platform plug-ins, and leaving them out shortens the build. Without
# Direct2D, Qt's Windows plug-in links the DirectWrite 3 font list, which Gui
# then lacks: it is left out too (the default GDI font list serves).
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DBUILD_WITH_PCH=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_directwrite3=OFF
)

key=$(printf '%s\n' "$qt_version" "${qt_options[@]}" "$(cat "$project/cmake/qt-mingw-w64-x86_64.cmake")" |
  sha256sum | cut -c1-12)
cache_root=${ZENTRIX_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zentrix}
prefix=$cache_root/qt-$qt_version-mingw-$key
stamp=$prefix/.zentrix-complete

if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

# One build per cache entry at a time: a second caller waits for the first
# one's result instead of building into the same folder beside it.
mkdir -p "$cache_root"
exec 9>"$prefix.lock"
flock 9
if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

if [ "$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | cut -d+ -f1)" != "$qt_version" ]; then
  echo "build-qt-windows: the host Qt (qt6-base-dev) is not $qt_version" >&2
  exit 1
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

# A deb-src entry for the suite and mirror of the first Debian (not security)
# deb entry, in a file of our own; nothing else in the apt sources changes.
ensure_source_entry() {
  if apt-get source --print-uris -qq qt6-base 2>/dev/null | grep -q "qtbase-everywhere-src"; then
    return
  fi
  local mirror suite
  mirror=$(grep -hv '^[[:space:]]*#' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -oE '(https?|file)://[^[:space:]]+/debian/?' | grep -v security | sed -n 1p || true)
  suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  if [ -z "$mirror" ]; then
    echo "build-qt-windows: no Debian mirror in the apt sources" >&2
    exit 1
  fi
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$mirror" "$suite" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/zentrix-qt-source.sources >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
}

ensure_source_entry
work=$prefix.build
mkdir -p "$work"

echo "build-qt-windows: building qtbase $qt_version for Windows in $work" >&2
if [ ! -f "$work/source/.zentrix-unpacked" ]; then
  rm -rf "$work/source"
  (cd "$work" && apt-get source --download-only -qq qt6-base >/dev/null &&
    dpkg-source --no-check -x qt6-base_*.dsc source >/dev/null)
  touch "$work/source/.zentrix-unpacked"
fi

if [ ! -f "$work/build/build.ninja" ]; then
  cmake -S "$work/source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/qt-mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log" >&2; exit 1; }
fi
cmake --build "$work/build" -j2 >"$work/build.log" 2>&1 ||
  { tail -60 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 ||
  { tail -40 "$work/install.log" >&2; exit 1; }
touch "$stamp"
rm -rf "$work"
echo "$prefix"

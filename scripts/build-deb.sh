#!/usr/bin/env bash
# Builds the Debian package of both programs, build/package/zentrix_VERSION_ARCH.deb,
# with CMake's install rules and CPack (its dependencies found by
# dpkg-shlibdeps). Builds in build/package without the tests; prints the
# package's path last.
#   scripts/build-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in cmake cpack dpkg-shlibdeps; do
  command -v "$tool" >/dev/null ||
    { echo "build-deb: $tool is missing (scripts/install-dependencies.sh)" >&2; exit 1; }
done
cmake -S . -B build/package -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZENTRIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/package -j2
rm -f build/package/zentrix_*.deb
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/zentrix_*.deb

#!/usr/bin/env bash
# Builds zentrix-cli.exe for 64-bit Windows with MinGW-w64: statically
# linked (no runtime DLLs to install beside it) and stripped. It lands in
# build/windows-cli/; nothing else is built and no test runs (the test
# command, scripts/run-tests.sh, builds and tests the Windows build in full).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh --windows
cmake --preset windows -B build/windows-cli -DZENTRIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/windows-cli --target zentrix-cli -j2
x86_64-w64-mingw32-strip --strip-all build/windows-cli/zentrix-cli.exe

# Static means: nothing but Windows' own system DLLs is imported.
imports=$(x86_64-w64-mingw32-objdump -p build/windows-cli/zentrix-cli.exe |
  sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for dll in $imports; do
  case "$dll" in
    kernel32.dll | msvcrt.dll | shell32.dll | user32.dll | advapi32.dll | api-ms-win-*) ;;
    *)
      echo "zentrix-cli.exe needs $dll: it is not a static build" >&2
      exit 1
      ;;
  esac
done
echo "build/windows-cli/zentrix-cli.exe ($(stat -c %s build/windows-cli/zentrix-cli.exe) bytes," \
  "imports: $(echo $imports))"

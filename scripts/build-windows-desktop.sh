#!/usr/bin/env bash
# Builds the desktop program for 64-bit Windows with MinGW-w64 against the Qt
# of scripts/build-qt-windows.sh and packs it, with everything it needs, into
# build/windows-desktop/zentrix-windows-x64.zip. A Windows user unpacks the
# zip and starts zentrix.exe in the folder "zentrix"; nothing needs to be
# installed. The folder holds:
#
#   zentrix.exe, zentrix-cli.exe    the programs (the command line with PNG)
#   Qt6Core, Qt6Gui, Qt6Widgets     Qt's DLLs
#   platforms/qwindows.dll          Qt's Windows platform plug-in
#   styles/qwindowsvistastyle.dll   the native look of the controls
#   imageformats/qico.dll           reads the button images (.ico) in uir/
#   libstdc++-6, libgcc_s_seh-1,    the MinGW-w64 runtime Qt and the programs
#   libwinpthread-1                 are linked with
#   qt.conf                         Qt's plug-ins are beside the programs
#   uir/, Doc/, examples/           button images, readmes, example models
#
# Every .exe and .dll of the folder is checked: each DLL it imports must be
# in the folder or one of Windows' own, else the build fails naming both.
# The zip is reproducible (SOURCE_DATE_EPOCH, else the last commit's date,
# gives every entry its time).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh --windows
qt=$(scripts/build-qt-windows.sh | tail -n 1)
build=build/windows-desktop
triple=x86_64-w64-mingw32

# ZENTRIX_WINDOWS_DESKTOP_FLAGS: more configure options (the tests give
# -DZENTRIX_WARNINGS_AS_ERRORS=ON).
ZENTRIX_QT_WINDOWS=$qt cmake --preset windows-desktop ${ZENTRIX_WINDOWS_DESKTOP_FLAGS:-} >/dev/null
cmake --build --preset windows-desktop

folder=$build/package/zentrix
rm -rf "$build/package"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/imageformats" "$folder/examples"
for program in zentrix.exe zentrix-cli.exe; do
  $triple-strip --strip-all -o "$folder/$program" "$build/$program"
done
for library in Qt6Core Qt6Gui Qt6Widgets; do
  cp "$qt/bin/$library.dll" "$folder/"
done
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$qt/plugins/imageformats/qico.dll" "$folder/imageformats/"
for runtime in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  path=$($triple-g++-posix -print-file-name=$runtime)
  [ -f "$path" ] || { echo "build-windows-desktop: the MinGW-w64 runtime $runtime is missing" >&2; exit 1; }
  cp "$path" "$folder/"
done
printf '[Paths]\nPrefix = .\nPlugins = .\n' >"$folder/qt.conf"
cp -r "$build/uir" "$folder/uir"
cp -r Doc "$folder/Doc"
cp examples/*.dat "$folder/examples/"

# Windows' own DLLs, which every Windows 10 and 11 holds.
system_dlls=(
  advapi32 authz bcrypt comctl32 comdlg32 crypt32 d2d1 d3d11 d3d12 d3d9 dwmapi dwrite dxgi gdi32
  imm32 kernel32 mpr msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv
  uxtheme version winmm ws2_32 wtsapi32
)
system_dlls=" $(printf '%s.dll ' "${system_dlls[@]}")"
held=" $(find "$folder" -maxdepth 1 -name '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z' | tr '\n' ' ') "
missing=0
while IFS= read -r file; do
  for dll in $($triple-objdump -p "$file" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u); do
    case "$dll" in api-ms-win-* | ext-ms-win-*) continue ;; esac
    if [[ $system_dlls != *" $dll "* && $held != *" $dll "* ]]; then
      echo "build-windows-desktop: ${file#"$folder"/} needs $dll, which the package does not hold" >&2
      missing=1
    fi
  done
done < <(find "$folder" -name '*.exe' -o -name '*.dll' | sort)
[ "$missing" -eq 0 ] || exit 1

zip=$build/zentrix-windows-x64.zip
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
find "$build/package" -exec touch -h -d "@$epoch" {} +
rm -f "$zip"
(cd "$build/package" && find zentrix | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "../zentrix-windows-x64.zip")
echo "$zip ($(stat -c %s "$zip") bytes): zentrix.exe imports" \
  "$($triple-objdump -p "$folder/zentrix.exe" | sed -n 's/^\tDLL Name: //p' | sort -u | tr '\n' ' ')"

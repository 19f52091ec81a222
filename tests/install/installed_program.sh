#!/usr/bin/env bash
# The programs at their edges as a user meets them once installed:
#   version       both answer --version with the project's version (and the
#                 commit) on standard output and exit 0
#   manual-pages  every help text the programs print stands, word for word,
#                 in their manual pages as man renders them, without a warning
#   any-folder    `cmake --install` into a scratch prefix; the installed
#                 zentrix-cli generates an installed example from another
#                 folder, and zentrix loads its images from the install unless
#                 the current folder has a uir/ of its own
# installed_program.sh CASE BUILD-FOLDER VERSION
set -euo pipefail
case_name=$1 build=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expect_version() { # expect_version PROGRAM NAME
  local out status=0
  out=$("$1" --version 2>"$scratch/err") || status=$?
  [ "$status" -eq 0 ] || fail "$2 --version exit status $status"
  [ ! -s "$scratch/err" ] || fail "$2 --version wrote on standard error: $(cat "$scratch/err")"
  [[ $out =~ ^$2\ ${version//./\\.}(\ \(git\ [0-9a-f]{7,40}\))?$ ]] || fail "$2 --version said '$out'"
}

# The page as man shows it must hold the help, each line as man indents it.
expect_help_in_page() { # expect_help_in_page PAGE HELP-ARGUMENTS...
  local page=$1 rendered help
  shift
  help=$("$@" --help | sed 's/^./       &/')
  [[ $rendered_page == *"$help"* ]] || fail "$page lacks the help of '$*'"
}

check_page() { # check_page PROGRAM
  local page=$build/install/$(basename "$1").1 command
  [ -f "$page" ] || fail "no $page"
  rendered_page=$(MANWIDTH=200 man --warnings -E UTF-8 -l -P cat "$page" 2>"$scratch/warnings")
  [ ! -s "$scratch/warnings" ] || fail "man warns about $page: $(cat "$scratch/warnings")"
  expect_help_in_page "$page" "$1"
  for command in $("$1" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z-]*\) .*/\1/p'); do
    expect_help_in_page "$page" "$1" "$command"
  done
}

# The paths of the images the program opened while it ran for a while.
images_opened_by() { # images_opened_by PROGRAM (in the current folder)
  # The program runs until timeout ends it; strace follows both.
  QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=openat -o "$scratch/trace" timeout 8 "$1" \
    >/dev/null 2>&1 || true
  grep -o '"[^"]*Zentrix-2\.ico"[^=]*= [0-9][0-9]*' "$scratch/trace" | cut -d'"' -f2 || true
}

case "$case_name" in
  version)
    expect_version "$build/zentrix-cli" zentrix-cli
    if [ -x "$build/zentrix" ]; then expect_version "$build/zentrix" zentrix; fi
    ;;
  manual-pages)
    check_page "$build/zentrix-cli"
    if [ -x "$build/zentrix" ]; then check_page "$build/zentrix"; fi
    ;;
  any-folder)
    prefix=$scratch/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    mkdir -p "$scratch/home/plain" "$scratch/home/package/uir"
    cd "$scratch/home/plain"
    "$prefix/bin/zentrix-cli" generate "$prefix/share/zentrix/examples/truss-bridge-3d.dat" \
      --geometry bridge.dat >/dev/null
    [ -s bridge.dat ] || fail "the installed zentrix-cli wrote no Geometry File"
    [ -x "$prefix/bin/zentrix" ] || exit 0
    opened=$(images_opened_by "$prefix/bin/zentrix")
    [ "$opened" = "$prefix/share/zentrix/uir/Zentrix-2.ico" ] ||
      fail "from a folder without uir/ zentrix opened '$opened'"
    cp "$prefix/share/zentrix/uir/"* "$scratch/home/package/uir/"
    cd "$scratch/home/package"
    opened=$(images_opened_by "$prefix/bin/zentrix")
    [[ $opened == */home/package/uir/Zentrix-2.ico ]] ||
      fail "from a folder with uir/ zentrix opened '$opened'"
    ;;
  *) fail "unknown case $case_name" ;;
esac

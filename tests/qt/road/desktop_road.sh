#!/usr/bin/env bash
# The real desktop program driven with real X input (xdotool) on a virtual
# display, as a user drives it: windows are waited for by name, controls are
# clicked where the program lays them out, text is typed into the focused
# window. Each scenario is named after the fault it guards and checks the
# files the program writes.
#
#   desktop_road.sh SCENARIO BUILD_DIR EXAMPLES_DIR [WINDOWS_ZIP LINUX_CLI]
#
# With WINDOWS_ZIP, the Windows program is driven instead: the zip is
# unpacked as a user unpacks it, and zentrix.exe runs from its folder under
# Wine in a fresh Wine prefix, with the Windows build's control locator
# (BUILD_DIR is then the Windows build) beside it; what it writes is compared
# with what the Linux command line LINUX_CLI writes.
#
# It starts its own virtual display (Xvfb, 1280x1024 at 96 dpi) on a free
# display number. The program runs in a folder of its own that holds its
# images and readmes, so that a language.dat written there is its own.
set -euo pipefail

scenario=$1
build=$(cd "$2" && pwd)
examples=$(cd "$3" && pwd)
windows_zip=${4:+$(realpath "$4")}
cli=${5:-$build/zentrix-cli}
export SOURCE_DATE_EPOCH=1700000000 TZ=UTC
# In the sanitizer build: leaks of the system libraries that only a real
# display loads are not ours (no effect on other builds).
export LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")" && pwd)/leak_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}

work=$(mktemp -d)
program=
display_server=
cleanup() {
  if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then kill "$program"; fi
  if [ -n "$windows_zip" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$display_server" ]; then kill "$display_server" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
# The program's per-user settings (the recent files) stay in the scratch.
export XDG_CONFIG_HOME=$work/config

# The program's folder, and how it is started, located and told paths.
if [ -n "$windows_zip" ]; then
  export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
  (cd "$work" && unzip -q "$windows_zip")
  run=$work/zentrix
  cp "$build/tests/zentrix_control_locator.exe" "$run/"
  start_in_run() { (cd "$run" && exec wine zentrix.exe 2>"$work/program.log") & }
  locate() { (cd "$run" && wine zentrix_control_locator.exe "$@"); }
  path_for_program() { winepath -w "$1"; }
else
  export QT_QPA_PLATFORM=xcb
  run=$work/run
  mkdir "$run"
  ln -s "$build/uir" "$run/uir"
  ln -s "$build/Doc" "$run/Doc"
  start_in_run() { (cd "$run" && exec "$build/zentrix" 2>"$work/program.log") & }
  locate() { "$build/tests/zentrix_control_locator" "$@"; }
  path_for_program() { echo "$1"; }
fi

# A display number of our own, far from the low ones that other servers
# reuse at once: a server that ends removes its socket, which could take the
# socket of a new server on the same number with it. -noreset: by default a
# server resets when its last client leaves (every xdotool call), and a
# program that connects during the reset is refused.
start_display() {
  local number
  for _ in $(seq 20); do
    number=$((200 + RANDOM % 30000))
    Xvfb ":$number" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 2>"$work/xvfb.log" &
    display_server=$!
    for _ in $(seq 100); do
      if ! kill -0 "$display_server" 2>/dev/null; then
        display_server=
        break
      fi
      if DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
        export DISPLAY=":$number"
        return 0
      fi
      sleep 0.1
    done
    [ -n "$display_server" ] && kill "$display_server" 2>/dev/null
    display_server=
  done
  cat "$work/xvfb.log" >&2
  fail "Xvfb did not start"
}

# ZENTRIX_ROAD_SCREENSHOT=FILE keeps a picture of the display as it was when
# the scenario failed.
fail() {
  echo "FAILED ($scenario): $*" >&2
  if [ -n "${ZENTRIX_ROAD_SCREENSHOT:-}" ]; then
    import -window root "$ZENTRIX_ROAD_SCREENSHOT" 2>/dev/null || true
  fi
  if [ -s "$work/program.log" ]; then
    echo "The program said:" >&2
    cat "$work/program.log" >&2
  fi
  exit 1
}

# The id of the visible window whose name matches, waiting up to 20 s (or
# the seconds given second).
window() {
  local found
  for _ in $(seq $((${2:-20} * 10))); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    sleep 0.1
  done
  fail "no window named '$1' appeared"
}

gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window named '$1' stayed open"
}

focus() {
  xdotool windowfocus --sync "$1"
}

# click WINDOW TEMPLATE CONTROL [ENTRY COUNT]: a mouse click where the
# program puts the control (or the list entry).
click() {
  local target=$1
  shift
  local x y
  read -r x y < <(locate "$@" | tr -d '\r') || fail "no control $*"
  xdotool mousemove --window "$target" "$x" "$y" click 1
  sleep 0.2
}

type_in() {
  xdotool type --delay 5 -- "$1"
}

# Types a path into the file dialog named $1 and confirms it.
choose_file() {
  local dialog
  dialog=$(window "$1")
  focus "$dialog"
  xdotool key ctrl+a
  type_in "$(path_for_program "$2")"
  xdotool key Return
  gone "$1"
}

start_program() {
  start_in_run
  program=$!
  main=$(window '^ZENTRIX')
  focus "$main"
}

# Waits up to 20 s for a file the program writes.
file_appears() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "$1 was not written"
}

# The program ends by itself within 30 s (a loaded machine is slow), with
# status 0.
program_ends() {
  for _ in $(seq 300); do
    if ! kill -0 "$program" 2>/dev/null; then
      wait "$program" || fail "the program ended with status $?"
      program=
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end"
}

# DONE with unsaved work: the question is answered Discard (Alt+D) and the
# program ends.
done_discarding() {
  focus "$main"
  click "$main" 102 1
  discard_when_asked
  program_ends
}

discard_when_asked() {
  local question
  question=$(window '^ZENTRIX Message$')
  focus "$question"
  xdotool key alt+d
}

program_runs() {
  sleep 0.5
  kill -0 "$program" 2>/dev/null || fail "the program ended"
}

same_files() {
  cmp -s "$1" "$2" || fail "$1 and $2 differ"
}

start_display
if [ -n "$windows_zip" ]; then wineboot --init >/dev/null 2>&1; fi
cp "$examples/truss-bridge-3d.dat" "$work/bridge.dat"
cp "$work/bridge.dat" "$work/bridge.original"

case $scenario in
  # The typical road: Old File, GENERATE, CREATE. Enter on the proposed
  # name used to write the Geometry File over the model file. The title
  # then says how many nodes and elements were generated.
  CreateOnTheProposedNameKeepsTheModelFile)
    start_program
    click "$main" 102 1004
    choose_file '^Select Old ZentrixInputFile$' "$work/bridge.dat"
    click "$main" 102 1025
    click "$main" 102 1022
    dialog=$(window '^Select/Create KARVEL Geometry File$')
    focus "$dialog"
    xdotool key Return
    message=$(window '^Create Message$')
    focus "$message"
    xdotool key Return
    gone '^Create Message$'
    title=$(xdotool getwindowname "$main")
    click "$main" 102 1
    program_ends
    same_files "$work/bridge.dat" "$work/bridge.original"
    [ -f "$work/bridge-geometry.dat" ] || fail "no bridge-geometry.dat"
    [[ $title == "ZENTRIX - generated: 36 nodes, "*" elements" ]] || fail "title '$title'"
    mv "$work/bridge-geometry.dat" "$work/desktop.dat"
    "$cli" generate "$work/bridge.dat" --geometry "$work/bridge-geometry.dat" >/dev/null
    same_files "$work/desktop.dat" "$work/bridge-geometry.dat"
    ;;

  # Clicking a node showed the previous node's coordinates, and APPLY
  # stored them into the clicked node.
  ClickedNodeKeepsItsCoordinates)
    start_program
    click "$main" 102 1004
    choose_file '^Select Old ZentrixInputFile$' "$work/bridge.dat"
    click "$main" 102 1014
    coordinates=$(window '^COORDONATE$')
    click "$coordinates" 103 1029 2 8
    click "$coordinates" 103 1029 3 8
    click "$coordinates" 103 1031
    click "$coordinates" 103 1
    gone '^COORDONATE$'
    click "$main" 102 1026
    choose_file '^Select Zentrix File$' "$work/saved.dat"
    file_appears "$work/saved.dat"
    focus "$main"
    click "$main" 102 1
    program_ends
    "$cli" generate "$work/saved.dat" --save "$work/again.dat" >/dev/null
    mv "$work/again.dat" "$work/from-saved.dat"
    "$cli" generate "$work/bridge.dat" --save "$work/again.dat" >/dev/null
    same_files "$work/from-saved.dat" "$work/again.dat"
    ;;

  # Escape, Enter and DONE ended the program without a word about the
  # model being built.
  CloseWithUnsavedWorkAsksFirst)
    start_program
    click "$main" 102 1009
    type_in 4
    xdotool key Escape
    question=$(window '^ZENTRIX Message$')
    focus "$question"
    xdotool key Escape
    gone '^ZENTRIX Message$'
    program_runs
    focus "$main"
    click "$main" 102 1009
    xdotool key Return
    question=$(window '^ZENTRIX Message$')
    focus "$question"
    xdotool key alt+d
    program_ends
    ;;

  # Cancel on "Wrong Data in Old File." ended the program at once.
  WrongOldFileCancelKeepsTheModel)
    printf 'not a Zentrix Input File\n' >"$work/bad.dat"
    start_program
    click "$main" 102 1009
    type_in 4
    click "$main" 102 1004
    # Another Old File over unsaved work asks first; Discard lets it load.
    discard_when_asked
    gone '^ZENTRIX Message$'
    choose_file '^Select Old ZentrixInputFile$' "$work/bad.dat"
    message=$(window '^ZENTRIX Message$')
    focus "$message"
    xdotool key Escape
    gone '^ZENTRIX Message$'
    program_runs
    done_discarding
    ;;

  # At 150 % on a 1280x1024 screen the fixed main dialog was 1029 pixels
  # tall: with a title bar its DONE button was off screen.
  MainDialogFitsTheScreenAt150Percent)
    export QT_SCALE_FACTOR=1.5
    start_program
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$HEIGHT" -le $((1024 - 48)) ] || fail "the dialog is $HEIGHT pixels tall"
    [ "$WIDTH" -le 1280 ] || fail "the dialog is $WIDTH pixels wide"
    xdotool key Escape
    program_ends
    ;;

  # The node and element counts were read from their first characters; the
  # count typed is the count generated. A million modules of the bridge's
  # 4 nodes, plus the closing section: 4,000,004 nodes.
  TypedModulesReachTheGeometryFile)
    start_program
    click "$main" 102 1004
    choose_file '^Select Old ZentrixInputFile$' "$work/bridge.dat"
    click "$main" 102 1016
    xdotool key ctrl+a
    type_in 1000000
    click "$main" 102 1025
    window '^ZENTRIX - generated: 4000004 nodes' 240 >/dev/null
    click "$main" 102 1022
    dialog=$(window '^Select/Create KARVEL Geometry File$')
    focus "$dialog"
    xdotool key Return
    message=$(window '^Create Message$' 240)
    focus "$message"
    xdotool key Return
    gone '^Create Message$'
    done_discarding
    counts=$(head -n 20 "$work/bridge-geometry.dat" | grep -v '^//' | sed -n 2p)
    [ "$(echo "$counts" | awk '{print $1}')" = 4000004 ] || fail "counts line '$counts'"
    ;;

  # The 3-D view of the generated structure opens beside the main dialog
  # and writes the picture it shows.
  ViewExportsAPicture)
    start_program
    click "$main" 102 1004
    choose_file '^Select Old ZentrixInputFile$' "$work/bridge.dat"
    click "$main" 102 1025
    click "$main" 102 1071
    view=$(window '^ZENTRIX - Structure$')
    focus "$view"
    click "$view" view exportPNG
    choose_file '^Export PNG$' "$work/view.png"
    file_appears "$work/view.png"
    signature=$(head -c 8 "$work/view.png" | od -An -tx1 | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "view.png is not a PNG file"
    focus "$main"
    click "$main" 102 1
    program_ends
    ;;

  # With language.dat = R the file dialogs, the messages and their buttons
  # speak Romanian: the question is answered with its Romanian access key.
  RomanianButtonsAndMessages)
    printf 'R\n' >"$run/language.dat"
    start_program
    click "$main" 102 1004
    chooser=$(window '^Alegeti fisierul Zentrix Input File existent$')
    focus "$chooser"
    xdotool key Escape
    gone '^Alegeti fisierul Zentrix Input File existent$'
    focus "$main"
    click "$main" 102 1009
    type_in 4
    click "$main" 102 1
    question=$(window '^Mesaj ZENTRIX$')
    focus "$question"
    xdotool key alt+r
    program_ends
    ;;

  *)
    fail "no such scenario"
    ;;
esac
echo "$scenario: passed"

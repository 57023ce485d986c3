#!/usr/bin/env bash
# Regenerates the README's screenshots in docs/screenshots/: runs the program
# on a virtual X display with openbox as window manager, drives it with
# xdotool in a temporary working folder holding four persons, and writes one
# PNG per window, cropped to the window and its frame:
#   main-window.png          the main window, first person selected
#   chart-window.png         the chart window for the first person
#   new-person-dropdown.png  the new-person dialog with its drop-down calendar open
#   comparison-result.png    the result of comparing the first two persons
#   chart-window-200.png     the chart window at 200 % (QT_SCALE_FACTOR=2)
# The chart shows the current month.
#
# With --windows it runs the Windows program of the windows preset's folder
# (build/windows/folder, or CYCLO_WINDOWS_BUILD/folder) under Wine instead,
# in a Wine prefix of its own, and writes the same pictures named windows-*.png;
# the one at 200 % is taken at 192 dpi (Windows' LogPixels).
#
#   scripts/screenshots.sh [--windows] [DISPLAY NUMBER, default 97]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
windows=""
if [ "${1:-}" = "--windows" ]; then
  windows=1
  shift
fi
number=${1:-97}
out="$root/docs/screenshots"

source "$root/scripts/display-session.sh"
source "$root/scripts/person-file.sh"
"$root/scripts/deps.sh" test display
work=$(mktemp -d /tmp/cyclo-shots-XXXXXX)
if [ -n "$windows" ]; then
  build=$(realpath -m "${CYCLO_WINDOWS_BUILD:-$root/build/windows}")
  executable=$("$root/scripts/product-name.sh" "$build" executable)
  program="$build/folder/$executable.exe"
  if [ ! -f "$program" ]; then
    echo "$program is missing: build the windows preset and install it into $build/folder" >&2
    exit 1
  fi
  prefix=windows-
  export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
else
  # Absolute: the program starts in the work folder.
  build=$(realpath -m "${CYCLO_BUILD_DIR:-$root/build/default}")
  if [ ! -d "$build" ]; then
    cmake --preset default -S "$root" >/dev/null
  fi
  executable=$("$root/scripts/product-name.sh" "$build" executable)
  cmake --build "$build" --target "$executable" >/dev/null
  program="$build/ui/$executable"
  prefix=""
fi

program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [ -n "$windows" ] && wineserver -k 2>/dev/null
  display_stop
  rm -rf "$work"
}
trap cleanup EXIT

# --- windows -------------------------------------------------------------------

# Prints "x y width height" of a window on the screen, with its frame.
window_rect() {
  local id=$1 x y w h extents left=0 right=0 top=0 bottom=0
  eval "$(xwininfo -id "$id" | awk '
    /Absolute upper-left X:/ {print "x=" $4}
    /Absolute upper-left Y:/ {print "y=" $4}
    /Width:/ {print "w=" $2}
    /Height:/ {print "h=" $2}')"
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  if [ -n "$extents" ]; then
    IFS=, read -r left right top bottom <<<"$extents"
  fi
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# Writes the part of the screen covered by the given windows to a PNG, once
# the windows have had time to paint.
shoot() {
  local file=$1 id x y w h x0=100000 y0=100000 x1=0 y1=0
  shift
  sleep 0.6
  for id in "$@"; do
    read -r x y w h <<<"$(window_rect "$id")"
    x0=$((x < x0 ? x : x0))
    y0=$((y < y0 ? y : y0))
    x1=$((x + w > x1 ? x + w : x1))
    y1=$((y + h > y1 ? y + h : y1))
  done
  import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage -depth 8 \
    "$out/$prefix$file"
  echo "wrote docs/screenshots/$prefix$file ($((x1 - x0)) x $((y1 - y0)))"
}

# The main window's caption, the product name, as a pattern.
main_title=$("$root/scripts/product-name.sh" --pattern "$build")

# Starts the program in the work folder, with the variables given; the
# Windows program through Wine, which takes its regional settings from LANG.
start_program() {
  if [ -n "$windows" ]; then
    (cd "$work" && exec env LANG=en_US.UTF-8 "$wine" "$program" >/dev/null 2>&1) &
  else
    (cd "$work" && HOME="$work" exec env LC_ALL=en_US.UTF-8 "$@" "$program" >/dev/null 2>&1) &
  fi
  program_pid=$!
  # The chart window carries the main window's caption too: the main
  # window is the one visible first.
  main=$(display_wait_window "$main_title" "$program_pid")
}

stop_program() {
  display_keys "$main" Escape
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

# Opens the chart window for the first person (Tab three times reaches the
# list, where Enter is Analyze) and prints its id.
open_chart() {
  display_keys "$main" Tab Tab Tab Return
  local id i
  for i in $(seq 100); do
    id=$(display_search "$main_title" "$program_pid" | grep -vx "$main" | tail -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "the chart window did not open" >&2
  return 1
}

# --- the run ---------------------------------------------------------------------

mkdir -p "$out"
write_person_file "$work/personen.dat" \
  "Anna Berger" 1970 3 5 "Max Keller" 1985 11 23 "Lena Vogt" 1992 7 14 "Paul Richter" 1961 1 30
display_start "$number"
trap cleanup EXIT # display_start sets a trap of its own
if [ -n "$windows" ]; then
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  "$wine" wineboot --init >/dev/null 2>&1
fi

start_program
shoot main-window.png "$main"

chart=$(open_chart)
shoot chart-window.png "$chart"
display_keys "$chart" alt+b
sleep 0.3

display_keys "$main" alt+n
dialog=$(display_wait_window '^New person$' "$program_pid")
xdotool type --delay 40 'Clara Neumann'
display_keys "$dialog" Tab alt+Down
sleep 0.5
popup=$(display_search '' "$program_pid" | grep -vx -e "$main" -e "$dialog" | tail -1 || true)
if [ -z "$popup" ]; then
  echo "the drop-down calendar did not open" >&2
  exit 1
fi
shoot new-person-dropdown.png "$dialog" "$popup"
# Esc closes the drop-down, then Cancel the dialog: nobody is added.
display_keys "$dialog" Escape
sleep 0.3
display_keys "$dialog" alt+c
display_wait_gone '^New person$' "$program_pid"

display_keys "$main" alt+c
compare=$(display_wait_window '^Compare persons$' "$program_pid")
display_keys "$compare" Return
result=$(display_wait_window '^Result of the comparison$' "$program_pid")
shoot comparison-result.png "$result"
display_keys "$result" Return
display_wait_gone '^Result of the comparison$' "$program_pid"
stop_program

if [ -n "$windows" ]; then
  # Windows takes the screen's scale from its dots per inch.
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
fi
start_program QT_SCALE_FACTOR=2
chart=$(open_chart)
shoot chart-window-200.png "$chart"
display_keys "$chart" alt+b
sleep 0.3
stop_program

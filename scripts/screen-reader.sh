#!/usr/bin/env bash
# Walks a blind user's round through the program with Orca, the screen
# reader, listening, and prints what Orca said. Runs on a virtual X display
# with openbox, in a D-Bus session of its own with the accessibility bus,
# in a temporary working folder holding two persons:
#   the main window, then the person list (Tab), down and up in it;
#   the chart opened (Enter), the legend (Tab), the chart (Tab), a day, a
#   month and a year stepped there (Right, Page Down, Ctrl+Page Down), Back;
#   the new-person dialog: its two fields, then Cancel;
#   a comparison of the two persons and its result.
# Orca needs no sound: it writes every utterance to its debug file as a line
# with "SPEECH OUTPUT:" and the time, which this script prints under the step
# it followed.
#
#   scripts/screen-reader.sh [--display NUMBER] [--log FILE]
#     --display  the X display to use (default 95)
#     --log      keep Orca's whole debug file there
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
number=95
keep_log=""
while [ $# -gt 0 ]; do
  case $1 in
    --display) number=$2; shift 2 ;;
    --log) keep_log=$2; shift 2 ;;
    *) echo "usage: $0 [--display NUMBER] [--log FILE]" >&2; exit 2 ;;
  esac
done
build=${CYCLO_BUILD_DIR:-$root/build/default}

# Inside the D-Bus session the script runs itself again with this set.
if [ -z "${CYCLO_SCREEN_READER_SESSION:-}" ]; then
  "$root/scripts/deps.sh" test display screen-reader
  if [ ! -d "$build" ]; then
    cmake --preset default -S "$root" >/dev/null
  fi
  cmake --build "$build" --target "$("$root/scripts/product-name.sh" "$build" executable)" \
    >/dev/null
  args=(--display "$number")
  [ -n "$keep_log" ] && args+=(--log "$(realpath -m "$keep_log")")
  CYCLO_SCREEN_READER_SESSION=1 exec dbus-run-session -- "$0" "${args[@]}"
fi

source "$root/scripts/display-session.sh"
source "$root/scripts/person-file.sh"
program="$build/ui/$("$root/scripts/product-name.sh" "$build" executable)"
work=$(mktemp -d /tmp/cyclo-orca-XXXXXX)
log="$work/orca.log"
bus_pid=""
orca_pid=""
program_pid=""
cleanup() {
  local pid
  [ -n "$keep_log" ] && [ -f "$log" ] && cp "$log" "$keep_log"
  for pid in "$program_pid" "$orca_pid" "$bus_pid"; do
    [ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; }
  done
  sleep 0.5
  for pid in "$program_pid" "$orca_pid" "$bus_pid"; do
    [ -n "$pid" ] && { kill -KILL "$pid" 2>/dev/null || true; }
  done
  display_stop || true
  rm -rf "$work"
  return 0
}

write_person_file "$work/personen.dat" "Anna Berger" 1970 3 5 "Max Keller" 1985 11 23

# --- the session ----------------------------------------------------------------

display_start "$number"
trap cleanup EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
sleep 1
HOME="$work" orca --replace --debug-file="$log" >/dev/null 2>&1 &
orca_pid=$!
# Orca is listening once it has said its welcome.
for _ in $(seq 150); do
  grep -q 'SPEECH OUTPUT' "$log" 2>/dev/null && break
  sleep 0.2
done

(cd "$work" && HOME="$work" exec env LC_ALL=en_US.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$program" >/dev/null 2>&1) &
program_pid=$!

main_title=$("$root/scripts/product-name.sh" --pattern "$build")

# Each step starts with a heading and the time; Orca's debug file stamps
# every utterance with the time it was spoken (the file is written in
# blocks, so it is read once, at the end).
headings=()
starts=()
step() {
  headings+=("$1")
  starts+=("$(date +%H:%M:%S.%6N)")
}

# Prints what Orca said, each utterance under the step it followed.
report() {
  local i
  for i in "${!headings[@]}"; do
    echo "== ${headings[$i]}"
    grep 'SPEECH OUTPUT:' "$log" | awk -v from="${starts[$i]}" -v to="${starts[$((i + 1))]:-99}" \
      '$1 >= from && $1 < to' | sed -e "s/^.*SPEECH OUTPUT: /  /" -e "s/{'established': False}//"
  done
}

# A key, or keys, pressed slowly enough for Orca to speak each.
press() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 1.5
  done
}

step "the main window opens"
main=$(display_wait_window "$main_title" "$program_pid")
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 2

step "Tab into the person list"
press Tab Tab Tab
step "Down and Up in the list"
press Down Up

step "Enter opens the chart"
press Return
sleep 1
step "Tab to the second legend box"
press Tab
step "Tab on to the chart"
press Tab Tab Tab
step "Right: the next day"
press Right
step "Page Down: the next month"
press Page_Down
step "Ctrl+Page Down: the next year"
press ctrl+Page_Down
step "Back to the main window"
press alt+b

step "New: the new-person dialog"
press alt+n
display_wait_window '^New person$' "$program_pid" >/dev/null
step "Tab to the birthday"
press Tab
step "Esc cancels"
press Escape

step "Compare: the two persons"
press alt+c
display_wait_window '^Compare persons$' "$program_pid" >/dev/null
step "Tab to the second person"
press Tab
step "Enter compares"
press Return
display_wait_window '^Result of the comparison$' "$program_pid" >/dev/null
step "OK closes the result"
press Return
sleep 2

press Escape
wait "$program_pid" 2>/dev/null || true
program_pid=""
# Orca writes out what it has buffered when it ends.
kill "$orca_pid" 2>/dev/null || true
wait "$orca_pid" 2>/dev/null || true
orca_pid=""
report

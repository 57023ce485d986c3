# Sourced by the scripts that run the program on a virtual X display:
#   display_packages              installs what they need (scripts/deps.sh display)
#   display_start NUMBER [DPI]    Xvfb on :NUMBER with openbox as window manager
#   display_stop                  ends both (also done on exit)
#   display_wait_window TITLE [PID]
#                                 waits for a visible window whose title matches
#                                 the pattern TITLE, of process PID when given,
#                                 and prints its id
#   display_wait_gone TITLE [PID] waits until no such window is visible
#   display_keys ID KEY...        activates window ID and presses the keys
# Needs bash with `set -euo pipefail`.

display_packages() {
  "$(dirname "${BASH_SOURCE[0]}")/deps.sh" display
}

# xdotool's search for visible windows whose title matches $1, of process $2
# when given.
display_search() {
  local args=(--all --onlyvisible)
  [ -n "${2:-}" ] && args+=(--pid "$2")
  xdotool search "${args[@]}" --name "$1" 2>/dev/null || true
}

display_wait_window() {
  local title=$1 pid=${2:-} id i
  for i in $(seq 150); do
    id=$(display_search "$title" "$pid" | tail -1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "no window \"$title\" appeared" >&2
  return 1
}

display_wait_gone() {
  local title=$1 pid=${2:-} i
  for i in $(seq 100); do
    [ -z "$(display_search "$title" "$pid")" ] && return 0
    sleep 0.1
  done
  echo "window \"$title\" did not close" >&2
  return 1
}

# Keys go to the window that has the focus; openbox gives it to an activated one.
display_keys() {
  local id=$1
  shift
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers --delay 60 "$@"
}

display_xvfb_pid=""
display_wm_pid=""

display_stop() {
  [ -n "$display_wm_pid" ] && kill "$display_wm_pid" 2>/dev/null && wait "$display_wm_pid" 2>/dev/null
  [ -n "$display_xvfb_pid" ] && kill "$display_xvfb_pid" 2>/dev/null && wait "$display_xvfb_pid" 2>/dev/null
  display_wm_pid=""
  display_xvfb_pid=""
  return 0
}

# Waits until the X server on $DISPLAY answers (at most 10 s).
display_wait_server() {
  local i
  for i in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "X server $DISPLAY did not start" >&2
  return 1
}

display_start() {
  local number=$1 dpi=${2:-}
  export DISPLAY=":$number"
  if xdpyinfo >/dev/null 2>&1; then
    echo "Display $DISPLAY is already in use" >&2
    return 1
  fi
  # -noreset keeps the X resources (Xft.dpi) when the last client leaves.
  Xvfb "$DISPLAY" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  display_xvfb_pid=$!
  trap display_stop EXIT
  display_wait_server
  if [ -n "$dpi" ]; then
    echo "Xft.dpi: $dpi" | xrdb -merge
  fi
  openbox >/dev/null 2>&1 &
  display_wm_pid=$!
  # openbox is ready once it has claimed the screen's window manager selection.
  local i
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "openbox did not start on $DISPLAY" >&2
  return 1
}

# Sourced by the scripts that run the program on a virtual X display:
#   display_packages              installs what they need, only what is missing
#   display_start NUMBER [DPI]    Xvfb on :NUMBER with openbox as window manager
#   display_stop                  ends both (also done on exit)
# Needs bash with `set -euo pipefail`.

display_packages() {
  local packages=(xvfb xauth xdotool openbox imagemagick x11-utils x11-xserver-utils
                  fonts-liberation libx11-dev libxdamage-dev)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
      missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
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

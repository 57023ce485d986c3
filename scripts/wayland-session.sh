#!/usr/bin/env bash
# Runs a command on a headless Wayland compositor: starts weston on a socket
# of its own (with --debug, so that weston-screenshooter may read its screen),
# runs the command with WAYLAND_DISPLAY and XDG_RUNTIME_DIR set, and stops
# weston again. Usage: scripts/wayland-session.sh [--socket NAME] COMMAND...
set -euo pipefail

socket="cyclograph-$$"
if [ "${1:-}" = "--socket" ]; then
  socket=$2
  shift 2
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
log="$runtime/weston.log"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman \
  --socket="$socket" --idle-time=0 --width=1280 --height=1024 --debug >"$log" 2>&1 &
weston_pid=$!
stop() {
  kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap stop EXIT

for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    cat "$log" >&2
    echo "weston did not start" >&2
    exit 1
  fi
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "weston's socket did not appear" >&2; exit 1; }

export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket"
"$@"

#!/usr/bin/env bash
# Start-up on a real display: the time from launch to the main window wholly
# drawn on the screen, for the program and for a bare Qt window of the same
# size, launched alternately on one virtual X display with openbox, with
# 100 persons in the list; then the same for the program and that window
# showing one label. Prints each launch, the medians and their ratios.
#
#   scripts/startup-display.sh [DISPLAY NUMBER, default 96] [LAUNCHES, default 7]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
number=${1:-96}
launches=${2:-7}
build=${CYCLO_BUILD_DIR:-$root/build/default}

source "$root/scripts/display-session.sh"
"$root/scripts/deps.sh" test display
if [ ! -d "$build" ]; then
  cmake --preset default -S "$root" >/dev/null
fi
executable=$("$root/scripts/product-name.sh" "$build" executable)
cmake --build "$build" --target "$executable" startup_bare_window startup_label_window \
  startup_display >/dev/null
product=$("$root/scripts/product-name.sh" "$build")

display_start "$number"
echo "Against a bare window:"
"$build/bench/startup_display" "$launches" 100 \
  "$build/ui/$executable" "$product" \
  "$build/bench/startup_bare_window" "Bare Qt window"
echo "Against the window with one label:"
"$build/bench/startup_display" "$launches" 100 \
  "$build/ui/$executable" "$product" \
  "$build/bench/startup_label_window" "Qt window with a label"

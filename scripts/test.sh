#!/usr/bin/env bash
# Builds everything and runs every test: the full suite with GCC (warnings as
# errors), the desktop tests again on a headless Wayland compositor, the
# Debian package built from it and checked, the full suite again
# with clang under AddressSanitizer and UBSan, then the fuzzers over their seed
# corpora under the same sanitizers, and the Qt-free core's suites cross-built
# for Windows and run under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh test

jobs=$(nproc)
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"
# The desktop tests natively on Wayland and under GNOME's platform theme,
# which skip above for want of a compositor.
scripts/wayland-session.sh ctest --preset ci -L desktop -j "$jobs" --output-on-failure

# The Debian package, built from the ci tree and checked, never installed.
scripts/check-package.sh build/ci

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"

# The Qt-free core and its suites for 64-bit Windows, run under Wine in a
# throw-away prefix inside the build tree. A wineserver started up front
# keeps the test programs' output pipes from waiting on it.
cmake --preset windows-core >/dev/null
cmake --build --preset windows-core -j "$jobs"
(
  export WINEPREFIX="$root/build/windows-core/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  trap 'wineserver -k || true' EXIT
  wineboot --init </dev/null >/dev/null 2>&1
  ctest --preset windows-core -j "$jobs" --no-tests=error
)

#!/usr/bin/env bash
# Builds everything and runs every test: the full suite with GCC (warnings as
# errors), the desktop tests again on a headless Wayland compositor, the
# Debian package built from it and checked, the full suite again
# with clang under AddressSanitizer and UBSan, then the fuzzers over their seed
# corpora under the same sanitizers, the Qt-free core's suites cross-built
# for Windows and run under Wine, and last the whole program for Windows:
# built against Qt for Windows (built once per machine from Debian's source
# package, about 40 minutes, then cached outside the tree), its suites run
# under Wine, and its folder, installer and .exe checked and driven there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh test

jobs=$(nproc)

# Runs a command with a fresh Wine prefix in BUILD_DIR/wineprefix. A
# wineserver started up front keeps the test programs' output pipes from
# waiting on it.
in_fresh_wine_prefix() {
  local build=$1
  shift
  (
    export WINEPREFIX="$root/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1
    trap 'wineserver -k || true' EXIT
    wineboot --init </dev/null >/dev/null 2>&1
    "$@"
  )
}
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
# throw-away prefix inside the build tree.
cmake --preset windows-core >/dev/null
cmake --build --preset windows-core -j "$jobs"
in_fresh_wine_prefix build/windows-core ctest --preset windows-core -j "$jobs" --no-tests=error

# The whole program for 64-bit Windows, its folder (what the ZIP holds) and
# its two packages.
CYCLO_WINDOWS_QT=$(scripts/windows-qt.sh)
export CYCLO_WINDOWS_QT
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
rm -rf build/windows/folder
cmake --install build/windows --prefix build/windows/folder --strip >/dev/null
(cd build/windows && cpack -G ZIP >/dev/null && cpack -G NSIS >/dev/null)
# Its suites under Wine, on Qt's offscreen platform as on Linux.
in_fresh_wine_prefix build/windows ctest --preset windows -j "$jobs" --no-tests=error
# The folder and the installer checked, and the .exe driven under Wine on a
# virtual display as a user drives it, against what the Linux build computes.
CYCLO_WINDOWS_BUILD="$root/build/windows" ctest --preset ci -L windows -j "$jobs" --no-tests=error

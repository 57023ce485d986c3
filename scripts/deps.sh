#!/usr/bin/env bash
# Installs the Debian 12 packages a group of commands needs, and only those
# that are missing, so a second call costs a fraction of a second.
#
#   scripts/deps.sh run    building and running the program (scripts/run.sh)
#   scripts/deps.sh test   that and everything the tests, the benches, the
#                          fuzzers, the Windows build and its Wine stage and
#                          the package checks need
#                          (scripts/test.sh); the default
set -euo pipefail

# Building and running the program.
run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev                       # Widgets, PrintSupport, Test, platform plugins
  libfontconfig-dev                  # the font configuration, read early at start-up
  fonts-liberation                   # metric twins of Arial and Times New Roman
)

# The test command, on top of the run group.
test_packages=(
  libx11-dev libxdamage-dev          # the bench program that watches start-up on a display
  libgtest-dev libgmock-dev          # unit and widget tests
  qt6-base-private-dev               # the platform's accessibility switch, for the widget tests
  libbenchmark-dev                   # the bench target
  clang-14 libclang-rt-14-dev        # libFuzzer and the sanitizer runs
  poppler-utils                      # pdftotext and pdftoppm, to read printed pages back in tests
  ncal                               # cal, an independent month layout for the calendar tests
  # The Qt-free core cross-built for Windows and tested under Wine
  g++-mingw-w64-x86-64-posix         # MinGW-w64 with std::thread
  googletest                         # GoogleTest sources, built with the cross compiler
  wine64 wine                        # runs the Windows test programs; wineboot, wineserver
  # The whole program for Windows (scripts/windows-qt.sh builds its Qt from
  # Debian's qt6-base source package), its packages, and the .exe driven
  # under Wine on a virtual display (tests/windows)
  nsis                               # makensis with the amd64-unicode stubs: the installer
  xvfb xauth openbox                 # a virtual display with a window manager
  xdotool x11-utils imagemagick      # keys, window geometry, screenshots
  tesseract-ocr tesseract-ocr-eng    # reads the program's texts back from its windows
  icoutils                           # wrestool and icotool: the .exe's resources and icon
  locales                            # the locale sources Wine's regional settings are made from
  # The Debian package and its checks (scripts/check-package.sh)
  dpkg-dev file                      # dpkg-shlibdeps for the package's dependencies; file for CPack
  lintian                            # Debian's package checker
  desktop-file-utils appstream       # desktop-file-validate, appstreamcli
  # The program on real desktops (scripts/wayland-session.sh, tests labelled "desktop")
  weston                             # a headless Wayland compositor, and weston-screenshooter
  qt6-wayland                        # Qt's native Wayland platform
  qt6-gtk-platformtheme              # GNOME's platform theme
  gnome-themes-extra                 # GTK's dark Adwaita theme
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: scripts/deps.sh [run|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

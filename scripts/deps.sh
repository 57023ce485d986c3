#!/usr/bin/env bash
# Installs the Debian 12 packages a group of commands needs, and only those
# that are missing, so a second call costs a fraction of a second. Every
# package list of the project is here.
#
#   scripts/deps.sh [GROUP...]
#     run            building and running the program (scripts/run.sh)
#     test           that and everything the tests, the benches, the fuzzers,
#                    the Wine stages, the Windows build and the package checks
#                    need (scripts/test.sh), the display and windows groups
#                    included; the default
#     display        a virtual X display with a window manager, driven and
#                    photographed (scripts/display-session.sh and its users)
#     screen-reader  Orca in a D-Bus session with the accessibility bus
#                    (scripts/screen-reader.sh)
#     windows        Qt and the program built for Windows, its installer, and
#                    the .exe driven under Wine (scripts/windows-qt.sh,
#                    tests/windows), on top of the display group
#     fresh-install  making a minimal Debian root (scripts/check-fresh-install.sh)
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

# A virtual X display with openbox, driven with xdotool and photographed.
display_packages=(
  xvfb xauth                         # the display
  openbox                            # a window manager: frames, activation, stacking
  xdotool                            # keys and window searches
  imagemagick                        # import, for screenshots
  x11-utils x11-xserver-utils        # xdpyinfo, xprop, xwininfo; xrdb for Xft.dpi
  fonts-liberation                   # the windows' fonts
)

# The program for Windows: Qt built from Debian's qt6-base source package
# (scripts/windows-qt.sh; dpkg-source from dpkg-dev unpacks it), its
# installer, and the .exe driven under Wine on the virtual display.
windows_packages=(
  nsis                               # makensis with the amd64-unicode stubs: the installer
  tesseract-ocr tesseract-ocr-eng    # reads the program's texts back from its windows
  icoutils                           # wrestool and icotool: the .exe's resources and icon
  locales                            # the locale sources Wine's regional settings are made from
)

# Orca listening to the program.
screen_reader_packages=(
  orca                               # the screen reader; its debug file holds what it says
  at-spi2-core                       # the accessibility bus
  dbus dbus-x11                      # the session bus it runs in
)

# A fresh minimal Debian system to install the package into.
fresh_install_packages=(
  debootstrap
)

packages=()
[ $# -eq 0 ] && set -- test
for group in "$@"; do
  case "$group" in
    run) packages+=("${run_packages[@]}") ;;
    test)
      packages+=("${run_packages[@]}" "${test_packages[@]}" "${display_packages[@]}"
                 "${windows_packages[@]}") ;;
    display) packages+=("${display_packages[@]}") ;;
    windows) packages+=("${display_packages[@]}" "${windows_packages[@]}") ;;
    screen-reader) packages+=("${screen_reader_packages[@]}") ;;
    fresh-install) packages+=("${fresh_install_packages[@]}") ;;
    *)
      echo "usage: scripts/deps.sh [run|test|display|windows|screen-reader|fresh-install]..." >&2
      exit 2
      ;;
  esac
done

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

#!/usr/bin/env bash
# Runs a program built by the windows preset under Wine, the way its tests
# run: Qt for Windows' DLLs and plugins found in QT_FOLDER, the same fonts as
# the Linux tests (Liberation and DejaVu) for Qt's offscreen platform, and no
# Wine debug chatter. CMake makes this the preset's emulator, so CTest and
# GoogleTest's test discovery start every test program through it.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
#
# Qt for Windows is CYCLO_WINDOWS_QT when set, else the folder
# scripts/windows-qt.sh builds into. WINEPREFIX is used when set (scripts/test.sh sets a fresh one in the build
# tree); otherwise a prefix of its own in the cache folder beside Qt.
set -euo pipefail
qt=${CYCLO_WINDOWS_QT:-$("$(dirname "$0")/windows-qt.sh" --where)}
cache=${CYCLO_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quellant-cyclograph}
export WINEPREFIX=${WINEPREFIX:-$cache/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono and no Gecko: nothing here needs them, and Wine would offer to
# download them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPATH="Z:${qt}/bin${WINEPATH:+;$WINEPATH}"
export QT_PLUGIN_PATH="Z:${qt}/plugins"

# Made once per prefix; tests started side by side may both make it, and
# the first one's folder stays.
fonts=$WINEPREFIX/cyclo-test-fonts
if [ ! -d "$fonts" ]; then
  mkdir -p "$WINEPREFIX"
  made=$(mktemp -d "$WINEPREFIX/cyclo-test-fonts.XXXXXX")
  ln -s /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf "$made/"
  mv -T "$made" "$fonts" 2>/dev/null || rm -rf "$made"
fi
export QT_QPA_FONTDIR="Z:$fonts"

# Wine hands a Windows program none of the variables whose names start with
# QT_ (so that a Linux desktop's Qt settings stay out of Windows programs):
# they travel as CYCLO_WINE_QT_..., and the widget tests' main takes them back.
for name in $(compgen -e); do
  case $name in
    QT_*) export "CYCLO_WINE_$name=${!name}" ;;
  esac
done

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$wine" "$@"

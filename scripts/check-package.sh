#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree (default
# build/ci) and checks it without installing it: lintian reports no errors,
# the desktop entry and the AppStream metadata validate, the package holds
# every file it promises, and the packaged program answers --version.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/ci}" && pwd)
started=$(date +%s%N)

project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package_version=$(echo "$project_version" | cut -d. -f1-3)
app_id=org.quellant.cyclograph
deb="$build/cyclograph_${package_version}_amd64.deb"

rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || { echo "package: $deb was not built" >&2; exit 1; }

# Errors fail the stage; warnings and notes are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

missing=0
expect() {
  if [ ! -s "$unpacked/$1" ]; then
    echo "package: missing $1" >&2
    missing=1
  fi
}
expect usr/bin/cyclograph
for size in 16 22 24 32 48 64 128 256; do
  expect "usr/share/icons/hicolor/${size}x${size}/apps/cyclograph.png"
done
expect "usr/share/applications/$app_id.desktop"
expect "usr/share/metainfo/$app_id.metainfo.xml"
expect usr/share/man/man1/cyclograph.1.gz
expect usr/share/doc/cyclograph/copyright
expect usr/share/doc/cyclograph/changelog.gz
[ "$missing" -eq 0 ] || exit 1

dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation' \
  || { echo "package: does not depend on fonts-liberation" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' \
  || { echo "package: the shared-library dependencies are missing" >&2; exit 1; }

desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"

# The packaged program, without a display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$unpacked/usr/bin/cyclograph" --version)
if [ "$answer" != "cyclograph $project_version" ]; then
  echo "package: --version printed '$answer'" >&2
  exit 1
fi

echo "package: $(basename "$deb") built and checked in $((($(date +%s%N) - started) / 1000000)) ms"

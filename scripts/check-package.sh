#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree (default
# build/ci) and checks it without installing it: lintian reports no errors and
# no hardening tag, the desktop entry and the AppStream metadata validate, the
# package holds every file it promises under its own names and none that
# Debian's unrelated "cyclograph" package ships, the package, --version, the
# manual page and the AppStream release name one version, and the packaged
# program answers --version.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/ci}" && pwd)
started=$(date +%s%N)

name=$("$root/scripts/product-name.sh" "$build" executable)
app_id=$("$root/scripts/product-name.sh" "$build" app-id)
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package_version=$(echo "$project_version" | cut -d. -f1-3)
deb="$build/${name}_${package_version}_amd64.deb"

rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || { echo "package: $deb was not built" >&2; exit 1; }

fail() {
  echo "package: $*" >&2
  exit 1
}

# Errors fail the stage, and so does any hardening tag; warnings and notes are
# shown.
lintian_out=$(lintian --fail-on error --tag-display-limit 0 "$deb") || {
  echo "$lintian_out"
  fail "lintian reports errors"
}
[ -n "$lintian_out" ] && echo "$lintian_out"
if grep -q 'hardening-' <<<"$lintian_out"; then
  fail "lintian reports a hardening tag"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unpacked="$work/unpacked"
dpkg-deb -x "$deb" "$unpacked"

[ "$(dpkg-deb -f "$deb" Package)" = "$name" ] || fail "the package is not named $name"

missing=0
expect() {
  if [ ! -s "$unpacked/$1" ]; then
    echo "package: missing $1" >&2
    missing=1
  fi
}
expect "usr/bin/$name"
for size in 16 22 24 32 48 64 128 256; do
  expect "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
expect "usr/share/applications/$app_id.desktop"
expect "usr/share/metainfo/$app_id.metainfo.xml"
expect "usr/share/man/man1/$name.1.gz"
expect "usr/share/doc/$name/copyright"
expect "usr/share/doc/$name/changelog.gz"
[ "$missing" -eq 0 ] || exit 1

# Files, not folders: both packages may share /usr/bin and the icon theme's
# folders, never a file.
files() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort; }
files "$deb" >"$work/ours"

# The paths of Debian's own "cyclograph" (route altimetry), read from its
# .deb, which is downloaded and listed, never installed or run. Without the
# archive (offline, or no package lists yet) the check falls back to the
# rule that package follows: each of its paths names "cyclograph" bare,
# which none of ours may.
if (cd "$work" && apt-get download -qq cyclograph >/dev/null 2>&1) &&
   theirs_deb=$(ls "$work"/cyclograph_*.deb 2>/dev/null); then
  files "$theirs_deb" >"$work/theirs"
  [ -s "$work/theirs" ] || fail "Debian's cyclograph package lists no files"
  shared=$(comm -12 "$work/ours" "$work/theirs")
  [ -z "$shared" ] || fail "paths that Debian's cyclograph also ships:"$'\n'"$shared"
  echo "package: no path in common with Debian's $(basename "$theirs_deb")"
else
  clashing=$(grep -E '/cyclograph(/|\.|$)' "$work/ours" || true)
  [ -z "$clashing" ] || fail "paths named like Debian's cyclograph:"$'\n'"$clashing"
  echo "package: Debian's cyclograph could not be downloaded; no path of ours is named like its"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation fonts-dejavu-core libqt6widgets6; do
  grep -q "$needed" <<<"$depends" || fail "does not depend on $needed"
done

desktop="$unpacked/usr/share/applications/$app_id.desktop"
metainfo="$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -qx "Exec=$name --user-data" "$desktop" || fail "the desktop entry does not start $name --user-data"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the AppStream component is not $app_id"
grep -q "<binary>$name</binary>" "$metainfo" || fail "the AppStream metadata does not provide $name"

# One version everywhere: the package, --version, the manual page and the
# AppStream release.
deb_version=$(dpkg-deb -f "$deb" Version)
[ "$deb_version" = "$package_version" ] || fail "the package's version is $deb_version"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$unpacked/usr/bin/$name" --version)
[ "$answer" = "$name $deb_version" ] || fail "--version printed '$answer'"
zcat "$unpacked/usr/share/man/man1/$name.1.gz" | grep -q "^\.TH QUELLANT-CYCLOGRAPH 1 .*\"$name $deb_version\"" ||
  fail "the manual page does not name $name $deb_version"
grep -q "<release version=\"$deb_version\"" "$metainfo" || fail "the AppStream release is not $deb_version"

echo "package: $(basename "$deb") built and checked in $((($(date +%s%N) - started) / 1000000)) ms"

#!/usr/bin/env bash
# Installs the Debian package into a fresh minimal Debian 12 system and uses it
# as a new desktop user does; run by hand, not part of the test command, since
# it downloads about 80 MB of packages. It
#   - makes a minimal Debian 12 root (debootstrap --variant=minbase) from the
#     Debian archive this machine's apt is configured with,
#   - installs the package there with --no-install-recommends,
#   - starts the program as a normal user in the home folder, on Xvfb, with
#     the command line of the installed desktop entry,
#   - adds a person, enters a name the list cannot keep so that a message box
#     shows, and takes a screenshot,
#   - reports where the list went and which fonts the messages and the windows
#     are set in.
# Needs root (debootstrap, chroot, mount) and the network.
#
#   scripts/check-fresh-install.sh [PACKAGE.deb] [DISPLAY NUMBER, default 96]
#
# Without a package it is built with cpack in build/ci (or $CYCLO_BUILD_DIR).
# The screenshot goes to $CYCLO_SHOT (default /tmp/cyclo-fresh-install.png).
# KEEP_ROOT=1 keeps the installed root for a look around.
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-}
number=${2:-96}
shot=${CYCLO_SHOT:-/tmp/cyclo-fresh-install.png}
build=${CYCLO_BUILD_DIR:-$root_dir/build/ci}
names="$root_dir/scripts/product-name.sh"
name=$("$names" "$build" executable)
app_id=$("$names" "$build" app-id)
main_title=$("$names" --pattern "$build")
box_title=$("$names" --pattern "$build" title)

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=CYCLO_BUILD_DIR,CYCLO_SHOT,KEEP_ROOT "$0" "$@"
fi

source "$root_dir/scripts/display-session.sh"
"$root_dir/scripts/deps.sh" display fresh-install

if [ -z "$deb" ]; then
  (cd "$build" && cpack -G DEB >/dev/null)
  deb=$(ls "$build"/${name}_*_amd64.deb)
fi
deb=$(realpath "$deb")

# The archive apt is configured with: the first Debian bookworm source of
# /etc/apt/sources.list and sources.list.d, in either format.
mirror=$(
  {
    grep -hsE '^\s*deb\s' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
      sed 's/\[[^]]*\]//' | awk '$3 == "bookworm" { print $2 }'
    awk 'BEGIN { RS = "" }
         /(^|\n)Suites:[^\n]*[ \t]bookworm([ \t\n]|$)/ && /Types:[^\n]*deb([ \t\n]|$)/ {
           match($0, /URIs:[ \t]*[^ \t\n]+/); u = substr($0, RSTART, RLENGTH)
           sub(/URIs:[ \t]*/, "", u); print u }' /etc/apt/sources.list.d/*.sources 2>/dev/null
  } | head -1
)
mirror=${mirror:-http://deb.debian.org/debian}

work=$(mktemp -d /var/tmp/cyclo-fresh-XXXXXX)
root="$work/root"
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  display_stop
  for mounted in "$root/tmp/.X11-unix" "$root/proc"; do
    mountpoint -q "$mounted" 2>/dev/null && umount "$mounted"
  done
  if [ "${KEEP_ROOT:-0}" = 1 ]; then
    echo "fresh install: the root stays in $root"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

step() { echo "fresh install: $*"; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

step "making a minimal Debian 12 root from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 || {
  tail -20 "$work/debootstrap.log" >&2
  exit 1
}
mount -t proc proc "$root/proc"
echo "deb $mirror bookworm main" >"$root/etc/apt/sources.list"
echo "deb $mirror bookworm-updates main" >>"$root/etc/apt/sources.list"

step "installing $(basename "$deb") with --no-install-recommends"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
before=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 || {
  tail -20 "$work/install.log" >&2
  exit 1
}
after=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
fonts=$(in_root dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 'fonts-*' | awk '/^ii/ { print $2 }')
step "$((after - before)) packages installed; fonts: $(echo $fonts)"

in_root useradd --create-home --shell /bin/bash user
uid=$(in_root id -u user)
home=/home/user

# The X server runs outside the root; its socket is shown inside.
display_start "$number"
trap cleanup EXIT # display_start sets a trap of its own
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

# The desktop entry's command line, without its field codes; a desktop's menu
# starts it in the home folder.
desktop="$root/usr/share/applications/$app_id.desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[a-zA-Z]//g')
step "starting '$exec_line' as user in $home, as the desktop entry does"
chroot --userspec="$uid:$uid" "$root" env -i HOME="$home" USER=user LOGNAME=user \
  PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
  sh -c "cd \"\$HOME\" && exec $exec_line" >"$work/program.log" 2>&1 &
program_pid=$!

# A window of the program, or what the program said when it does not come.
wait_window() {
  display_wait_window "$1" || { echo "the program said:" >&2; cat "$work/program.log" >&2; return 1; }
}

main=$(wait_window "$main_title")
step "adding a person"
display_keys "$main" alt+n
dialog=$(wait_window '^New person$')
xdotool type --delay 40 'Anna Beispiel'
display_keys "$dialog" Return
display_wait_gone '^New person$'

step "entering a name the list cannot keep"
display_keys "$main" alt+n
dialog=$(wait_window '^New person$')
display_keys "$dialog" ctrl+a
# Letters beyond the keyboard map are typed through a spare key that xdotool
# maps anew for each one; slowly, so that the program reads each mapping.
xdotool type --delay 250 'Łukasz Żółć'
sleep 0.3
display_keys "$dialog" Return
box=$(wait_window "$box_title")
sleep 0.8
import -window root -depth 8 "$shot"
step "screenshot of the message box: $shot"
display_keys "$box" Return
display_keys "$dialog" Escape
display_wait_gone '^New person$'
display_keys "$main" Escape
wait "$program_pid" 2>/dev/null || true
program_pid=""

step "where the list went:"
(cd "$root" && find ".$home" -name 'personen.dat*' -printf '  /%P  %s bytes\n' | sed "s|  /|  $home/|")
if [ -e "$root$home/personen.dat" ]; then
  echo "fresh install: the list lies loose in the home folder" >&2
  exit 1
fi
[ -s "$root$home/.local/share/$name/personen.dat" ] || {
  echo "fresh install: no list in ~/.local/share/$name" >&2
  exit 1
}

# Without a desktop's platform theme Qt sets message boxes and its own texts
# in "Sans Serif"; the windows name "MS Sans Serif" and "Arial", which the
# program maps to Liberation Sans when the system has no such font.
step "fonts, as fontconfig resolves them in the fresh root:"
for family in 'Sans Serif' 'Liberation Sans'; do
  echo "  $family -> $(in_root fc-match "$family")"
done

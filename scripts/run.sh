#!/usr/bin/env bash
# Builds the program and starts it in the current directory, where it keeps
# personen.dat.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake --preset default -S "$root" >/dev/null
cmake --build "$root/build/default" --target quellant-cyclograph
exec "$root/build/default/ui/quellant-cyclograph"

#!/usr/bin/env bash
# Builds the program and starts it in the current directory, where it keeps
# personen.dat. Installs only what building and running it needs; the test
# command (scripts/test.sh) brings the rest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" run
cmake --preset run -S "$root" >/dev/null
executable=$("$root/scripts/product-name.sh" "$root/build/run" executable)
cmake --build "$root/build/run" --target "$executable"
exec "$root/build/run/ui/$executable"

#!/usr/bin/env bash
# Builds everything and runs every test: the full suite with GCC (warnings as
# errors), the Debian package built from it and checked, the full suite again
# with clang under AddressSanitizer and UBSan, then the fuzzers over their seed
# corpora under the same sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh

jobs=$(nproc)
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

# The Debian package, built from the ci tree and checked, never installed.
scripts/check-package.sh build/ci

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"

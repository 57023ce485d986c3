#!/usr/bin/env bash
# Prints the product name ("Quellant Cyclograph 2.0") as the build tree's
# generated product header holds it, so that the scripts look for the
# windows CMake named.
#
#   scripts/product-name.sh BUILD_DIR
set -euo pipefail
header="$1/generated/ui/ProductVersion.h"
sed -n 's/^inline constexpr char kProgramName\[\] = "\(.*\)";$/\1/p' "$header" | grep .

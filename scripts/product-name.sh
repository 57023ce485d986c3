#!/usr/bin/env bash
# Prints one of the product's names as the build tree's generated product
# header holds it, so that no script types them: the scripts look for the
# windows, the files and the package CMake named.
#
#   scripts/product-name.sh BUILD_DIR [WHAT]
#     program     the main window's caption, "Quellant Cyclograph 2.0" (the default)
#     title       the application title of the message boxes, "Cyclograph 2.0"
#     executable  the program's file and the package, "quellant-cyclograph"
#     app-id      the application ID of the desktop entry, "org.quellant.Cyclograph"
#     version     the release, "2.0.0"
#   With --pattern before BUILD_DIR it prints the name as an anchored regular
#   expression, for xdotool's --name.
set -euo pipefail
pattern=""
if [ "${1:-}" = "--pattern" ]; then
  pattern=1
  shift
fi
header="$1/generated/ui/ProductVersion.h"
case "${2:-program}" in
  program) constant=kProgramName ;;
  title) constant=kApplicationTitle ;;
  executable) constant=kExecutableName ;;
  app-id) constant=kApplicationId ;;
  version) constant=kVersionNumber ;;
  *) echo "usage: $0 [--pattern] BUILD_DIR [program|title|executable|app-id|version]" >&2; exit 2 ;;
esac
value=$(sed -n "s/^inline constexpr char $constant\[\] = \"\(.*\)\";\$/\1/p" "$header" | grep .)
if [ -n "$pattern" ]; then
  echo "^$(printf '%s' "$value" | sed 's/[].*^$+?(){}|[\\]/\\&/g')\$"
else
  echo "$value"
fi

#!/usr/bin/env bash
# Builds the Debian package in the folder given (configured anew each time, its log in
# DIR/build-deb.log) and prints the path of the .deb: the one way test.sh's package check and
# tools/release.sh build it, so that what is checked is what is released.
# Usage: tools/build-deb.sh DIR
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/source-date.sh
[ "$#" -eq 1 ] || { echo "Usage: tools/build-deb.sh DIR" >&2; exit 2; }
dir=$1
log=$dir/build-deb.log
mkdir -p "$dir"
rm -f "$dir"/*.deb
{ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DRUTSCHBILD_TESTS=OFF -DRUTSCHBILD_BENCH=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON && cmake --build "$dir" -j2 && (cd "$dir" && cpack); } \
  >"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "build-deb: building the package failed (all of it in $log)" >&2; exit 1; }
deb=$(grep -o 'package: .*\.deb' "$log" | cut -d' ' -f2)
[ -f "$deb" ] || { echo "build-deb: cpack named no .deb (see $log)" >&2; exit 1; }
echo "$deb"

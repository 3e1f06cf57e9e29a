#!/usr/bin/env bash
# Builds the Windows Installer packages beside the ZIPs (build/win64/Rutschbild-<version>-x64.msi,
# build/win32/Rutschbild-<version>-x86.msi), checks their tables and runs the installer tests
# under Wine on a private Xvfb display, in the private prefixes of tools/test-windows.sh, which
# must have run before (test.sh calls the two in that order). Leaves no process behind.
# Usage: tools/test-msi.sh
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${MSI_PACKAGES[@]}"
source tools/wine-env.sh
source tools/xvfb.sh

prefix32=$PWD/build/win32/wineprefix
cleanup() {
  if [ -d "$WINEPREFIX" ]; then "$wineserver" -k 2>/dev/null || true; fi
  if [ -d "$prefix32" ]; then WINEPREFIX=$prefix32 "$wineserver" -k 2>/dev/null || true; fi
  xvfb_stop
}
trap cleanup EXIT

for dir in build/win64 build/win32; do
  [ -f "$dir/CMakeCache.txt" ] || { echo "FAIL: no $dir: run tools/test-windows.sh first" >&2; exit 1; }
  echo "== $dir: the installer package"
  quietly cmake --build "$dir" --target msi
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win64/CMakeCache.txt)
x64=build/win64/Rutschbild-$version-x64.msi
x86=build/win32/Rutschbild-$version-x86.msi
tests/scripts/msi-tables.sh "$x64" x64
tests/scripts/msi-tables.sh "$x86" x86

xvfb_start 1024x768x24
ensure_wine_prefix
tests/scripts/msi-under-wine.sh "$wine64" "$x64"
# The x86 package is for 32-bit Windows only: a 64-bit one must refuse it.
tests/scripts/msi-under-wine.sh --refused "$wine64" "$x86"
if [ -f "$prefix32/system.reg" ] && "$wine32" --version >/dev/null 2>&1; then
  WINEPREFIX=$prefix32 WINEARCH=win32 tests/scripts/msi-under-wine.sh "$wine32" "$x86"
else
  echo "== no 32-bit Wine prefix here (see the Windows step): $x86 is built and checked, not installed"
fi

#!/usr/bin/env bash
# Builds a Windows Installer package beside its ZIP (build/win64/Rutschbild-<version>-x64.msi or
# build/win32/Rutschbild-<version>-x86.msi), checks its tables and its name-based codes, signs a
# copy, and runs the installer tests under Wine on a private Xvfb display, in the private
# prefixes of tools/test-windows.sh, which calls it once the program is built and leaves no
# process behind.
# Usage: tools/test-msi.sh x64|x86
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
case ${1:-} in
  x64) dir=build/win64 ;;
  x86) dir=build/win32 ;;
  *) echo "Usage: tools/test-msi.sh x64|x86" >&2; exit 2 ;;
esac
arch=$1
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

[ -f "$dir/CMakeCache.txt" ] || { echo "FAIL: no $dir: run tools/test-windows.sh" >&2; exit 1; }
echo "== $dir: the $arch installer package"
quietly cmake --build "$dir" --target msi
package=$dir/Rutschbild-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")-$arch.msi
tests/scripts/msi-tables.sh "$package" "$arch"
tests/scripts/msi-codes.sh "$package" "$arch"
tests/scripts/msi-signing.sh "$package"

xvfb_start 1024x768x24
ensure_wine_prefix
if [ "$arch" = x64 ]; then
  tests/scripts/msi-under-wine.sh "$wine64" "$package"
  exit 0
fi
# The x86 package is for 32-bit Windows only: a 64-bit one must refuse it.
tests/scripts/msi-under-wine.sh --refused "$wine64" "$package"
if [ -f "$prefix32/system.reg" ] && "$wine32" --version >/dev/null 2>&1; then
  WINEPREFIX=$prefix32 WINEARCH=win32 tests/scripts/msi-under-wine.sh "$wine32" "$package"
else
  # tools/test-windows.sh has said why, in the ledger of skipped suites.
  echo "== no 32-bit Wine prefix here: $package is built and checked, not installed"
fi

#!/usr/bin/env bash
# Builds the Windows release files from this tree, without tests, reproducibly: the same commit
# and the same SOURCE_DATE_EPOCH give the same bytes, whatever the folder and the files' times.
# Usage: SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) tools/build-windows-packages.sh OUTDIR
#   Writes OUTDIR/Rutschbild-<version>-win64.zip, -win32.zip, -x64.msi and -x86.msi, the two
#   programs as OUTDIR/win64/Rutschbild.exe and OUTDIR/win32/Rutschbild.exe, and OUTDIR/SHA256SUMS.
#   Builds in build/release-win64 and build/release-win32, each from scratch.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
[ "$#" -eq 1 ] || { sed -n '4,7s/^# \{0,1\}//p' "$0" >&2; exit 2; }
out=$(realpath -m "$1")
[[ ${SOURCE_DATE_EPOCH:-} =~ ^[0-9]+$ ]] || {
  echo "build-windows-packages.sh: SOURCE_DATE_EPOCH must be set to the release's time in" \
       "seconds (git log -1 --format=%ct), not '${SOURCE_DATE_EPOCH:-}'" >&2
  exit 2
}
export SOURCE_DATE_EPOCH
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${WINDOWS_PACKAGES[@]}" "${MSI_PACKAGES[@]}"
# Files the build writes get the same modes, whatever the caller's umask.
umask 022

build() { # TRIPLET BITS
  local triplet=$1 bits=$2 dir=build/release-win$2 version msi_arch=x64
  [ "$bits" = 64 ] || msi_arch=x86
  export RUTSCHBILD_STEP="$triplet: configure"
  echo "== $RUTSCHBILD_STEP"
  rm -rf "$dir"
  quietly cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-$triplet.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DRUTSCHBILD_BENCH=OFF \
    -DRUTSCHBILD_TESTS=OFF
  RUTSCHBILD_STEP="$triplet: Rutschbild.exe"
  echo "== $RUTSCHBILD_STEP"
  quietly cmake --build "$dir" -j2 --target Rutschbild
  tools/check-pe.sh "$dir/Rutschbild.exe"
  RUTSCHBILD_STEP="$triplet: ZIP"
  echo "== $RUTSCHBILD_STEP"
  (cd "$dir" && quietly cpack -G ZIP)
  RUTSCHBILD_STEP="$triplet: MSI"
  echo "== $RUTSCHBILD_STEP"
  quietly cmake --build "$dir" --target msi
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
  mkdir -p "$out/win$bits"
  cp "$dir/Rutschbild.exe" "$out/win$bits/Rutschbild.exe"
  cp "$dir/Rutschbild-$version-win$bits.zip" "$dir/Rutschbild-$version-$msi_arch.msi" "$out/"
}

build x86_64-w64-mingw32 64
build i686-w64-mingw32 32
RUTSCHBILD_STEP="checksums"
(cd "$out" && sha256sum -- *.zip *.msi win64/Rutschbild.exe win32/Rutschbild.exe >SHA256SUMS)
cat "$out/SHA256SUMS"

#!/usr/bin/env bash
# Builds Rutschbild.exe for 64-bit and 32-bit Windows with MinGW-w64, packs both ZIPs, and runs
# the Windows test suites under Wine on a private Xvfb display with a private WINEPREFIX; then
# builds and tests the installer packages (tools/test-msi.sh). Leaves no process behind.
# Usage: tools/test-windows.sh [--programs-only]   (from anywhere; test.sh calls it)
#   --programs-only: the two programs and their ZIPs, nothing run under Wine.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
programs_only=false
if [ "${1:-}" = --programs-only ]; then programs_only=true; fi
source tools/packages.sh
packages=("${WINDOWS_PACKAGES[@]}")
$programs_only || packages+=("${MSI_PACKAGES[@]}")
tools/ensure-packages.sh "${packages[@]}"

source tools/wine-env.sh
source tools/xvfb.sh
source tools/skipped.sh

jobs=2
# The 32-bit suites get a pure 32-bit prefix of their own, like the program's home platform.
prefix32=$PWD/build/win32/wineprefix

# Debian's wine64 has no 32-bit loader: that comes with wine32 from the i386 architecture,
# which is added when missing. Whether it can be used is found out by running it: many cloud and
# micro-VM kernels cannot execute 32-bit programs at all. Where it cannot be had or cannot run,
# wine32_missing says why in a few words, and only the 64-bit suites run.
wine32_missing=
ensure_wine32() {
  if [ ! -x "$wine32" ]; then
    if [ "$(dpkg --print-architecture 2>/dev/null)" != amd64 ]; then
      wine32_missing="no i386 packages for a $(dpkg --print-architecture) system"; return 1
    fi
    # Adding the architecture and installing are installs like any other: when one fails, the
    # step fails, rather than passing without the 32-bit suites.
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      "${sudo[@]}" dpkg --add-architecture i386
    fi
    tools/ensure-packages.sh "${WINDOWS_32_PACKAGES[@]}"
  fi
  local answer
  if ! answer=$("$wine32" --version 2>&1); then
    # Only the kernel's or the loader's own words, not the shell's "script: line N: path:".
    wine32_missing="$wine32 does not run here: $(tail -n 1 <<<"$answer" | sed "s|^.*$wine32: ||")"
    return 1
  fi
}

build32_pid=
cleanup() {
  # A 32-bit build still running is let finish rather than left behind.
  if [ -n "$build32_pid" ]; then wait "$build32_pid" 2>/dev/null || true; fi
  if [ -d "$WINEPREFIX" ]; then "$wineserver" -k 2>/dev/null || true; fi
  if [ -d "$prefix32" ]; then WINEPREFIX=$prefix32 "$wineserver" -k 2>/dev/null || true; fi
  xvfb_stop
  rm -rf "${scratch:-}"
}
trap cleanup EXIT

# The test programs are built only where they will run: cpack builds every target there is.
build() { # folder, triplet, with-tests (true or false)
  local dir=$1 triplet=$2 tests=OFF
  if $3; then tests=ON; fi
  echo "== $dir ($triplet)"
  quietly cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-$triplet.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DRUTSCHBILD_BENCH=OFF \
    -DRUTSCHBILD_TESTS=$tests
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && quietly cpack -G ZIP)
}

# Stand-alone executables: at most 2 MB, no DLL of the compiler's runtime beside them, and
# hardened (tools/check-pe.sh).
check_exe() { # exe, triplet
  local exe=$1 triplet=$2 size dlls
  size=$(stat -c %s "$exe")
  dlls=$("$triplet-objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')
  echo "$exe: $size bytes, imports: $dlls"
  if [ "$size" -gt 2097152 ]; then echo "FAIL: $exe is larger than 2 MB" >&2; exit 1; fi
  if grep -qiE 'libstdc|libgcc|libwinpthread' <<<"$dlls"; then
    echo "FAIL: $exe needs a MinGW runtime DLL" >&2; exit 1
  fi
  tools/check-pe.sh "$exe"
}

# Passes only when GoogleTest says so: a crashed test program may still exit with 0.
run_tests() { # loader, exe
  local loader=$1 exe=$2 log
  log=$scratch/$(basename "$exe").log
  echo "== $(basename "$exe") under $(basename "$loader")"
  timeout 300 "$loader" "$exe" >"$log" 2>&1 || true
  if grep -q '^\[  PASSED  \]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"; then
    grep '^\[  PASSED  \]' "$log"
  else
    cat "$log"
    echo "FAIL: $exe" >&2
    exit 1
  fi
}

scratch=$(mktemp -d)
have_wine32=false
if ensure_wine32; then
  have_wine32=true
else
  skip_suite "the i686 suites and the x86 installer under Wine" "no 32-bit Wine: $wine32_missing; the i686 program and its package are built"
fi

if $programs_only; then suites=false; else suites=true; fi
# The hardening check itself first: it must tell a weakened program from a sound one. And the
# step that makes the ZIPs reproducible.
tests/scripts/pe-hardening.sh
tests/scripts/zip-normalise.sh
build build/win64 x86_64-w64-mingw32 "$suites"
check_exe build/win64/Rutschbild.exe x86_64-w64-mingw32

# The 32-bit build goes on while Wine starts and runs the 64-bit tests and the x64 installer's,
# which leave a core idle.
build32() {
  if $have_wine32 && $suites; then
    build build/win32 i686-w64-mingw32 true
  else
    build build/win32 i686-w64-mingw32 false
  fi
}
build32 >"$scratch/build32.log" 2>&1 &
build32_pid=$!

finish_build32() {
  local status=0
  wait "$build32_pid" || status=$?
  build32_pid=
  cat "$scratch/build32.log"
  [ "$status" -eq 0 ] || { echo "FAIL: the 32-bit build" >&2; exit 1; }
  check_exe build/win32/Rutschbild.exe i686-w64-mingw32
  ls build/win64/Rutschbild-*-win64.zip build/win32/Rutschbild-*-win32.zip
}
if $programs_only; then
  finish_build32
  exit 0
fi

# A display of our own, tall enough for the window at 144 DPI, which a smaller screen would squeeze.
xvfb_start 1280x1024x24

ensure_wine_prefix

run_tests "$wine64" build/win64/tests/game/game_tests.exe
run_tests "$wine64" build/win64/tests/win32/win32_tests.exe
tools/test-msi.sh x64
finish_build32

if $have_wine32; then
  (
    export WINEPREFIX=$prefix32 WINEARCH=win32
    wine_loader=$wine32 ensure_wine_prefix
    run_tests "$wine32" build/win32/tests/game/game_tests.exe
    run_tests "$wine32" build/win32/tests/win32/win32_tests.exe
  )
fi
tools/test-msi.sh x86

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: in a normal build,
# its GUI suites once more under valgrind, and all of them under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the Windows program and its installer packages under Wine and
# the web page in Chromium.
source "$(dirname "$0")/tools/fail-loudly.sh"
cd "$(dirname "$0")"
source tools/packages.sh
source tools/background.sh
source tools/skipped.sh
# The web build's packages too: it runs in the background, where no second apt-get may start.
tools/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}" \
  "${MSI_PACKAGES[@]}" "${WEB_PACKAGES[@]}"

export QT_QPA_PLATFORM=offscreen
# Every script that leaves a suite out writes why into this ledger; the run ends by listing it.
RUTSCHBILD_SKIPPED=$(mktemp)
export RUTSCHBILD_SKIPPED
trap 'background_finish; rm -f "$RUTSCHBILD_SKIPPED"' EXIT
# The suites leave their pictures of the window here for the last check: none from an earlier run.
rm -rf build/drawn
jobs=$(nproc)
# Each step says how far into the run it starts, so a slow one shows.
# The step's name also goes to the scripts it runs, so a failure names the step it ended.
step() {
  export RUTSCHBILD_STEP="$*"
  printf '== %s (at %d:%02d)\n' "$*" $((SECONDS / 60)) $((SECONDS % 60))
}

run_suite() {
  local dir=$1; shift
  step "$dir"
  quietly cmake -S . -B "$dir" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 120
}

step "house rules: formatting, and the window's words and slot arithmetic in game/ alone"
tools/check-format.sh
tools/check-front-ends.sh
# The scripts' own tests (a planted fault in a front end, a held apt lock, background jobs that
# fail, programs built without each hardening flag, a release from a dirty tree) need no build:
# they run beside the first one.
background_start "script tests" sh -c 'tests/scripts/front-ends-check.sh &&
  tests/scripts/apt-lock-wait.sh && tests/scripts/background-jobs.sh &&
  tests/scripts/hardening-check.sh && tests/scripts/release-guards.sh'

# Benchmarks are built and run by bench.sh, not here: they would only lengthen the test run.
# Line tables are enough debug information for valgrind's and the sanitizers' reports, and
# cost a fifth less compile time than full debug information.
run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" \
  -DRUTSCHBILD_BENCH=OFF

# The GUI test suites once more under valgrind (about a minute): any invalid access, use of
# uninitialised memory or definite leak fails the run. Valgrind keeps one core busy, so it runs
# beside the sanitizer build, at the same priority; its report follows that build's.
step "the scripts' own tests: their result"
background_wait "script tests"

step "valgrind: GUI tests of build/test, beside the next step"
RUTSCHBILD_BACKGROUND_NICE=0 background_start valgrind tools/valgrind-gui-tests.sh build/test

ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DRUTSCHBILD_SANITIZE=ON -DRUTSCHBILD_BENCH=OFF

step "valgrind report"
background_wait valgrind

# The fuzz targets are only built, so that their build cannot break unnoticed
# (tools/fuzz-window.sh runs them), the Debian package is built and checked, and the web page is
# built: all beside the Windows step, whose Wine runs and installer tests leave a core idle. At a
# lower priority, they take the cores the Windows step leaves rather than slow its builds, and go
# on into its Wine runs. They have ended before the browser tests, which time beeps and taps.
step "fuzz targets (clang, built only), the Debian package and the web page's build, beside the Windows step"
background_start fuzz tools/fuzz-window.sh --build-only
background_start package tools/check-package.sh
background_start web tools/build-web.sh

# Rutschbild.exe for 64-bit and 32-bit Windows, its test suites and its installer packages under
# Wine.
step "Windows"
tools/test-windows.sh
# The same step where the kernel cannot run 32-bit programs: one line, and it goes on.
step "Windows, as on a machine that cannot run 32-bit programs"
tests/scripts/windows-step-without-32bit.sh

step "fuzz targets: the build's result"
background_wait fuzz 0
echo "both fuzz targets built"

step "Debian package: its check's report"
background_wait package

step "web page: its build's result"
background_wait web 1

# The web page's browser tests, headless in Chromium. Beside them, at the lowest priority so that
# it takes only what the browser leaves idle, the package and the site are built once more from
# a copy of the tree in another folder: a package that differs from one build to the next cannot
# be checked against its source.
step "web page, and the Debian package and the web site built once more elsewhere"
RUTSCHBILD_BACKGROUND_NICE=19 background_start reproducible tools/check-reproducible.sh rebuild
tools/test-web.sh

step "the Debian package and the web site built elsewhere: the same bytes"
background_wait reproducible 1
tools/check-reproducible.sh compare

step "web page in Firefox ESR and WebKitGTK: the scenarios that can differ by engine"
tools/test-web-engines.sh

step "web page through AT-SPI: its announcements as a screen reader gets them"
tools/test-web-screen-reader.sh

step "screen reader: Orca hears the Qt window and the web page played to the win"
tools/test-screen-reader.sh

# Each front end's designed window, as drawn: every control of the layout table on its box.
step "pictures of the designed window"
tools/check-drawn.sh --all-browsers

step "all passed"
skipped_summary

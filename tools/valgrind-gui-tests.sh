#!/usr/bin/env bash
# Runs every GUI test suite of a build once under valgrind (the whole suites: together they take
# well under a minute there), plus a ten-minute scripted game. Usage: tools/valgrind-gui-tests.sh
# BUILD_DIR. Fails on any memory error or definite leak, showing valgrind's report.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
source "$(dirname "$0")/valgrind-run.sh"
build=$1
log=$(mktemp) output=$(mktemp)
trap 'rm -f "$log" "$output"' EXIT
failed=0
for suite in tests/qt/qt_tests tests/pictures/pictures_tests tests/soak/soak_tests \
             tests/soak/window_fuzz_replay; do
  [ -x "$build/$suite" ] || { echo "valgrind $suite: FAILED, no such program in $build" >&2; failed=1; continue; }
  started=$(date +%s)
  if RUTSCHBILD_SOAK_MINUTES=10 valgrind_run "$log" "$build/$suite" >"$output" 2>&1; then
    echo "valgrind $suite: $(valgrind_summary "$log") ($(( $(date +%s) - started )) s)"
  else
    echo "valgrind $suite: FAILED" >&2
    cat "$output" "$log" >&2
    failed=1
  fi
done
exit "$failed"

#!/usr/bin/env bash
# A scripted game under valgrind --leak-check=full: the soak test shortened to MINUTES simulated
# minutes (default 20), with games solved, abandoned and restarted, pictures switched and the
# timer ticking. Usage: tools/valgrind-game.sh SOAK_TESTS_BINARY [MINUTES]
# The last line printed is the leak summary; the exit status is valgrind's verdict.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
source "$(dirname "$0")/valgrind-run.sh"
log=$(mktemp) output=$(mktemp)
trap 'rm -f "$log" "$output"' EXIT
status=0
RUTSCHBILD_SOAK_MINUTES=${2:-20} valgrind_run "$log" "$1" >"$output" 2>&1 || status=$?
grep '^SOAK' "$output" || status=1
[ "$status" -eq 0 ] || cat "$output" "$log" >&2
valgrind_summary "$log"
exit "$status"

#!/usr/bin/env bash
# The ledger of what a test run left out. A script that skips a suite says so once, with why:
#   source tools/skipped.sh; skip_suite "the i686 suites" "no 32-bit Wine: ..."
# test.sh keeps the ledger (RUTSCHBILD_SKIPPED names its file) and ends with one line listing
# every entry, or none; a script run on its own just prints its line.
skip_suite() { # WHAT WHY
  echo "== skipped: $1 ($2)"
  if [ -n "${RUTSCHBILD_SKIPPED:-}" ]; then printf '%s (%s)\n' "$1" "$2" >>"$RUTSCHBILD_SKIPPED"; fi
}

# The closing line of a run: "skipped: none" or "skipped: A (why); B (why)".
skipped_summary() {
  if [ -s "${RUTSCHBILD_SKIPPED:-/dev/null}" ]; then
    echo "skipped: $(awk 'NR > 1 { printf "; " } { printf "%s", $0 }' "$RUTSCHBILD_SKIPPED")"
  else
    echo "skipped: none"
  fi
}

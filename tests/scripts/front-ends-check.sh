#!/usr/bin/env bash
# tools/check-front-ends.sh on a copy of the tree with a fault planted in a front end each time:
# a caption spelled out, a row worked out from a slot, a picture named by its bitmap number,
# and a game/ whose words cannot be read.
# Each must fail the check, naming what it found; the untouched copy must pass.
# Usage: tests/scripts/front-ends-check.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fresh_copy() {
  rm -rf "$scratch/tree"
  mkdir "$scratch/tree"
  git ls-files -z -- game qt win32 web tools | xargs -0 cp --parents -t "$scratch/tree"
  git -C "$scratch/tree" init -q
  git -C "$scratch/tree" add -A
}
expect_failure() { # WHAT, TEXT THE CHECK MUST SAY
  local status=0
  (cd "$scratch/tree" && tools/check-front-ends.sh) >"$scratch/log" 2>&1 || status=$?
  if [ "$status" -eq 0 ] || ! grep -qF -- "$2" "$scratch/log"; then
    cat "$scratch/log" >&2
    echo "FAIL: check-front-ends did not catch $1" >&2
    exit 1
  fi
}

fresh_copy
(cd "$scratch/tree" && tools/check-front-ends.sh) >"$scratch/log" 2>&1 ||
  { cat "$scratch/log" >&2; echo "FAIL: the untouched copy does not pass" >&2; exit 1; }

echo 'const char* quit = "Tschüss";' >>"$scratch/tree/qt/main.cpp"
expect_failure "a caption in the Qt window" 'spells out "Tschüss"'

fresh_copy
echo 'const int row = slot / kColumns;' >>"$scratch/tree/win32/main.cpp"
expect_failure "slot arithmetic in the Win32 window" 'works out rows or columns'

fresh_copy
echo 'const int firstKinderPiece = 113;' >>"$scratch/tree/web/main.cpp"
expect_failure "a bitmap number in the web page" 'works with bitmap numbers'

fresh_copy
sed -i 's/"[^"]*"/""/g' "$scratch/tree/game/layout.h" "$scratch/tree/game/accessible_text.h"
expect_failure "an unreadable word list" 'the word list is broken'
echo "front-ends-check: passed"

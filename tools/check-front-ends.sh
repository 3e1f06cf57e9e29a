#!/usr/bin/env bash
# The words and the board's arithmetic live in game/ alone: fails when a front end's own source
# (qt/, win32/, web/; tests apart) spells out a text of the window, a tile's name or place words,
# works out a slot from a row and a column, or names a picture by its bitmap number.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."

# Every German text of the control table, the picture sets and the screen-reader words. A list
# that comes out short means the reading broke, not that the front ends are clean.
words_text=$(cat game/layout.h game/picture_sets.h game/accessible_text.h |
  grep -vE '^\s*//' | grep -oP '"\K[^"]*[A-Za-zÄÖÜäöüß]{3,}[^"]*(?=")' |
  grep -vP '^([a-z][A-Za-z0-9]*|Rutschbild)$' | sort -u)
mapfile -t words <<<"$words_text"
if [ "${#words[@]}" -lt 20 ]; then
  echo "check-front-ends: only ${#words[@]} texts found in game/; the word list is broken" >&2
  exit 1
fi
words+=("Bildteil" "Reihe" "Spalte")
sources=$(git ls-files -co --exclude-standard -- qt win32 web | grep -vE '(^|/)tests?/|node_modules' |
  grep -E '\.(cpp|h|rc|js|html|css)$')
[ -n "$sources" ] || { echo "check-front-ends: no front-end sources found" >&2; exit 1; }

# grep finds (0), finds nothing (1) or fails (2 and up); only a failure ends the check.
search() { # PATTERN: the matching lines of the front-end sources, comment lines apart
  local status=0 lines
  lines=$(grep -nP -- "$1" $sources) || status=$?
  [ "$status" -le 1 ] || { echo "check-front-ends: grep failed on $1" >&2; exit 1; }
  grep -vE '^[^:]+:[0-9]+:\s*(//|\*|/\*|#|<!--)' <<<"$lines" | grep -v '^$' || true
}

found=0
for word in "${words[@]}"; do
  # Only inside a string or between tags; comment lines may name what they talk about.
  # Whole words only: "Bild" is not "Bildern".
  word_pattern="(?<![[:alpha:]])\\Q$word\\E(?![[:alpha:]])"
  pattern="\"[^\"]*$word_pattern[^\"]*\"|>[^<]*$word_pattern[^<]*<"
  hits=$(search "$pattern")
  if [ -n "$hits" ]; then
    echo "A front end spells out \"$word\", which belongs to game/:" >&2
    echo "$hits" | sed 's/^/  /' >&2
    found=1
  fi
done
formulas=$(search '(/|%|\*) *(4|kColumns|kRows)\b|(\+|-) *kColumns\b')
if [ -n "$formulas" ]; then
  echo "A front end works out rows or columns itself (game/slots.h has them):" >&2
  echo "$formulas" | sed 's/^/  /' >&2
  found=1
fi
# Pictures are named by set and piece; which bitmap number a piece has is game/'s business. The
# resource script and resource list, which carry the numbers, are not code.
numbers=$(search '\b(10[1-9]|11[0-9]|12[0-4]|20[1-9]|21[0-9]|22[0-4])\b|(\+|=) *100\b' | grep -E '^[^:]+\.(cpp|h|js):' || true)
if [ -n "$numbers" ]; then
  echo "A front end works with bitmap numbers (game/picture_sets.h names pictures by set and piece):" >&2
  echo "$numbers" | sed 's/^/  /' >&2
  found=1
fi
[ "$found" -eq 0 ] || exit 1
echo "front ends: no text of the window, no slot formula and no bitmap number of their own (${#words[@]} texts checked)"

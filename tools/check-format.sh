#!/usr/bin/env bash
# Checks that every C++ file of the project is as clang-format writes it (.clang-format), and
# names the ones that are not. `tools/check-format.sh --fix` rewrites them instead.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
listing=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
mapfile -t files < <(grep -v '^web/node_modules/' <<<"$listing")
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit
fi
# Two at a time: each file is a clang-format run of its own.
mapfile -t unformatted < <(printf '%s\0' "${files[@]}" | xargs -0 -P2 -n8 sh -c '
  for file; do
    [ -f "$file" ] || continue
    clang-format --style=file "$file" | cmp -s - "$file" || echo "$file"
  done' sh)
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (tools/check-format.sh --fix mends them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "clang-format: all ${#files[@]} C++ files formatted"

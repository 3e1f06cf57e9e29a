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
unformatted=()
for file in "${files[@]}"; do
  [ -f "$file" ] || continue
  clang-format --style=file "$file" | cmp -s - "$file" || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (tools/check-format.sh --fix mends them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "clang-format: all ${#files[@]} C++ files formatted"

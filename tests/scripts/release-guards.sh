#!/usr/bin/env bash
# tools/release.sh must refuse, before it builds anything, a tree with changes not committed
# (changed or new files) and a version that dist/ already holds, and say why; --verify must
# refuse to compare dist/ with another commit's build.
# Usage: tests/scripts/release-guards.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree=$scratch/rutschbild
# A clone with this tree's scripts committed in it, as they are now.
git clone -q . "$tree"
cp tools/*.sh tools/*.py .gitignore --parents -t "$tree"
git -C "$tree" add -A
git -C "$tree" -c user.name=test -c user.email=test@localhost commit -q --allow-empty -m scripts
version=$(sed -n 's/^project(Rutschbild VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

failures=0
expect_refused() { # WHAT WORDS-IN-THE-REASON
  local message status=0
  message=$("$tree/tools/release.sh" 2>&1) || status=$?
  if [ "$status" -eq 0 ] || [[ $message != *"$2"* ]]; then
    echo "FAIL: with $1, release.sh ended with $status and said: $message"; failures=$((failures + 1))
  elif [ -e "$tree/build/release" ]; then
    echo "FAIL: with $1, release.sh began building"; failures=$((failures + 1))
  fi
}

echo changed >>"$tree/README.md"
expect_refused "a changed file" "not committed"
git -C "$tree" checkout -q README.md
touch "$tree/new-file.txt"
expect_refused "a new file" "new-file.txt"
rm "$tree/new-file.txt"
mkdir -p "$tree/dist"
touch "$tree/dist/Rutschbild-$version-x64.msi"
expect_refused "version $version in dist/" "dist/ already holds Rutschbild-$version-x64.msi"
# --verify compares dist/ only with a build of the commit dist/'s source archive names.
git -C "$tree" archive --format=tar HEAD~1 | gzip -n >"$tree/dist/rutschbild-$version.tar.gz"
message=$("$tree/tools/release.sh" --verify 2>&1) && failures=$((failures + 1))
[[ $message == *"dist/ holds the release of commit $(git -C "$tree" rev-parse HEAD~1)"* ]] ||
  { echo "FAIL: --verify of another commit's dist/ said: $message"; failures=$((failures + 1)); }
status=0
"$tree/tools/release.sh" --sign >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || { echo "FAIL: an unknown option ended with $status, not 2"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "release guards: a changed file, a new file, a released version and another commit's dist/" \
  "are refused before any build"

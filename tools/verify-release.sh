#!/usr/bin/env bash
# tools/release.sh --verify: builds the release of the commit checked out twice, from two clones
# in folders of different names and depths, the second cloned later (so every file is dated
# otherwise), and compares the packages byte for byte, and with dist/ where that holds them (a
# published release put there is checked so). Where two differ, diffoscope tells how, in
# build/verify/NAME.txt.
# Usage: tools/verify-release.sh PACKAGE...   (tools/release.sh --verify names them)
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
[ "$#" -gt 0 ] || { echo "Usage: tools/release.sh --verify" >&2; exit 2; }
commit=$(git rev-parse HEAD)
# Every file is dated by its commit, so dist/ can only match a build of the commit it came from,
# which git archive wrote into the source archive.
for name in "$@"; do
  if [[ $name == *.tar.gz && -f dist/$name ]]; then
    # git reads the first block alone, so gzip may end on a closed pipe.
    released=$( { gzip -dc "dist/$name" || true; } | git get-tar-commit-id) ||
      { echo "verify: dist/$name names no commit" >&2; exit 1; }
    [ "$released" = "$commit" ] || { echo "verify: dist/ holds the release of commit $released," \
      "not of $commit checked out here: git checkout $released, then verify again" >&2; exit 1; }
  fi
done
source tools/packages.sh
tools/ensure-packages.sh "${RELEASE_PACKAGES[@]}" "${VERIFY_PACKAGES[@]}"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/rutschbild-verify.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
reports=build/verify
rm -rf "$reports"
mkdir -p "$reports"

build() { # FOLDER
  git clone -q --no-hardlinks "$PWD" "$1"
  git -C "$1" checkout -q "$commit"
  echo "== building the release in $1"
  "$1/tools/release.sh" >"$1.log" 2>&1 || { cat "$1.log"; echo "verify: the build in $1 failed" >&2; exit 1; }
}
first=$scratch/first/rutschbild
second=$scratch/second/somewhere/else/rb
build "$first"
sleep 2
build "$second"

differ=()
compare() { # A B NAME
  cmp -s "$1" "$2" && return 0
  differ+=("$3")
  diffoscope --text "$reports/$3.txt" "$1" "$2" >/dev/null 2>&1 || true
  echo "DIFFERS: $3 (diffoscope: $reports/$3.txt)"
  head -n 30 "$reports/$3.txt"
}
for name in "$@" SHA256SUMS; do
  compare "$first/dist/$name" "$second/dist/$name" "$name"
done
published=0
for name in "$@"; do
  if [ -f "dist/$name" ]; then
    compare "dist/$name" "$first/dist/$name" "dist-$name"
    published=$((published + 1))
  fi
done
if [ ${#differ[@]} -ne 0 ]; then
  echo "verify: not reproducible: ${differ[*]}" >&2
  exit 1
fi
echo "verify: two builds of $commit in different folders are the same bytes:"
(cd "$first/dist" && sha256sum "$@")
[ "$published" -eq 0 ] || echo "and the $published of them in dist/ are these same bytes"

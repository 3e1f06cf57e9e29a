#!/usr/bin/env bash
# Builds the Windows release files (tools/build-windows-packages.sh) twice from the last commit,
# in two fresh clones in differently named folders made a few seconds apart, and compares them
# byte for byte. Uncommitted changes are not in the clones.
# Usage: tools/check-windows-reproducible.sh   (about a minute and a quarter per build on two cores)
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Two clones whose paths differ in length too, so that a path anywhere in a file shows.
clones=("$scratch/a/rb" "$scratch/another-folder/rutschbild-clone")
for clone in "${clones[@]}"; do
  git clone -q "$PWD" "$clone"
  git -C "$clone" checkout -q "$(git rev-parse HEAD)"
  echo "== building in $clone"
  "$clone/tools/build-windows-packages.sh" "$clone/out" >"$clone.log" 2>&1 ||
    { cat "$clone.log" >&2; echo "FAIL: the build in $clone" >&2; exit 1; }
  sleep 2 # the second clone's files get other times
done

different=0
while read -r _ file; do
  if cmp "${clones[0]}/out/$file" "${clones[1]}/out/$file"; then
    echo "same: $file"
  else
    different=$((different + 1))
  fi
done <"${clones[0]}/out/SHA256SUMS"
cmp "${clones[0]}/out/SHA256SUMS" "${clones[1]}/out/SHA256SUMS" || different=$((different + 1))
if [ "$different" -ne 0 ]; then
  echo "FAIL: $different files differ between the two builds" >&2
  exit 1
fi
echo "check-windows-reproducible: both builds gave the same files" \
     "(SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"

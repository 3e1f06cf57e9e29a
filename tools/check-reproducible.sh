#!/usr/bin/env bash
# The cheapest packages, built twice, must be the same bytes: test.sh builds the .deb in
# build/package (tools/check-package.sh) and the web site in build/web (tools/build-web.sh);
# "rebuild" builds both again from a copy of the tree in another folder, its files dated now, in
# build/reproducible/; "compare" then compares the two .debs and the two sites' ZIPs (as
# tools/release.sh packs them) byte for byte and, where they differ, says which files inside do.
# Usage: tools/check-reproducible.sh rebuild|compare
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/source-date.sh
out=build/reproducible
case ${1:-} in
  rebuild)
    rm -rf "$out"
    mkdir -p "$out"
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    copy=$scratch/elsewhere/rutschbild-copy
    mkdir -p "$copy"
    # What the tree holds now, committed or not, without what git ignores (the build folders).
    git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
      xargs -0 cp --parents -t "$copy"
    deb=$("$copy/tools/build-deb.sh" "$copy/build/package")
    cp "$deb" "$out/"
    RUTSCHBILD_WEB_BUILD=build/web "$copy/tools/build-web.sh" >/dev/null
    cp -r "$copy/build/web/site" "$out/site"
    echo "rebuilt the .deb and the web site in $copy"
    ;;
  compare)
    [ -d "$out/site" ] || { echo "check-reproducible: nothing rebuilt in $out" >&2; exit 1; }
    tools/reproducible-zip.py pack build/web/site build/web/site.zip
    tools/reproducible-zip.py pack "$out/site" "$out/site.zip"
    differ=()
    for deb in "$out"/*.deb; do
      cmp -s "$deb" "build/package/${deb##*/}" || differ+=("${deb##*/}")
    done
    cmp -s build/web/site.zip "$out/site.zip" || differ+=("the web site")
    if [ ${#differ[@]} -ne 0 ]; then
      echo "check-reproducible: two builds differ: ${differ[*]}" >&2
      # Which files inside: the site's directly, the package's through its unpacked trees.
      diff -rq build/web/site "$out/site" >&2 || true
      for name in "${differ[@]}"; do
        [[ $name == *.deb ]] || continue
        mkdir -p "$out/unpacked/a" "$out/unpacked/b"
        dpkg-deb -R "build/package/$name" "$out/unpacked/a"
        dpkg-deb -R "$out/$name" "$out/unpacked/b"
        if diff -rq "$out/unpacked/a" "$out/unpacked/b" >&2; then
          echo "(the same files: their times, owners or order differ)" >&2
        fi
      done
      exit 1
    fi
    echo "reproducible: the .deb and the web site are the same bytes when built in another folder"
    ;;
  *) echo "Usage: tools/check-reproducible.sh rebuild|compare" >&2; exit 2 ;;
esac

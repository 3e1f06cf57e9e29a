#!/usr/bin/env bash
# Builds the Debian package in build/package and checks it: the menu entry, the AppStream data and
# the manual page against their validators, lintian, the program's hardening, the list of files,
# and the unpacked program,
# started under a private Xvfb, showing the "Kinder" picture and ending on "Tschüss".
# Installs nothing. Each failing step prints one line with the reason and exits non-zero.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/xvfb.sh
dir=build/package
id=$(sed -n 's/^set(RUTSCHBILD_APP_ID \(.*\))$/\1/p' CMakeLists.txt)

scratch=$(mktemp -d)
program=
cleanup() {
  [ -z "$program" ] || { kill "$program"; wait "$program"; } 2>/dev/null || true
  xvfb_stop
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

deb=$(tools/build-deb.sh "$dir") || fail "building the package failed"

root=$scratch/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x could not unpack $deb"

out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) \
  && [ -z "$out" ] || fail "desktop-file-validate: $(echo "$out" | head -1)"
out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
  && ! grep -qE '^[EW]:' <<<"$out" \
  || fail "appstreamcli: $(grep -m1 -E '^[EW]:' <<<"$out" || echo "$out" | head -1)"
out=$(zcat "$root/usr/share/man/man6/rutschbild.6.gz" | groff -ww -z -man 2>&1) \
  && [ -z "$out" ] || fail "groff on the manual page: $(echo "$out" | head -1)"
out=$(lintian --fail-on error,warning "$deb" 2>&1) \
  || fail "lintian: $(grep -m1 -E '^[EW]:' <<<"$out" || echo "$out" | head -1)"
tools/check-hardening.sh "$root/usr/games/rutschbild" || fail "the packaged program is not hardened"

# The files the package must hold, and the directories that lead to them: nothing more.
expected=(usr/games/rutschbild "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
  usr/share/man/man6/rutschbild.6.gz usr/share/doc/rutschbild/copyright
  usr/share/doc/rutschbild/changelog.gz "usr/share/icons/hicolor/scalable/apps/$id.svg")
for icon in resources/icons/rutschbild-*.png; do
  [[ $icon =~ /rutschbild-([0-9]+)\.png$ ]] || continue
  size=${BASH_REMATCH[1]}
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  echo "./$file"
  while [[ $file == */* ]]; do file=${file%/*}; echo "./$file/"; done
done | sort -u >"$scratch/expected"
dpkg-deb -c "$deb" | awk '{ print $6 }' | sort >"$scratch/actual"
difference=$(diff "$scratch/expected" "$scratch/actual" | grep '^[<>]' | tr '\n' ' ') \
  || true
[ -z "$difference" ] || fail "file list differs (< missing, > extra): $difference"

# The unpacked program on a display of its own: the first tile of "Kinder" top left, then
# "Tschüss". Window pixels follow the designed layout: tile 0 at (8, 40), 127 x 113 pixels,
# "Tschüss" centred at (576, 276).
xvfb_start 800x600x24 -dpi 96 || fail "Xvfb did not start"
export XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
"$root/usr/games/rutschbild" >"$scratch/output" 2>&1 &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rutschbild$' | head -1) \
  || fail "no window named Rutschbild within 20 s: $(head -1 "$scratch/output")"
# One pixel in from the tile's edges, which the board outline covers. The first paint may take a
# moment on a busy machine.
for attempt in $(seq 20); do
  sleep 0.25
  import -window "$window" -crop 125x111+9+41 +repage "$scratch/tile.png" \
    || fail "import could not take a screenshot of the window"
  differing=$(compare -metric AE -fuzz 2% "$scratch/tile.png" \
    \( resources/tiles/113.bmp -crop 125x111+1+1 +repage \) null: 2>&1) && break
  [ "$attempt" -lt 20 ] \
    || fail "the top-left tile is not the first tile of Kinder ($differing pixels differ)"
done
xdotool mousemove --window "$window" 576 276 click 1
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program still runs 10 s after a click on Tschüss"
status=0
wait "$program" || status=$?
program=
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(head -1 "$scratch/output")"
echo "check-package: $deb: validators, lintian, hardening, file list and a start of the unpacked program pass"

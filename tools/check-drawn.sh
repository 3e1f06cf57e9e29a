#!/usr/bin/env bash
# Holds every picture in build/drawn/ against the layout table: each front end's designed window at
# 96 DPI must show its frames, buttons, fields, list and board outline on their boxes. The pictures
# come from the test suites (Qt: qt.png, Windows under Wine: win32.bmp, the web page per browser:
# web-<browser>.png); the Linux build in build/test supplies the checker.
# Usage: tools/check-drawn.sh [--all-browsers]   (from anywhere)
#   --all-browsers, or RUTSCHBILD_DRAWN_ALL_BROWSERS=1: Firefox's and WebKit's pictures are
#   required too, beside Chromium's.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
all_browsers=${RUTSCHBILD_DRAWN_ALL_BROWSERS:-0}
if [ "${1:-}" = --all-browsers ]; then all_browsers=1; fi
dir=build/drawn
build=${RUTSCHBILD_CHECKER_BUILD:-build/test}

required=(qt.png win32.bmp)
# Where tools/test-web.sh skips the browser tests (no Node.js 20), no browser drew the page.
if command -v node >/dev/null && [ "$(node -p 'process.versions.node.split(".")[0]')" -ge 20 ]; then
  required+=(web-chromium.png)
  if [ "$all_browsers" = 1 ]; then
    required+=(web-webkit.png)
    # tools/test-web-engines.sh leaves Firefox out on Ubuntu, which has no Firefox ESR package.
    [ "$(. /etc/os-release && echo "${ID:-}")" = ubuntu ] || required+=(web-firefox.png)
  fi
else
  echo "== no Node.js 20 here: no browser drew the web page, its picture is not required"
fi
missing=()
for file in "${required[@]}"; do
  [ -f "$dir/$file" ] || missing+=("$file")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "FAIL: no picture of the window in $dir/: ${missing[*]} (made by the Qt, Windows and web test suites)" >&2
  exit 1
fi

if [ ! -d "$build" ]; then
  quietly cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUTSCHBILD_BENCH=OFF
fi
cmake --build "$build" -j2 --target check_drawn_window >/dev/null
shopt -s nullglob
"$build/tests/drawn/check_drawn_window" "$dir"/*.png "$dir"/*.bmp

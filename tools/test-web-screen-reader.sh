#!/usr/bin/env bash
# The web page's announcements as a Linux screen reader gets them: on a private Xvfb display with
# a D-Bus session bus and an AT-SPI bus of its own, a windowed Chromium plays the page
# (web/tests/screen-reader/drive.js) while a listener writes down every text a live region gains
# through AT-SPI (listen.py); a sentence said twice must come twice, whole. Everything started is
# stopped again by its process id.
# Usage: tools/test-web-screen-reader.sh   (RUTSCHBILD_WEB_BUILD names another build folder)
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${WEB_SCREEN_READER_PACKAGES[@]}"
setup=0
tools/web-test-setup.sh || setup=$?
tools/build-web.sh
if [ "$setup" -eq 2 ]; then
  echo "== no Node.js 20 here: the screen-reader check of the web page is skipped"
  exit 0
fi
[ "$setup" -eq 0 ] || exit "$setup"
site=$PWD/${RUTSCHBILD_WEB_BUILD:-build/web}/site
scratch=$(mktemp -d)

source tools/xvfb.sh
pids=()
stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  xvfb_stop
  rm -rf "$scratch"
}
trap stop_all EXIT
xvfb_start 1280x1024x24

# Waits until FILE has a line matching PATTERN, for SECONDS.
wait_for_line() {
  local file=$1 pattern=$2 seconds=$3 i
  for ((i = 0; i < seconds * 10; ++i)); do
    grep -qE "$pattern" "$file" && return 0
    sleep 0.1
  done
  echo "no line matching \"$pattern\" in $file within $seconds s:" >&2
  cat "$file" >&2
  return 1
}

dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$scratch/bus" 4>"$scratch/bus-pid"
pids+=("$(cat "$scratch/bus-pid")")
DBUS_SESSION_BUS_ADDRESS=$(cat "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
node web/tests/support/serve-site.js "$site" 0 >"$scratch/server" 2>&1 &
pids+=($!)
wait_for_line "$scratch/server" 'http://127\.0\.0\.1:[0-9]+/' 10
port=$(grep -oP 'http://127\.0\.0\.1:\K[0-9]+' "$scratch/server" | head -n 1)
/usr/bin/python3 web/tests/screen-reader/listen.py >"$scratch/heard" 2>"$scratch/listener-errors" &
pids+=($!)
wait_for_line "$scratch/heard" '^listening$' 20
# Without it, Chromium's window joins the accessibility bus only when a screen reader says it runs.
export ACCESSIBILITY_ENABLED=1
node web/tests/screen-reader/drive.js "http://127.0.0.1:$port/" "$scratch/heard"

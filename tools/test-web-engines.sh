#!/usr/bin/env bash
# Runs the web page's engine scenarios (web/tests/engines/) in Firefox ESR and in WebKitGTK, both
# from Debian, against the site in build/web/site/ (built here when missing or out of date):
# Firefox headless through puppeteer-core, WebKit through WebKitWebDriver on a private Xvfb. Both
# play their sound into a private PulseAudio null sink. Chromium runs the page's own tests
# (tools/test-web.sh). Leaves build/drawn/web-firefox.png and web-webkit.png behind: the designed
# window as each engine draws it.
# Usage: tools/test-web-engines.sh [firefox|webkit]   (both when none is named)
# RUTSCHBILD_WEB_BUILD names another build folder than build/web.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/skipped.sh
engines=("$@")
[ $# -gt 0 ] || engines=(firefox webkit)
packages=("${WEB_ENGINE_PACKAGES[@]}")
# Ubuntu has no Firefox ESR package (its firefox is a snap): there Firefox is left out, said once.
if [ "$(. /etc/os-release && echo "${ID:-}")" = ubuntu ]; then
  mapfile -t packages < <(printf '%s\n' "${packages[@]}" | grep -vx firefox-esr)
  mapfile -t engines < <(printf '%s\n' "${engines[@]}" | grep -vx firefox || true)
  skip_suite "the Firefox scenarios" "no firefox-esr package on Ubuntu"
fi
tools/ensure-packages.sh "${packages[@]}"
setup=0
tools/web-test-setup.sh || setup=$?
tools/build-web.sh
if [ "$setup" -eq 2 ]; then
  skip_suite "the Firefox and WebKit scenarios" "no Node.js 20 here; the web page is built"
  exit 0
fi
[ "$setup" -eq 0 ] || exit "$setup"
[ "${#engines[@]}" -gt 0 ] || exit 0
site=$PWD/${RUTSCHBILD_WEB_BUILD:-build/web}/site

# Everything the run makes (logs, sockets, browser profiles) in one folder of the build, gone
# afterwards.
mkdir -p build
work=$(mktemp -d "$PWD/build/web-engines.XXXXXX")
export TMPDIR=$work
pulse_pid=
runs=()
source tools/xvfb.sh
stop_all() {
  local pid
  for pid in "${runs[@]}" $pulse_pid; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  xvfb_stop
  rm -rf "$work"
}
trap stop_all EXIT

# A sound server of our own with nothing but a null sink: the pages' audio runs as on a machine
# with speakers, and nothing is heard. No D-Bus, no other user's server.
export PULSE_SERVER=unix:$work/pulse/native
mkdir -p "$work/pulse"
HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse PULSE_RUNTIME_PATH=$work/pulse PULSE_STATE_PATH=$work/pulse \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  --load="module-null-sink sink_name=speakers" \
  --load="module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
  --log-target=file:"$work/pulse/log" &
pulse_pid=$!
for _ in $(seq 100); do [ -S "$work/pulse/native" ] && break; sleep 0.1; done
if [ ! -S "$work/pulse/native" ]; then
  echo "PulseAudio did not start:" >&2
  cat "$work/pulse/log" >&2
  exit 1
fi

# WebKitGTK needs an X server (96 DPI: one CSS pixel a screen pixel); Firefox runs headless.
xvfb_start 1600x1200x24 -dpi 96
# No accessibility bus and no session bus of the machine's: nothing the browsers start outlives
# the run.
export NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS=disabled:

# Both engines at once, each with its own server; their reports one after the other.
for engine in "${engines[@]}"; do
  (cd web && exec node tests/engines/run.js "$engine" "$site") >"$work/$engine.log" 2>&1 &
  runs+=($!)
done
failed=0
for i in "${!engines[@]}"; do
  status=0
  wait "${runs[$i]}" || status=$?
  cat "$work/${engines[$i]}.log"
  [ "$status" -eq 0 ] || { echo "== ${engines[$i]}: scenarios failed (status $status)" >&2; failed=1; }
done
runs=()
exit "$failed"

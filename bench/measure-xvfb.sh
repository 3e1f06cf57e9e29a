# Sourced by the measure-* scripts: a private Xvfb (tools/xvfb.sh) with DISPLAY pointing at it,
# and $scratch, a temporary directory; both go again on exit.
source "$(dirname "${BASH_SOURCE[0]}")/../tools/xvfb.sh"
scratch=$(mktemp -d)
chmod 700 "$scratch"
trap 'xvfb_stop; rm -rf "$scratch"' EXIT
xvfb_start 1024x768x24
export XDG_RUNTIME_DIR=$scratch
unset QT_QPA_PLATFORM
# No session bus. Without an address, the first program to ask for one would have dbus-launch
# start a bus daemon tied to this display, a few milliseconds of work beside the program measured
# and processes that may outlive the display.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$scratch/no-session-bus

# Waits until a window named Rutschbild is visible; prints its id. `xdotool search --sync` only
# retries every 500 ms, so the same search runs every 5 ms instead. The pause is a read with a
# time-out on a pipe nobody writes to: no process to start, so the watching takes little CPU from
# the program being measured.
exec {pause}<> <(:)
wait_for_window() {
  local pid=$1
  until xdotool search --onlyvisible --name Rutschbild 2>/dev/null; do
    read -r -t 0.005 -u "$pause" || true
    kill -0 "$pid" 2>/dev/null || { echo "the program exited before showing a window:" >&2; cat "$scratch/stderr" >&2; return 1; }
  done
}

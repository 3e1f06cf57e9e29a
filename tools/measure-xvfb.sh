# Sourced by the measure-* scripts: starts a private Xvfb on a free display, points DISPLAY at
# it and removes it again on exit. Sets $scratch, a temporary directory removed on exit too.
display=":$(( 90 + RANDOM % 9 ))"
while [ -e "/tmp/.X11-unix/X${display#:}" ]; do display=":$(( 90 + RANDOM % 9 ))"; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export DISPLAY=$display
export XDG_RUNTIME_DIR=$scratch
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Waits until a window named Rutschbild is visible; prints its id. `xdotool search --sync` only
# retries every 500 ms, so the same search runs in a tight loop (one try takes a few ms).
wait_for_window() {
  local pid=$1
  until xdotool search --onlyvisible --name Rutschbild 2>/dev/null; do
    kill -0 "$pid" 2>/dev/null || { echo "the program exited before showing a window" >&2; return 1; }
  done
}

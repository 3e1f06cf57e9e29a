# Sourced by the measure-* scripts: starts a private Xvfb on a free display, points DISPLAY at
# it and stops it again on exit. Sets $scratch, a temporary directory removed on exit too.
scratch=$(mktemp -d)
chmod 700 "$scratch"
xvfb=
trap '[ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; }; rm -rf "$scratch"' EXIT
# A display number of its own, well above those other tools pick (0 upwards, 99 upwards), whose
# server must answer a client before it is used; otherwise the next attempt takes another one.
for _ in 1 2 3 4 5; do
  number=$(( 200 + RANDOM % 800 ))
  [ -e "/tmp/.X$number-lock" ] && continue
  # -noreset: without it the server resets whenever its last client leaves, and a program
  # started at that moment cannot connect.
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$number"
  for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break 2; sleep 0.05; done
  kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null
  xvfb=
done
[ -n "$xvfb" ] || { echo "could not start Xvfb" >&2; exit 1; }
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

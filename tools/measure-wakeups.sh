#!/usr/bin/env bash
# Counts how often the threads of the real program wake up, under a private Xvfb: context
# switches of all its threads per second, first with no game running, then after "Start".
# Usage: tools/measure-wakeups.sh SECONDS PROGRAM
# Prints "idle <per second>" and "game <per second>".
set -euo pipefail
seconds=$1 program=$2
source "$(dirname "$0")/measure-xvfb.sh"

switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(non)?voluntary_ctxt_switches/ { sum += $2 } END { print sum }'
}
rate() {
  local before after
  before=$(switches "$1"); sleep "$seconds"; after=$(switches "$1")
  awk -v d=$(( after - before )) -v s="$seconds" 'BEGIN { printf "%.1f", d / s }'
}

"$program" >/dev/null 2>&1 &
pid=$!
window=$(wait_for_window "$pid" | head -1)
sleep 2
echo "idle $(rate "$pid")"
# The centre of "Start": left 544, top 232, 65 x 25 pixels.
xdotool mousemove --window "$window" 576 244 click 1
sleep 2
echo "game $(rate "$pid")"
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true

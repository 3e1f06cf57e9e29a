#!/usr/bin/env bash
# Counts how often the threads of the real program wake up, under a private Xvfb: context
# switches of all its threads per second, first with no game running, then after "Start".
# Usage: bench/measure-wakeups.sh SECONDS PROGRAM
# Prints "idle <per second>" and "game <per second>", each followed by the threads that woke.
source "$(dirname "${BASH_SOURCE[0]}")/../tools/fail-loudly.sh"
seconds=$1 program=$2
source "$(dirname "$0")/measure-xvfb.sh"

# One line per thread: its id, name and context switches so far.
switches() {
  local task
  for task in /proc/"$1"/task/*; do
    echo "${task##*/} $(tr -d ' ' <"$task/comm") $(awk '/^(non)?voluntary_ctxt_switches/ { sum += $2 } END { print sum }' "$task/status")"
  done 2>/dev/null
}
# Context switches per second over the span, in all threads and in each.
rate() {
  local what=$1 pid=$2
  switches "$pid" >"$scratch/before"; sleep "$seconds"; switches "$pid" >"$scratch/after"
  awk -v what="$what" -v s="$seconds" '
    NR == FNR { before[$1] = $3; next }
    { d = $3 - before[$1]; total += d; by[$2] += d }
    END { printf "%s %.1f\n", what, total / s; for (t in by) printf "  %s %.1f\n", t, by[t] / s }
  ' "$scratch/before" "$scratch/after"
}

"$program" >/dev/null 2>"$scratch/stderr" &
pid=$!
window=$(wait_for_window "$pid" | head -1)
sleep 2
rate idle "$pid"
# The centre of "Start": left 544, top 232, 65 x 25 pixels.
xdotool mousemove --window "$window" 576 244 click 1
sleep 2.25
rate game "$pid"
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true

#!/usr/bin/env bash
# Click to screen under a private Xvfb: the game against a bare Qt window that swaps two label
# pictures, run alternately. Each click is an XTest press and release on a tile beside the gap
# (slot 10, then slot 11, back and forth) after "Start"; the time runs to the first changed pixel
# of those two slots, polled with XGetImage every 0.5 ms.
# Usage: bench/measure-click.sh ROUNDS CLICK_TOOL GAME BARE
# Prints "<program> <median µs> <clicks> <fastest µs> <slowest µs>" for the game and the bare window.
source "$(dirname "${BASH_SOURCE[0]}")/../tools/fail-loudly.sh"

rounds=$1 tool=$2 game=$3 bare=$4
source "$(dirname "$0")/measure-xvfb.sh"

# No sound server: the beep goes the way it goes on a desktop without one.
export PULSE_SERVER=unix:/nonexistent

# The two slots, their centres and "Start", in window pixels.
slots=(325 322 452 322 262 266 254 113)
measure() {
  local program=$1 title=$2 pid
  shift 2
  "$program" >/dev/null 2>"$scratch/stderr" &
  pid=$!
  "$tool" "$title" 20 "${slots[@]}" "$@" >>"$scratch/$(basename "$program").clicks" ||
    { cat "$scratch/stderr" >&2; kill "$pid"; return 1; }
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

for _ in $(seq "$rounds"); do
  measure "$game" Rutschbild 576 244
  measure "$bare" "Rutschbild (Vergleich)"
done
for program in "$game" "$bare"; do
  sort -n "$scratch/$(basename "$program").clicks" | awk -v name="$(basename "$program")" '
    $1 >= 0 { v[++n] = $1 } $1 < 0 { missed++ }
    END { m = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
          printf "%s %d %d %d %d%s\n", name, m, n, v[1], v[n], missed ? " missed " missed : "" }'
done

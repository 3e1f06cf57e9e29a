#!/usr/bin/env bash
# Measures, from outside, how long a program takes from process start until its window named
# "Rutschbild" is on screen, and its peak resident memory (GNU time -v), under a private Xvfb.
# Usage: tools/measure-startup.sh RUNS PROGRAM [PROGRAM...]
# Prints one line per program: "<program> <median ms to window> <median peak RSS KiB> <runs>".
# Each program is started once unmeasured first, so every measured run finds warm file caches.
set -euo pipefail

runs=$1; shift
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

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run: milliseconds until the window is visible, then peak RSS once it has been idle a second.
# `xdotool search --sync` retries only every 500 ms, too coarse for this, so the same search runs
# in a tight loop instead (one try takes a few milliseconds).
one_run() {
  local program=$1 stats=$scratch/time.txt start end pid
  start=$(date +%s%N)
  /usr/bin/time -v -o "$stats" "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name Rutschbild >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$program exited before showing a window" >&2; exit 1; }
  done
  end=$(date +%s%N)
  sleep 1
  kill -TERM $(pgrep -P "$pid") 2>/dev/null || true   # the program itself, child of GNU time
  wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000 )) $(awk -F': ' '/Maximum resident set size/ { print $2 }' "$stats")"
}

for program in "$@"; do
  one_run "$program" >/dev/null
done
for program in "$@"; do
  : >"$scratch/$(basename "$program").runs"
done
# Interleaved, so a busy moment on the machine hits every program alike.
for _ in $(seq "$runs"); do
  for program in "$@"; do
    one_run "$program" >>"$scratch/$(basename "$program").runs"
  done
done
for program in "$@"; do
  file=$scratch/$(basename "$program").runs
  ms=$(awk '{ print $1 / 1000 }' "$file" | median)
  kib=$(awk '{ print $2 }' "$file" | median)
  echo "$(basename "$program") $ms $kib $runs"
done

#!/usr/bin/env bash
# Measures, from outside, how long a program takes from process start until its window named
# "Rutschbild" is on screen, and its peak resident memory (GNU time -v), under a private Xvfb.
# Usage: tools/measure-startup.sh RUNS PROGRAM [PROGRAM...]
# Prints one line per program: "<program> <median ms to window> <median peak RSS KiB> <runs>
# <fastest ms> <slowest ms>".
# Each program is started once unmeasured first, so every measured run finds warm file caches.
set -euo pipefail

runs=$1; shift
source "$(dirname "$0")/measure-xvfb.sh"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run: microseconds until the window is visible, then peak RSS once it has been idle a second.
one_run() {
  local program=$1 stats=$scratch/time.txt start end pid
  start=$(date +%s%N)
  /usr/bin/time -v -o "$stats" "$program" >/dev/null 2>"$scratch/stderr" &
  pid=$!
  wait_for_window "$pid" >/dev/null
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
  range=$(awk '{ print $1 / 1000 }' "$file" | sort -n | awk 'NR == 1 { low = $1 } { high = $1 } END { print low, high }')
  echo "$(basename "$program") $ms $kib $runs $range"
done

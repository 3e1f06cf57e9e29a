#!/usr/bin/env bash
# Measures, from outside, how long a program takes from its exec until the first frame of its
# window named "Rutschbild..." is on screen, and its peak resident memory once it has been idle
# for a second, under a private Xvfb (bench/first_frame.cpp takes both).
# Usage: bench/measure-startup.sh RUNS FIRST_FRAME_TOOL PROGRAM [PROGRAM...]
# Prints one line per program: "<program> <median ms to the first frame> <median peak RSS KiB>
# <runs> <fastest ms> <slowest ms> <median ms to the window mapped> <median CPU ms>" (CPU: user and
# system time of the whole run, which an idle second adds next to nothing to).
# Each program is started once unmeasured first, so every measured run finds warm file caches.
source "$(dirname "${BASH_SOURCE[0]}")/../tools/fail-loudly.sh"

runs=$1 tool=$2; shift 2
source "$(dirname "$0")/measure-xvfb.sh"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run: "<µs to the first frame> <µs to the window mapped> <peak RSS KiB> <CPU µs>".
one_run() {
  "$tool" Rutschbild "$1" 2>"$scratch/stderr" ||
    { echo "$(basename "$1") showed no frame:" >&2; cat "$scratch/stderr" >&2; return 1; }
}

for program in "$@"; do
  one_run "$program" >/dev/null
done
for program in "$@"; do
  : >"$scratch/$(basename "$program").runs"
done
# Interleaved, so a busy moment on the machine hits every program alike, each round starting one
# program further on, so none always follows the same one. A fifth of a second before each run
# lets the X server finish with the program before.
programs=("$@")
for round in $(seq 0 $((runs - 1))); do
  for i in "${!programs[@]}"; do
    program=${programs[(round + i) % ${#programs[@]}]}
    sleep 0.2
    one_run "$program" >>"$scratch/$(basename "$program").runs"
  done
done
for program in "$@"; do
  file=$scratch/$(basename "$program").runs
  ms=$(awk '{ print $1 / 1000 }' "$file" | median)
  kib=$(awk '{ print $3 }' "$file" | median)
  range=$(awk '{ print $1 / 1000 }' "$file" | sort -n | awk 'NR == 1 { low = $1 } { high = $1 } END { print low, high }')
  mapped=$(awk '{ print $2 / 1000 }' "$file" | median)
  cpu=$(awk '{ print $4 / 1000 }' "$file" | median)
  echo "$(basename "$program") $ms $kib $runs $range $mapped $cpu"
done

#!/usr/bin/env bash
# Builds the whole-window fuzzer with clang (coverage, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build/fuzz and runs it on one core for the given number of seconds (default 600), starting
# from the kept inputs in tests/fuzz/window_inputs. Appends what ran to docs/fuzzing.md.
# A broken invariant or a crash stops the run and leaves the input in build/fuzz/; copy it into
# tests/fuzz/window_inputs/ once fixed, so ctest replays it from then on.
# `tools/fuzz-window.sh --build-only` builds both fuzz targets and runs nothing (test.sh does that).
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
seconds=${1:-600}
dir=build/fuzz
build_type=RelWithDebInfo
# Only proving that the targets build: a folder of its own, unoptimised and without debug
# information, which takes a fraction of the time.
if [ "$seconds" = --build-only ]; then dir=build/fuzz-check build_type=None; fi

quietly cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE="$build_type" \
  -DRUTSCHBILD_FUZZ=ON -DRUTSCHBILD_TESTS=OFF -DRUTSCHBILD_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
if [ "$seconds" = --build-only ]; then
  cmake --build "$dir" -j2 --target rules_fuzz window_fuzz
  exit
fi
cmake --build "$dir" -j1 --target window_fuzz
mkdir -p "$dir/window_corpus"

log=$dir/window_fuzz-$(date -u +%Y%m%dT%H%M%S).log
started=$(date +%s)
status=0
# Leaks are valgrind's job (tools/valgrind-game.sh): the one window lives across all inputs.
ASAN_OPTIONS=detect_leaks=0 "$dir/tests/fuzz/window_fuzz" -max_total_time="$seconds" \
  -max_len=4096 -len_control=0 -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$dir/" \
  "$dir/window_corpus" tests/fuzz/window_inputs >"$log" 2>&1 || status=$?
elapsed=$(( $(date +%s) - started ))

events=$(grep -o 'window_fuzz: [0-9]* events' "$log" | awk '{ print $2 }' | tail -1)
inputs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | awk '{ print $2 }' | tail -1)
result=$([ "$status" -eq 0 ] && echo "no failure" || echo "FAILED: $(grep -m1 -E 'invariant broken|ERROR:' "$log")")
[ -f docs/fuzzing.md ] || cat >docs/fuzzing.md <<'DOC'
# Fuzzing the window

`tests/fuzz/window_fuzz.cpp` drives the whole window headless with random events: Start,
Vorschau, the two options, list clicks and arrow keys, tile clicks and double-clicks, Tab and
the space bar, timer ticks, long pauses, and a local clock set forwards, backwards and across
midnight. After every event it checks that the tiles stand on twelve different slots, that the
window is wholly in the no-game or the game-running state (timer, tile 11, list and grid lines
agree, a solved board ends the game, no game means the whole picture), that the move count is a
plain decimal that never goes down and rises by at most one, that the play time is "M : S" and
right after every tick, and that the start time shows the clock of the Start.

Each row is one run of `tools/fuzz-window.sh SECONDS` (one core, clang with ASan and UBSan).
The inputs kept in `tests/fuzz/window_inputs/` are replayed by ctest (`window_fuzz_replay`).

| Date (UTC) | Harness | Seconds | Inputs | Events | Result |
|---|---|---|---|---|---|
DOC
harness=$(git log -1 --format=%h -- tests/fuzz/window_fuzz.cpp tests/support/window_probe.h)
git diff --quiet -- tests/fuzz/window_fuzz.cpp tests/support/window_probe.h || harness="$harness+"
echo "| $(date -u '+%Y-%m-%d %H:%M') | $harness | $elapsed | ${inputs:-?} | ${events:-?} | $result |" >>docs/fuzzing.md
echo "window_fuzz: ${events:-?} events in ${inputs:-?} inputs, $elapsed s: $result (log: $log)"
exit "$status"

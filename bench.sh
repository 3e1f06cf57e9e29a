#!/usr/bin/env bash
# Builds Rutschbild optimised and measures it: the game rules, the window headless, the real
# program under Xvfb against an empty Qt window, timer wake-ups, a 24-hour soak and a leak check.
# Prints the table of figures and writes it, with the machine and the commands, to
# docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tools/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
  libbenchmark-dev xvfb xdotool time jq valgrind

dir=build/bench
out=$dir/results
mkdir -p "$out"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen

rows=()
row() { rows+=("| $1 | $2 | $3 | \`$4\` |"); }

# "<time> <unit>" of one benchmark in a Google Benchmark JSON file, shown in a readable unit.
figure() {
  jq -r --arg name "$2" '.benchmarks[] | select(.name == $name) | "\(.real_time) \(.time_unit)"' "$1" |
    awk '{ ns = $1 * ($2 == "us" ? 1e3 : $2 == "ms" ? 1e6 : 1)
           if (ns < 1e3) printf "%.0f ns", ns; else if (ns < 1e6) printf "%.1f µs", ns / 1e3;
           else printf "%.2f ms", ns / 1e6 }'
}

echo "== game rules"
cmd="$dir/bench/rules_bench"
$cmd --benchmark_out="$out/rules.json" --benchmark_out_format=json
row "Tile click that moves, with its solved check (rules only)" "$(figure "$out/rules.json" BM_TileClickThatMoves)" "" "$cmd"
row "Tile click that moves nothing (rules only)" "$(figure "$out/rules.json" BM_TileClickThatDoesNotMove)" "" "$cmd"
row "\`Zufall\`, \"immer gleich\"" "$(figure "$out/rules.json" BM_ZufallImmerGleich)" "" "$cmd"
row "\`Zufall\`, \"immer anders\" (all 3,600 clock readings in turn)" "$(figure "$out/rules.json" BM_ZufallImmerAnders)" "" "$cmd"

game=$dir/window/rutschbild
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
  row "Timer events per second, no game running" "$idle" "0" "$cmd"
  row "Timer events per second, game running" "$playing" "2" "$cmd"

  echo "== real program under Xvfb"
  cmd="tools/measure-startup.sh 9 $game $dir/bench/bare_window"
  tools/measure-startup.sh 9 "$game" "$dir/bench/bare_window" | tee "$out/startup.txt"
  read -r _ game_ms game_kib _ < <(grep '^rutschbild ' "$out/startup.txt")
  read -r _ bare_ms bare_kib _ < <(grep '^bare_window ' "$out/startup.txt")
  row "Process start to window on screen: game / empty window (median of 9)" \
    "$game_ms ms / $bare_ms ms = $(awk -v a="$game_ms" -v b="$bare_ms" 'BEGIN { printf "%.2fx", a / b }')" "≤ 1.2x" "$cmd"
  row "Peak resident memory: game / empty window (median of 9)" \
    "$game_kib KiB / $bare_kib KiB = $(awk -v a="$game_kib" -v b="$bare_kib" 'BEGIN { printf "%.2fx", a / b }')" "≤ 1.1x" "$cmd"

  cmd="tools/measure-wakeups.sh 10 $game"
  tools/measure-wakeups.sh 10 "$game" | tee "$out/wakeups.txt"
  row "Thread wake-ups per second of the real program, no game running" "$(awk '/^idle/ { print $2 }' "$out/wakeups.txt")" "0" "$cmd"
  row "Thread wake-ups per second of the real program, game running" "$(awk '/^game/ { print $2 }' "$out/wakeups.txt")" "about 2" "$cmd"
fi

if [ -x "$dir/tests/soak/soak_tests" ]; then
  echo "== 24-hour soak"
  cmd="RUTSCHBILD_SOAK_HOURS=24 $dir/tests/soak/soak_tests"
  RUTSCHBILD_SOAK_HOURS=24 "$dir/tests/soak/soak_tests" | tee "$out/soak.txt"
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
cat >docs/performance.md <<DOC
# Performance

Written by \`./bench.sh\` on $(date -u +%Y-%m-%d). Release build (\`-DCMAKE_BUILD_TYPE=Release\`) in
\`$dir\`; every figure below comes from the command next to it, run from the repository root.

**Machine:** $(nproc) cores, $cpu, $memory memory, $(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo '?').

$table

## How the figures are taken

- The benchmarks use Google Benchmark; times are wall-clock per operation. The window benchmarks
  run on Qt's offscreen platform, so painting goes to memory, as \`grab()\` does.
- Start-up: \`tools/measure-startup.sh\` starts a private Xvfb, launches the program under GNU
  \`time -v\` and takes the time until \`xdotool search --onlyvisible --name Rutschbild\` finds the
  window mapped (a visible window has had its first expose handled straight after). The search runs
  in a tight loop, because \`xdotool search --sync\` only retries every 500 ms. Peak memory is GNU
  time's "Maximum resident set size" after the window has been idle for a second. The empty window
  (\`bench/bare_window.cpp\`: a plain \`QWidget\` of 650 x 502 px) is measured the same way,
  interleaved with the game, after one unmeasured warm-up run each.
- Timer events: \`bench/timer_count.cpp\` counts every \`QTimerEvent\` delivered in the whole
  application (an event filter on the application object) over real seconds, first with no game,
  then after a click on "Start".
- Thread wake-ups: \`tools/measure-wakeups.sh\` sums the voluntary and involuntary context switches
  of all threads of the real program (\`/proc/<pid>/task/*/status\`) over the same periods under
  Xvfb; "Start" is clicked with \`xdotool\`.
- Soak and leak check: see \`tests/soak/\`; the short version of the soak runs in \`./test.sh\`.
- Fuzzing of the whole window: see [fuzzing.md](fuzzing.md).
DOC
echo "Wrote docs/performance.md"

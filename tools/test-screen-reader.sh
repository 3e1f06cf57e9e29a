#!/usr/bin/env bash
# A real screen reader listens while the game is played: Debian's Orca, its speech going to a log,
# hears the Qt window (build/test) played to the win through AT-SPI and the web page
# (build/web/site) played to the win from the keyboard in Chromium. Each on a desk of its own
# (Xvfb, openbox, D-Bus, the AT-SPI bus, speech-dispatcher without sound), stopped again at the end.
# Usage: tools/test-screen-reader.sh [qt|web]...   (both when none is named)
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${SCREEN_READER_PACKAGES[@]}"
command -v node >/dev/null || tools/ensure-packages.sh nodejs

fronts=("$@")
[ ${#fronts[@]} -gt 0 ] || fronts=(qt web)
out=build/screen-reader
mkdir -p "$out"

# What the game says, printed from game/ itself for the tests to play and listen by.
g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -Igame -Itests/support \
  tests/screen-reader/speech_plan.cpp game/accessible_text.cpp tests/support/solver.cpp \
  -o "$out/speech_plan"
# How Orca's log is read and the plan is played, checked without Orca first.
(cd tests/screen-reader && quietly /usr/bin/python3 harness_test.py "../../$out/speech_plan")
# Orca and the programs speak German; the machine may have no German locale, so one is built here.
if [ ! -e "$out/locale/de_DE.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$out/locale"
  localedef -i de_DE -f UTF-8 "$out/locale/de_DE.UTF-8"
fi

# Each front end's program first, then both listened to at once, each on its desk: the test waits
# mostly for Orca, so side by side they take little longer than one.
for front in "${fronts[@]}"; do
  case $front in
    qt)
      # The program of the Linux test build; configured as test.sh does when it is not there yet.
      if [ ! -e build/test/CMakeCache.txt ]; then
        quietly cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" -DRUTSCHBILD_BENCH=OFF \
          -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
      fi
      quietly cmake --build build/test -j2 --target rutschbild
      ;;
    web) quietly tools/build-web.sh ;;
    *) echo "Usage: ${0##*/} [qt|web]..." >&2; exit 2 ;;
  esac
done

declare -A pids
for front in "${fronts[@]}"; do
  case $front in
    qt) listen=(tests/screen-reader/qt_orca.py build/test/qt/rutschbild) ;;
    web) listen=(tests/screen-reader/web_orca.py build/web/site) ;;
  esac
  /usr/bin/python3 "${listen[@]}" "$out/speech_plan" "$out/locale" "$out/$front" \
    >"$out/$front.out" 2>&1 &
  pids[$front]=$!
done
status=0
for front in "${fronts[@]}"; do
  wait "${pids[$front]}" || status=1
  cat "$out/$front.out"
done
[ "$status" -eq 0 ] || echo "What Orca said and did: $out/*-orca.log; the desks' servers: $out/*-desk.log" >&2
exit "$status"

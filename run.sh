#!/usr/bin/env bash
# Installs what is missing, builds Rutschbild and starts it.
#   ./run.sh --web   builds the web page and serves it on http://127.0.0.1:8080/ instead.
source "$(dirname "$0")/tools/fail-loudly.sh"
cd "$(dirname "$0")"

if [ "${1:-}" = "--web" ]; then
  tools/build-web.sh
  echo "Rutschbild im Browser / in the browser: http://127.0.0.1:8080/  (Ctrl+C stops)"
  exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build/web/site
fi

source tools/packages.sh
tools/ensure-packages.sh "${BUILD_PACKAGES[@]}"

quietly cmake -S . -B build/run -DCMAKE_BUILD_TYPE=Release -DRUTSCHBILD_TESTS=OFF -DRUTSCHBILD_BENCH=OFF
cmake --build build/run -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/run/qt/rutschbild, but there is no display to show it on." >&2
  exit 1
fi
exec build/run/qt/rutschbild

#!/usr/bin/env bash
# Installs what is missing and builds the web page into build/web/site/: every file a static web
# host needs, index.html at its root.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${WEB_PACKAGES[@]}"

# Debian's emcc finds its own JavaScript modules (acorn, ...) only through NODE_PATH when the
# node on PATH is not Debian's.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  >/dev/null
cmake --build build/web -j2
echo "The site is in build/web/site/."

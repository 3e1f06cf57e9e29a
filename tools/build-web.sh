#!/usr/bin/env bash
# Installs what is missing and builds the web page into build/web/site/: every file a static web
# host needs, index.html at its root. RUTSCHBILD_WEB_BUILD names another build folder.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${WEB_PACKAGES[@]}"

# Debian's emcc finds its own JavaScript modules (acorn, ...) only through NODE_PATH when the
# node on PATH is not Debian's.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

dir=${RUTSCHBILD_WEB_BUILD:-build/web}
quietly emcmake cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$dir" -j2
echo "The site is in $dir/site/."

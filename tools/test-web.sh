#!/usr/bin/env bash
# Builds the web page and runs its browser tests headless: Playwright Test driving Debian's
# Chromium against the site in build/web/site/.
# Usage: tools/test-web.sh [playwright test arguments]   (from anywhere; test.sh calls it)
# RUTSCHBILD_WEB_BUILD names another build folder than build/web.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
setup=0
tools/web-test-setup.sh || setup=$?
tools/build-web.sh
if [ "$setup" -eq 2 ]; then
  # Debian 12's own nodejs is 18: the page is built, but no Playwright runs on it.
  source tools/skipped.sh
  skip_suite "the browser tests" "no Node.js 20 here; the web page is built"
  exit 0
fi
[ "$setup" -eq 0 ] || exit "$setup"
export RUTSCHBILD_SITE=$PWD/${RUTSCHBILD_WEB_BUILD:-build/web}/site
cd web
exec npx --no-install playwright test "$@"

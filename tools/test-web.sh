#!/usr/bin/env bash
# Builds the web page and runs its browser tests headless: Playwright Test driving Debian's
# Chromium against the site in build/web/site/.
# Usage: tools/test-web.sh [playwright test arguments]   (from anywhere; test.sh calls it)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/web-test-setup.sh
tools/build-web.sh
cd web
exec npx --no-install playwright test "$@"

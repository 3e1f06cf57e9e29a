#!/usr/bin/env bash
# Gets what the web page's browser tests and benchmark need: Debian's Chromium, Node.js 20 or
# newer with npm, and the npm packages pinned in web/package-lock.json in web/node_modules.
# Called by tools/test-web.sh and bench.sh.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
tools/ensure-packages.sh "${WEB_TEST_PACKAGES[@]}"

# The node and npm on PATH, else Debian's. Playwright needs Node.js 20 or newer.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  tools/ensure-packages.sh nodejs npm
fi
# Exit status 2 says just that, so the test step can build the page and skip the browser alone.
if [ "$(node -p 'process.versions.node.split(".")[0]')" -lt 20 ]; then
  echo "Playwright needs Node.js 20 or newer; this node is $(node --version)." >&2
  exit 2
fi

# Installed afresh whenever the lock file has changed since the last install. No browser is
# downloaded: the tests use /usr/bin/chromium.
cd web
lock_hash=$(sha256sum package-lock.json | cut -d' ' -f1)
installed=node_modules/.installed-from-lock
if [ "$(cat "$installed" 2>/dev/null)" != "$lock_hash" ]; then
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
  echo "$lock_hash" >"$installed"
fi

// Browser tests of the built site (build/web/site, made by tools/build-web.sh): Debian's Chromium,
// headless, against a small static server on a free port of 127.0.0.1.
'use strict';
const path = require('node:path');
const { defineConfig } = require('@playwright/test');

// RUTSCHBILD_SITE may name another build of the site.
const site = path.resolve(process.env.RUTSCHBILD_SITE || path.join(__dirname, '..', 'build', 'web', 'site'));
process.env.RUTSCHBILD_SITE = site; // for the tests that read the site's files
// Set by the web server below once it listens; read again by each worker.
const port = process.env.RUTSCHBILD_SITE_PORT;

module.exports = defineConfig({
  testDir: 'tests',
  outputDir: path.join(__dirname, '..', 'build', 'web-tests', 'test-results'),
  workers: 2,
  fullyParallel: true,
  retries: 0,
  forbidOnly: true,
  reporter: [['list']],
  timeout: 30_000,
  expect: { timeout: 5_000 },
  use: {
    baseURL: port ? `http://127.0.0.1:${port}/` : undefined,
    browserName: 'chromium',
    headless: true,
    viewport: { width: 1280, height: 800 },
    locale: 'de-DE',
    timezoneId: 'Europe/Berlin',
    launchOptions: {
      executablePath: '/usr/bin/chromium',
      // No sandbox (we may run as root), no GPU and nothing that calls home, so a test never
      // waits for the network or for another process of the machine.
      args: [
        '--no-sandbox',
        '--disable-gpu',
        '--disable-quic',
        '--no-first-run',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
      ],
    },
  },
  webServer: {
    command: `node tests/support/serve-site.js "${site}" 0`,
    wait: { stdout: /on http:\/\/127\.0\.0\.1:(?<rutschbild_site_port>\d+)\// },
    reuseExistingServer: false,
    timeout: 10_000,
  },
});

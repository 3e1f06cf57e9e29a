// A slow phone, as Chromium's DevTools emulate one: the processor four times slower, 150 ms round
// trips, 1.6 Mbit/s down and 750 kbit/s up. For the page's loading tests and the benchmark.
'use strict';

const SLOW_PHONE = { cpu: 4, latency: 150, down: 1.6e6, up: 750e3 };

async function slowDown(context, page) {
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: SLOW_PHONE.cpu });
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', {
    offline: false,
    latency: SLOW_PHONE.latency,
    downloadThroughput: SLOW_PHONE.down / 8,
    uploadThroughput: SLOW_PHONE.up / 8,
  });
  return cdp;
}

// Bytes a visit cost, from the server's own record of what it sent.
const bytesSent = (server, from = 0) => server.sent.slice(from).reduce((sum, r) => sum + r.bytes, 0);

// What a first visit costs on the wire (the server's own count, gzip-compressed as it sends)
// against the same page with no service worker, once its program has run: its own bytes.
async function firstVisit(browser, url, server, contextOptions = {}) {
  let mark = server.sent.length;
  const bare = await browser.newContext({ ...contextOptions, serviceWorkers: 'block' });
  const alone = await bare.newPage();
  await alone.goto(url);
  await alone.locator('#pictureList option', { hasText: 'Garten' }).waitFor({ state: 'attached' });
  await alone.waitForLoadState('networkidle');
  await bare.close();
  const own = bytesSent(server, mark);
  mark = server.sent.length;
  const context = await browser.newContext(contextOptions);
  const page = await context.newPage();
  await page.goto(url);
  await page.evaluate(async () => {
    const { active } = await navigator.serviceWorker.ready;
    if (active.state !== 'activated')
      await new Promise((resolve) => active.addEventListener('statechange', () => active.state === 'activated' && resolve()));
  });
  await page.waitForLoadState('networkidle');
  await context.close();
  return { own, bytes: bytesSent(server, mark), sent: server.sent.slice(mark) };
}

module.exports = { SLOW_PHONE, slowDown, bytesSent, firstVisit };

// The page on a slow phone while its program loads, and what a first visit downloads.
const { test, expect, FIXED, boardPositions } = require('./support/game');
const { serve } = require('./support/serve-site');
const { slowDown, firstVisit } = require('./support/slow-phone');
const { siteBytes } = require('./engines/site');

const PHONE = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true };

test.describe('a slow phone', () => {
  test.use(PHONE);
  test.setTimeout(60_000);

  test('a tap on Start as soon as it shows starts the game, however early', async ({ browser, baseURL }) => {
    let early = 0;
    for (let run = 0; run < 3; ++run) {
      // A new context each time: nothing cached, as on a first visit.
      const context = await browser.newContext({ ...PHONE, baseURL });
      const page = await context.newPage();
      await slowDown(context, page);
      // The last run holds the WebAssembly back until the tap, so that tap surely comes first.
      let tapped;
      const tap = new Promise((resolve) => (tapped = resolve));
      if (run === 2) await page.route('**/rutschbild.*.wasm', (route) => tap.then(() => route.continue()));
      const start = page.locator('#startButton');
      let arrived = false;
      page.on('requestfinished', (request) => (arrived ||= /\.wasm$/.test(request.url())));
      const loading = page.goto('/', { waitUntil: 'commit' });
      await start.waitFor({ state: 'visible' });
      const before = arrived;
      await start.tap();
      tapped();
      if (!before && !arrived) early += 1;
      await loading;
      await expect.poll(() => boardPositions(page), { timeout: 20_000 }).toEqual(FIXED);
      await context.close();
    }
    // Otherwise the test proved nothing: the taps must have come before the program ran.
    expect(early, 'taps made before the program was ready').toBeGreaterThan(0);
  });
});

// The worker adds itself and the pictures the page has not shown yet (the second set), each sent
// once; everything else it keeps is what the page has just loaded. The whole visit stays within
// 1.15 times the site's own weight, as in every other engine.
test('a first visit downloads each file once: only the worker and the pictures not shown come on top', async ({ browser }) => {
  const server = await serve(process.env.RUTSCHBILD_SITE);
  try {
    const mark = server.sent.length;
    const { own, bytes, sent } = await firstVisit(browser, `http://127.0.0.1:${server.address().port}/`, server);
    const plain = server.sent.slice(mark, server.sent.length - sent.length).map((r) => r.path);
    const whole = sent.filter((r) => r.status === 200).map((r) => r.path);
    expect(whole.filter((p, i) => whole.indexOf(p) !== i), 'files sent twice').toEqual([]);
    const extra = whole.filter((p) => !plain.includes(p));
    expect(extra.filter((p) => p !== '/sw.js' && !p.startsWith('/art/')), 'more than the worker and pictures').toEqual([]);
    expect(extra).toContain('/sw.js');
    expect(bytes).toBeLessThanOrEqual(1.15 * (await siteBytes(process.env.RUTSCHBILD_SITE)));
    expect(own).toBeLessThan(bytes);
  } finally {
    server.close();
  }
});

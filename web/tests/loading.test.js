// The page on a slow phone while its program loads, and what a first visit downloads.
const { test, expect, FIXED, boardPositions } = require('./support/game');
const { serve } = require('./support/serve-site');
const { slowDown, firstVisit } = require('./support/slow-phone');

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

test('a first visit downloads each file once: at most 1.15 times what the page itself loads', async ({ browser }) => {
  const server = await serve(process.env.RUTSCHBILD_SITE);
  try {
    const { own, bytes, sent } = await firstVisit(browser, `http://127.0.0.1:${server.address().port}/`, server);
    const whole = sent.filter((r) => r.status === 200).map((r) => r.path);
    expect(whole.filter((p, i) => whole.indexOf(p) !== i), 'files sent twice').toEqual([]);
    expect(bytes / own).toBeLessThanOrEqual(1.15);
  } finally {
    server.close();
  }
});

// The page on a slow phone while its program loads, and what a first visit downloads.
const { test, expect, FIXED, boardPositions } = require('./support/game');
const { serve } = require('./support/serve-site');
const { slowDown, bytesSent } = require('./support/slow-phone');

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
  const url = `http://127.0.0.1:${server.address().port}/`;
  try {
    // The page alone, no service worker: its own bytes.
    const bare = await browser.newContext({ serviceWorkers: 'block' });
    const alone = await bare.newPage();
    await alone.goto(url);
    await expect(alone.locator('#pictureList option', { hasText: 'Garten' })).toHaveCount(1);
    await alone.waitForLoadState('networkidle');
    await bare.close();
    const own = bytesSent(server);

    // A first visit: the page, then its worker keeping the site for offline play.
    const mark = server.sent.length;
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(url);
    await page.evaluate(async () => {
      const { active } = await navigator.serviceWorker.ready;
      if (active.state !== 'activated')
        await new Promise((resolve) => active.addEventListener('statechange', () => active.state === 'activated' && resolve()));
    });
    await page.waitForLoadState('networkidle');
    await context.close();
    const visit = server.sent.slice(mark);
    const whole = visit.filter((r) => r.status === 200).map((r) => r.path);
    expect(whole.filter((p, i) => whole.indexOf(p) !== i), 'files sent twice').toEqual([]);
    expect(bytesSent(server, mark) / own).toBeLessThanOrEqual(1.15);
  } finally {
    server.close();
  }
});

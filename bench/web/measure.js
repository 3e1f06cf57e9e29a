// Measures the web page against its floor page: the same HTML, stylesheets and pictures with no
// WebAssembly (made here from the built site, its scripts swapped for floor.js). Prints one line
// per figure for bench.sh and writes every single reading to OUT/web.json.
//   node bench/web/measure.js SITE OUT [RUNS]
// Uses Playwright from web/node_modules (tools/web-test-setup.sh installs it) with Debian's
// Chromium, headless, as the browser tests do.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');

const REPO = path.join(__dirname, '..', '..');
const { chromium } = require(require.resolve('@playwright/test', { paths: [path.join(REPO, 'web')] }));
const { serve } = require(path.join(REPO, 'web', 'tests', 'support', 'serve-site.js'));
const { slowDown, firstVisit } = require(path.join(REPO, 'web', 'tests', 'support', 'slow-phone.js'));

const LAUNCH = {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
};
const DESKTOP = { viewport: { width: 1280, height: 800 } };
const PHONE = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true };

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

function filesIn(dir, prefix = '') {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesIn(path.join(dir, entry.name), `${prefix}${entry.name}/`) : [`${prefix}${entry.name}`]);
}

// The site's HTML, stylesheets, pictures and icons; no program, no service worker.
function makeFloor(site, floor) {
  fs.rmSync(floor, { recursive: true, force: true });
  for (const file of filesIn(site)) {
    if (/^(rutschbild\.[0-9a-f]+\.(js|wasm)|main\.[0-9a-f]+\.js|sw\.js)$/.test(file)) continue;
    fs.mkdirSync(path.dirname(path.join(floor, file)), { recursive: true });
    fs.copyFileSync(path.join(site, file), path.join(floor, file));
  }
  const html = fs.readFileSync(path.join(site, 'index.html'), 'utf8');
  const scripts = /\s*<script src="[^"]*"[^>]*><\/script>/g;
  if (!scripts.test(html)) throw new Error('index.html: no script tags found');
  const floorHtml = html.replace(scripts, '').replace('</head>', '  <script src="floor.js" defer></script>\n</head>');
  fs.writeFileSync(path.join(floor, 'index.html'), floorHtml);
  fs.copyFileSync(path.join(__dirname, 'floor.js'), path.join(floor, 'floor.js'));
}

// Every file a first visit fetches (the service worker's fetches included), gzip-compressed as a
// static host sends it; a file that gzip would only enlarge counts as it is.
async function pageWeight(browser, url, site) {
  const context = await browser.newContext(DESKTOP);
  const fetched = new Set();
  context.on('request', (request) => {
    const { pathname } = new URL(request.url());
    fetched.add(pathname.endsWith('/') ? `${pathname}index.html` : pathname);
  });
  const page = await context.newPage();
  await page.goto(url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForLoadState('networkidle');
  await context.close();
  const files = [...fetched].map((p) => p.slice(1)).sort().map((file) => {
    const raw = fs.readFileSync(path.join(site, file));
    return { file, raw: raw.length, sent: Math.min(raw.length, zlib.gzipSync(raw, { level: 9 }).length) };
  });
  const missing = filesIn(site).filter((f) => !fetched.has(`/${f}`));
  return { total: files.reduce((sum, f) => sum + f.sent, 0), files, missing };
}

// Navigation start to the first paint, and to the frame that shows the picture: the largest
// contentful paint, which must be one of the tiles (their background is the drawing).
async function firstPaint(browser, url) {
  const context = await browser.newContext(DESKTOP);
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'load' });
  const result = await page.evaluate(() => new Promise((resolve) => {
    let fcp;
    new PerformanceObserver((list) => (fcp = list.getEntriesByName('first-contentful-paint')[0]?.startTime ?? fcp))
      .observe({ type: 'paint', buffered: true });
    const seen = [];
    const done = () => {
      const last = seen.at(-1);
      // When the drawing had arrived, and when the page's deferred scripts had run.
      const picture = performance.getEntriesByType('resource').find((r) => /\/art\/kinder\.[0-9a-f]+\.svg$/.test(r.name));
      const navigation = performance.getEntriesByType('navigation')[0];
      resolve({ fcp, board: last?.startTime, element: last?.element?.id, candidates: seen.map((e) => e.element?.id),
        picture: picture?.responseEnd, scripts: navigation?.domContentLoadedEventEnd });
    };
    new PerformanceObserver((list) => {
      seen.push(...list.getEntries());
      if (/^tile/.test(seen.at(-1).element?.id)) done();
    }).observe({ type: 'largest-contentful-paint', buffered: true });
    setTimeout(done, 3000);
  }));
  await context.close();
  if (!/^tile\d+$/.test(result.element))
    throw new Error(`largest paints: ${result.candidates.join(', ')}; none a tile`);
  return result;
}

// What a first visit costs on the wire against the page's own bytes.
async function firstVisitCost(browser, url, server) {
  const { own, bytes, sent } = await firstVisit(browser, url, server, DESKTOP);
  return { own, visit: bytes, requests: sent.length, page: sent.filter((r) => r.path === '/' && r.status === 200).length };
}

// A slow phone (tests/support/slow-phone.js), nothing cached: navigation start to the frame that
// shows the picture (the largest paint, a tile), and to the first press that works: "Start" is
// tapped the moment it shows, and the press works when the board has been shuffled.
async function slowPhone(browser, url) {
  const context = await browser.newContext(PHONE);
  const page = await context.newPage();
  await slowDown(context, page);
  await page.addInitScript(() => {
    // The first largest paint of a tile; NaN where none comes within 10 s.
    window.pictureShown = new Promise((resolve) => {
      new PerformanceObserver((list) => {
        const tile = list.getEntries().find((entry) => /^tile/.test(entry.element?.id));
        if (tile) resolve(tile.startTime);
      }).observe({ type: 'largest-contentful-paint', buffered: true });
      setTimeout(() => resolve(NaN), 10_000);
    });
  });
  await page.goto(url, { waitUntil: 'commit' });
  const start = page.locator('#startButton');
  await start.waitFor({ state: 'visible' });
  await start.tap();
  // Polled on a timer, not on animation frames, which a throttled background page may hold back;
  // a press that never works ends the run with NaN rather than a hang.
  const handle = await page
    .waitForFunction(() => {
      const tile = document.getElementById('tile0');
      return tile && getComputedStyle(tile).getPropertyValue('--left').trim() !== '120' ? performance.now() : 0;
    }, null, { polling: 10, timeout: 30_000 })
    .catch(() => null);
  const worked = handle ? await handle.jsonValue() : NaN;
  const picture = await page.evaluate(() => window.pictureShown);
  await context.close();
  return { picture, worked };
}

// A page with nothing but one button whose click writes a number into it: what the browser and
// the harness alone take for a tap, with no stylesheet, picture or program of ours.
const BARE = `<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1"><title>bare</title></head>
<body><button type="button" id="tile10" style="margin:200px 100px;width:90px;height:90px">0</button>
<script src="bare.js"></script></body></html>
`;
const BARE_JS = `'use strict';
const button = document.getElementById('tile10');
let clicks = 0;
button.addEventListener('click', () => { button.textContent = String(++clicks); });
`;

// Before any script of the page: for every click, the time its first handler starts (window,
// capturing, runs ahead of all others) and the time the next frame's rendering steps are done
// (the animation frame callback, then a task queued from it, which runs after that frame's
// style, layout and paint).
function watchFrames() {
  window.framesAfterClick = [];
  window.addEventListener('click', () => {
    const start = performance.now();
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => window.framesAfterClick.push(performance.now() - start);
      channel.port2.postMessage(0);
    });
  }, { capture: true });
}

// A phone's taps (or mouse clicks) on the tile beside the hole, back and forth, timed by the
// Event Timing API: per tap the longest event of the interaction from its touch to the next paint
// (its interaction to next paint), the time before the first handler ran, and the time in
// handlers. Only events of 16 ms or more are reported (the API's lowest threshold); a tap with
// none was under a frame. Next to it, from the page's side: the first handler's start to the end
// of the next frame's rendering steps.
async function tapTimes(browser, url, taps, kind, input) {
  const context = await browser.newContext(PHONE);
  const page = await context.newPage();
  await page.addInitScript(watchFrames);
  await page.goto(url);
  if (kind === 'game') {
    await page.locator('#pictureList option', { hasText: 'Garten' }).waitFor({ state: 'attached' });
    await page.tap('#startButton'); // also makes the audio context, which the first tap pays for
  }
  await page.waitForTimeout(300);
  await page.evaluate(() => {
    window.framesAfterClick = [];
    window.interactions = new Map();
    new PerformanceObserver((list) => {
      for (const e of list.getEntries()) {
        if (!e.interactionId) continue;
        const seen = window.interactions.get(e.interactionId) ?? { duration: 0, delay: Infinity, processing: 0 };
        seen.duration = Math.max(seen.duration, e.duration);
        seen.delay = Math.min(seen.delay, e.processingStart - e.startTime);
        seen.processing = Math.max(seen.processing, e.processingEnd - e.processingStart);
        window.interactions.set(e.interactionId, seen);
      }
    }).observe({ type: 'event', durationThreshold: 16 });
  });
  const tile = kind === 'game' ? '#tile9' : '#tile10';
  for (let i = 0; i < taps; ++i) {
    // Forced: the floor page never starts a game, so its tiles stay marked unavailable.
    await (input === 'mouse' ? page.click(tile, { force: true }) : page.tap(tile, { force: true }));
    await page.waitForTimeout(60);
  }
  await page.waitForTimeout(300);
  const measured = await page.evaluate(() => [...window.interactions.values()]);
  const frame = await page.evaluate(() => window.framesAfterClick);
  if (frame.length !== taps) throw new Error(`${taps} taps, ${frame.length} clicks seen`);
  if (kind === 'game') {
    const moves = await page.locator('#movesValue').textContent();
    if (moves !== String(taps)) throw new Error(`${taps} taps made ${moves} moves`);
  }
  await context.close();
  // Taps with nothing reported count as 0 ms: under the threshold.
  const fill = (key) => [...measured.map((m) => m[key]), ...Array(Math.max(0, taps - measured.length)).fill(0)];
  return { reported: measured.length, inp: fill('duration'), delay: fill('delay'), processing: fill('processing'), frame };
}

async function main() {
  const [site, out, runsText] = process.argv.slice(2);
  if (!site || !out) throw new Error('usage: measure.js SITE OUT [RUNS]');
  const runs = Number(runsText || 15);
  const floor = path.join(out, 'floor');
  fs.mkdirSync(out, { recursive: true });
  makeFloor(site, floor);

  const bare = path.join(out, 'bare');
  fs.rmSync(bare, { recursive: true, force: true });
  fs.mkdirSync(bare, { recursive: true });
  fs.writeFileSync(path.join(bare, 'index.html'), BARE);
  fs.writeFileSync(path.join(bare, 'bare.js'), BARE_JS);

  const [siteServer, floorServer, bareServer] = await Promise.all([serve(site), serve(floor), serve(bare)]);
  const address = (server) => `http://127.0.0.1:${server.address().port}/`;
  const browser = await chromium.launch(LAUNCH);
  try {
    const weight = await pageWeight(browser, address(siteServer), site);
    const visit = await firstVisitCost(browser, address(siteServer), siteServer);
    const slow = [];
    for (let run = 0; run < Math.min(runs, 11); ++run) slow.push(await slowPhone(browser, address(siteServer)));

    // Interleaved, the order swapped every run, after one unmeasured visit each. Every visit has
    // a new context: an empty cache for both pages alike.
    await firstPaint(browser, address(siteServer));
    await firstPaint(browser, address(floorServer));
    const paints = { game: [], floor: [] };
    for (let run = 0; run < runs; ++run) {
      const order = run % 2 ? ['floor', 'game'] : ['game', 'floor'];
      for (const which of order)
        paints[which].push(await firstPaint(browser, address(which === 'game' ? siteServer : floorServer)));
    }

    const taps = 40;
    const pages = [['game', siteServer], ['floor', floorServer], ['bare', bareServer]];
    const tapped = {};
    for (const input of ['touch', 'mouse'])
      for (const [kind, server] of pages)
        tapped[`${input}-${kind}`] = await tapTimes(browser, address(server), taps, kind, input);

    const results = { runs, weight, visit, slow, paints, taps, tapped };
    fs.writeFileSync(path.join(out, 'web.json'), JSON.stringify(results, null, 2));

    const ms = (x) => x.toFixed(1);
    const of = (which, key) => median(paints[which].map((p) => p[key]));
    console.log(`weight ${weight.total} ${weight.files.length} ${weight.missing.length}`);
    for (const f of weight.files) console.log(`weight-file ${f.file} ${f.raw} ${f.sent}`);
    // first-visit: bytes on the wire with the worker, without it, their ratio, requests, times the
    // page itself was sent
    console.log(`first-visit ${visit.visit} ${visit.own} ${(visit.visit / visit.own).toFixed(3)} ${visit.requests} ${visit.page}`);
    // slow-phone: median ms to the picture, to the first working press, runs
    console.log(`slow-phone ${ms(median(slow.map((r) => r.picture)))} ${ms(median(slow.map((r) => r.worked)))} ${slow.length}`);
    console.log(`board-paint ${ms(of('game', 'board'))} ${ms(of('floor', 'board'))} ${(of('game', 'board') / of('floor', 'board')).toFixed(2)}`);
    // The same ratio taken run by run (each game visit against the floor visit next to it).
    const pairs = paints.game.map((g, run) => g.board / paints.floor[run].board);
    console.log(`board-paint-paired ${median(pairs).toFixed(2)} ${Math.min(...pairs).toFixed(2)} ${Math.max(...pairs).toFixed(2)}`);
    console.log(`first-contentful-paint ${ms(of('game', 'fcp'))} ${ms(of('floor', 'fcp'))}`);
    // Navigation start to the drawing's last byte, and to the end of the deferred scripts.
    console.log(`picture-arrived ${ms(of('game', 'picture'))} ${ms(of('floor', 'picture'))}`);
    console.log(`scripts-run ${ms(of('game', 'scripts'))} ${ms(of('floor', 'scripts'))}`);
    // tap-<page> / click-<page>: median INP, reported taps, taps, median input delay, median time
    // in handlers, median from the first handler's start to the end of the next frame
    for (const [name, t] of Object.entries(tapped)) {
      const label = name.replace(/^touch-/, 'tap-').replace(/^mouse-/, 'click-');
      console.log(`${label} ${median(t.inp)} ${t.reported} ${taps} ${ms(median(t.delay))} ${ms(median(t.processing))} ${ms(median(t.frame))}`);
    }
  } finally {
    await browser.close();
    siteServer.close();
    floorServer.close();
    bareServer.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});

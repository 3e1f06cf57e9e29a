// Playing with no network after one visit, and installing the page to a home screen.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('@playwright/test');
const { test, expect, FIXED, openGame, tile, boardPositions } = require('./support/game');

const site = () => process.env.RUTSCHBILD_SITE; // set by playwright.config.js

// Every file of a folder, as paths relative to it with forward slashes.
function filesIn(dir, prefix = '') {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory()
      ? filesIn(path.join(dir, entry.name), `${prefix}${entry.name}/`)
      : [`${prefix}${entry.name}`],
  );
}

// The cache the service worker made, once it has taken over (its activation done).
async function cachedFiles(page) {
  return page.evaluate(async () => {
    const { active } = await navigator.serviceWorker.ready;
    if (active.state !== 'activated')
      await new Promise((resolve) => active.addEventListener('statechange', () => active.state === 'activated' && resolve()));
    const names = await caches.keys();
    const cache = await caches.open(names[0]);
    const base = new URL('.', location.href).href;
    return { names, files: (await cache.keys()).map((r) => r.url.slice(base.length)).sort() };
  });
}

test('a second visit plays with no network', async ({ page, context }) => {
  await openGame(page);
  await cachedFiles(page);

  await context.setOffline(true);
  const fromNetwork = [];
  page.on('response', (response) => response.fromServiceWorker() || fromNetwork.push(response.url()));
  await page.reload();
  await expect(page.locator('#pictureList option', { hasText: 'Garten' })).toHaveCount(1);
  expect(fromNetwork).toEqual([]);

  await page.getByRole('button', { name: 'Start' }).click();
  expect(await boardPositions(page)).toEqual(FIXED);
  await tile(page, 9).click();
  await expect(page.locator('#movesValue')).toHaveText('1');

  // The other picture, never shown online, is there too.
  await page.getByRole('button', { name: 'Vorschau' }).click();
  const kinder = await page.locator('#board').screenshot();
  await page.locator('#pictureList').selectOption('Garten');
  await expect.poll(async () => (await page.locator('#board').screenshot()).equals(kinder)).toBe(false);
  await context.setOffline(false);
});

test('the worker keeps every file of the site in one cache named after the build', async ({ page }) => {
  const worker = fs.readFileSync(path.join(site(), 'sw.js'), 'utf8');
  const version = worker.match(/const VERSION = '([0-9a-f]{16})';/);
  expect(version, 'a version stamped in by the build').not.toBeNull();
  expect(worker).not.toContain('@SITE_');

  // A cache of an older build is dropped when this one takes over.
  await page.addInitScript(() => {
    const register = ServiceWorkerContainer.prototype.register;
    ServiceWorkerContainer.prototype.register = function (...args) {
      return caches.open('rutschbild-0123456789abcdef').then(() => register.apply(this, args));
    };
  });
  await openGame(page);
  const { names, files } = await cachedFiles(page);
  expect(names).toEqual([`rutschbild-${version[1]}`]);
  // The page as './' and everything it plays with; not the worker itself, nor the icons and the
  // manifest (the browser fetches those for itself, to show or install the page; the worker keeps
  // them then).
  const expected = filesIn(site()).filter(
    (f) => !['sw.js', 'index.html', 'manifest.webmanifest'].includes(f) && !f.startsWith('icons/'));
  expect(files).toEqual(['', ...expected].sort());
  // Every name but the page's, the manifest's and the worker's carries a hash of its contents.
  for (const file of filesIn(site()).filter((f) => !['sw.js', 'index.html', 'manifest.webmanifest'].includes(f)))
    expect(file).toMatch(/\.[0-9a-f]{12}\.[a-z]+$/);
});

test('the page can be installed: manifest and icons', async ({ baseURL }, testInfo) => {
  // Chromium judges installability only in a profile of its own: a test context is off the
  // record, which it holds against installing before it checks anything else.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'rutschbild-profile-'));
  const context = await chromium.launchPersistentContext(profile, { ...testInfo.project.use.launchOptions, baseURL });
  try {
    const page = await context.newPage();
    await openGame(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    const { url, errors, data } = await cdp.send('Page.getAppManifest');
    expect(url).toBe(new URL('manifest.webmanifest', baseURL).href);
    expect(errors).toEqual([]);
    const manifest = JSON.parse(data);
    expect(manifest).toMatchObject({ name: 'Rutschbild', lang: 'de', display: 'standalone', start_url: '.', scope: '.' });
    expect((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors).toEqual([]);

    // Each icon is a PNG of the size it claims; the maskable one has no transparent corners.
    const icons = manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`);
    expect(icons).toEqual(expect.arrayContaining(['192x192 any', '512x512 any', '512x512 maskable']));
    for (const icon of manifest.icons) {
      const response = await page.request.get(new URL(icon.src, baseURL).href);
      expect(response.headers()['content-type']).toBe('image/png');
      const png = await response.body();
      const [width, height, colourType] = [png.readUInt32BE(16), png.readUInt32BE(20), png[25]];
      expect(`${width}x${height}`).toBe(icon.sizes);
      if (icon.purpose === 'maskable') expect(colourType, 'an opaque PNG').toBe(2);
    }
  } finally {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
});

// The designed window as this browser draws it, kept as build/drawn/web-<browser>.png (or in
// RUTSCHBILD_DRAWN_DIR): exactly #mainWindow's border box at one device pixel per CSS pixel, for
// tools/check-drawn.sh to hold against the layout table.
const fs = require('node:fs');
const path = require('node:path');
const { test, expect, openGame } = require('./support/game');
const { readLayout, px } = require('./support/layout');

const layout = readLayout();
const DIR = process.env.RUTSCHBILD_DRAWN_DIR || path.join(__dirname, '..', '..', 'build', 'drawn');

test('the designed window is kept as a picture of its client area', async ({ page, browserName }) => {
  await openGame(page);
  await page.evaluate(async () => {
    await document.fonts.ready;
  });
  expect(await page.evaluate(() => window.devicePixelRatio)).toBe(1);
  const form = await page.locator('#mainWindow').boundingBox();
  // Whole pixels, so the picture is the window and nothing beside it.
  for (const value of Object.values(form)) expect(Number.isInteger(value)).toBe(true);

  fs.mkdirSync(DIR, { recursive: true });
  const file = path.join(DIR, `web-${browserName}.png`);
  const png = await page.locator('#mainWindow').screenshot({ path: file, animations: 'disabled', caret: 'hide' });
  // A PNG's size stands in its header: width at byte 16, height at byte 20.
  expect([png.readUInt32BE(16), png.readUInt32BE(20)]).toEqual([px(layout.client.width), px(layout.client.height)]);
});

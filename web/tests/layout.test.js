// What a player sees on a screen big enough for the whole window: every control at its
// designed place, the texts and colours of the desktop window, and pictures as sharp as the
// desktop's bitmaps.
const fs = require('node:fs');
const path = require('node:path');
const { test, expect, openGame } = require('./support/game');
const { readLayout, px } = require('./support/layout');

const layout = readLayout();
const RESOURCES = path.join(__dirname, '..', '..', 'resources');

// The box of an element relative to another's, in CSS pixels.
async function boxWithin(page, selector, originSelector) {
  return page.evaluate(
    ([selector, originSelector]) => {
      const box = document.querySelector(selector).getBoundingClientRect();
      const origin = document.querySelector(originSelector).getBoundingClientRect();
      return { left: box.left - origin.left, top: box.top - origin.top, width: box.width, height: box.height };
    },
    [selector, originSelector],
  );
}

function expectAt(box, twips, what) {
  const expected = {
    left: px(twips.left),
    top: px(twips.top),
    width: px(twips.width),
    height: px(twips.height),
  };
  for (const side of Object.keys(expected))
    expect(box[side], `${what}: ${side}`).toBeCloseTo(expected[side], 2);
}

test.describe('designed layout at 1280 x 800', () => {
  test.beforeEach(async ({ page }) => {
    await openGame(page);
  });

  test('the window is 650 x 502 in the middle, every control at its twip place / 15', async ({ page }) => {
    const form = await page.locator('#mainWindow').boundingBox();
    expectAt(
      { left: form.x - (1280 - px(layout.client.width)) / 2, top: form.y - (800 - px(layout.client.height)) / 2, width: form.width, height: form.height },
      { left: 0, top: 0, ...layout.client },
      'mainWindow',
    );

    // Every control at its place; inside a frame, places count from the frame. An option is its
    // circle with its caption.
    for (const { selector, frame, box } of layout.controls)
      expectAt(await boxWithin(page, selector, frame ? `#${frame}` : '#mainWindow'), box, selector);
    expectAt(await boxWithin(page, '#boardOutline', '#mainWindow'), layout.boardOutline, 'boardOutline');
    for (const [i, slot] of layout.slots.entries())
      expectAt(await boxWithin(page, `#tile${i}`, '#mainWindow'), slot, `tile${i}`);

    // The grid lines, one pixel wide, show during a game.
    await page.getByRole('button', { name: 'Start' }).click();
    for (const [i, { x1, y1, x2, y2 }] of layout.gridLines.entries()) {
      const box = await boxWithin(page, `#gridLine${i}`, '#mainWindow');
      expect(box.left, `gridLine${i}`).toBeCloseTo(px(x1), 2);
      expect(box.top, `gridLine${i}`).toBeCloseTo(px(y1), 2);
      expect(box.width, `gridLine${i}`).toBeCloseTo(Math.max(1, px(x2 - x1)), 2);
      expect(box.height, `gridLine${i}`).toBeCloseTo(Math.max(1, px(y2 - y1)), 2);
    }
  });

  test('texts and colours are the desktop window\'s', async ({ page }) => {
    await expect(page).toHaveTitle('Rutschbild');
    const favicon = await page.locator('link[rel="icon"]').first().getAttribute('href');
    expect((await page.request.get(favicon)).headers()['content-type']).toBe('image/png');
    await expect(page.locator('html')).toHaveAttribute('lang', 'de');
    await expect(page.locator('#startModeFrame legend')).toHaveText('Startposition');
    await expect(page.locator('#pictureFrame legend')).toHaveText('Bildauswahl');
    await expect(page.locator('label:has(#fixedStartOption)')).toHaveText('immer gleich');
    await expect(page.locator('label:has(#clockStartOption)')).toHaveText('immer anders');
    await expect(page.locator('#fixedStartOption')).toBeChecked();
    await expect(page.locator('#pictureList option:not([hidden])')).toHaveText(['Kinder', 'Garten']);
    await expect(page.locator('#pictureList')).toHaveValue('Kinder'); // the picture on the board
    await expect(page.locator('#previewButton')).toHaveText('Vorschau');
    await expect(page.locator('#startButton')).toHaveText('Start');
    await expect(page.locator('#quitButton')).toHaveText('Tschüss');
    await expect(page.locator('#startTimeCaption')).toHaveText('Startzeit:');
    await expect(page.locator('#playTimeCaption')).toHaveText('Spielzeit:');
    await expect(page.locator('#movesCaption')).toHaveText('Bewegungen:');
    for (const field of ['#startTimeValue', '#playTimeValue', '#movesValue']) {
      await expect(page.locator(field)).toHaveText('');
      await expect(page.locator(field)).toHaveCSS('background-color', 'rgb(255, 255, 255)');
    }
    // No button is a default button: none submits a form.
    for (const button of await page.locator('button').all())
      await expect(button).toHaveAttribute('type', 'button');

    // The credit line: blue, monospace, on one line.
    const credit = page.locator('#creditLabel');
    await expect(credit).not.toHaveText('');
    await expect(credit).toHaveCSS('color', 'rgb(0, 0, 255)');
    await expect(credit).toHaveCSS('font-family', /monospace/);
    const box = await credit.boundingBox();
    expect(box.height).toBeLessThanOrEqual(px(layout.controls.find((c) => c.name === 'creditLabel').box.height));

    // The outline in white, always; the lines in white during a game.
    await expect(page.locator('#boardOutline')).toBeVisible();
    await expect(page.locator('#boardOutline')).toHaveCSS('border-top-color', 'rgb(255, 255, 255)');
    await expect(page.locator('#boardOutline')).toHaveCSS('border-top-width', '1px');
    await page.getByRole('button', { name: 'Start' }).click();
    await expect(page.locator('#gridLine0')).toHaveCSS('background-color', 'rgb(255, 255, 255)');
    // Texts are whole: inside their buttons and fields, and no caption runs into its field.
    // The widest texts the fields can get.
    await page.locator('#startTimeValue').evaluate((field) => (field.textContent = '23 : 59 : 59'));
    await page.locator('#playTimeValue').evaluate((field) => (field.textContent = '59 : 59'));
    for (const selector of ['#previewButton', '#startButton', '#quitButton', '#startTimeValue', '#playTimeValue', '#creditLabel'])
      expect(await page.locator(selector).evaluate((e) => e.scrollWidth <= e.clientWidth), selector).toBe(true);
    for (const [caption, field] of [['#startTimeCaption', '#startTimeValue'], ['#playTimeCaption', '#playTimeValue'], ['#movesCaption', '#movesValue']]) {
      const end = await page.locator(caption).evaluate((e) => e.getBoundingClientRect().left + e.scrollWidth);
      expect(end, caption).toBeLessThanOrEqual((await page.locator(field).boundingBox()).x);
    }
  });
});

test('a window of exactly 650 x 502 still gets the designed layout, one pixel less the touch layout', async ({ page }) => {
  await page.setViewportSize({ width: px(layout.client.width), height: px(layout.client.height) });
  await openGame(page);
  expect(await page.locator('#mainWindow').boundingBox()).toEqual({ x: 0, y: 0, width: 650, height: 502 });
  await page.setViewportSize({ width: px(layout.client.width) - 1, height: px(layout.client.height) });
  const tile = await page.locator('#tile0').boundingBox();
  expect(tile.width).toBeGreaterThanOrEqual(44);
  expect(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth)).toBe(true);
});

// Mean difference per colour channel (0-255) between each tile's part of a board screenshot and
// its bitmap (any format the browser decodes), leaving out a frame of `inset` pixels all round.
async function tileDifferences(page, board, bitmaps, inset) {
  return page.evaluate(
    async ([board, bitmaps, inset]) => {
      const pixels = async (base64) => {
        const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
        const image = await createImageBitmap(new Blob([bytes]));
        const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
        context.drawImage(image, 0, 0);
        return context.getImageData(0, 0, image.width, image.height);
      };
      const shot = await pixels(board);
      const differences = [];
      for (const [tile, bitmap] of bitmaps.entries()) {
        const piece = await pixels(bitmap);
        if (shot.width !== 4 * piece.width || shot.height !== 3 * piece.height)
          return `board ${shot.width}x${shot.height}, tile ${piece.width}x${piece.height}`;
        const left = (tile % 4) * piece.width;
        const top = Math.floor(tile / 4) * piece.height;
        let sum = 0;
        let count = 0;
        for (let row = inset; row < piece.height - inset; ++row)
          for (let column = inset; column < piece.width - inset; ++column)
            for (let channel = 0; channel < 3; ++channel) {
              const i = (row * piece.width + column) * 4 + channel;
              const j = ((top + row) * shot.width + left + column) * 4 + channel;
              sum += Math.abs(piece.data[i] - shot.data[j]);
              ++count;
            }
        differences.push(sum / count);
      }
      return differences;
    },
    [board.toString('base64'), bitmaps.map((b) => b.toString('base64')), inset],
  );
}

for (const { ratio, folder, extension } of [
  { ratio: 1, folder: 'tiles', extension: 'bmp' },
  { ratio: 2, folder: 'tiles2x', extension: 'png' },
]) {
  test.describe(`pixel ratio ${ratio}`, () => {
    test.use({ deviceScaleFactor: ratio });

    test('every tile of both pictures looks like its bitmap', async ({ page, context }) => {
      test.slow(); // screenshots compared pixel by pixel, at twice the size too
      await openGame(page);
      const compare = await context.newPage(); // a blank page, free of the game's policy
      for (const [set, first] of [['Kinder', 113], ['Garten', 101]]) {
        if (set === 'Garten') await page.locator('#pictureList').selectOption(set);
        const bitmaps = [...Array(12).keys()].map((i) =>
          fs.readFileSync(path.join(RESOURCES, folder, `${first + i}.${extension}`)));
        // The white outline lies over the board's edge; the pixel next to it is left out too.
        // Polled, long enough for a busy machine: a newly chosen drawing may still be loading. The tiles differ from their
        // bitmaps by about 1 in 255; the same picture one pixel out of place, by 3 to 12.
        let differences;
        await expect
          .poll(async () => {
            differences = await tileDifferences(compare, await page.locator('#board').screenshot(), bitmaps, 2 * ratio);
            return Math.max(...differences);
          }, { message: `${set}: mean difference of the worst tile`, timeout: 20_000 })
          .toBeLessThan(2.5);
        test.info().annotations.push({ type: `${set} at ratio ${ratio}`, description: differences.map((d) => d.toFixed(2)).join(' ') });
      }
    });
  });
}

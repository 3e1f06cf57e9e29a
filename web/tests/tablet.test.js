// Tablets, held either way: a finger's pointer gets the touch layout however much room there is,
// every target at least 44 x 44, the board and Start in view at once.
const { test, expect, openGame } = require('./support/game');
const { SCREENS, expectAllAtAGlance } = require('./support/touch-screen');

const TARGETS = [
  'label:has(#fixedStartOption)', 'label:has(#clockStartOption)', '#pictureList',
  '#previewButton', '#startButton', '#quitButton',
  ...[...Array(11).keys()].map((i) => `#tile${i}`),
];

for (const { viewport, floor } of SCREENS.filter((screen) => screen.kind === 'tablet')) {
  test.describe(`tablet ${viewport.width} x ${viewport.height}`, () => {
    test.use({ viewport, hasTouch: true, isMobile: true, deviceScaleFactor: 2 });

    test('the touch layout, targets of 44 x 44 at least, board and Start in view, the board as large as fits', async ({ page }) => {
      await openGame(page);
      expect(await page.evaluate(() => matchMedia('(pointer: coarse)').matches)).toBe(true);
      await expect(page.locator('#mainWindow')).toHaveCSS('display', 'grid');
      expect(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth)).toBe(true);
      await expect(page.locator('#board')).toBeInViewport({ ratio: 1 });
      const board = await expectAllAtAGlance(page, floor);
      test.info().annotations.push({ type: 'board', description: `${Math.round(board.width)} x ${Math.round(board.height)}` });

      // During a game too: the tiles are targets then.
      await page.getByRole('button', { name: 'Start' }).tap();
      for (const selector of TARGETS) {
        const box = await page.locator(selector).boundingBox();
        expect(box.width, selector).toBeGreaterThanOrEqual(44);
        expect(box.height, selector).toBeGreaterThanOrEqual(44);
      }
    });
  });
}

test('a mouse on the same screen gets the designed window', async ({ page }) => {
  await page.setViewportSize({ width: 1024, height: 768 });
  await openGame(page);
  expect(await page.locator('#mainWindow').boundingBox()).toMatchObject({ width: 650, height: 502 });
});

// A phone held upright and sideways: everything in reach of a finger, nothing cut off, and a
// whole game played with taps.
const { test, expect, FIXED, HOME, openGame, tile, boardPositions } = require('./support/game');
const { solve } = require('./support/solver');
const { SCREENS, expectAllAtAGlance } = require('./support/touch-screen');

// Everything a player reads or touches.
const CONTROLS = [
  '#creditLabel', '#board', '#startModeFrame', 'label:has(#fixedStartOption)', 'label:has(#clockStartOption)',
  '#pictureFrame', '#pictureList', '#previewButton', '#startButton', '#quitButton',
  '#startTimeCaption', '#startTimeValue', '#playTimeCaption', '#playTimeValue', '#movesCaption', '#movesValue',
];
const TARGETS = [
  'label:has(#fixedStartOption)', 'label:has(#clockStartOption)', '#pictureList',
  '#previewButton', '#startButton', '#quitButton',
  ...[...Array(12).keys()].map((i) => `#tile${i}`),
];

for (const { viewport, floor } of SCREENS.filter((screen) => screen.kind === 'phone')) {
  test.describe(`touch screen ${viewport.width} x ${viewport.height}`, () => {
    test.use({ viewport, hasTouch: true, isMobile: true, deviceScaleFactor: 3 });

    test('everything is in reach: no sideways scrolling, targets of 44 x 44 at least', async ({ page }) => {
      await openGame(page);
      const seen = await expectAllAtAGlance(page, floor);
      test.info().annotations.push({ type: 'board', description: `${Math.round(seen.width)} x ${Math.round(seen.height)}` });
      const sizes = await page.evaluate(() => ({
        scrollWidth: document.documentElement.scrollWidth,
        scrollHeight: document.documentElement.scrollHeight,
        width: innerWidth,
      }));
      expect(sizes.scrollWidth).toBeLessThanOrEqual(sizes.width);

      for (const selector of CONTROLS) {
        const box = await page.evaluate((s) => {
          const r = document.querySelector(s).getBoundingClientRect();
          return { left: r.left + scrollX, top: r.top + scrollY, right: r.right + scrollX, bottom: r.bottom + scrollY };
        }, selector);
        await expect(page.locator(selector), selector).toBeVisible();
        expect(box.left, selector).toBeGreaterThanOrEqual(0);
        expect(box.right, selector).toBeLessThanOrEqual(sizes.width);
        expect(box.top, selector).toBeGreaterThanOrEqual(0);
        expect(box.bottom, selector).toBeLessThanOrEqual(sizes.scrollHeight);
      }
      // Texts are whole: not clipped by their box, not running off the screen.
      for (const selector of ['#previewButton', '#startButton', '#quitButton', '#startTimeCaption', '#playTimeCaption', '#movesCaption', 'label:has(#clockStartOption)']) {
        const text = await page.locator(selector).evaluate((e) => ({
          clipped: e.scrollWidth > e.clientWidth && getComputedStyle(e).overflowX !== 'visible',
          end: e.getBoundingClientRect().left + e.scrollWidth,
        }));
        expect(text.clipped, selector).toBe(false);
        expect(text.end, selector).toBeLessThanOrEqual(sizes.width);
      }

      for (const selector of TARGETS) {
        const box = await page.locator(selector).boundingBox();
        expect(box.width, selector).toBeGreaterThanOrEqual(44);
        expect(box.height, selector).toBeGreaterThanOrEqual(44);
      }

      // The whole picture is in view at once and as large as fits: it takes the screen's height,
      // or its width less what the controls beside it need (a margin of 20 px allowed).
      await expect(page.locator('#board')).toBeInViewport({ ratio: 1 });
      const board = await page.locator('#board').boundingBox();
      const right = await page.evaluate((s) => Math.max(...s.map((c) => document.querySelector(c).getBoundingClientRect().right)), CONTROLS);
      expect(board.height >= viewport.height - 20 || right >= viewport.width - 20).toBe(true);
    });

    test('a whole game played with taps', async ({ page }) => {
      await openGame(page);
      await page.getByRole('button', { name: 'Start' }).tap();
      expect(await boardPositions(page)).toEqual(FIXED);
      // A tap on a tile far from the hole does nothing.
      await tile(page, 1).tap();
      await expect(page.locator('#movesValue')).toHaveText('');

      const solution = solve(FIXED);
      for (const clicked of solution) await tile(page, clicked).tap();
      await expect(page.locator('#movesValue')).toHaveText(String(solution.length));
      expect(await boardPositions(page)).toEqual(HOME);
      await expect(tile(page, 11)).toBeVisible();
      await expect(page.locator('#pictureList')).toBeEnabled();
      // No tile took the focus; tapping never zoomed the page.
      expect(await page.evaluate(() => document.activeElement.id)).not.toMatch(/^tile/);
      expect(await page.evaluate(() => visualViewport.scale)).toBe(1);
    });
  });
}

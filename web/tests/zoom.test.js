// Browser zoom on a desktop window, as Chromium applies it: a CSS viewport of W/Z x H/Z at a device
// pixel ratio of Z. The board stays the largest that fits, never shrinks on the screen as the
// zoom grows, and the page never scrolls sideways.
const { test, expect, openGame } = require('./support/game');

const ZOOMS = [1, 1.5, 2, 3, 4];
const WINDOWS = [{ width: 1280, height: 800 }, { width: 1366, height: 768 }, { width: 1920, height: 1080 }];
const BOARD_ASPECT = 7620 / 5085; // the board's twips, game/layout.h

// Everything a player reads or touches.
const CONTROLS = [
  '#board', '#startTimeCaption', '#startTimeValue', '#playTimeCaption', '#playTimeValue', '#movesCaption',
  '#movesValue', '#startModeFrame', '#pictureFrame', '#pictureList', '#previewButton', '#startButton',
  '#quitButton', '#creditLabel',
];

async function zoomTo(page, cdp, window, zoom) {
  await cdp.send('Emulation.setDeviceMetricsOverride', {
    width: Math.round(window.width / zoom), height: Math.round(window.height / zoom), deviceScaleFactor: zoom, mobile: false,
  });
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
}

for (const window of WINDOWS) {
  test(`zoom 100-400 % on a ${window.width} x ${window.height} window`, async ({ page }) => {
    await openGame(page);
    const cdp = await page.context().newCDPSession(page);
    let before = 0;
    const figures = [];
    for (const zoom of ZOOMS) {
      await zoomTo(page, cdp, window, zoom);
      const seen = await page.evaluate((controls) => ({
        width: innerWidth,
        scrollWidth: document.documentElement.scrollWidth,
        board: document.getElementById('board').getBoundingClientRect().toJSON(),
        rights: controls.map((c) => document.querySelector(c).getBoundingClientRect().right),
      }), CONTROLS);
      const at = `${zoom * 100} %`;
      expect(seen.scrollWidth, `${at}: no sideways scrolling`).toBeLessThanOrEqual(seen.width);
      for (const [i, right] of seen.rights.entries())
        expect(right, `${at}: ${CONTROLS[i]} within the width`).toBeLessThanOrEqual(seen.width + 0.5);
      // The whole board in view, not cut at either side.
      expect(seen.board.left, at).toBeGreaterThanOrEqual(0);
      expect(seen.board.top, at).toBeGreaterThanOrEqual(0);
      expect(seen.board.bottom, at).toBeLessThanOrEqual(window.height / zoom + 0.5);
      const device = seen.board.width * zoom;
      // Less one CSS pixel: the emulated viewport is W/Z x H/Z rounded to whole pixels.
      expect(device, `${at}: the board never shrinks on the screen`).toBeGreaterThanOrEqual(before - zoom);
      before = device;
      figures.push(`${at}: ${Math.round(device)} x ${Math.round(seen.board.height * zoom)}`);
    }
    // At 400 % the board still takes nearly the whole height of the window (or its width).
    expect(before).toBeGreaterThanOrEqual(0.9 * Math.min(window.width, (window.height - 16) * BOARD_ASPECT));
    test.info().annotations.push({ type: 'board in device pixels', description: figures.join(', ') });

    // The controls below the board still answer: a game starts at 400 %.
    await page.locator('#startButton').click();
    await expect(page.locator('#startTimeValue')).not.toHaveText('');
    for (const target of ['#previewButton', '#startButton', '#quitButton', '#pictureList', 'label[for=fixedStartOption]']) {
      const box = await page.locator(target).boundingBox();
      expect(box.width, target).toBeGreaterThanOrEqual(44);
      expect(box.height, target).toBeGreaterThanOrEqual(44);
    }
  });
}

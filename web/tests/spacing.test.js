// WCAG 1.4.12 text spacing, set the way a reader's own style sheet sets it, in every layout:
// nothing is clipped, nothing runs into its neighbour or out of its frame or the screen.
const { test, expect, openGame } = require('./support/game');

const SPACING = `* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; }
p { margin-bottom: 2em !important; }`;

// Everything that shows a text, and the board: no two of them may overlap.
const BOXES = [
  '#board', '#creditLabel', '#startTimeCaption', '#startTimeValue', '#playTimeCaption', '#playTimeValue',
  '#movesCaption', '#movesValue', '#startModeFrame > legend', 'label[for=fixedStartOption]',
  'label[for=clockStartOption]', '#pictureFrame > legend', '#pictureList', '#previewButton', '#startButton',
  '#quitButton',
];

const LAYOUTS = [
  { name: 'designed window', use: {} },
  { name: 'touch upright', use: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true } },
  { name: 'touch wide', use: { viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true } },
  { name: 'tablet sideways', use: { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true } },
  { name: 'zoom 400 %', use: { viewport: { width: 320, height: 200 }, deviceScaleFactor: 4 } },
];

// Every problem found, as text, so that one look shows them all.
async function layoutProblems(page) {
  return page.evaluate((selectors) => {
    const problems = [];
    const rect = (s) => document.querySelector(s).getBoundingClientRect();
    const boxes = selectors.map((s) => [s, rect(s)]);
    const screen = rect('#mainWindow');
    const right = Math.min(screen.right, document.documentElement.clientWidth);
    for (const [s, r] of boxes) {
      const e = document.querySelector(s);
      if (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
        problems.push(`${s}: text clipped (${e.scrollWidth} x ${e.scrollHeight} in ${e.clientWidth} x ${e.clientHeight})`);
      if (r.left < screen.left - 0.5 || r.right > right + 0.5) problems.push(`${s}: out of the window`);
      const frame = e.closest('fieldset');
      if (frame) {
        const f = frame.getBoundingClientRect();
        if (r.left < f.left || r.right > f.right + 0.5 || r.top < f.top || r.bottom > f.bottom + 0.5)
          problems.push(`${s}: out of its frame`);
      }
    }
    for (const [i, [a, p]] of boxes.entries())
      for (const [b, q] of boxes.slice(i + 1)) {
        const across = Math.min(p.right, q.right) - Math.max(p.left, q.left);
        const down = Math.min(p.bottom, q.bottom) - Math.max(p.top, q.top);
        if (across > 0.5 && down > 0.5) problems.push(`${a} overlaps ${b}`);
      }
    return problems;
  }, BOXES);
}

for (const layout of LAYOUTS) {
  test.describe(layout.name, () => {
    // A reader's own style sheet is not the page's: the page's policy does not hold it back.
    test.use({ ...layout.use, bypassCSP: true });

    test('texts whole and apart, at normal and at WCAG text spacing', async ({ page }) => {
      await openGame(page);
      await page.locator('#startButton').click();
      // The widest texts the fields can get.
      await page.locator('#startTimeValue').evaluate((field) => (field.textContent = '23 : 59 : 59'));
      await page.locator('#playTimeValue').evaluate((field) => (field.textContent = '59 : 59'));
      await page.locator('#movesValue').evaluate((field) => (field.textContent = '9999'));
      expect(await layoutProblems(page), 'normal spacing').toEqual([]);
      await page.addStyleTag({ content: SPACING });
      expect(await layoutProblems(page), 'WCAG text spacing').toEqual([]);
      expect(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth)).toBe(true);
    });
  });
}

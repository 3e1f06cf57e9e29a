// Forced colours (Windows' contrast themes): the start options stay visible and show which one is
// chosen, in both layouts.
const { test, expect, openGame } = require('./support/game');

// The share of an option's pixels that differ from its corner pixel: 0 for a blank square.
async function inked(page, png) {
  return page.evaluate(async (base64) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const image = await createImageBitmap(new Blob([bytes]));
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const { data } = context.getImageData(0, 0, image.width, image.height);
    let differing = 0;
    for (let i = 0; i < data.length; i += 4)
      if (Math.abs(data[i] - data[0]) + Math.abs(data[i + 1] - data[1]) + Math.abs(data[i + 2] - data[2]) > 96) ++differing;
    return differing / (data.length / 4);
  }, png.toString('base64'));
}

for (const layout of [
  { name: 'designed window', use: {} },
  { name: 'touch layout', use: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true } },
]) {
  test.describe(layout.name, () => {
    test.use(layout.use);

    test('in forced colours each option shows whether it is chosen', async ({ page }) => {
      await page.emulateMedia({ forcedColors: 'active' });
      await openGame(page);
      const fixed = page.locator('#fixedStartOption');
      const chosen = await fixed.screenshot();
      expect(await inked(page, chosen), 'the chosen option is drawn').toBeGreaterThan(0.05);
      await page.locator('label[for=clockStartOption]').click();
      await expect(page.locator('#clockStartOption')).toBeChecked();
      const free = await fixed.screenshot();
      expect(await inked(page, free), 'the option not chosen is drawn').toBeGreaterThan(0.05);
      expect(Buffer.compare(chosen, free), 'chosen and not chosen look different').not.toBe(0);
      // The buttons keep their frames.
      await expect(page.locator('#startButton')).not.toHaveCSS('border-top-style', 'none');
    });
  });
}

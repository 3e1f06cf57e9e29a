// Playing with the keyboard as on the desktop: the tab order, Space and Enter on the buttons,
// arrow keys in the options and the list. Tiles take no focus.
const { test, expect, FIXED, HOME, openGame, tile, boardPositions } = require('./support/game');

const focused = (page) => page.evaluate(() => document.activeElement?.id || document.activeElement?.tagName);

async function tabStops(page, key, count) {
  const stops = [];
  for (let i = 0; i < count; ++i) {
    await page.keyboard.press(key);
    stops.push(await focused(page));
  }
  return stops;
}

test.beforeEach(async ({ page }) => {
  await openGame(page);
});

test('Tab goes through the chosen option, Vorschau, Start, the list and Tschüss', async ({ page }) => {
  const order = ['fixedStartOption', 'previewButton', 'startButton', 'pictureList', 'quitButton'];
  expect(await tabStops(page, 'Tab', 5)).toEqual(order);
  expect(await tabStops(page, 'Shift+Tab', 4)).toEqual(order.slice(0, 4).reverse());

  // The option group is one stop: the chosen option.
  await page.locator('#clockStartOption').check();
  await page.locator('#quitButton').focus();
  expect(await tabStops(page, 'Shift+Tab', 4)).toEqual(['pictureList', 'startButton', 'previewButton', 'clockStartOption']);

  // During a game the list is disabled and drops out; tiles never take the focus.
  await page.locator('#startButton').click();
  await page.locator('#clockStartOption').focus();
  expect(await tabStops(page, 'Tab', 3)).toEqual(['previewButton', 'startButton', 'quitButton']);
  await tile(page, 9).click();
  expect(await focused(page)).not.toMatch(/^tile/);
});

test('Enter and Space press the focused button', async ({ page }) => {
  await page.locator('#startButton').focus();
  await page.keyboard.press('Enter');
  expect(await boardPositions(page)).toEqual(FIXED);
  await expect(tile(page, 11)).toBeHidden();

  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Space');
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(tile(page, 11)).toBeVisible();

  await page.keyboard.press('Tab');
  await page.keyboard.press('Space');
  expect(await boardPositions(page)).toEqual(FIXED);
});

test('arrow keys choose the start mode', async ({ page }) => {
  await page.clock.setFixedTime('2024-05-06T10:12:34+02:00');
  await page.keyboard.press('Tab');
  await page.keyboard.press('ArrowDown');
  await expect(page.locator('#clockStartOption')).toBeChecked();
  expect(await focused(page)).toBe('clockStartOption');
  await page.locator('#startButton').press('Enter');
  expect(await boardPositions(page)).toEqual([2, 8, 1, 6, 4, 10, 5, 9, 3, 11, 0, 7]);

  await page.locator('#clockStartOption').press('ArrowUp');
  await expect(page.locator('#fixedStartOption')).toBeChecked();
  await page.locator('#startButton').press('Enter');
  expect(await boardPositions(page)).toEqual(FIXED);
});

test('arrow keys in the list change the picture between games', async ({ page }) => {
  const board = page.locator('#board');
  const kinder = await board.screenshot();
  const list = page.locator('#pictureList');
  await list.focus();
  await page.keyboard.press('ArrowDown');
  await expect(list).toHaveValue(/Kinder/);
  expect((await board.screenshot()).equals(kinder)).toBe(true);
  await page.keyboard.press('ArrowDown');
  await expect(list).toHaveValue(/Garten/);
  await expect.poll(async () => (await board.screenshot()).equals(kinder)).toBe(false);
  await page.keyboard.press('ArrowUp');
  await expect(list).toHaveValue(/Kinder/);
  await expect.poll(async () => (await board.screenshot()).equals(kinder)).toBe(true);
});

// Playing with the keyboard: the board first in the tab order, one stop, a grid walked with the
// arrow keys and played with Space and Enter; then the desktop's tab order, Space and Enter on the
// buttons, arrow keys in the options and the list. Tiles themselves take no focus.
const { test, expect, FIXED, HOME, openGame, tile, boardPositions } = require('./support/game');
const { solve } = require('./support/solver');

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

test('Tab goes through the board, the chosen option, Vorschau, Start, the list and Tschüss', async ({ page }) => {
  const order = ['cell0', 'fixedStartOption', 'previewButton', 'startButton', 'pictureList', 'quitButton'];
  expect(await tabStops(page, 'Tab', 6)).toEqual(order);
  expect(await tabStops(page, 'Shift+Tab', 5)).toEqual(order.slice(0, 5).reverse());

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
  await tabStops(page, 'Tab', 2); // past the board
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
  // The list shows the picture on the board, so the first arrow down chooses the other one.
  await expect(list).toHaveValue('Kinder');
  await page.keyboard.press('ArrowDown');
  await expect(list).toHaveValue(/Garten/);
  await expect.poll(async () => (await board.screenshot()).equals(kinder)).toBe(false);
  await page.keyboard.press('ArrowUp');
  await expect(list).toHaveValue(/Kinder/);
  await expect.poll(async () => (await board.screenshot()).equals(kinder)).toBe(true);
});

// The slot of the focused cell of the board's grid, or null when the focus is elsewhere.
const focusedCell = (page) => page.evaluate(() => {
  const id = document.activeElement?.id ?? '';
  return id.startsWith('cell') ? Number(id.slice(4)) : null;
});

// Arrow keys from one cell to another, along the row first.
async function walk(page, from, to) {
  const steps = [];
  for (let c = from % 4; c !== to % 4; c += Math.sign((to % 4) - c)) steps.push(to % 4 > c ? 'ArrowRight' : 'ArrowLeft');
  for (let r = Math.floor(from / 4); r !== Math.floor(to / 4); r += Math.sign(Math.floor(to / 4) - r)) steps.push(Math.floor(to / 4) > r ? 'ArrowDown' : 'ArrowUp');
  for (const key of steps) await page.keyboard.press(key);
}

test('arrow keys walk the board cell by cell and stop at its edges', async ({ page }) => {
  await page.keyboard.press('Tab');
  expect(await focusedCell(page)).toBe(0);
  for (const [key, slot] of [['ArrowLeft', 0], ['ArrowUp', 0], ['ArrowRight', 1], ['ArrowRight', 2], ['ArrowRight', 3],
    ['ArrowRight', 3], ['ArrowDown', 7], ['ArrowDown', 11], ['ArrowDown', 11], ['ArrowLeft', 10], ['ArrowUp', 6]]) {
    await page.keyboard.press(key);
    expect(await focusedCell(page), key).toBe(slot);
  }
  // Arrows neither scroll the page nor leave the board; the board stays one stop, at the cell
  // last focused.
  expect(await page.evaluate(() => [scrollX, scrollY])).toEqual([0, 0]);
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('fixedStartOption');
  await page.keyboard.press('Shift+Tab');
  expect(await focusedCell(page)).toBe(6);
  expect(await page.locator('[role=gridcell][tabindex="0"]').count()).toBe(1);
});

test('a whole game won from the keyboard alone, the focus ring on the focused cell', async ({ page }) => {
  // Tab to Start, Enter, and back to the board.
  await tabStops(page, 'Tab', 4);
  expect(await focused(page)).toBe('startButton');
  await page.keyboard.press('Enter');
  expect(await boardPositions(page)).toEqual(FIXED);
  await tabStops(page, 'Shift+Tab', 3);
  expect(await focusedCell(page)).toBe(0);
  const cell = page.locator('#cell0');
  await expect(cell).toHaveCSS('outline-style', 'solid');
  await expect(cell).toHaveCSS('outline-width', '3px');

  // Space on a tile that cannot move: nothing moves.
  await page.keyboard.press('Space');
  expect(await boardPositions(page)).toEqual(FIXED);
  await expect(page.locator('#movesValue')).toHaveText('');

  // Each move: walk to the tile beside the gap, press it; the focus stays on the cell it left,
  // the new gap.
  const position = [...FIXED];
  let at = 0;
  for (const [n, clicked] of solve(FIXED).entries()) {
    await walk(page, at, position[clicked]);
    at = position[clicked];
    expect(await focusedCell(page)).toBe(at);
    await page.keyboard.press(n % 2 ? 'Enter' : 'Space');
    [position[clicked], position[11]] = [position[11], position[clicked]];
    await expect(page.locator('#movesValue')).toHaveText(String(n + 1));
  }
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(tile(page, 11)).toBeVisible();
  await expect(page.locator('#announce')).toHaveText('Das Bild ist vollständig.');
  expect(await page.evaluate(() => [scrollX, scrollY])).toEqual([0, 0]);
});

test('a click leaves the focus where the keyboard put it, and Space acts there', async ({ page }) => {
  await page.getByRole('button', { name: 'Start' }).click();
  await page.locator('#cell0').focus();
  await page.keyboard.press('ArrowRight');
  await walk(page, 1, 10); // tile 9, beside the gap in the fixed start
  await tile(page, 6).click(); // slot 7, above the gap
  expect(await focusedCell(page)).toBe(10);
  expect(await page.evaluate(() => document.querySelector('.tile:focus, .tile:focus-visible'))).toBeNull();
  // Tile 9 is no longer beside the gap (slot 7 now): Space leaves it where it is.
  await page.keyboard.press('Space');
  expect(await boardPositions(page)).toEqual([5, 0, 3, 4, 2, 8, 11, 6, 9, 10, 1, 7]);
  await expect(page.locator('#announce')).toHaveText('Bildteil 10 liegt nicht neben der Lücke.');
});

test('the focus ring shows in forced colours too', async ({ page }) => {
  await page.emulateMedia({ forcedColors: 'active' });
  await page.keyboard.press('Tab');
  const ring = await page.locator('#cell0').evaluate((cell) => {
    const style = getComputedStyle(cell);
    return [style.outlineStyle, style.outlineWidth, style.outlineColor];
  });
  const highlight = await page.evaluate(() => {
    const probe = document.body.appendChild(document.createElement('div'));
    probe.style.color = 'Highlight';
    const color = getComputedStyle(probe).color;
    probe.remove();
    return color;
  });
  expect(ring).toEqual(['solid', '4px', highlight]);
});

// A screen reader's browse mode may put the focus on a tile's button rather than on a cell.
test('keys work on a tile button that has the focus, its cell the current one', async ({ page }) => {
  await page.getByRole('button', { name: 'Start' }).click();
  // Tile 7 stands in slot 7: the arrows go from there, and Tab comes back to that cell.
  await tile(page, 6).focus();
  await expect(page.locator('[role=gridcell][tabindex="0"]')).toHaveId('cell7');
  await page.keyboard.press('ArrowLeft');
  expect(await focusedCell(page)).toBe(6);

  // Space and Enter press the focused tile once, whatever the browser makes of them on a button.
  await tile(page, 9).focus(); // slot 10, beside the gap
  await page.keyboard.press('Enter');
  await expect(page.locator('#movesValue')).toHaveText('1');
  expect(await boardPositions(page)).toEqual([5, 0, 3, 4, 2, 8, 7, 6, 9, 11, 1, 10]);
  expect(await focused(page)).toBe('tile9');
  // The focus went along with the tile: the arrows now start from slot 11.
  await page.keyboard.press('ArrowUp');
  expect(await focusedCell(page)).toBe(7);
  await tile(page, 9).focus();
  await page.keyboard.press('Space');
  await expect(page.locator('#movesValue')).toHaveText('2');
  expect(await boardPositions(page)).toEqual(FIXED);
  // Nothing scrolled, and the keys never left the board.
  expect(await page.evaluate(() => [scrollX, scrollY])).toEqual([0, 0]);
  expect(await focused(page)).toBe('tile9');
});

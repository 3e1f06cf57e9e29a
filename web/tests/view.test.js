// The page draws what the game shows: which tile each cell of the grid owns, where each tile
// stands and what it reads, the picture on every tile, and the window's colours and credit face
// as the control table has them.
const { test, expect, FIXED, HOME, openGame, tile, boardPositions } = require('./support/game');
const { readLayout } = require('./support/layout');

const layout = readLayout();
const rgb = ([red, green, blue]) => `rgb(${red}, ${green}, ${blue})`;

// By slot: what the grid's cell there owns and says, and the tile the screen shows in that slot
// with the place its description names.
async function cellsAndScreen(page) {
  return page.evaluate(() => {
    const board = document.getElementById('board').getBoundingClientRect();
    const onScreen = [];
    for (let i = 0; i < 12; ++i) {
      const element = document.getElementById(`tile${i}`);
      const box = element.getBoundingClientRect();
      if (box.width === 0) continue;
      const slot = Math.round((box.top - board.top) / box.height) * 4 + Math.round((box.left - board.left) / box.width);
      onScreen[slot] = { tile: `tile${i}`, description: element.getAttribute('aria-description') };
    }
    return [...Array(12).keys()].map((slot) => {
      const cell = document.getElementById(`cell${slot}`);
      return { slot, owns: cell.getAttribute('aria-owns'), label: cell.getAttribute('aria-label'), screen: onScreen[slot] ?? null };
    });
  });
}

// Every cell owns the tile the screen shows in its slot, described by that slot's row and column;
// the slot without a tile is the gap, owning nothing.
async function expectCellsMatchScreen(page, when) {
  const cells = await cellsAndScreen(page);
  for (const { slot, owns, label, screen } of cells) {
    const where = `${when}: cell ${slot}`;
    if (screen === null) {
      expect(owns, where).toBeNull();
      expect(label, where).toBe('Lücke');
      continue;
    }
    expect(owns, where).toBe(screen.tile);
    expect(label, where).toBeNull();
    expect(screen.description, where).toBe(`Reihe ${Math.floor(slot / 4) + 1}, Spalte ${(slot % 4) + 1}`);
  }
  const owned = cells.map((cell) => cell.owns).filter(Boolean);
  expect(new Set(owned).size, `${when}: no tile owned twice`).toBe(owned.length);
  return cells;
}

test('the cells own what the screen shows through moves, a blocked press, a second Start and Vorschau', async ({ page }) => {
  await openGame(page);
  await expectCellsMatchScreen(page, 'opened');
  expect(await boardPositions(page)).toEqual(HOME);

  await page.getByRole('button', { name: 'Start' }).click();
  let cells = await expectCellsMatchScreen(page, 'started');
  expect(cells.filter((cell) => cell.screen === null).map((cell) => cell.slot)).toEqual([FIXED[11]]);
  await expect(tile(page, 11)).toBeHidden();

  // The tile left of the hole moves into it; the one in the far corner cannot.
  const left = FIXED.indexOf(FIXED[11] - 1);
  await tile(page, left).click();
  cells = await expectCellsMatchScreen(page, 'one move');
  expect(cells.find((cell) => cell.slot === FIXED[11]).owns).toBe(`tile${left}`);
  const far = FIXED.indexOf(0);
  await tile(page, far).click();
  await expectCellsMatchScreen(page, 'blocked press');
  await expect(page.locator('#movesValue')).toHaveText('1');

  // Start again while a game runs: every tile back at the start, each cell updated.
  await page.getByRole('button', { name: 'Start' }).click();
  await expectCellsMatchScreen(page, 'second start');
  expect(await boardPositions(page)).toEqual(FIXED);

  await page.getByRole('button', { name: 'Vorschau' }).click();
  cells = await expectCellsMatchScreen(page, 'preview');
  expect(cells.every((cell) => cell.owns === `tile${cell.slot}`)).toBe(true);
  await expect(tile(page, 11)).toBeVisible();
});

test('the set chosen by its place in the list shows on every tile, each at its own piece', async ({ page }) => {
  await openGame(page);
  const pictures = () =>
    page.evaluate(() =>
      [...document.querySelectorAll('.tile')].map((element) => {
        const style = getComputedStyle(element);
        return {
          set: element.dataset.picture,
          image: style.backgroundImage.replace(/^.*\/art\//, '').replace(/["')]+$/, ''),
          piece: [style.getPropertyValue('--piece-x').trim(), style.getPropertyValue('--piece-y').trim()],
        };
      }),
    );
  const pieces = HOME.map((i) => [`${i % 4}`, `${Math.floor(i / 4)}`]);
  for (const [index, image] of [[1, /^garten\.[0-9a-f]+\.svg$|^garten\.svg$/], [0, /^kinder\.[0-9a-f]+\.svg$|^kinder\.svg$/]]) {
    await page.locator('#pictureList').selectOption({ index });
    await expect.poll(async () => (await pictures()).map((p) => p.set)).toEqual(Array(12).fill(`${index}`));
    for (const [i, shown] of (await pictures()).entries()) {
      expect(shown.image, `tile${i}`).toMatch(image);
      expect(shown.piece, `tile${i}`).toEqual(pieces[i]);
    }
  }
});

// The table's colours and face, wherever the layout puts the controls.
async function expectTableStyling(page) {
  const credit = page.locator('#creditLabel');
  await expect(credit).toHaveCSS('color', rgb(layout.creditColour));
  expect(await credit.evaluate((e) => getComputedStyle(e).fontFamily)).toMatch(new RegExp(`^"?${layout.creditFont.family}"?,`));
  for (const field of ['#startTimeValue', '#playTimeValue', '#movesValue'])
    await expect(page.locator(field)).toHaveCSS('background-color', rgb(layout.valueBackground));
  await expect(page.locator('#boardOutline')).toHaveCSS('border-top-color', rgb(layout.boardLineColour));
  await page.getByRole('button', { name: 'Start' }).click();
  for (let i = 0; i < layout.gridLines.length; ++i)
    await expect(page.locator(`#gridLine${i}`)).toHaveCSS('background-color', rgb(layout.boardLineColour));
  await expect(page.locator(`#${layout.initiallyChosenOption}`)).toBeChecked();
}

test('the designed window takes its colours, the credit face and its size from the table', async ({ page }) => {
  await openGame(page);
  // Points at 96 pixels to the inch.
  await expect(page.locator('#creditLabel')).toHaveCSS('font-size', `${(layout.creditFont.points * 96) / 72}px`);
  await expectTableStyling(page);
});

test.describe('touch layout', () => {
  test.use({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true });
  test('the touch layout takes the same colours and credit face from the table', async ({ page }) => {
    await openGame(page);
    await expect(page.locator('#mainWindow')).toHaveCSS('display', 'grid');
    await expectTableStyling(page);
  });
});

test('a reload opens with the start mode the game begins with, whatever was chosen before', async ({ page }) => {
  await openGame(page);
  await page.locator('label:has(#clockStartOption)').click();
  await expect(page.locator('#clockStartOption')).toBeChecked();
  await page.reload();
  await expect(page.locator('#pictureList option', { hasText: 'Garten' })).toHaveCount(1);
  await expect(page.locator(`#${layout.initiallyChosenOption}`)).toBeChecked();
  await page.getByRole('button', { name: 'Start' }).click();
  expect(await boardPositions(page)).toEqual(FIXED);
});

// Playing with a screen reader: what Chromium's accessibility tree tells about the board, the
// tiles, the value fields, the list and the options, and a game won by pressing tiles found in
// that tree in board order, with what the page announces.
const { test, expect, FIXED, HOME, openGame, tile, boardPositions } = require('./support/game');
const { solve } = require('./support/solver');

// Chromium's own accessibility tree, through the DevTools protocol: what a screen reader gets.
async function accessibilityTree(page) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Accessibility.enable');
  const { root } = await cdp.send('DOM.getDocument', { depth: 0 });
  const property = (node, name) => node.properties?.find((p) => p.name === name)?.value.value;
  const summary = (node) => ({
    role: node.role?.value,
    name: node.name?.value,
    value: node.value?.value,
    description: node.description?.value,
    disabled: property(node, 'disabled') ?? false,
    live: property(node, 'live'),
    backendDOMNodeId: node.backendDOMNodeId,
  });
  return {
    // The nodes of a role and name anywhere on the page.
    async find(role, accessibleName) {
      const { nodes } = await cdp.send('Accessibility.queryAXTree', { backendNodeId: root.backendNodeId, role, accessibleName });
      return nodes.filter((n) => !n.ignored).map(summary);
    },
    async of(selector) {
      const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: (await cdp.send('DOM.getDocument', { depth: 0 })).root.nodeId, selector });
      const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
      return summary(nodes[0]);
    },
    // The board's grid in reading order: three rows of four cells, each cell's name and the tile
    // button it holds (none in the gap).
    async board() {
      const { nodes } = await cdp.send('Accessibility.getFullAXTree');
      const byId = new Map(nodes.map((n) => [n.nodeId, n]));
      const kids = (node) => (node.childIds ?? []).map((id) => byId.get(id)).filter(Boolean)
        .flatMap((n) => (n.ignored ? kids(n) : [n]));
      const grids = nodes.filter((n) => !n.ignored && n.role?.value === 'grid');
      expect(grids.map((n) => n.name?.value)).toEqual(['Bild']);
      const rows = kids(grids[0]);
      expect(rows.map((n) => n.role?.value)).toEqual(['row', 'row', 'row']);
      return rows.flatMap((row) => {
        const cells = kids(row);
        expect(cells.map((n) => n.role?.value)).toEqual(Array(4).fill('gridcell'));
        return cells.map((cell) => ({ name: cell.name?.value, tile: kids(cell).filter((n) => n.role?.value === 'button').map(summary)[0] }));
      });
    },
    // A screen reader's press: the node's default action, which for a button is a click on its
    // element, made without the mouse or the focus.
    async press(node) {
      const { object } = await cdp.send('DOM.resolveNode', { backendNodeId: node.backendDOMNodeId });
      await cdp.send('Runtime.callFunctionOn', { objectId: object.objectId, functionDeclaration: 'function () { this.click(); }' });
    },
  };
}

const where = (slot) => `Reihe ${Math.floor(slot / 4) + 1}, Spalte ${(slot % 4) + 1}`;
const tileName = (tile) => `Bildteil ${tile + 1}`;
// The board's names in slot order during a game, the gap as "Lücke", from where each tile stands.
const namesOf = (position) => [...Array(12).keys()].map((slot) => {
  const tile = position.indexOf(slot);
  return tile === 11 ? 'Lücke' : tileName(tile);
});
// The whole picture, tile 12 in its place.
const WHOLE = HOME.map(tileName);

test.beforeEach(async ({ page }) => {
  await openGame(page);
});

test('tiles are buttons named by number, described by where they stand, out of the tab order', async ({ page }) => {
  const tree = await accessibilityTree(page);
  for (let i = 0; i < 12; ++i) {
    const [node] = await tree.find('button', `Bildteil ${i + 1}`);
    expect(node.description, `Bildteil ${i + 1}`).toBe(where(i));
    await expect(page.getByRole('button', { name: `Bildteil ${i + 1}`, exact: true })).toHaveAttribute('tabindex', '-1');
  }
  // Each tile in the grid's cell of its slot; the grid alone takes the focus, one cell at a time.
  const board = await tree.board();
  expect(board.map((cell) => cell.tile.name)).toEqual(WHOLE);
  expect(board.map((cell) => cell.name)).toEqual(WHOLE);
  await expect(page.locator('[role=gridcell][tabindex="0"]')).toHaveCount(1);

  await page.getByRole('button', { name: 'Start' }).click();
  for (let i = 0; i < 11; ++i)
    await expect(page.getByRole('button', { name: `Bildteil ${i + 1}`, exact: true })).toHaveAccessibleDescription(where(FIXED[i]));
  // The hole's tile is gone from the tree while it is hidden.
  expect(await tree.find('button', 'Bildteil 12')).toEqual([]);

  // After a move the moved tile tells its new place.
  await page.getByRole('button', { name: 'Bildteil 10', exact: true }).click();
  const [moved] = await tree.find('button', 'Bildteil 10');
  expect(moved.description).toBe(where(11));
});

test('tiles are unavailable while no game runs: before Start, after Vorschau', async ({ page }) => {
  const tree = await accessibilityTree(page);
  const disabled = async () => [...new Set((await tree.board()).map((cell) => cell.tile?.disabled).filter((d) => d !== undefined))];
  expect(await disabled()).toEqual([true]);
  await page.getByRole('button', { name: 'Start' }).click();
  expect(await disabled()).toEqual([false]);
  await page.getByRole('button', { name: 'Vorschau' }).click();
  expect(await disabled()).toEqual([true]);
});

test('the list shows and reads the picture on the board from the start', async ({ page }) => {
  // As served, before the program runs.
  const html = await (await page.request.get('/')).text();
  expect(html).toMatch(/<select id="pictureList"[^>]*>\s*<option selected>Kinder<\/option>\s*<\/select>/);
  const tree = await accessibilityTree(page);
  expect((await tree.of('#pictureList')).value).toBe('Kinder');
  await expect(page.locator('#pictureList option')).toHaveText(['Kinder', 'Garten']);
});

test('the value fields read as caption and value; list and options are named', async ({ page }) => {
  const tree = await accessibilityTree(page);
  await page.clock.setFixedTime('2024-05-06T09:05:07+02:00');
  await page.getByRole('button', { name: 'Start' }).click();
  await page.getByRole('button', { name: 'Bildteil 10', exact: true }).click();

  await expect(page.getByLabel('Bewegungen')).toHaveText('1');
  await expect(page.getByLabel('Startzeit')).toHaveText('9 : 5 : 7');
  await expect(page.getByLabel('Spielzeit')).toHaveCount(1);
  for (const [selector, name, value] of [['#movesValue', 'Bewegungen:', '1'], ['#startTimeValue', 'Startzeit:', '9 : 5 : 7']]) {
    const node = await tree.of(selector);
    expect(node.name).toBe(name);
    expect(node.value).toBe(value); // a screen reader says "Bewegungen: 1"
  }

  const list = page.getByRole('combobox', { name: 'Bildauswahl' });
  await expect(list).toBeDisabled();
  await page.getByRole('button', { name: 'Vorschau' }).click();
  await expect(list).toBeEnabled();
  await expect(list.getByRole('option', { name: 'Garten' })).toHaveCount(1);

  const options = page.getByRole('group', { name: 'Startposition' });
  await expect(options.getByRole('radio', { name: 'immer gleich' })).toBeChecked();
  await expect(options.getByRole('radio', { name: 'immer anders' })).not.toBeChecked();
  for (const name of ['Vorschau', 'Start', 'Tschüss'])
    await expect(page.getByRole('button', { name, exact: true })).toBeEnabled();
});

test('a game won by pressing tiles found in the grid in board order, every press announced', async ({ page }) => {
  // 37 presses, each read back from the tree and heard a fifth of a second later.
  test.setTimeout(90_000);
  const tree = await accessibilityTree(page);
  const announcements = [];
  await page.exposeFunction('announced', (text) => announcements.push(text));
  await page.evaluate(() => {
    const region = document.getElementById('announce');
    new MutationObserver(() => region.textContent && window.announced(region.textContent))
      .observe(region, { childList: true, characterData: true, subtree: true });
  });
  expect((await tree.of('#announce')).live).toBe('polite');
  const lastAnnouncement = async (count) => {
    await expect.poll(() => announcements.length).toBe(count);
    return announcements[count - 1];
  };

  await tree.press((await tree.find('button', 'Start'))[0]);
  expect(await lastAnnouncement(1)).toBe('Neues Spiel.');
  let board = await tree.board();
  expect(board.map((cell) => cell.name)).toEqual(namesOf(FIXED));
  expect(board[11].tile).toBeUndefined();

  // A tile away from the gap says so and stays.
  await tree.press(board[0].tile);
  expect(await lastAnnouncement(2)).toBe(`${board[0].name} liegt nicht neben der Lücke.`);

  // Each move: the tile to press is found by name in the grid, beside the gap; it is pressed
  // there and the page says where it went.
  const solution = solve(FIXED);
  for (const [n, clicked] of solution.entries()) {
    const gap = board.findIndex((cell) => cell.name === 'Lücke');
    const at = board.findIndex((cell) => cell.name === tileName(clicked));
    expect(Math.abs((gap % 4) - (at % 4)) + Math.abs(Math.floor(gap / 4) - Math.floor(at / 4))).toBe(1);
    expect(board[at].tile.description).toBe(where(at));
    await tree.press(board[at].tile);
    const moved = `${tileName(clicked)} nach ${where(gap)}.`;
    if (n < solution.length - 1) {
      expect(await lastAnnouncement(3 + n)).toBe(moved);
    } else {
      // The winning press says its move, then the win: two sentences, neither lost.
      expect(await lastAnnouncement(4 + n)).toBe('Das Bild ist vollständig.');
      expect(announcements[2 + n]).toBe(moved);
    }
    board = await tree.board();
  }

  // The win, said once; the grid reads the whole picture, its tiles unavailable again.
  expect(await boardPositions(page)).toEqual(HOME);
  expect(board.map((cell) => cell.name)).toEqual(WHOLE);
  expect(new Set(board.map((cell) => cell.tile.disabled))).toEqual(new Set([true]));
  expect(announcements.at(-1)).toBe('Das Bild ist vollständig.');
  expect(announcements.filter((text) => /vollständig/.test(text))).toHaveLength(1);
  // Another Start is announced; Vorschau says nothing.
  const count = announcements.length;
  await page.getByRole('button', { name: 'Start' }).click();
  await page.getByRole('button', { name: 'Vorschau' }).click();
  await expect.poll(() => announcements.length).toBe(count + 1);
  expect(announcements.at(-1)).toBe('Neues Spiel.');
  expect(announcements.filter((text) => /vollständig/.test(text))).toHaveLength(1);
});

// Every text the live region holds, in order, with how long it held it (the last for as long as
// the test ran on). Install after the page has loaded.
async function watchAnnouncements(page) {
  await page.evaluate(() => {
    const region = document.getElementById('announce');
    const states = (window.announceStates = [{ text: region.textContent, since: performance.now() }]);
    new MutationObserver(() => {
      if (region.textContent !== states.at(-1).text) states.push({ text: region.textContent, since: performance.now() });
    }).observe(region, { childList: true, characterData: true, subtree: true });
  });
  return async () => page.evaluate(() => window.announceStates.map((state, i, all) => ({
    text: state.text,
    lasted: (all[i + 1]?.since ?? performance.now()) - state.since,
  })));
}

const BLOCKED = 'Bildteil 1 liegt nicht neben der Lücke.';

test('a sentence said again is heard again: the region is empty long enough between the two', async ({ page }) => {
  const tree = await accessibilityTree(page);
  await page.getByRole('button', { name: 'Start' }).click();
  await expect(page.locator('#announce')).toHaveText('Neues Spiel.');
  const states = await watchAnnouncements(page);
  const tile1 = (await tree.find('button', 'Bildteil 1'))[0];
  await tree.press(tile1);
  await expect(page.locator('#announce')).toHaveText(BLOCKED);
  await tree.press(tile1);
  await expect.poll(async () => (await states()).map((s) => s.text)).toEqual(['Neues Spiel.', '', BLOCKED, '', BLOCKED]);
  // Chromium hands a screen reader the difference between two of its accessibility trees, built
  // at most every 150 ms: the empty region must be in one of them, or the sentence is the same
  // as before and nothing is said.
  for (const state of (await states()).filter((s) => s.text === ''))
    expect(state.lasted).toBeGreaterThanOrEqual(150);
  // What the tree holds in the end: the sentence once, in the polite region.
  const region = await tree.of('#announce');
  expect(region.live).toBe('polite');
  await expect(page.locator('#announce')).toHaveText(BLOCKED);
});

test('a press that does nothing says why: a tile before Start, Space or Enter on the gap', async ({ page }) => {
  const tree = await accessibilityTree(page);
  const states = await watchAnnouncements(page);
  const said = async () => (await states()).map((s) => s.text).filter(Boolean);

  await tree.press((await tree.find('button', 'Bildteil 3'))[0]);
  await expect.poll(said).toEqual(['Kein Spiel läuft, bitte erst Start drücken.']);
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(page.locator('#movesValue')).toHaveText('');

  await page.getByRole('button', { name: 'Start' }).click();
  await expect(page.locator('#announce')).toHaveText('Neues Spiel.');
  await page.locator('#cell11').focus(); // the gap in the fixed start
  await page.keyboard.press('Space');
  await expect.poll(said).toHaveLength(3);
  await page.keyboard.press('Enter');
  await expect.poll(said).toEqual(['Kein Spiel läuft, bitte erst Start drücken.', 'Neues Spiel.',
    'Die Lücke selbst lässt sich nicht schieben.', 'Die Lücke selbst lässt sich nicht schieben.']);
  expect(await boardPositions(page)).toEqual(FIXED);
  await expect(page.locator('#movesValue')).toHaveText('');

  // Once Vorschau has ended the game, a tile says again that none runs.
  await page.getByRole('button', { name: 'Vorschau' }).click();
  await page.locator('#cell0').focus();
  await page.keyboard.press('Enter');
  await expect.poll(async () => (await said()).at(-1)).toBe('Kein Spiel läuft, bitte erst Start drücken.');
});

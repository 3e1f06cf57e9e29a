// Playing with a screen reader: what Chromium's accessibility tree tells about the tiles, the
// value fields, the list and the options, and a game won by pressing tiles found in that tree.
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
    // A screen reader's press: the node's default action, which for a button is a click on its
    // element, made without the mouse or the focus.
    async press(node) {
      const { object } = await cdp.send('DOM.resolveNode', { backendNodeId: node.backendDOMNodeId });
      await cdp.send('Runtime.callFunctionOn', { objectId: object.objectId, functionDeclaration: 'function () { this.click(); }' });
    },
  };
}

const where = (slot) => `Reihe ${Math.floor(slot / 4) + 1}, Spalte ${(slot % 4) + 1}`;

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
  await expect(page.getByRole('group', { name: 'Bild', exact: true }).getByRole('button')).toHaveCount(12);

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

test('a game won by pressing tiles through the accessibility tree, the win announced once', async ({ page }) => {
  const tree = await accessibilityTree(page);
  const announcements = [];
  await page.exposeFunction('announced', (text) => announcements.push(text));
  await page.evaluate(() => {
    const region = document.getElementById('announce');
    new MutationObserver(() => region.textContent && window.announced(region.textContent))
      .observe(region, { childList: true, characterData: true, subtree: true });
  });
  expect((await tree.of('#announce')).live).toBe('polite');

  await tree.press((await tree.find('button', 'Start'))[0]);
  expect(await boardPositions(page)).toEqual(FIXED);
  for (const clicked of solve(FIXED)) {
    const [node] = await tree.find('button', `Bildteil ${clicked + 1}`);
    await tree.press(node);
  }
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(tile(page, 11)).toBeVisible();
  await expect.poll(() => announcements.length).toBe(1);
  expect(announcements[0]).toMatch(/vollständig/);
  // Another Start and Vorschau announce nothing more.
  await page.getByRole('button', { name: 'Start' }).click();
  await page.getByRole('button', { name: 'Vorschau' }).click();
  expect(announcements).toHaveLength(1);
});

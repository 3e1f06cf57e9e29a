// axe-core with the WCAG 2.2 A/AA rules and its best practices: no violation in any layout, before
// Start, during a game, after the win and on the farewell.
const AxeBuilder = require('@axe-core/playwright').default;
const { test, expect, FIXED, openGame, tile } = require('./support/game');
const { solve } = require('./support/solver');

const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

// Each violation as one line: the rule and where.
async function violations(page) {
  const { violations } = await new AxeBuilder({ page }).withTags(TAGS).analyze();
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

for (const layout of [
  { name: 'designed window', use: {} },
  { name: 'touch upright', use: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true } },
  { name: 'touch wide', use: { viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true } },
]) {
  test.describe(layout.name, () => {
    test.use(layout.use);

    test('no violation before Start, during a game, after the win and on the farewell', async ({ page }) => {
      test.setTimeout(180_000); // four full runs of axe-core and a whole game
      // A tab with a page before this one: "Tschüss" leaves the farewell in it.
      await page.goto('/?vorher');
      await openGame(page);
      expect(await violations(page), 'before Start').toEqual([]);

      await page.getByRole('button', { name: 'Start' }).click();
      const solution = solve(FIXED);
      await tile(page, solution[0]).click();
      await expect(page.locator('#movesValue')).toHaveText('1');
      expect(await violations(page), 'during a game').toEqual([]);

      for (const clicked of solution.slice(1)) await tile(page, clicked).click();
      await expect(page.locator('#movesValue')).toHaveText(String(solution.length));
      await expect(tile(page, 11)).toBeVisible();
      expect(await violations(page), 'after the win').toEqual([]);

      await page.getByRole('button', { name: 'Tschüss' }).click();
      await expect(page.locator('#farewell')).toBeVisible();
      expect(await violations(page), 'on the farewell').toEqual([]);
    });
  });
}

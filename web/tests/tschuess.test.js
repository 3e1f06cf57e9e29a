// Leaving the game with "Tschüss": a tab the page may close goes; any other says goodbye.
const { test, expect, openGame, spyOnIntervals, runningIntervals } = require('./support/game');

test('where the tab stays, the game stops and says goodbye', async ({ page }) => {
  await page.addInitScript(spyOnIntervals);
  // A tab with some history of its own, as a visitor's is: no page may close it.
  await page.goto('/?vorher');
  await openGame(page);
  await page.getByRole('button', { name: 'Start' }).click();
  expect(await runningIntervals(page)).toEqual([500]);

  await page.getByRole('button', { name: 'Tschüss' }).click();
  expect(page.isClosed()).toBe(false);
  await expect(page.locator('#mainWindow')).toBeHidden();
  const farewell = page.locator('#farewell');
  await expect(farewell).toBeVisible();
  await expect(farewell).toContainText('Tschüss');
  expect(await runningIntervals(page)).toEqual([]);
  // Nothing of the game is left to press.
  await expect(page.getByRole('button')).toHaveCount(1);

  await farewell.getByRole('button').click();
  await expect(page.locator('#pictureList option', { hasText: 'Garten' })).toHaveCount(1);
  await expect(page.locator('#mainWindow')).toBeVisible();
  await expect(farewell).toBeHidden();
  await expect(page.locator('#movesValue')).toHaveText('');
});

test('a tab the game was opened in by another page closes', async ({ page, context }) => {
  await openGame(page);
  const [opened] = await Promise.all([
    context.waitForEvent('page'),
    page.evaluate(() => window.open(location.href, '_blank')),
  ]);
  await openGame(opened);
  const closed = opened.waitForEvent('close');
  await opened.getByRole('button', { name: 'Tschüss' }).click();
  await closed;
  expect(opened.isClosed()).toBe(true);
});

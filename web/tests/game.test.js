// A player's games with the mouse: the fixed board played to the win, Vorschau, the picture
// list between games, double clicks.
const {
  test,
  expect,
  FIXED,
  HOME,
  openGame,
  tile,
  boardPositions,
  spyOnAudio,
  beeps,
  spyOnIntervals,
  runningIntervals,
} = require('./support/game');
const { solve } = require('./support/solver');

const lines = (page) => page.locator('[id^="gridLine"]');

test.beforeEach(async ({ page }) => {
  await page.addInitScript(spyOnAudio);
  await page.addInitScript(spyOnIntervals);
  await openGame(page);
});

test('the fixed board played to the win', async ({ page }) => {
  const moves = page.locator('#movesValue');
  // Loaded: the whole picture, no game, no sound yet, no timer.
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(lines(page).first()).toBeHidden();
  expect(await page.evaluate(() => window.audioSpy.contexts)).toBe(0);
  expect(await runningIntervals(page)).toEqual([]);

  // Tiles take no clicks before the first Start (they say so: aria-disabled, which Playwright
  // would wait out).
  await tile(page, 10).click({ force: true });
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(moves).toHaveText('');
  expect(await beeps(page)).toBe(0);

  await page.getByRole('button', { name: 'Start' }).click();
  expect(await boardPositions(page)).toEqual(FIXED);
  await expect(tile(page, 11)).toBeHidden();
  await expect(lines(page)).toHaveCount(5);
  for (const line of await lines(page).all()) await expect(line).toBeVisible();
  await expect(page.locator('#pictureList')).toBeDisabled();
  await expect(page.locator('#startTimeValue')).toHaveText(/^\d+ : \d+ : \d+$/);
  expect(await runningIntervals(page)).toEqual([500]);

  // A tile far from the hole does not move, beep or count.
  await tile(page, 1).click();
  expect(await boardPositions(page)).toEqual(FIXED);
  await expect(moves).toHaveText('');
  expect(await beeps(page)).toBe(0);

  const solution = solve(FIXED);
  const position = [...FIXED];
  for (const [n, clicked] of solution.entries()) {
    await tile(page, clicked).click();
    [position[clicked], position[11]] = [position[11], position[clicked]];
    await expect(moves).toHaveText(String(n + 1));
    if (n < solution.length - 1) {
      expect(await boardPositions(page)).toEqual(position);
      expect(await beeps(page)).toBe(n + 1);
    }
  }

  // The win: the picture whole, one beep for the last move and three for the end, straight after
  // one another.
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(tile(page, 11)).toBeVisible();
  for (const line of await lines(page).all()) await expect(line).toBeHidden();
  await expect(page.locator('#pictureList')).toBeEnabled();
  const sounds = await page.evaluate(() => window.audioSpy.beeps);
  expect(sounds).toHaveLength(solution.length + 3);
  const last4 = sounds.slice(-4);
  for (let i = 1; i < last4.length; ++i) expect(last4[i].start).toBeCloseTo(last4[i - 1].stop, 6);
  for (const sound of sounds) expect(sound.stop - sound.start).toBeGreaterThan(0);
  expect(await page.evaluate(() => window.audioSpy.contexts)).toBe(1);
  await expect(page.locator('#announce')).toHaveText(/vollständig/);

  // The clock has stopped and the finished board takes no more clicks.
  expect(await runningIntervals(page)).toEqual([]);
  await tile(page, 10).click({ force: true });
  await tile(page, 7).click({ force: true });
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(moves).toHaveText(String(solution.length));
  expect(await beeps(page)).toBe(solution.length + 3);
});

test('Vorschau abandons a game; the count goes on in the next', async ({ page }) => {
  await page.getByRole('button', { name: 'Start' }).click();
  await tile(page, 9).click(); // beside the hole in the fixed start
  const startTime = await page.locator('#startTimeValue').textContent();

  await page.getByRole('button', { name: 'Vorschau' }).click();
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(tile(page, 11)).toBeVisible();
  for (const line of await lines(page).all()) await expect(line).toBeHidden();
  await expect(page.locator('#pictureList')).toBeEnabled();
  await expect(page.locator('#movesValue')).toHaveText('1');
  await expect(page.locator('#startTimeValue')).toHaveText(startTime);
  expect(await runningIntervals(page)).toEqual([]);

  await tile(page, 10).click({ force: true });
  expect(await boardPositions(page)).toEqual(HOME);
  expect(await beeps(page)).toBe(1);

  // Start during a game begins it afresh and keeps counting.
  await page.getByRole('button', { name: 'Start' }).click();
  await tile(page, 9).click();
  await page.getByRole('button', { name: 'Start' }).click();
  expect(await boardPositions(page)).toEqual(FIXED);
  expect(await runningIntervals(page)).toEqual([500]);
  await tile(page, 9).click();
  await expect(page.locator('#movesValue')).toHaveText('3');
});

test('the picture list changes the picture between games only', async ({ page }) => {
  const list = page.locator('#pictureList');
  const board = page.locator('#board');
  const kinder = await board.screenshot();

  await list.selectOption('Garten');
  await expect.poll(async () => (await board.screenshot()).equals(kinder)).toBe(false);
  const garten = await board.screenshot();
  expect(await boardPositions(page)).toEqual(HOME);
  await expect(page.locator('#movesValue')).toHaveText('');

  // The set stays through a game; the list cannot be changed during one.
  await page.getByRole('button', { name: 'Start' }).click();
  await expect(list).toBeDisabled();
  await page.getByRole('button', { name: 'Vorschau' }).click();
  expect((await board.screenshot()).equals(garten)).toBe(true);

  await list.selectOption('Kinder');
  await expect.poll(async () => (await board.screenshot()).equals(kinder)).toBe(true);
});

test('a double click is two clicks, the second on the hole the tile left', async ({ page }) => {
  await page.getByRole('button', { name: 'Start' }).click();
  const box = await tile(page, 9).boundingBox(); // slot 10, beside the hole in slot 11
  await page.mouse.dblclick(box.x + box.width / 2, box.y + box.height / 2);
  const moved = [...FIXED];
  [moved[9], moved[11]] = [moved[11], moved[9]];
  expect(await boardPositions(page)).toEqual(moved);
  await expect(page.locator('#movesValue')).toHaveText('1');
  expect(await beeps(page)).toBe(1);

  // Where it stands now, a double click sends it back, and the second click again hits the hole.
  const back = await tile(page, 9).boundingBox();
  await page.mouse.dblclick(back.x + back.width / 2, back.y + back.height / 2);
  expect(await boardPositions(page)).toEqual(FIXED);
  await expect(page.locator('#movesValue')).toHaveText('2');
});

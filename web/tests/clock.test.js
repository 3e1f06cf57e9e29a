// The clock: start times, "immer anders" boards and the play time, with the browser's clock
// faked. Times carry their offset, so they are local times of the page's zone (Europe/Berlin).
const { test, expect, FIXED, openGame, boardPositions, spyOnIntervals, runningIntervals } =
  require('./support/game');

const startTime = (page) => page.locator('#startTimeValue');
const playTime = (page) => page.locator('#playTimeValue');
const start = (page) => page.getByRole('button', { name: 'Start' }).click();

test('"immer anders" gives the boards of the desktop game for the same clock readings', async ({ page }) => {
  await page.clock.setFixedTime('2024-05-06T10:12:34+02:00');
  await openGame(page);
  await page.getByLabel('immer anders').check();

  await start(page);
  await expect(startTime(page)).toHaveText('10 : 12 : 34');
  expect(await boardPositions(page)).toEqual([2, 8, 1, 6, 4, 10, 5, 9, 3, 11, 0, 7]);

  // Only the five-second and five-minute bands count.
  await page.clock.setFixedTime('2024-05-06T10:10:37+02:00');
  await start(page);
  expect(await boardPositions(page)).toEqual([2, 8, 1, 6, 4, 10, 5, 9, 3, 11, 0, 7]);

  await page.clock.setFixedTime('2024-05-06T17:45:57+02:00');
  await start(page);
  await expect(startTime(page)).toHaveText('17 : 45 : 57');
  expect(await boardPositions(page)).toEqual([9, 4, 1, 6, 3, 8, 5, 7, 2, 10, 0, 11]);

  // Midnight: the board the rule gives, made solvable as on the desktop.
  await page.clock.setFixedTime('2024-05-07T00:00:00+02:00');
  await start(page);
  await expect(startTime(page)).toHaveText('0 : 0 : 0');
  expect(await boardPositions(page)).toEqual([1, 6, 3, 8, 5, 11, 7, 9, 4, 10, 2, 0]);

  // Back to "immer gleich": the fixed board whatever the time.
  await page.getByLabel('immer gleich').check();
  await start(page);
  expect(await boardPositions(page)).toEqual(FIXED);
});

test('the start time shows without leading zeros', async ({ page }) => {
  await page.clock.setFixedTime('2024-05-06T09:05:07+02:00');
  await openGame(page);
  await start(page);
  await expect(startTime(page)).toHaveText('9 : 5 : 7');
  expect(await boardPositions(page)).toEqual(FIXED);
});

test('the play time runs on across midnight and past the hour', async ({ page }) => {
  await page.clock.install({ time: '2024-01-15T23:58:00+01:00' });
  await openGame(page);
  await page.clock.pauseAt('2024-01-15T23:59:30+01:00');
  await start(page);
  await expect(startTime(page)).toHaveText('23 : 59 : 30');
  // Until the first tick the field keeps what it showed (nothing, before the first game).
  await expect(playTime(page)).toHaveText('');

  await page.clock.runFor(500);
  await expect(playTime(page)).toHaveText('0 : 0');
  await page.clock.runFor(60_500);
  await expect(playTime(page)).toHaveText('1 : 1');
  expect(await page.evaluate(() => new Date().getDate())).toBe(16);

  // 61 minutes and 5 seconds show as "1 : 5": whole hours drop out.
  await page.clock.runFor((60 * 60 + 4) * 1000);
  await expect(playTime(page)).toHaveText('1 : 5');
  await expect(startTime(page)).toHaveText('23 : 59 : 30');
});

test('setting the clock back or forward does not change the play time', async ({ page }) => {
  await page.clock.install({ time: '2024-05-06T10:29:00+02:00' });
  await openGame(page);
  await page.clock.pauseAt('2024-05-06T10:30:00+02:00');
  await start(page);
  await page.clock.runFor(60_000);
  await expect(playTime(page)).toHaveText('1 : 0');

  // An hour back...
  await page.clock.setSystemTime('2024-05-06T09:31:00+02:00');
  await page.clock.runFor(500);
  await expect(playTime(page)).toHaveText('1 : 0');
  // ... and a day forward.
  await page.clock.setSystemTime('2024-05-07T09:31:01+02:00');
  await page.clock.runFor(500);
  await expect(playTime(page)).toHaveText('1 : 1');
  await expect(startTime(page)).toHaveText('10 : 30 : 0');

  // A new Start takes the new local time and counts from zero.
  await start(page);
  await expect(startTime(page)).toHaveText('9 : 31 : 1');
  await page.clock.runFor(2_000);
  await expect(playTime(page)).toHaveText('0 : 2');
});

test('the play clock runs only during a game, every half second', async ({ page }) => {
  await page.addInitScript(spyOnIntervals);
  await openGame(page);
  expect(await runningIntervals(page)).toEqual([]);
  await start(page);
  expect(await runningIntervals(page)).toEqual([500]);
  await start(page); // a new game, still one timer
  expect(await runningIntervals(page)).toEqual([500]);
  await page.getByRole('button', { name: 'Vorschau' }).click();
  expect(await runningIntervals(page)).toEqual([]);
});

// Chromium's part of the sound scenario the other engines run (play.js): the program's audio
// context runs after the first press, and its clock goes on.
const { test, expect, openGame, tile } = require('../support/game');

test('after the first move the audio context runs', async ({ page }) => {
  await openGame(page);
  await page.evaluate(() => {
    window.audioContexts = [];
    const Native = window.AudioContext;
    window.AudioContext = class extends Native {
      constructor(...args) {
        super(...args);
        window.audioContexts.push(this);
      }
    };
  });
  await page.getByRole('button', { name: 'Start' }).click();
  await tile(page, 9).click(); // beside the gap in the fixed start: a move, and its beep
  await expect.poll(() => page.evaluate(() => window.audioContexts.map((context) => context.state))).toEqual(['running']);
  const before = await page.evaluate(() => window.audioContexts[0].currentTime);
  await expect.poll(() => page.evaluate(() => window.audioContexts[0].currentTime)).toBeGreaterThan(before);
});

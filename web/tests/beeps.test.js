// Beeps keep up with fast play: each move's beep starts with the move, cutting the one before.
const { test, expect, openGame, tile } = require('./support/game');

// Before any script of the page: when each click's first handler ran, and for every tone
// started, its start on the audio clock, that clock's reading then, and the time of the call.
function spyOnTones() {
  const spy = (window.toneSpy = { clicks: [], tones: [] });
  addEventListener('click', () => spy.clicks.push(performance.now()), { capture: true });
  const { start, stop } = OscillatorNode.prototype;
  OscillatorNode.prototype.start = function (when = 0) {
    this.tone = { when, clock: this.context.currentTime, at: performance.now(), stop: Infinity };
    spy.tones.push(this.tone);
    return start.call(this, when);
  };
  OscillatorNode.prototype.stop = function (when = 0) {
    this.tone.stop = when;
    return stop.call(this, when);
  };
}

test('at 60 ms between presses every beep starts within 30 ms of its move', async ({ page }) => {
  await page.addInitScript(spyOnTones);
  await openGame(page);
  await page.getByRole('button', { name: 'Start' }).click();
  // The tile beside the gap, back and forth: every press a move.
  const presses = 30;
  await page.evaluate(() => { window.toneSpy.clicks = []; });
  for (let i = 0; i < presses; ++i) {
    await tile(page, 9).click();
    await page.waitForTimeout(60);
  }
  await expect(page.locator('#movesValue')).toHaveText(String(presses));
  const { clicks, tones } = await page.evaluate(() => window.toneSpy);
  expect(tones).toHaveLength(presses);
  const late = tones.map((tone, i) => (tone.when - tone.clock) * 1000 + (tone.at - clicks[i]));
  for (const ms of late) expect(ms).toBeLessThanOrEqual(30);
  // A beep still sounding is cut where the next one starts, not played over it.
  for (let i = 1; i < tones.length; ++i) expect(tones[i - 1].stop).toBeLessThanOrEqual(tones[i].when + 0.01);
  console.log(`beep after its move: median ${late.sort((a, b) => a - b)[presses >> 1].toFixed(1)} ms, at most ${late.at(-1).toFixed(1)} ms`);
});

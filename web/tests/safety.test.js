// What the page may do: only its own files, no script from anywhere else, nothing stored about
// the player, and a game that goes on where the browser gives it no sound. Every test also fails
// on a console error or warning and on a request to another host (support/game.js).
const { test, expect, FIXED, openGame, tile, boardPositions } = require('./support/game');

test('the page allows only its own files and stores nothing', async ({ page, context }) => {
  const violations = [];
  await page.exposeFunction('violated', (text) => violations.push(text));
  await page.addInitScript(() =>
    document.addEventListener('securitypolicyviolation', (e) => window.violated(`${e.violatedDirective} ${e.blockedURI}`)),
  );
  await openGame(page);
  const policy = await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content');
  expect(policy).toMatch(/(^|;)\s*default-src 'self'\s*(;|$)/);
  expect(policy).toMatch(/(^|;)\s*script-src 'self' 'wasm-unsafe-eval'\s*(;|$)/);
  // Nothing inline in the page as served (the program sets tile places through the CSS object
  // model, which the policy allows).
  const html = await (await page.request.get('/')).text();
  expect(html).not.toMatch(/<script(?![^>]*\ssrc=)[^>]*>/);
  expect(html).not.toMatch(/\sstyle=|<style|\son[a-z]+=/);

  // A whole round: start, moves, the other picture, a new game.
  await page.getByRole('button', { name: 'Start' }).click();
  await tile(page, 9).click();
  await tile(page, 10).click();
  await page.getByRole('button', { name: 'Vorschau' }).click();
  await page.locator('#pictureList').selectOption('Garten');
  await page.getByRole('button', { name: 'Start' }).click();

  expect(violations).toEqual([]);
  expect(await context.cookies()).toEqual([]);
  const stored = await page.evaluate(async () => ({
    local: localStorage.length,
    session: sessionStorage.length,
    databases: (await indexedDB.databases()).length,
  }));
  expect(stored).toEqual({ local: 0, session: 0, databases: 0 });
});

for (const [what, script] of [
  ['missing', () => { delete window.AudioContext; delete window.webkitAudioContext; }],
  ['refused', () => { window.AudioContext = class { constructor() { throw new DOMException('no audio', 'NotAllowedError'); } }; }],
]) {
  test(`with Web Audio ${what} the game plays on silently`, async ({ page }) => {
    await page.addInitScript(script);
    await openGame(page);
    await page.getByRole('button', { name: 'Start' }).click();
    expect(await boardPositions(page)).toEqual(FIXED);
    await tile(page, 9).click();
    await tile(page, 9).click();
    await expect(page.locator('#movesValue')).toHaveText('2');
  });
}

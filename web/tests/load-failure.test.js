// A page that arrives incomplete says so in German and offers no dead board: a stylesheet or the
// program itself that did not load, as a broken connection or a half-copied site would leave it.
const { test, expect } = require('./support/game');

// Each file by its plain name; the site's names carry a hash of the contents (layout.<hash>.css).
for (const file of ['layout.css', 'style.css', 'rutschbild.wasm', 'rutschbild.js']) {
  test(`without ${file} the page asks to be loaded again`, async ({ page, pageProblems }) => {
    await page.route(`**/${file.replace('.', '.*.')}`, (route) => route.abort());
    await page.goto('/');
    const notice = page.getByRole('alert');
    await expect(notice).toHaveText('Rutschbild konnte nicht geladen werden. Bitte lade die Seite neu.');
    await expect(page.locator('#mainWindow')).toBeHidden();
    await expect(page.getByRole('button')).toHaveCount(0);

    // The browser's report of the refused request is expected here, and nothing else.
    expect(pageProblems).toEqual(['console error: Failed to load resource: net::ERR_FAILED']);
    pageProblems.length = 0;
  });
}

test('a page that arrived without a tile asks to be loaded again', async ({ page }) => {
  await page.route('**/', async (route) => {
    const html = await (await route.fetch()).text();
    await route.fulfill({ contentType: 'text/html', body: html.replace(/<button[^>]*id="tile3"[^>]*><\/button>/, '') });
  });
  await page.goto('/');
  await expect(page.getByRole('alert')).toBeVisible();
  await expect(page.locator('#mainWindow')).toBeHidden();
});

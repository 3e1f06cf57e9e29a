// Plays in a windowed Chromium with its accessibility on, while listen.py writes down what AT-SPI
// tells a screen reader (one JSON line a sentence in the file named second), and checks that
// every sentence comes whole and once, the same one twice included.
// Usage: node drive.js SITE_URL HEARD_FILE
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require(path.join(__dirname, '..', '..', 'node_modules', 'playwright-core'));

const [url, heardFile] = process.argv.slice(2);
const BLOCKED = 'Bildteil 1 liegt nicht neben der Lücke.';

const PROBE = 'probe';
const lines = () => fs.readFileSync(heardFile, 'utf8').split('\n').filter((l) => l.startsWith('{'))
  .map((line) => JSON.parse(line).text);
const heard = () => lines().filter((text) => !text.startsWith(PROBE));

async function until(what, probe, seconds = 10) {
  for (const deadline = Date.now() + seconds * 1000; Date.now() < deadline;) {
    if (probe()) return;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`${what} within ${seconds} s; heard: ${JSON.stringify(heard())}`);
}

(async () => {
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: false, // a headless Chromium has no AT-SPI bridge
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--force-renderer-accessibility'],
  });
  try {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForSelector('#pictureList option:nth-child(2)', { state: 'attached' });
    // Chromium joins the accessibility bus a while after its window shows: a region of the
    // driver's own speaks until the listener hears it, and goes again.
    await page.evaluate(() => {
      const probe = document.body.appendChild(document.createElement('p'));
      probe.id = 'probe';
      probe.setAttribute('aria-live', 'polite');
      let n = 0;
      window.probing = setInterval(() => (probe.textContent = `probe ${++n}`), 300);
    });
    await until('the listener hearing the page', () => lines().some((text) => text.startsWith(PROBE)), 20);
    await page.evaluate(() => {
      clearInterval(window.probing);
      document.getElementById('probe').remove();
    });
    // A screen reader presses a tile through its action, a click on the element.
    const press = (id) => page.evaluate((i) => document.getElementById(i).click(), id);
    await press('startButton');
    await until('"Neues Spiel." heard', () => heard().length === 1);
    for (const count of [2, 3]) {
      await press('tile0'); // slot 5 in the fixed start, away from the gap
      await until(`sentence ${count} heard`, () => heard().length === count);
    }
    await new Promise((resolve) => setTimeout(resolve, 500)); // nothing more comes
    const said = heard();
    if (JSON.stringify(said) !== JSON.stringify(['Neues Spiel.', BLOCKED, BLOCKED]))
      throw new Error(`heard ${JSON.stringify(said)}`);
    console.log(`heard, whole and once each: ${said.join(' | ')}`);
  } finally {
    await browser.close();
  }
})().catch((error) => {
  console.error(`FAILED: ${error.message}`);
  process.exit(1);
});

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
const NO_GAME = 'Kein Spiel läuft, bitte erst Start drücken.';

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
    // Each press waits for its sentence: one that comes quicker replaces the last unsaid.
    const presses = [
      ['tile0', NO_GAME], ['startButton', 'Neues Spiel.'],
      ['tile0', BLOCKED], ['tile0', BLOCKED], // tile 1 in slot 5 of the fixed start, away from the gap
      ['tile9', 'Bildteil 10 nach Reihe 3, Spalte 4.'], ['tile0', BLOCKED],
    ];
    for (const [n, [id, sentence]] of presses.entries()) {
      await press(id);
      await until(`"${sentence}" heard`, () => heard().length === n + 1);
    }
    await new Promise((resolve) => setTimeout(resolve, 500)); // nothing more comes
    const said = heard();
    if (JSON.stringify(said) !== JSON.stringify(presses.map(([, sentence]) => sentence)))
      throw new Error(`heard ${JSON.stringify(said)}`);
    console.log(`heard, whole and once each: ${said.join(' | ')}`);
  } finally {
    await browser.close();
  }
})().catch((error) => {
  console.error(`FAILED: ${error.message}`);
  process.exit(1);
});

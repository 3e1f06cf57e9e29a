// Firefox ESR from Debian, driven by puppeteer-core over WebDriver BiDi (no geckodriver).
// Each session is a browser context of its own: nothing cached, no service worker, as a first
// visit finds it.
'use strict';
const puppeteer = require('puppeteer-core');

const KEYS = { Space: 'Space' };

class FirefoxSession {
  constructor(context, page) {
    this.context = context;
    this.page = page;
    this.problems = [];
    page.on('console', (message) => {
      if (['error', 'warn', 'warning'].includes(message.type()))
        this.problems.push(`console ${message.type()}: ${message.text()}`);
    });
    page.on('pageerror', (error) => this.problems.push(`page error: ${error.message}`));
  }

  async goto(url) {
    await this.page.goto(url, { waitUntil: 'load' });
  }

  async reload() {
    await this.page.reload({ waitUntil: 'load' });
  }

  execute(fn, args = []) {
    return this.page.evaluate(`(${fn}).apply(null, ${JSON.stringify(args)})`);
  }

  // The middle of an element, found in one round trip (puppeteer's own click asks three times).
  centre(selector) {
    return this.execute((s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    }, [selector]);
  }

  async click(selector) {
    const { x, y } = await this.centre(selector);
    await this.page.mouse.click(x, y);
  }

  async tap(selector) {
    const { x, y } = await this.centre(selector);
    await this.page.touchscreen.tap(x, y);
  }

  async press(chord) {
    const keys = chord.split('+').map((name) => KEYS[name] ?? name);
    for (const key of keys.slice(0, -1)) await this.page.keyboard.down(key);
    await this.page.keyboard.press(keys.at(-1));
    for (const key of keys.slice(0, -1).reverse()) await this.page.keyboard.up(key);
  }

  async screenshot(selector) {
    const element = await this.page.$(selector);
    return Buffer.from(await element.screenshot({ type: 'png' }));
  }

  async close() {
    await this.context.close();
  }
}

class Firefox {
  constructor() {
    this.name = 'firefox';
    this.touch = 'emulated: touch events and a coarse pointer';
    this.browsers = {};
  }

  // A browser of its own for touch: the pointer the page's media queries see is a preference
  // read at start.
  launch(touch) {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.RUTSCHBILD_FIREFOX || '/usr/bin/firefox-esr',
      headless: true,
      extraPrefsFirefox: touch ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {},
    });
  }

  // Both at once: a Firefox takes seconds to start.
  async start() {
    const [mouse, touch] = await Promise.allSettled([this.launch(false), this.launch(true)]);
    this.browsers = { mouse: mouse.value, touch: touch.value }; // stop() ends whichever started
    for (const launch of [mouse, touch]) if (launch.status === 'rejected') throw launch.reason;
  }

  async newSession({ width = 1280, height = 800, touch = false } = {}) {
    const context = await this.browsers[touch ? 'touch' : 'mouse'].createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width, height, deviceScaleFactor: 1, hasTouch: touch });
    return new FirefoxSession(context, page);
  }

  async stop() {
    for (const browser of Object.values(this.browsers)) await browser?.close();
  }
}

module.exports = { Firefox };

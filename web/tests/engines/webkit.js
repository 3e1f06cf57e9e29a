// WebKitGTK's MiniBrowser, driven through WebKitWebDriver (Debian's webkit2gtk-driver) on the
// display in DISPLAY. Each session is a MiniBrowser of its own, started afresh: nothing cached,
// no service worker. WebDriver has no console: MiniBrowser writes the page's console messages to
// its standard output, which WebKitWebDriver passes on to ours.
'use strict';
const { spawn } = require('node:child_process');
const net = require('node:net');
const { Session } = require('./webdriver');

const BROWSER = process.env.RUTSCHBILD_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const freePort = () =>
  new Promise((resolve, reject) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
    probe.on('error', reject);
  });

// MiniBrowser's console lines, e.g. "CONSOLE JS ERROR ..." or "CONSOLE NETWORK WARNING ...".
const PROBLEM = /^CONSOLE \w+ (ERROR|WARNING)\b/;

class WebKitSession {
  constructor(driver, session) {
    this.driver = driver;
    this.session = session;
    this.problems = [];
    driver.listener = (line) => PROBLEM.test(line) && this.problems.push(line);
  }

  goto(url) {
    return this.session.goto(url);
  }

  reload() {
    return this.session.reload();
  }

  execute(fn, args = []) {
    return this.session.execute(fn, args);
  }

  click(selector) {
    return this.session.click(selector);
  }

  // A touch pointer where WebKitWebDriver takes one; where not, the scenario learns so.
  async tap(selector) {
    const box = await this.execute((s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    }, [selector]);
    return this.session.pointerPress('touch', box.x, box.y);
  }

  press(chord) {
    return this.session.press(chord);
  }

  screenshot(selector) {
    return this.session.screenshot(selector);
  }

  async close() {
    this.driver.listener = null;
    await this.session.close();
  }
}

class WebKit {
  constructor() {
    this.name = 'webkit';
    // Under Xvfb WebKitGTK reports a mouse (pointer: fine) and WebDriver has no way to change
    // that: the touch layout is reached by the narrow window alone.
    this.touch = 'narrow window only';
    this.listener = null;
  }

  async start() {
    const port = await freePort();
    this.process = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], {
      stdio: ['ignore', 'pipe', 'pipe'],
    });
    this.output = [];
    let rest = '';
    const take = (chunk) => {
      const lines = (rest + chunk).split('\n');
      rest = lines.pop();
      for (const line of lines) {
        this.output.push(line);
        this.listener?.(line);
      }
    };
    this.process.stdout.on('data', take);
    this.process.stderr.on('data', take);
    this.base = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; ++tries) {
      try {
        await fetch(`${this.base}/status`);
        return;
      } catch (error) {
        if (tries > 100 || this.process.exitCode !== null) throw new Error(`WebKitWebDriver did not start: ${this.output.join('\n')}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  }

  async newSession({ width = 1280, height = 800 } = {}) {
    const session = await Session.create(this.base, {
      'webkitgtk:browserOptions': {
        binary: BROWSER,
        args: ['--automation', '--enable-write-console-messages-to-stdout=true'],
      },
    });
    await setViewport(session, width, height);
    return new WebKitSession(this, session);
  }

  async stop() {
    if (!this.process || this.process.exitCode !== null) return;
    const ended = new Promise((resolve) => this.process.once('exit', resolve));
    this.process.kill();
    await ended;
  }
}

// WebDriver sets the window's outer size: grown by what the window adds, until the page itself
// has the size asked for.
async function setViewport(session, width, height) {
  let outer = { width, height };
  for (let tries = 0; tries < 3; ++tries) {
    await session.setWindowSize(outer.width, outer.height);
    const inner = await session.execute(() => ({ width: innerWidth, height: innerHeight }));
    if (inner.width === width && inner.height === height) return;
    outer = { width: outer.width + width - inner.width, height: outer.height + height - inner.height };
  }
  const inner = await session.execute(() => `${innerWidth} x ${innerHeight}`);
  throw new Error(`MiniBrowser would not show the page at ${width} x ${height}, only ${inner}`);
}

module.exports = { WebKit };

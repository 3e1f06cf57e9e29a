// WebKitGTK through WebKitWebDriver (Debian's webkit2gtk-driver) on the display in DISPLAY. The
// browser is webkit-browser.py, a bare WebKitGTK window (see there why not MiniBrowser); each
// session is one of its own, started afresh with a new profile: nothing cached, no service
// worker. WebDriver has no console: the browser writes the page's console messages to a file,
// which each session reads from where it started.
'use strict';
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const { Session } = require('./webdriver');

const freePort = () =>
  new Promise((resolve, reject) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
    probe.on('error', reject);
  });

// WebKit's console lines: "CONSOLE ERROR ...", "CONSOLE WARN ..." from the page's scripts,
// "CONSOLE NETWORK ERROR ..." and the like from WebKit itself.
const PROBLEM = /^CONSOLE (\w+ )?(ERROR|WARN|WARNING)\b/;

class WebKitSession {
  constructor(driver, session) {
    this.driver = driver;
    this.session = session;
    this.from = fs.statSync(driver.console).size;
  }

  // Console errors and warnings since the session started, and what WebKit itself found wrong.
  get problems() {
    const lines = fs.readFileSync(this.driver.console).subarray(this.from).toString().split('\n');
    return lines.filter((line) => PROBLEM.test(line));
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

  close() {
    return this.session.close();
  }
}

class WebKit {
  constructor() {
    this.name = 'webkit';
    // Under Xvfb WebKitGTK reports a mouse (pointer: fine) and WebDriver has no way to change
    // that; a touch pointer of WebKitWebDriver reaches the page as mouse events. The touch layout
    // is reached by the narrow window alone.
    this.touch = 'not emulated: WebKitGTK reports the mouse of the X server';
  }

  async start() {
    const port = await freePort();
    this.folder = fs.mkdtempSync(path.join(os.tmpdir(), 'rutschbild-webkit-'));
    this.console = path.join(this.folder, 'console.log');
    fs.writeFileSync(this.console, '');
    const profiles = path.join(this.folder, 'profiles');
    fs.mkdirSync(profiles);
    this.process = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], {
      stdio: ['ignore', 'pipe', 'pipe'],
      env: { ...process.env, RUTSCHBILD_WEBKIT_PROFILES: profiles, RUTSCHBILD_WEBKIT_CONSOLE: this.console },
    });
    this.output = '';
    this.process.stdout.on('data', (chunk) => (this.output += chunk));
    this.process.stderr.on('data', (chunk) => (this.output += chunk));
    this.base = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; ++tries) {
      try {
        await fetch(`${this.base}/status`);
        return;
      } catch (error) {
        if (tries > 100 || this.process.exitCode !== null) throw new Error(`WebKitWebDriver did not start: ${this.output}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  }

  async newSession({ width = 1280, height = 800 } = {}) {
    const session = await Session.create(this.base, {
      'webkitgtk:browserOptions': { binary: path.join(__dirname, 'webkit-browser.py'), args: [] },
    });
    try {
      await setViewport(session, width, height);
    } catch (error) {
      await session.close().catch(() => {});
      throw error;
    }
    return new WebKitSession(this, session);
  }

  async stop() {
    if (this.process && this.process.exitCode === null) {
      const ended = new Promise((resolve) => this.process.once('exit', resolve));
      this.process.kill();
      await ended;
    }
    if (this.folder) fs.rmSync(this.folder, { recursive: true, force: true });
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
  throw new Error(`WebKit would not show the page at ${width} x ${height}, only ${inner}`);
}

module.exports = { WebKit };

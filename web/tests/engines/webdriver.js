// A small W3C WebDriver client over fetch: just the commands the engine scenarios use.
'use strict';

const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';

// Key names as the scenarios write them, in WebDriver's code points.
const KEYS = {
  Tab: '\uE004',
  Enter: '\uE007',
  Shift: '\uE008',
  Space: ' ',
  ArrowLeft: '\uE012',
  ArrowUp: '\uE013',
  ArrowRight: '\uE014',
  ArrowDown: '\uE015',
};

async function call(base, method, path, body) {
  const response = await fetch(base + path, {
    method,
    headers: body === undefined ? {} : { 'Content-Type': 'application/json' },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const reply = await response.json();
  if (!response.ok || reply.value?.error)
    throw new Error(`WebDriver ${method} ${path}: ${reply.value?.error} ${reply.value?.message ?? ''}`.trim());
  return reply.value;
}

class Session {
  constructor(base, id) {
    this.url = `${base}/session/${id}`;
    this.base = base;
  }

  static async create(base, capabilities) {
    const value = await call(base, 'POST', '/session', { capabilities: { alwaysMatch: capabilities } });
    return new Session(base, value.sessionId);
  }

  send(method, path, body) {
    return call(this.base, method, this.url.slice(this.base.length) + path, body);
  }

  goto(url) {
    return this.send('POST', '/url', { url });
  }

  reload() {
    return this.send('POST', '/refresh', {});
  }

  // Runs a function in the page with JSON arguments; a promise it returns is waited for.
  execute(fn, args = []) {
    return this.send('POST', '/execute/async', {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve((${fn}).apply(null, Array.prototype.slice.call(arguments, 0, -1)))
          .then((value) => done({ value }), (error) => done({ error: String(error && error.stack || error) }));`,
      args,
    }).then((reply) => {
      if (reply && 'error' in reply) throw new Error(`in the page: ${reply.error}`);
      return reply?.value;
    });
  }

  async element(selector) {
    const value = await this.send('POST', '/element', { using: 'css selector', value: selector });
    return value[ELEMENT];
  }

  async click(selector) {
    return this.send('POST', `/element/${await this.element(selector)}/click`, {});
  }

  async screenshot(selector) {
    return Buffer.from(await this.send('GET', `/element/${await this.element(selector)}/screenshot`), 'base64');
  }

  // A key, or a chord such as 'Shift+Tab', pressed and let go.
  press(chord) {
    const keys = chord.split('+').map((name) => KEYS[name] ?? name);
    const actions = [
      ...keys.map((value) => ({ type: 'keyDown', value })),
      ...keys.reverse().map((value) => ({ type: 'keyUp', value })),
    ];
    return this.send('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
  }

  // A press of a pointer of the given type at a point of the viewport.
  pointerPress(pointerType, x, y) {
    const actions = [
      { type: 'pointerMove', x: Math.round(x), y: Math.round(y), duration: 0, origin: 'viewport' },
      { type: 'pointerDown', button: 0 },
      { type: 'pointerUp', button: 0 },
    ];
    return this.send('POST', '/actions', {
      actions: [{ type: 'pointer', id: pointerType, parameters: { pointerType }, actions }],
    });
  }

  setWindowSize(width, height) {
    return this.send('POST', '/window/rect', { width, height });
  }

  close() {
    return this.send('DELETE', '', undefined);
  }
}

module.exports = { Session };

// A visit in any engine: the designed window's geometry and its picture for the drawing check,
// what a first visit downloads, a second one with no network, presses made while the program
// loads, and the touch layout.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { FIXED, HOME, until, boardPositions, text, openGame, workerActive } = require('./check');
const { solve } = require('../support/solver');

const px = (twips) => twips / 15;

// Every control's box relative to its frame or the window, in CSS pixels, against layout.json.
async function checkGeometry(session, layout) {
  const boxes = await session.execute((items) => {
    const within = (selector, origin) => {
      const box = document.querySelector(selector).getBoundingClientRect();
      const base = document.querySelector(origin).getBoundingClientRect();
      return { left: box.left - base.left, top: box.top - base.top, width: box.width, height: box.height };
    };
    const form = document.getElementById('mainWindow').getBoundingClientRect();
    return {
      form: { left: form.left - (innerWidth - form.width) / 2, top: form.top - (innerHeight - form.height) / 2, width: form.width, height: form.height },
      items: items.map(([selector, origin]) => within(selector, origin)),
    };
  }, [[
    ...layout.controls.map(({ selector, frame }) => [selector, frame ? `#${frame}` : '#mainWindow']),
    ['#boardOutline', '#mainWindow'],
    ...layout.slots.map((slot, i) => [`#tile${i}`, '#mainWindow']),
  ]]);
  const expected = [
    ...layout.controls.map(({ selector, box }) => [selector, box]),
    ['#boardOutline', layout.boardOutline],
    ...layout.slots.map((slot, i) => [`#tile${i}`, slot]),
  ];
  const wrong = [];
  // Under a whole pixel: a caption's text may measure a fraction of a pixel wider in one engine
  // (WebKit's "Bewegungen:" is 65.73 px in its 65 px box, grown to its left), which moves no
  // pixel a player sees; a control a whole pixel off fails.
  const compare = (what, box, twips) => {
    for (const side of ['left', 'top', 'width', 'height'])
      if (Math.abs(box[side] - px(twips[side])) >= 0.99) wrong.push(`${what} ${side} ${box[side]} not ${px(twips[side])}`);
  };
  compare('#mainWindow in the middle', boxes.form, { left: 0, top: 0, ...layout.client });
  expected.forEach(([selector, twips], i) => compare(selector, boxes.items[i], twips));
  assert.deepEqual(wrong, [], 'controls off their designed boxes');
}

// Everything a finger presses.
const TARGETS = [
  'label:has(#fixedStartOption)', 'label:has(#clockStartOption)', '#pictureList', '#previewButton', '#startButton',
  '#quitButton', ...[...Array(12).keys()].map((i) => `#tile${i}`),
];

// The fixed board won by taps where the engine has a touch pointer; where its driver refuses
// one, by clicks, and the run says so.
async function playByTouch(session, note) {
  await session.execute(() => {
    window.pointerTypes = [];
    addEventListener('pointerdown', (event) => window.pointerTypes.includes(event.pointerType) || window.pointerTypes.push(event.pointerType), true);
  });
  let press = (selector) => session.tap(selector);
  try {
    await press('#startButton');
  } catch (error) {
    note(`no touch pointer: ${error.message.split('\n')[0]}; played with clicks`);
    press = (selector) => session.click(selector);
    await press('#startButton');
  }
  await until(() => boardPositions(session), FIXED, 'Start tapped');
  const solution = solve(FIXED);
  for (const tile of solution) await press(`#tile${tile}`);
  await until(() => text(session, '#movesValue'), String(solution.length), 'every tap a move');
  assert.deepEqual(await boardPositions(session), HOME);
  assert.doesNotMatch(await session.execute(() => document.activeElement.id), /^tile/, 'no tile took the focus');
  assert.equal(await session.execute(() => visualViewport.scale), 1, 'tapping never zoomed');
  note(`the page saw presses of: ${(await session.execute(() => window.pointerTypes)).join(', ')}`);
}

// Width and height from a PNG's header.
const pngSize = (png) => ({ width: png.readUInt32BE(16), height: png.readUInt32BE(20) });

const scenarios = [
  {
    name: 'the designed window: every control at its box, a picture of it for the drawing check',
    async run({ engine, open, url, layout, drawnDir }) {
      const session = await open();
      await openGame(session, url);
      assert.equal(await session.execute(() => devicePixelRatio), 1);

      // The window as it first shows: exactly #mainWindow's border box.
      await session.execute(() => document.fonts.ready.then(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)))));
      const png = await session.screenshot('#mainWindow');
      assert.deepEqual(pngSize(png), { width: px(layout.client.width), height: px(layout.client.height) }, 'the screenshot of #mainWindow');
      fs.mkdirSync(drawnDir, { recursive: true });
      fs.writeFileSync(path.join(drawnDir, `web-${engine.name}.png`), png);

      await checkGeometry(session, layout);
    },
  },
  {
    name: 'a first visit downloads each file once, then a visit with no network plays',
    async run({ open, url, server, siteBytes }) {
      const session = await open();
      const mark = server.sent.length;
      await openGame(session, url);

      // The worker keeps the files from the HTTP cache: nothing comes twice.
      await workerActive(session);
      let count = -1;
      while (count !== server.sent.length) {
        count = server.sent.length;
        await new Promise((resolve) => setTimeout(resolve, 500));
      }
      // Browsers warn of a file preloaded for nothing a few seconds after the load event.
      await session.execute(() => {
        const loaded = performance.getEntriesByType('navigation')[0].loadEventEnd;
        return new Promise((resolve) => setTimeout(resolve, Math.max(0, loaded + 4000 - performance.now())));
      });
      assert.deepEqual(session.problems, [], 'console errors or warnings of the first visit');
      const sent = server.sent.slice(mark);
      const whole = sent.filter((r) => r.status === 200).map((r) => r.path);
      assert.deepEqual(whole.filter((p, i) => whole.indexOf(p) !== i), [], 'files sent twice');
      const bytes = sent.reduce((sum, r) => sum + r.bytes, 0);
      assert.ok(bytes <= 1.15 * siteBytes, `a first visit took ${bytes} bytes, the site has ${siteBytes}`);

      // No network: the page comes from the worker's cache and plays. Only the browser's own
      // look for a newer worker may try the network.
      server.goOffline();
      try {
        await session.reload();
        await until(() => session.execute(() => document.querySelectorAll('#pictureList option').length), 2, 'the list filled offline');
        await session.click('#startButton');
        assert.deepEqual(await boardPositions(session), FIXED);
        await session.click('#tile9');
        await until(() => text(session, '#movesValue'), '1', 'a move offline');
        // The other picture, never shown online, is there too.
        await session.click('#previewButton');
        const kinder = await session.screenshot('#board');
        await session.execute(() => {
          const list = document.getElementById('pictureList');
          list.selectedIndex = [...list.options].findIndex((option) => option.text === 'Garten');
          list.dispatchEvent(new Event('change', { bubbles: true }));
        });
        await until(async () => (await session.screenshot('#board')).equals(kinder), false, 'Garten shown offline');
        assert.deepEqual(server.refused.filter((p) => p !== '/sw.js'), [], 'asked of the network while offline');
      } finally {
        server.offline = false;
      }
    },
  },
  {
    name: 'a press on Start while the program still loads starts the game once it runs',
    async run({ open, url, server }) {
      const session = await open();
      const release = server.hold(/\.wasm$/);
      try {
        await session.goto(url);
        await session.click('#startButton');
        assert.deepEqual(await boardPositions(session), HOME, 'nothing moved before the program runs');
        assert.equal(await session.execute(() => document.getElementById('pictureList').options.length), 1, 'the program had not run');
      } finally {
        release();
      }
      await until(() => boardPositions(session), FIXED, 'the game started once the program ran');
      await until(() => text(session, '#startTimeValue').then((t) => /^\d+ : \d+ : \d+$/.test(t)), true, 'the start time');
    },
  },
  {
    name: 'the touch layout: a phone upright and sideways, everything in reach, a game played by touch',
    async run({ engine, open, url, note }) {
      let played = false;
      for (const [width, height] of [[390, 844], [844, 390]]) {
        let session;
        try {
          session = await open({ width, height, touch: true });
        } catch (error) {
          note(`not at ${width} x ${height}: ${error.message}`);
          continue;
        }
        await openGame(session, url);
        const coarse = await session.execute(() => matchMedia('(pointer: coarse)').matches);
        note(`${width} x ${height}: pointer ${coarse ? 'coarse' : 'fine'} (touch ${engine.touch})`);
        const sizes = await session.execute((targets) => {
          const small = targets.filter((s) => {
            const r = document.querySelector(s).getBoundingClientRect();
            return r.width < 44 || r.height < 44;
          });
          const board = document.getElementById('board').getBoundingClientRect();
          return {
            sideways: document.documentElement.scrollWidth > innerWidth,
            small,
            boardInView: board.left >= 0 && board.right <= innerWidth && board.top >= 0 && board.bottom <= innerHeight,
          };
        }, [TARGETS]);
        assert.deepEqual(sizes, { sideways: false, small: [], boardInView: true }, `${width} x ${height}`);
        if (!played) {
          await playByTouch(session, note);
          played = true;
        }
        await session.close(); // WebKitWebDriver holds one session at a time
      }
      assert.ok(played, 'no phone size could be shown');
    },
  },
];

module.exports = { scenarios };

// What every test file needs: the page opened and loaded, the board read from the screen, and two
// checks that hold in every test: no console error or warning, no request to another host.
'use strict';
const base = require('@playwright/test');
const { expect } = base;

// The "immer gleich" start, tile by tile: the slot each tile stands in, the hole last.
const FIXED = [5, 0, 3, 4, 2, 8, 7, 6, 9, 10, 1, 11];
const HOME = [...Array(12).keys()];

const test = base.test.extend({
  // Every test fails on a console error or warning, an uncaught exception or a request to any
  // origin but the site's own (the service worker's requests included).
  pageProblems: [
    async ({ context, baseURL }, use) => {
      const problems = [];
      const origin = new URL(baseURL).origin;
      const watch = (page) => {
        page.on('console', (message) => {
          if (['error', 'warning'].includes(message.type()))
            problems.push(`console ${message.type()}: ${message.text()}`);
        });
        page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
      };
      context.pages().forEach(watch);
      context.on('page', watch);
      context.on('request', (request) => {
        const url = new URL(request.url());
        if (url.protocol !== 'data:' && url.protocol !== 'blob:' && url.origin !== origin)
          problems.push(`request to another origin: ${request.url()}`);
      });
      await use(problems);
      expect(problems, 'console problems and foreign requests').toEqual([]);
    },
    { auto: true },
  ],
});

// Opens the page and waits until the program has run its load handler (it fills the list).
async function openGame(page, path = '/') {
  await page.goto(path);
  await expect(page.locator('#pictureList option', { hasText: 'Garten' })).toHaveCount(1);
}

const tile = (page, index) => page.locator(`#tile${index}`);

// Where each tile stands on the screen, as slots (row by row over four columns), read from the
// tiles' boxes within the board; entry 11 is the hole while tile 11 is hidden.
async function boardPositions(page) {
  return page.evaluate(() => {
    const board = document.getElementById('board').getBoundingClientRect();
    const position = [];
    for (let i = 0; i < 12; ++i) {
      const box = document.getElementById(`tile${i}`).getBoundingClientRect();
      if (box.width === 0) continue;
      const column = Math.round((box.left - board.left) / box.width);
      const row = Math.round((box.top - board.top) / box.height);
      position[i] = row * 4 + column;
    }
    if (position[11] === undefined)
      position[11] = [...Array(12).keys()].find((slot) => !position.includes(slot));
    return position;
  });
}

// Counts the beeps: every sound source started and when it starts and stops, and every audio
// context made. Install before the page loads.
function spyOnAudio() {
  const spy = (window.audioSpy = { contexts: 0, beeps: [] });
  const Native = window.AudioContext;
  if (!Native) return;
  window.AudioContext = class extends Native {
    constructor(...args) {
      super(...args);
      spy.contexts += 1;
    }
  };
  if (window.webkitAudioContext) window.webkitAudioContext = window.AudioContext;
  for (const Node of [AudioScheduledSourceNode, AudioBufferSourceNode, OscillatorNode, ConstantSourceNode]) {
    const proto = Node.prototype;
    if (Object.prototype.hasOwnProperty.call(proto, 'start')) {
      const start = proto.start;
      proto.start = function (when = 0, ...rest) {
        this.beep = { start: when, stop: Infinity };
        spy.beeps.push(this.beep);
        return start.call(this, when, ...rest);
      };
    }
    if (Object.prototype.hasOwnProperty.call(proto, 'stop')) {
      const stop = proto.stop;
      proto.stop = function (when = 0) {
        if (this.beep) this.beep.stop = when;
        return stop.call(this, when);
      };
    }
  }
}

const beeps = (page) => page.evaluate(() => window.audioSpy.beeps.length);

// Tracks the page's intervals, to tell whether the play clock runs. Install before the page loads.
function spyOnIntervals() {
  const running = (window.runningIntervals = new Map());
  const set = window.setInterval;
  const clear = window.clearInterval;
  window.setInterval = function (handler, delay, ...rest) {
    const id = set.call(window, handler, delay, ...rest);
    running.set(id, delay);
    return id;
  };
  window.clearInterval = function (id) {
    running.delete(id);
    return clear.call(window, id);
  };
}

const runningIntervals = (page) => page.evaluate(() => [...window.runningIntervals.values()]);

module.exports = {
  test,
  expect,
  FIXED,
  HOME,
  openGame,
  tile,
  boardPositions,
  spyOnAudio,
  beeps,
  spyOnIntervals,
  runningIntervals,
};

// What the engine scenarios share: waiting for a condition, reading the board, and the game's
// start position.
'use strict';
const assert = require('node:assert/strict');

// The "immer gleich" start, tile by tile: the slot each tile stands in, the hole last.
const FIXED = [5, 0, 3, 4, 2, 8, 7, 6, 9, 10, 1, 11];
const HOME = [...Array(12).keys()];

// Asks until the answer deep-equals the expected one; fails with the last answer.
async function until(ask, expected, message, timeout = 10_000) {
  const end = Date.now() + timeout;
  for (;;) {
    const answer = await ask();
    try {
      assert.deepEqual(answer, expected, message);
      return answer;
    } catch (error) {
      if (Date.now() > end) throw error;
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Where each tile stands, as slots (row by row over four columns), read from the tiles' boxes
// within the board; entry 11 is the hole while tile 11 is hidden.
const boardPositions = (session) =>
  session.execute(() => {
    const board = document.getElementById('board').getBoundingClientRect();
    const position = [];
    for (let i = 0; i < 12; ++i) {
      const box = document.getElementById(`tile${i}`).getBoundingClientRect();
      if (box.width === 0) continue;
      position[i] = Math.round((box.top - board.top) / box.height) * 4 + Math.round((box.left - board.left) / box.width);
    }
    if (position[11] === undefined) position[11] = [...Array(12).keys()].find((slot) => !position.includes(slot));
    return position;
  });

const text = (session, selector) => session.execute((s) => document.querySelector(s).textContent, [selector]);

// Opens the page and waits until the program has run its load handler (it fills the list).
async function openGame(session, url) {
  await session.goto(url);
  await until(() => session.execute(() => document.querySelectorAll('#pictureList option').length), 2, 'the list filled');
}

// Keeps every text the live region gets, in order, in window.announced.
const watchAnnouncements = (session) =>
  session.execute(() => {
    const region = document.getElementById('announce');
    window.announced = [];
    new MutationObserver(() => region.textContent && window.announced.push(region.textContent)).observe(region, {
      childList: true,
      characterData: true,
      subtree: true,
    });
  });

const announced = (session) => session.execute(() => window.announced);

// Waits until the service worker controls a visit's files (its activation done).
const workerActive = (session) =>
  session.execute(async () => {
    const { active } = await navigator.serviceWorker.ready;
    if (active.state !== 'activated')
      await new Promise((resolve) => active.addEventListener('statechange', () => active.state === 'activated' && resolve()));
    return active.state;
  });

module.exports = { FIXED, HOME, until, boardPositions, text, openGame, watchAnnouncements, announced, workerActive };

// Whole games in any engine: one by pointer, one by keyboard, each press announced, with the
// sound running after the first press.
'use strict';
const assert = require('node:assert/strict');
const { solve } = require('../support/solver');
const { FIXED, HOME, until, boardPositions, openGame, watchAnnouncements, announced } = require('./check');

const where = (slot) => `Reihe ${Math.floor(slot / 4) + 1}, Spalte ${(slot % 4) + 1}`;
const tileName = (tile) => `Bildteil ${tile + 1}`;

// Each audio context the page makes, kept in window.audioContexts. Installed after the page has
// loaded: the program makes its context only at the first press.
const spyOnAudio = (session) =>
  session.execute(() => {
    window.audioContexts = [];
    const Native = window.AudioContext || window.webkitAudioContext;
    const Spy = class extends Native {
      constructor(...args) {
        super(...args);
        window.audioContexts.push(this);
      }
    };
    window.AudioContext = Spy;
    if (window.webkitAudioContext) window.webkitAudioContext = Spy;
  });

const audio = (session) =>
  session.execute(() => window.audioContexts.map((context) => ({ state: context.state, time: context.currentTime })));

// Plays the fixed board to the win, each move made by `move(tile, slotOfTile)`; checks the count,
// the board and what the live region said for every press.
async function playToWin(session, move) {
  // The move count and the live region's texts so far, asked at once: one round trip a press.
  const after = (moves, count, sentence, message) =>
    until(
      () => session.execute((count) => [document.getElementById('movesValue').textContent, window.announced.length, window.announced[count - 1]], [count]),
      [moves, count, sentence],
      message,
    );

  assert.deepEqual(await boardPositions(session), FIXED, 'the fixed start');
  await after('', 1, 'Neues Spiel.', 'Start');
  await move(1, FIXED[1]); // far from the gap: stays
  await after('', 2, `${tileName(1)} liegt nicht neben der Lücke.`, 'a tile away from the gap');

  const position = [...FIXED];
  const solution = solve(FIXED);
  for (const [n, tile] of solution.entries()) {
    const gap = position[11];
    await move(tile, position[tile]);
    [position[tile], position[11]] = [position[11], position[tile]];
    const sentence = `${tileName(tile)} nach ${where(gap)}.`;
    if (n < solution.length - 1) {
      await after(String(n + 1), 3 + n, sentence, `move ${n + 1}, ${tileName(tile)}`);
    } else {
      // The winning press says two sentences, the move's and then the win's.
      await after(String(n + 1), 4 + n, 'Das Bild ist vollständig.', 'the win');
      assert.equal((await announced(session))[2 + n], sentence, 'the winning move said before the win');
    }
  }
  assert.deepEqual(await boardPositions(session), HOME, 'the picture whole');
  await until(() => session.execute(() => document.getElementById('tile11').getBoundingClientRect().width > 0), true, 'the last tile shown');
  const all = await announced(session);
  assert.equal(all.filter((t) => /vollständig/.test(t)).length, 1, 'the win said once');
}

const scenarios = [
  {
    name: 'a game by pointer, every press announced, the sound running after the first press',
    async run({ open, url }) {
      const session = await open();
      await openGame(session, url);
      await watchAnnouncements(session);
      await spyOnAudio(session);
      assert.deepEqual(await audio(session), [], 'no audio context before a press');

      await session.click('#startButton');
      await playToWin(session, (tile) => session.click(`#tile${tile}`));

      // One context, running and its clock going on: the sound reaches the (null) speakers.
      const [first] = await until(async () => (await audio(session)).map((c) => c.state), ['running'], 'the audio context');
      assert.ok(first);
      const before = (await audio(session))[0].time;
      await until(async () => (await audio(session))[0].time > before, true, 'the audio clock runs');
    },
  },
  {
    name: 'a game by keyboard alone, every press announced',
    async run({ open, url }) {
      const session = await open();
      await openGame(session, url);
      await watchAnnouncements(session);
      const focused = () => session.execute(() => document.activeElement?.id ?? null);

      // Tab to Start past the board, the option and Vorschau; Enter; back to the board.
      for (let i = 0; i < 4; ++i) await session.press('Tab');
      assert.equal(await focused(), 'startButton');
      await session.press('Enter');
      await until(() => boardPositions(session), FIXED, 'Enter on Start');
      for (let i = 0; i < 3; ++i) await session.press('Shift+Tab');
      assert.equal(await focused(), 'cell0');

      // Arrow keys to the tile's cell, along the row first; Space or Enter moves it.
      let at = 0;
      const walkTo = async (slot) => {
        while (at % 4 !== slot % 4) {
          await session.press(slot % 4 > at % 4 ? 'ArrowRight' : 'ArrowLeft');
          at += Math.sign((slot % 4) - (at % 4));
        }
        while (Math.floor(at / 4) !== Math.floor(slot / 4)) {
          await session.press(slot > at ? 'ArrowDown' : 'ArrowUp');
          at += 4 * Math.sign(slot - at);
        }
        assert.equal(await focused(), `cell${slot}`);
      };
      let presses = 0;
      await playToWin(session, async (tile, slot) => {
        await walkTo(slot);
        await session.press(++presses % 2 ? 'Space' : 'Enter');
      });
      assert.deepEqual(await session.execute(() => [scrollX, scrollY]), [0, 0], 'keys never scrolled the page');
    },
  },
];

module.exports = { scenarios };

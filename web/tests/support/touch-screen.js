// A touch screen seen at a glance: the whole board and Start in view before any scrolling, every
// target a fingertip's size, no control over another, and the board not smaller than the room
// the controls leave it.
'use strict';
const { expect } = require('@playwright/test');

const BOARD_ASPECT = 7620 / 5085; // the board's twips, game/layout.h

// Everything a player reads or touches, each a box of its own.
const BOXES = [
  '#board', '#startTimeCaption', '#startTimeValue', '#playTimeCaption', '#playTimeValue', '#movesCaption',
  '#movesValue', '#startModeFrame', '#pictureFrame', '#previewButton', '#startButton', '#quitButton', '#creditLabel',
];
const TARGETS = [
  'label:has(#fixedStartOption)', 'label:has(#clockStartOption)', '#pictureList',
  '#previewButton', '#startButton', '#quitButton',
  ...[...Array(11).keys()].map((i) => `#tile${i}`),
];

// The floor of the board's size on each screen we name, in CSS pixels, from what the controls
// need beside the board: 8 px of padding round the page, and
// - upright: nothing beside the board, so all the width less the padding;
// - a phone sideways (wider than 3:2): the controls in two columns to its right, 18rem and two
//   gaps of 8 px;
// - a tablet sideways: two rows of controls under it (values 46 px, frames 69 px) and their gaps,
//   some 160 px in all.
const SCREENS = [
  { kind: 'phone', viewport: { width: 390, height: 844 }, floor: { width: 390 - 16 } },
  { kind: 'phone', viewport: { width: 844, height: 390 }, floor: { width: 844 - 16 - 18 * 16 - 16 } },
  { kind: 'tablet', viewport: { width: 768, height: 1024 }, floor: { width: 768 - 16 } },
  { kind: 'tablet', viewport: { width: 1024, height: 768 }, floor: { height: 768 - 160 } },
];

// Checks the page as it first shows, at scroll 0, and returns the board's box for the report.
async function expectAllAtAGlance(page, floor) {
  const seen = await page.evaluate((selectors) => ({
    scroll: [scrollX, scrollY],
    view: { width: innerWidth, height: innerHeight },
    scrollWidth: document.documentElement.scrollWidth,
    boxes: selectors.map((s) => document.querySelector(s).getBoundingClientRect().toJSON()),
  }), BOXES);
  expect(seen.scroll).toEqual([0, 0]);
  expect(seen.scrollWidth, 'no sideways scrolling').toBeLessThanOrEqual(seen.view.width);
  const box = (selector) => seen.boxes[BOXES.indexOf(selector)];
  for (const selector of ['#board', '#startButton']) {
    const r = box(selector);
    expect(r.left, selector).toBeGreaterThanOrEqual(0);
    expect(r.top, selector).toBeGreaterThanOrEqual(0);
    expect(r.right, selector).toBeLessThanOrEqual(seen.view.width);
    expect(r.bottom, `${selector} in view without scrolling`).toBeLessThanOrEqual(seen.view.height);
  }

  const overlaps = [];
  for (const [i, p] of seen.boxes.entries())
    for (const [j, q] of seen.boxes.entries()) {
      const across = Math.min(p.right, q.right) - Math.max(p.left, q.left);
      const down = Math.min(p.bottom, q.bottom) - Math.max(p.top, q.top);
      if (j > i && across > 0.5 && down > 0.5) overlaps.push(`${BOXES[i]} overlaps ${BOXES[j]}`);
    }
  expect(overlaps).toEqual([]);

  for (const selector of TARGETS) {
    const target = await page.locator(selector).boundingBox();
    expect(target.width, selector).toBeGreaterThanOrEqual(44);
    expect(target.height, selector).toBeGreaterThanOrEqual(44);
  }

  // The picture undistorted (a board stretched to its row would cut the tiles unevenly) and no
  // smaller than its floor.
  const board = box('#board');
  expect(Math.abs(board.width - board.height * BOARD_ASPECT), 'the board keeps its shape').toBeLessThanOrEqual(1);
  if (floor.width) expect(board.width).toBeGreaterThanOrEqual(floor.width);
  if (floor.height) expect(board.height).toBeGreaterThanOrEqual(floor.height);
  return board;
}

module.exports = { SCREENS, expectAllAtAGlance };

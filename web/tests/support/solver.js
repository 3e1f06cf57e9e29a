// The tiles to click, in order, that bring every tile home: iterative deepening A* over the
// Manhattan distance, as the desktop tests do. `position[tile]` is the slot of each tile,
// position[11] the hole; slots run row by row over four columns.
'use strict';

const COLUMNS = 4;
const ROWS = 3;
const HOLE = 11;

function solve(position, maxMoves = 80) {
  const tileAt = [];
  position.forEach((slot, tile) => (tileAt[slot] = tile));
  let hole = position[HOLE];
  const distance = (tile, slot) =>
    Math.abs(Math.floor(tile / COLUMNS) - Math.floor(slot / COLUMNS)) +
    Math.abs((tile % COLUMNS) - (slot % COLUMNS));
  let h0 = 0;
  tileAt.forEach((tile, slot) => (h0 += tile === HOLE ? 0 : distance(tile, slot)));

  const path = [];
  let bound = h0;
  let nextBound;
  const descend = (depth, h, previousHole) => {
    if (h === 0) return true;
    if (depth + h > bound) {
      nextBound = Math.min(nextBound, depth + h);
      return false;
    }
    const row = Math.floor(hole / COLUMNS);
    const column = hole % COLUMNS;
    const candidates = [
      row > 0 ? hole - COLUMNS : -1,
      row < ROWS - 1 ? hole + COLUMNS : -1,
      column > 0 ? hole - 1 : -1,
      column < COLUMNS - 1 ? hole + 1 : -1,
    ];
    for (const from of candidates) {
      if (from < 0 || from === previousHole) continue;
      const tile = tileAt[from];
      const newH = h - distance(tile, from) + distance(tile, hole);
      const oldHole = hole;
      tileAt[oldHole] = tile;
      tileAt[from] = HOLE;
      hole = from;
      path.push(tile);
      if (descend(depth + 1, newH, oldHole)) return true;
      path.pop();
      hole = oldHole;
      tileAt[from] = tile;
      tileAt[oldHole] = HOLE;
    }
    return false;
  };
  while (bound <= maxMoves) {
    nextBound = maxMoves + 1;
    if (descend(0, h0, -1)) return path;
    bound = nextBound;
  }
  return null;
}

module.exports = { solve };

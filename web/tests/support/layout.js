// The designed places of the controls, read from the C++ header the game itself is built from,
// so the tests hold no copy of the figures. Everything in twips (15 to a CSS pixel).
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const HEADER = path.join(__dirname, '..', '..', '..', 'game', 'form1_layout.h');
const TWIPS_PER_PX = 15;

function readLayout(file = HEADER) {
  const text = fs.readFileSync(file, 'utf8');
  const numbers = (s) => s.match(/-?\d+/g).map(Number);
  const rect = ([left, top, width, height]) => ({ left, top, width, height });

  const ints = {};
  for (const [, name, value] of text.matchAll(/constexpr int (\w+) = (-?\d+);/g))
    ints[name] = Number(value);
  const rects = {};
  for (const [, name, body] of text.matchAll(/constexpr TwipRect (\w+)\{([^}]*)\};/g))
    rects[name] = rect(numbers(body));
  const arrayOf = (name) => {
    const match = text.match(new RegExp(`constexpr std::array<\\w+, \\d+> ${name}\\{\\{([\\s\\S]*?)\\}\\};`));
    if (!match) throw new Error(`${name} not found in ${file}`);
    return [...match[1].matchAll(/\{([^{}]*)\}/g)].map((m) => numbers(m[1]));
  };
  for (const name of ['kClientWidth', 'kClientHeight', 'kTileWidth', 'kTileHeight', 'kBoardLeft', 'kBoardTop'])
    if (!(name in ints)) throw new Error(`${name} not found in ${file}`);

  // tile(i) in the header: column i mod 4, row i div 4 from the board's corner.
  const tile = (i) => ({
    left: ints.kBoardLeft + ints.kTileWidth * (i % 4),
    top: ints.kBoardTop + ints.kTileHeight * Math.floor(i / 4),
    width: ints.kTileWidth,
    height: ints.kTileHeight,
  });
  const lines = arrayOf('kLine1').map(([x1, y1, x2, y2]) => ({ x1, y1, x2, y2 }));
  const options = arrayOf('kOptSpielart').map(rect);

  return {
    client: { width: ints.kClientWidth, height: ints.kClientHeight },
    tile,
    lines,
    rects,
    options,
    timerInterval: ints.kTimer1IntervalMilliseconds,
  };
}

const px = (twips) => twips / TWIPS_PER_PX;

module.exports = { readLayout, px };

// The designed layout as the build wrote it from the game's own control table (layout.json beside
// the site), so the tests hold no copy of the figures. Everything in twips (15 to a CSS pixel).
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const TWIPS_PER_PX = 15;

function readLayout() {
  const site = process.env.RUTSCHBILD_SITE; // set by playwright.config.js
  return JSON.parse(fs.readFileSync(path.join(site, '..', 'layout.json'), 'utf8'));
}

const px = (twips) => twips / TWIPS_PER_PX;

module.exports = { readLayout, px };

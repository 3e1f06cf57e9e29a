// The floor page's only script: a click on a tile swaps its place with the bottom-right tile's,
// the least a tile click can do to the screen. Measured against the game's own tile clicks.
'use strict';

const corner = document.getElementById('tile11');
for (const tile of document.querySelectorAll('.tile')) {
  tile.addEventListener('click', () => {
    const here = getComputedStyle(tile);
    const there = getComputedStyle(corner);
    const [top, left] = [here.getPropertyValue('--top'), here.getPropertyValue('--left')];
    tile.style.setProperty('--top', there.getPropertyValue('--top'));
    tile.style.setProperty('--left', there.getPropertyValue('--left'));
    corner.style.setProperty('--top', top);
    corner.style.setProperty('--left', left);
  });
}

// Starts the game. Until its WebAssembly has loaded, the page already shows the picture.
'use strict';

createRutschbild();
// A click on a tile leaves the keyboard focus where it was: tiles answer the mouse only.
document.getElementById('board').addEventListener('mousedown', (event) => event.preventDefault());
// Keeps the site for offline visits; where no worker may run (a file:// page), it plays online.
navigator.serviceWorker?.register('sw.js').catch(() => {});

// Starts the game. Until its WebAssembly has loaded, the page already shows the picture.
'use strict';

// The program runs for as long as the page: where it does not arrive, or ends because the page
// arrived incomplete, a notice takes the place of a board that would not answer.
function showLoadFailure() {
  document.getElementById('Form1').hidden = true;
  document.getElementById('loadFailure').hidden = false;
}
const program = typeof createRutschbild === 'function' ? createRutschbild({ quit: showLoadFailure }) : Promise.reject();
program.catch(showLoadFailure);
// A click on a tile leaves the keyboard focus where it was: tiles answer the mouse only.
document.getElementById('board').addEventListener('mousedown', (event) => event.preventDefault());
// Keeps the site for offline visits; where no worker may run (a file:// page), it plays online.
navigator.serviceWorker?.register('sw.js').catch(() => {});

// Starts the game. Until its WebAssembly has loaded, the page already shows the picture.
// The first deferred script: it starts the download of the WebAssembly itself and hands that very
// download to the program once rutschbild.js has run too. A preload link would not do: WebKit does
// not give a preloaded file to a script's fetch, and downloads it again.
'use strict';

// Double quotes: the build rewrites the name in quotes to the file's hashed name.
const wasm = fetch("rutschbild.wasm");
wasm.catch(() => {}); // a failed download is shown by the program's start below

// The program runs for as long as the page: where it does not arrive, or ends because the page
// arrived incomplete, a notice takes the place of a board that would not answer.
function showLoadFailure() {
  document.getElementById('mainWindow').hidden = true;
  document.getElementById('loadFailure').hidden = false;
}

// The buttons show long before the program can answer them (on a slow phone for most of a
// second): presses made meanwhile are kept and handed to the program, in order, once it runs, so
// a tap on "Start" starts the game however early it came.
const early = [];
const keep = (event) => {
  const target = event.target instanceof Element ? event.target : null;
  if (event.type === 'click') {
    const button = target?.closest('button');
    if (button) early.push(() => button.click());
  } else if (event.type === 'change') {
    if (target?.matches('input, select')) early.push(() => target.dispatchEvent(new Event('change', { bubbles: true })));
  } else if (target?.closest('#board') && event.key !== 'Tab') {
    // Keys on the board move tiles; the browser's own use of them (scrolling) waits as well.
    event.preventDefault();
    const { key, code, shiftKey, ctrlKey, altKey, metaKey, repeat } = event;
    const init = { key, code, shiftKey, ctrlKey, altKey, metaKey, repeat, bubbles: true, cancelable: true };
    early.push(() => target.dispatchEvent(new KeyboardEvent('keydown', init)));
  }
};
const pressTypes = ['click', 'change', 'keydown'];
for (const type of pressTypes) document.addEventListener(type, keep, true);
function handOver() {
  for (const type of pressTypes) document.removeEventListener(type, keep, true);
  for (const press of early.splice(0)) press();
}

// The program compiles the WebAssembly while it still arrives; a download that fails or arrives
// incomplete shows the notice, as a program that would not start does.
function instantiateWasm(imports, receive) {
  wasm
    .then((response) => {
      if (!response.ok) throw new Error(`${response.status}`);
      // Compiling while downloading needs the right type; a host that sends another gets it
      // compiled once complete.
      if (response.headers.get('Content-Type')?.startsWith('application/wasm'))
        return WebAssembly.instantiateStreaming(response, imports);
      return response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports));
    })
    .then(({ instance, module }) => receive(instance, module), showLoadFailure);
  return {};
}

function start() {
  const program =
    typeof createRutschbild === 'function' ? createRutschbild({ quit: showLoadFailure, instantiateWasm }) : Promise.reject();
  // The program's main has run (it sets up every listener) before this promise settles.
  program.then(handOver, showLoadFailure);
}
// Every deferred script has run once the document says it is loaded.
document.addEventListener('DOMContentLoaded', start);
// A click on a tile leaves the keyboard focus where it was: tiles answer the mouse only.
document.getElementById('board').addEventListener('mousedown', (event) => event.preventDefault());
// Keeps the site for offline visits, once the page itself has loaded: the worker then finds every
// file in the HTTP cache. Where no worker may run (a file:// page), it plays online.
addEventListener('load', () => navigator.serviceWorker?.register('sw.js').catch(() => {}));

// The service worker: keeps every file of the site in a cache after the first visit, so the game
// starts again with no network and can be installed to a home screen. The build writes the file
// list and a hash of all the files' contents in place of the two marks below, so every change to
// the site gets a cache of its own and the old one goes once the new worker takes over.
'use strict';

const VERSION = '@SITE_VERSION@';
const FILES = [@SITE_FILES@];
const CACHE = 'rutschbild-' + VERSION;

self.addEventListener('install', (event) => {
  // './' as well as 'index.html': the address a visitor types or the home screen opens. Past
  // the browser's HTTP cache, which may still hold files of the build before.
  const requests = ['./', ...FILES].map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((name) => name.startsWith('rutschbild-') && name !== CACHE)
            .map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches
      .open(CACHE)
      // A start address with a query string still finds the page.
      .then((cache) => cache.match(request, { ignoreSearch: request.mode === 'navigate' }))
      .then((cached) => cached || fetch(request)),
  );
});

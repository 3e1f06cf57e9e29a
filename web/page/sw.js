// The service worker: keeps every file of the site in a cache after the first visit, so the game
// starts again with no network and can be installed to a home screen. The build writes the file
// list and a hash of all the files' contents in place of the two marks below, so every change to
// the site gets a cache of its own and the old one goes once the new worker takes over.
'use strict';

const VERSION = '@SITE_VERSION@';
const FILES = [@SITE_FILES@];
const CACHE = 'rutschbild-' + VERSION;

self.addEventListener('install', (event) => {
  // './' is the page: the address a visitor types or the home screen opens. Every other name
  // carries a hash of its contents, so the copy the page just loaded into the HTTP cache is the
  // right one and nothing is downloaded twice.
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(['./', ...FILES])));
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
    caches.open(CACHE).then(async (cache) => {
      // The page is kept as './': index.html and a start address with a query string find it too.
      const page = new URL(request.url);
      page.search = '';
      page.pathname = page.pathname.replace(/index\.html$/, '');
      const cached = await cache.match(request.mode === 'navigate' ? page.href : request);
      if (cached) return cached;
      // What is not kept from the start (the home-screen icons, fetched only to install) is
      // kept once fetched.
      const response = await fetch(request);
      if (response.ok) cache.put(request, response.clone()).catch(() => {});
      return response;
    }),
  );
});

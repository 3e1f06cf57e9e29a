// The built site served as the other tests serve it, with two switches the scenarios need in
// every engine alike: requests for some files held back until released (a slow download), and
// the server gone (no network), so no browser's own network emulation is needed.
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { serve } = require('../support/serve-site');

async function serveSite(root) {
  const server = await serve(root);
  const [handler] = server.listeners('request');
  server.removeAllListeners('request');
  const held = []; // { pattern, released }
  server.offline = false;
  server.refused = []; // paths asked for while offline
  server.on('request', (request, response) => {
    const pathname = new URL(request.url, 'http://host').pathname;
    if (server.offline) {
      server.refused.push(pathname);
      request.socket.destroy();
      return;
    }
    const hold = held.find((h) => h.pattern.test(pathname));
    if (hold) hold.released.then(() => handler(request, response));
    else handler(request, response);
  });
  // Holds back every request whose path matches until the returned function is called.
  server.hold = (pattern) => {
    let release;
    const entry = { pattern, released: new Promise((resolve) => (release = resolve)) };
    held.push(entry);
    return () => {
      held.splice(held.indexOf(entry), 1);
      release();
    };
  };
  server.goOffline = () => {
    server.offline = true;
    server.closeIdleConnections();
  };
  server.origin = `http://127.0.0.1:${server.address().port}`;
  return server;
}

// Every file of a folder, as paths relative to it with forward slashes.
function filesIn(dir, prefix = '') {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesIn(path.join(dir, entry.name), `${prefix}${entry.name}/`) : [`${prefix}${entry.name}`],
  );
}

// What the site weighs on the wire: each file a visit can use (all but the icons and the
// manifest, which the browser fetches only to show or install the page) fetched once, as the
// server sends it to a browser that accepts gzip.
async function siteBytes(root) {
  const server = await serve(root);
  try {
    const files = filesIn(root).filter((f) => !f.startsWith('icons/') && f !== 'manifest.webmanifest');
    for (const file of files) {
      await new Promise((resolve, reject) => {
        http
          .get(`http://127.0.0.1:${server.address().port}/${file}`, { headers: { 'Accept-Encoding': 'gzip' } }, (r) => {
            r.resume();
            r.on('end', resolve);
          })
          .on('error', reject);
      });
    }
    await new Promise((resolve) => setImmediate(resolve));
    return server.sent.reduce((sum, r) => sum + r.bytes, 0);
  } finally {
    server.close();
  }
}

module.exports = { serveSite, siteBytes };

// A small static file server for the built site, as any static web host would serve it: the
// browser tests and the benchmark start it on a free port of 127.0.0.1.
//   node serve-site.js DIR [PORT]      (PORT 0 or none: any free port)
'use strict';
const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
};

function serve(root, port = 0) {
  root = path.resolve(root);
  const server = http.createServer((request, response) => {
    const pathname = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    let file = path.join(root, pathname.endsWith('/') ? pathname + 'index.html' : pathname);
    if (!file.startsWith(root + path.sep) || request.method !== 'GET') {
      response.writeHead(request.method === 'GET' ? 404 : 405).end();
      return;
    }
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
        return;
      }
      // Always asked afresh, so a rebuilt site is never mixed with an old one in the HTTP cache.
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(body);
    });
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

module.exports = { serve };

if (require.main === module) {
  const [dir, port] = process.argv.slice(2);
  if (!dir || !fs.existsSync(path.join(dir, 'index.html'))) {
    console.error('usage: serve-site.js DIR [PORT]  (DIR must hold index.html)');
    process.exit(2);
  }
  serve(dir, Number(port || 0)).then((server) => {
    console.log(`Serving ${path.resolve(dir)} on http://127.0.0.1:${server.address().port}/`);
  });
}

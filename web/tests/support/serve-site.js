// A small static file server for the built site, as any static web host would serve it: the
// browser tests and the benchmark start it on a free port of 127.0.0.1.
//   node serve-site.js DIR [PORT]      (PORT 0 or none: any free port)
'use strict';
const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');
const crypto = require('node:crypto');
const zlib = require('node:zlib');

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

// Files whose name carries a hash of their contents (style.<12 hex digits>.css) never change under
// that name: browsers may keep them for good. The page, its manifest and the service worker are
// asked afresh each time (a conditional request, answered by 304 while unchanged).
const HASHED = /\.[0-9a-f]{12}\.[a-z]+$/;
const COMPRESSED = new Set(['.html', '.css', '.js', '.json', '.webmanifest', '.wasm', '.svg']);

// Every response a server sent, for the tests and the benchmark that count what a visit costs:
// its path, status and the bytes on the wire (headers and body as sent, gzip-compressed where the
// browser accepts it, as a static host sends them).
function serve(root, port = 0) {
  root = path.resolve(root);
  const sent = [];
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
      const extension = path.extname(file);
      const etag = `"${crypto.createHash('sha256').update(body).digest('hex').slice(0, 16)}"`;
      const headers = {
        'Content-Type': TYPES[extension] || 'application/octet-stream',
        Date: new Date().toUTCString(),
        'Cache-Control': HASHED.test(file) ? 'public, max-age=31536000, immutable' : 'no-cache',
        ETag: etag,
        Vary: 'Accept-Encoding',
      };
      let status = 200;
      if (request.headers['if-none-match'] === etag) {
        status = 304;
        body = Buffer.alloc(0);
      } else if (COMPRESSED.has(extension) && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        body = zlib.gzipSync(body, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      response.on('finish', () => {
        const head = Object.entries(headers).map(([k, v]) => `${k}: ${v}\r\n`).join('');
        sent.push({ path: pathname, status, bytes: Buffer.byteLength(head) + 17 + body.length });
      });
      response.writeHead(status, headers);
      response.end(body);
    });
  });
  server.sent = sent;
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

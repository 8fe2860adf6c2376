// Serves the check pages, the engine bundles, the sheets and the single pictures over HTTP on
// the loopback address, because the engines fetch atlases and images, which file:// refuses.
import http from 'node:http';
import path from 'node:path';
import { readFile } from 'node:fs/promises';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.json': 'application/json', '.png': 'image/png' };

// roots maps the first path segment of a URL to the folder it serves.
function fileFor(roots, urlPath) {
  const [, top, ...rest] = decodeURIComponent(urlPath).split('/');
  const root = roots[top];
  if (!root) return null;
  const file = path.resolve(root, ...rest);
  return file.startsWith(path.resolve(root) + path.sep) ? file : null;
}

// onServed(urlPath, status), when given, hears of every answer, so a check can count requests.
export async function startServer(roots, onServed = () => {}) {
  const server = http.createServer(async (request, response) => {
    let urlPath = request.url;
    try {
      urlPath = new URL(request.url, 'http://localhost').pathname;
      const file = fileFor(roots, urlPath);
      if (!file) throw new Error('outside the served folders');
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-store' });
      response.end(body);
      onServed(urlPath, 200);
    } catch {
      response.writeHead(404);
      response.end();
      onServed(urlPath, 404);
    }
  });
  // Port 0 lets the system pick a free port, so parallel runs never collide.
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

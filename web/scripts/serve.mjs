// Serves dist/ on 127.0.0.1, compressed (brotli or gzip, as the browser
// accepts) and revalidated on every load, so that a new build and its
// service worker are seen at once. Only regular files under dist/ are served.
// Usage: node scripts/serve.mjs [PORT]

import { readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import { dirname, extname, resolve, sep } from "node:path";
import { fileURLToPath } from "node:url";
import { brotliCompressSync, gzipSync } from "node:zlib";

const dist = resolve(dirname(fileURLToPath(import.meta.url)), "..", "dist");
const port = Number(process.argv[2] ?? 8080);
const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".webmanifest": "application/manifest+json",
};

function fileFor(urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath);
  } catch {
    return undefined;
  }
  const file = resolve(dist, `.${path.endsWith("/") ? `${path}index.html` : path}`);
  if (!file.startsWith(dist + sep) || !(extname(file) in types)) return undefined;
  try {
    return statSync(file).isFile() ? file : undefined;
  } catch {
    return undefined;
  }
}

// Each file compressed once per version of it (its modification time).
const compressed = new Map();
function encoded(file, encoding) {
  const key = `${encoding} ${statSync(file).mtimeMs} ${file}`;
  if (!compressed.has(key)) {
    const content = readFileSync(file);
    compressed.set(key, encoding === "br" ? brotliCompressSync(content) : encoding === "gzip" ? gzipSync(content, { level: 9 }) : content);
  }
  return compressed.get(key);
}

createServer((request, response) => {
  const path = (request.url ?? "").split(/[?#]/)[0];
  const file = request.method === "GET" || request.method === "HEAD" ? fileFor(path) : undefined;
  if (!file) {
    response.writeHead(404, { "Content-Type": "text/plain; charset=utf-8" }).end("404\n");
    return;
  }
  const accepted = String(request.headers["accept-encoding"] ?? "");
  const encoding = /\bbr\b/.test(accepted) ? "br" : /\bgzip\b/.test(accepted) ? "gzip" : "identity";
  const body = encoded(file, encoding);
  response.writeHead(200, {
    "Content-Type": types[extname(file)],
    "Content-Encoding": encoding,
    "Content-Length": body.length,
    "Cache-Control": "no-cache",
    Vary: "Accept-Encoding",
  });
  response.end(request.method === "HEAD" ? undefined : body);
}).listen(port, "127.0.0.1", () => console.log(`Lavoro1: http://127.0.0.1:${port}/ (Ctrl+C per fermare)`));

// Serves dist/ on 127.0.0.1, compressed (brotli or gzip, as the browser
// accepts) and revalidated on every load by its ETag, so that a new build
// and its service worker are seen at once and an unchanged file is not sent
// again. Only regular files under dist/ are served, each with the type of
// its kind (scripts/content_types.mjs), which every file the build writes
// has. Usage: node scripts/serve.mjs [PORT [FOLDER]], FOLDER another folder
// to serve the same way (the benchmarks' bare pages).

import { createHash } from "node:crypto";
import { readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import { dirname, resolve, sep } from "node:path";
import { fileURLToPath } from "node:url";
import { brotliCompressSync, gzipSync } from "node:zlib";
import { contentType } from "./content_types.mjs";

const dist = process.argv[3] ? resolve(process.argv[3]) : resolve(dirname(fileURLToPath(import.meta.url)), "..", "dist");
const port = Number(process.argv[2] ?? 8080);

function fileFor(urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath);
  } catch {
    return undefined;
  }
  const file = resolve(dist, `.${path.endsWith("/") ? `${path}index.html` : path}`);
  if (!file.startsWith(dist + sep) || contentType(file) === undefined) return undefined;
  try {
    return statSync(file).isFile() ? file : undefined;
  } catch {
    return undefined;
  }
}

// Each file compressed once per version of it (its modification time), and
// tagged with its content's hash and the encoding; a rebuild's version takes
// the place of the one before, so that a server left running does not grow.
const compressed = new Map();
function encoded(file, encoding) {
  const key = `${encoding} ${file}`;
  const version = statSync(file).mtimeMs;
  if (compressed.get(key)?.version !== version) {
    const content = readFileSync(file);
    compressed.set(key, {
      version,
      body: encoding === "br" ? brotliCompressSync(content) : encoding === "gzip" ? gzipSync(content, { level: 9 }) : content,
      tag: `"${createHash("sha256").update(content).digest("base64url").slice(0, 22)}-${encoding}"`,
    });
  }
  return compressed.get(key);
}

const server = createServer((request, response) => {
  const path = (request.url ?? "").split(/[?#]/)[0];
  const file = request.method === "GET" || request.method === "HEAD" ? fileFor(path) : undefined;
  if (!file) {
    response.writeHead(404, { "Content-Type": "text/plain; charset=utf-8" }).end("404\n");
    return;
  }
  const accepted = String(request.headers["accept-encoding"] ?? "");
  const encoding = /\bbr\b/.test(accepted) ? "br" : /\bgzip\b/.test(accepted) ? "gzip" : "identity";
  const { body, tag } = encoded(file, encoding);
  const headers = { ETag: tag, "Cache-Control": "no-cache", Vary: "Accept-Encoding" };
  if (String(request.headers["if-none-match"] ?? "").includes(tag)) {
    response.writeHead(304, headers).end();
    return;
  }
  response.writeHead(200, { ...headers, "Content-Type": contentType(file), "Content-Encoding": encoding, "Content-Length": body.length });
  response.end(request.method === "HEAD" ? undefined : body);
});
// Port 0: one the system chooses, which the line printed names.
server.listen(port, "127.0.0.1", () => console.log(`Lavoro1: http://127.0.0.1:${server.address().port}/ (Ctrl+C per fermare)`));

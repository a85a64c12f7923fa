// The type each kind of file of dist/ is served with, by its name's
// extension. scripts/build.mjs refuses to finish with a file whose kind is
// not here, so that scripts/serve.mjs serves every file the build writes.
import { extname } from "node:path";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".webmanifest": "application/manifest+json",
};

// undefined for a kind of file the page does not have.
export function contentType(file) {
  return Object.hasOwn(types, extname(file)) ? types[extname(file)] : undefined;
}

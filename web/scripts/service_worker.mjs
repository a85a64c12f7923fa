// The service worker of a built page: src/service_worker.ts bundled into
// dist/sw.js with the build's list of files, each with the SHA-256 of its
// content, and the version, which changes with any of them and names the
// cache. The worker keeps a file only when its content has that hash.
import { createHash } from "node:crypto";
import { readdirSync, readFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import * as esbuild from "esbuild";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");

// Not the served page's: the worker itself and the page in one file.
const apart = new Set(["sw.js", "lavoro1.html"]);
// What every visit needs is kept at install; a language's catalogue once
// the page shows it, and the home screen's PNG icons never (the browser
// fetches them when the page is installed as an app, not the page).
const keptAtInstall = (file) => !/^i18n-.*\.json$/.test(file) && !file.endsWith(".png");

export async function writeServiceWorker(dist) {
  const sha256 = (file) =>
    createHash("sha256")
      .update(readFileSync(join(dist, file)))
      .digest("hex");
  const files = readdirSync(dist)
    .filter((file) => !apart.has(file))
    .sort();
  const pageFiles = Object.fromEntries([["./", sha256("index.html")], ...files.map((file) => [file, sha256(file)])]);
  const version = createHash("sha256").update(JSON.stringify(pageFiles)).digest("hex").slice(0, 16);
  await esbuild.build({
    entryPoints: [join(web, "src", "service_worker.ts")],
    bundle: true,
    format: "iife",
    target: "es2022",
    minify: true,
    outfile: join(dist, "sw.js"),
    define: {
      cacheVersion: JSON.stringify(version),
      pageFiles: JSON.stringify(pageFiles),
      precached: JSON.stringify(Object.keys(pageFiles).filter(keptAtInstall)),
    },
    logLevel: "warning",
  });
  return version;
}

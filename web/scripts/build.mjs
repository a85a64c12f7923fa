// Builds the page into dist/, plain static files: the core compiled to
// WebAssembly by the web CMake preset, the texts from the desktop's
// catalogues, the proven series from the native archimede, and the page's
// TypeScript and CSS bundled by esbuild.
// Environment: ARCHIMEDE, the native archimede to run (default: the first of
// build/ci and build/release, built with the release preset when neither is).
import { execFileSync } from "node:child_process";
import { copyFileSync, existsSync, mkdirSync, rmSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import * as esbuild from "esbuild";
import { writeCertifiedSeries } from "./certified.mjs";
import { convertTranslations } from "./translations.mjs";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const root = resolve(web, "..");
const dist = join(web, "dist");
const generated = join(web, "build", "generated");

function run(command, args, options = {}) {
  execFileSync(command, args, { cwd: root, stdio: ["ignore", "inherit", "inherit"], ...options });
}

// Debian's emscripten runs its JavaScript tools with the Node.js on the
// PATH; one that is not Debian's own finds acorn only through NODE_PATH.
const emscriptenEnv = { ...process.env, NODE_PATH: "/usr/share/nodejs" };
run("cmake", ["--preset", "web"], { env: emscriptenEnv, stdio: ["ignore", "ignore", "inherit"] });
run("cmake", ["--build", "--preset", "web"], { env: emscriptenEnv });

const missing = convertTranslations({
  translationsDir: join(root, "translations"),
  sourceDir: join(web, "src"),
  output: join(generated, "translations.json"),
});
for (const [context, source] of missing) {
  console.warn(`warning: no English for ${context}: ${JSON.stringify(source)}`);
}

function nativeArchimede() {
  if (process.env.ARCHIMEDE) return process.env.ARCHIMEDE;
  for (const preset of ["ci", "release"]) {
    const path = join(root, "build", preset, "bin", "archimede");
    if (existsSync(path)) return path;
  }
  run("cmake", ["--preset", "release"], { stdio: ["ignore", "ignore", "inherit"] });
  run("cmake", ["--build", "--preset", "release", "--target", "archimede"]);
  return join(root, "build", "release", "bin", "archimede");
}
writeCertifiedSeries(nativeArchimede(), join(generated, "certified.json"));

rmSync(dist, { recursive: true, force: true });
mkdirSync(dist, { recursive: true });
await esbuild.build({
  entryPoints: [join(web, "src", "main.ts")],
  bundle: true,
  format: "esm",
  target: "es2022",
  minify: true,
  outdir: dist,
  alias: { "lavoro1-core": join(web, "build", "core", "lavoro1_core.mjs") },
  logLevel: "warning",
});
copyFileSync(join(web, "build", "core", "lavoro1_core.wasm"), join(dist, "lavoro1_core.wasm"));
copyFileSync(join(web, "src", "index.html"), join(dist, "index.html"));
copyFileSync(join(root, "data", "icons", "scalable", "org.lavoro1.Lavoro1.svg"), join(dist, "icon.svg"));
console.log(`built ${dist}`);

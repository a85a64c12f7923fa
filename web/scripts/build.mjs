// Builds the page into dist/, plain static files: the core compiled to
// WebAssembly by the web CMake preset, the texts from the desktop's
// catalogues, the page's TypeScript and CSS bundled by esbuild, its manifest
// and its service worker; and beside them lavoro1.html, the whole page in one
// file with the core inlined, which works from file:// too.
import { execFileSync } from "node:child_process";
import { copyFileSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";
import * as esbuild from "esbuild";
import { catalogueKey } from "../src/catalogue_key.mjs";
import { contentType } from "./content_types.mjs";
import { writeServiceWorker } from "./service_worker.mjs";
import { convertTranslations } from "./translations.mjs";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const root = resolve(web, "..");
const dist = join(web, "dist");
const generated = join(web, "build", "generated");

function run(command, args, options = {}) {
  execFileSync(command, args, { cwd: root, stdio: ["ignore", "inherit", "inherit"], ...options });
}

// The core's proven series are constants that the native program
// proven-series (tools/) computes with Arb, which emscripten's build cannot
// run: it is built first in the desktop's build, the first of build/ci and
// build/release that is configured, or a release build made here.
function nativeProvenSeries() {
  let build = ["ci", "release"].map((preset) => join(root, "build", preset)).find((folder) => existsSync(join(folder, "CMakeCache.txt")));
  if (!build) {
    run("cmake", ["--preset", "release"], { stdio: ["ignore", "ignore", "inherit"] });
    build = join(root, "build", "release");
  }
  run("cmake", ["--build", build, "--target", "proven-series"]);
  return join(build, "tools", "proven-series");
}

// Debian's emscripten runs its JavaScript tools with the Node.js on the
// PATH; one that is not Debian's own finds acorn only through NODE_PATH.
const emscriptenEnv = { ...process.env, NODE_PATH: "/usr/share/nodejs" };
run("cmake", ["--preset", "web", `-DLAVORO1_PROVEN_SERIES_GENERATOR=${nativeProvenSeries()}`], { env: emscriptenEnv, stdio: ["ignore", "ignore", "inherit"] });
run("cmake", ["--build", "--preset", "web"], { env: emscriptenEnv });

const translationsJson = join(generated, "translations.json");
const missing = convertTranslations({
  translationsDir: join(root, "translations"),
  sourceDir: join(web, "src"),
  pageTextsHeader: join(root, "calc", "page_texts.hpp"),
  carriedFiles: [join(web, "build", "core", "lavoro1_core.wasm")],
  output: translationsJson,
});
for (const [language, context, source] of missing) {
  console.warn(`warning: no translation into ${language} for ${context}: ${JSON.stringify(source)}`);
}

rmSync(dist, { recursive: true, force: true });
mkdirSync(dist, { recursive: true });
const coreWasm = join(web, "build", "core", "lavoro1_core.wasm");
// The served page fetches the catalogues of the language it shows, one file
// each (i18n-en.json...); lavoro1.html carries them all.
const translationsIndexJson = join(generated, "translations-index.json");
{
  const index = JSON.parse(readFileSync(translationsJson, "utf8"));
  writeFileSync(translationsIndexJson, JSON.stringify({ ...index, catalogues: {} }));
}
const bundle = (inlineCore) =>
  esbuild.build({
    entryPoints: [join(web, "src", "main.ts")],
    bundle: true,
    format: "esm",
    target: "es2022",
    minify: true,
    outdir: dist,
    write: false,
    alias: {
      "lavoro1-core": join(web, "build", "core", "lavoro1_core.mjs"),
      "lavoro1-translations": inlineCore ? translationsJson : translationsIndexJson,
    },
    define: { inlineCore: JSON.stringify(inlineCore) },
    logLevel: "warning",
  });
// One output of a bundle by extension: main.js, main.css.
const output = (built, extension) => built.outputFiles.find((file) => file.path.endsWith(extension)).text;

const page = await bundle("");
for (const file of page.outputFiles) writeFileSync(file.path, file.contents);
copyFileSync(coreWasm, join(dist, "lavoro1_core.wasm"));
copyFileSync(join(root, "data", "icons", "scalable", "org.lavoro1.Lavoro1.svg"), join(dist, "icon.svg"));
copyFileSync(join(root, "data", "icons", "32x32", "org.lavoro1.Lavoro1.png"), join(dist, "icon-32.png"));
// Home screens' icons: PNGs for the browsers that take no SVG, the maskable
// one for masks, the touch icon for tablets and phones that ask for it.
for (const icon of ["icon-192.png", "icon-maskable-512.png", "apple-touch-icon.png"]) copyFileSync(join(root, "data", "icons", "page", icon), join(dist, icon));

// The HTML with what it shows until the page is built, in every language.
const { languages, catalogues, page: pageTexts } = JSON.parse(readFileSync(translationsJson, "utf8"));
for (const [language, catalogue] of Object.entries(catalogues)) {
  writeFileSync(join(dist, `i18n-${language}.json`), JSON.stringify(catalogue));
}
const escapeHtml = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");
const text = (language, name) => {
  const source = pageTexts.texts[name];
  const translated = (into) => catalogues[into]?.[catalogueKey(pageTexts.context, source)];
  return escapeHtml(language === "it" ? source : (translated(language) ?? translated("en") ?? source));
};
const bootTexts =
  `<div class="loading" role="status">${languages.map((language) => `<p lang="${language}">${text(language, "loading")}</p>`).join("")}</div>` +
  `<div class="load-failed" role="alert">${languages
    .map((language) => `<div lang="${language}"><p><strong>${text(language, "loadFailed")}</strong></p><p>${text(language, "howToRetry")}</p></div>`)
    .join("")}</div>`;
// The frame's texts, each in every language; src/boot.ts, inlined after
// them, keeps the page's.
const inEveryLanguage = (name) => languages.map((language) => `<span lang="${language}">${text(language, name)}</span>`).join("");
const bootScript = async (catalogueFetched) => {
  const built = await esbuild.build({
    entryPoints: [join(web, "src", "boot.ts")],
    bundle: true,
    format: "iife",
    target: "es2022",
    minify: true,
    write: false,
    alias: { "lavoro1-translations": translationsIndexJson },
    define: { catalogueFetched: String(catalogueFetched) },
    logLevel: "warning",
  });
  const script = built.outputFiles[0].text.trim();
  if (/<\/script/i.test(script)) throw new Error("src/boot.ts: the script would close its element");
  return script;
};
const htmlWith = (script) =>
  readFileSync(join(web, "src", "index.html"), "utf8")
    .replace("<!-- boot texts -->", bootTexts)
    .replace("<!-- title -->", inEveryLanguage("title"))
    .replace("<!-- introduction -->", inEveryLanguage("introduction"))
    .replace("/* src/boot.ts */", () => script);
const html = htmlWith(await bootScript(true));
writeFileSync(join(dist, "index.html"), html);

// Installable: the name, the icons and the colours of the title bar and the
// page (style.css, light).
const style = readFileSync(join(web, "src", "style.css"), "utf8");
const colour = (name) => new RegExp(`--${name}: (#[0-9a-f]{6});`).exec(style)[1];
writeFileSync(
  join(dist, "manifest.webmanifest"),
  JSON.stringify({
    id: "./",
    name: "Lavoro1",
    short_name: "Lavoro1",
    start_url: "./",
    scope: "./",
    display: "standalone",
    theme_color: colour("title"),
    background_color: colour("page"),
    icons: [
      { src: "icon.svg", sizes: "any", type: "image/svg+xml" },
      { src: "icon-32.png", sizes: "32x32", type: "image/png" },
      { src: "icon-192.png", sizes: "192x192", type: "image/png" },
      { src: "icon-maskable-512.png", sizes: "512x512", type: "image/png", purpose: "maskable" },
    ],
  }),
);

// lavoro1.html: the same page with its script, styles, icon and core inside,
// for file://, a mail or a USB stick; no manifest, home screen icon or
// service worker there.
// The core gzip-compressed (the page inflates it with DecompressionStream):
// base64 of the bare .wasm would weigh a third more than the .wasm itself.
const single = await bundle(gzipSync(readFileSync(coreWasm), { level: 9 }).toString("base64"));
const script = output(single, ".js");
const css = output(single, ".css");
if (/<\/script/i.test(script) || /<\/style/i.test(css)) throw new Error("lavoro1.html: the script or the styles would close their element");
const singleHtml = htmlWith(await bootScript(false))
  .replace(/<link rel="icon"[^>]*>/, `<link rel="icon" href="data:image/svg+xml;base64,${readFileSync(join(dist, "icon.svg")).toString("base64")}">`)
  .replace(/<link rel="manifest"[^>]*>\n/, "")
  .replace(/<link rel="apple-touch-icon"[^>]*>\n/, "")
  .replace(/<link rel="preload"[^>]*>\n/, "")
  .replace(/<link rel="stylesheet"[^>]*>/, () => `<style>${css}</style>`)
  .replace(/<script type="module" src="main.js"><\/script>/, () => `<script type="module">${script}</script>`);
// Small enough to mail: at most 250 KB.
const singleKilobytes = Buffer.byteLength(singleHtml) / 1024;
if (singleKilobytes > 250) throw new Error(`lavoro1.html: ${singleKilobytes.toFixed(0)} KB, above 250 KB`);
writeFileSync(join(dist, "lavoro1.html"), singleHtml);
// The service worker last: it lists every other file of the page.
await writeServiceWorker(dist);

// Every file served with its type: a new kind of file stops the build here
// rather than answering 404 from scripts/serve.mjs.
const untyped = readdirSync(dist, { recursive: true }).filter((file) => statSync(join(dist, file)).isFile() && contentType(file) === undefined);
if (untyped.length > 0) throw new Error(`dist/: no type to serve ${untyped.join(", ")} with: add it to scripts/content_types.mjs`);
console.log(`built ${dist}; lavoro1.html ${singleKilobytes.toFixed(0)} KB`);

// An update of the page on a plain static host: files sent with their type
// and Last-Modified alone, so that the browser keeps them by heuristic (for a
// tenth of their age) and may hand the worker's install an older build's.
import { createHash } from "node:crypto";
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import type { AddressInfo } from "node:net";
import { tmpdir } from "node:os";
import { basename, extname, join } from "node:path";
import { expect, type Page, test } from "@playwright/test";
import { writeServiceWorker } from "../scripts/service_worker.mjs";
import { compute, dist, registeredTypes, results } from "./page";

// Serves a build's folder; the files that justModified names are modified at
// every answer (kept for no time), the others a month before.
async function staticHost() {
  const types = registeredTypes();
  const monthAgo = new Date(Date.now() - 30 * 86_400_000).toUTCString();
  const shown = { folder: "", justModified: (_file: string) => false };
  const server = createServer((request, response) => {
    const file = join(shown.folder, basename(new URL(request.url ?? "/", "http://host").pathname) || "index.html");
    if (!existsSync(file)) return void response.writeHead(404).end();
    const now = new Date().toUTCString();
    const headers = { Date: now, "Last-Modified": shown.justModified(basename(file)) ? now : monthAgo };
    const since = Date.parse(request.headers["if-modified-since"] ?? "");
    if (since >= Date.parse(headers["Last-Modified"])) return void response.writeHead(304, headers).end();
    response.writeHead(200, { ...headers, "Content-Type": types.get(extname(file)) ?? "" }).end(readFileSync(file));
  });
  await new Promise<void>((listening) => server.listen(0, "127.0.0.1", listening));
  return { shown, url: `http://127.0.0.1:${(server.address() as AddressInfo).port}/`, close: () => server.close() };
}

// This build as the previous one, and a next one that differs from it in
// its script, its core and the English catalogue; its worker's version.
async function twoBuilds(folder: string): Promise<{ previous: string; next: string; nextVersion: string }> {
  const [previous, next] = [join(folder, "previous"), join(folder, "next")];
  cpSync(dist, previous, { recursive: true });
  cpSync(dist, next, { recursive: true });
  writeFileSync(join(next, "main.js"), `${readFileSync(join(next, "main.js"))}\ndocument.documentElement.dataset.build = "next";\n`);
  // A custom section ("b", holding "n") at the end of the module.
  writeFileSync(join(next, "lavoro1_core.wasm"), Buffer.concat([readFileSync(join(next, "lavoro1_core.wasm")), Buffer.from([0, 3, 1, 0x62, 0x6e])]));
  const english = JSON.parse(readFileSync(join(next, "i18n-en.json"), "utf8"));
  writeFileSync(join(next, "i18n-en.json"), JSON.stringify({ ...english, build: "next" }));
  return { previous, next, nextVersion: await writeServiceWorker(next) };
}

// Each file the page's caches hold, with the SHA-256 of its content.
const cached = (page: Page) =>
  page.evaluate(async () => {
    const files: Record<string, Record<string, string>> = {};
    for (const name of await caches.keys()) {
      const cache = await caches.open(name);
      files[name] = {};
      for (const request of await cache.keys()) {
        const digest = await crypto.subtle.digest("SHA-256", await ((await cache.match(request)) as Response).arrayBuffer());
        files[name][new URL(request.url).pathname.slice(1) || "./"] = Array.from(new Uint8Array(digest), (byte) => byte.toString(16).padStart(2, "0")).join("");
      }
    }
    return files;
  });

const sha256 = (file: string) => createHash("sha256").update(readFileSync(file)).digest("hex");

test.use({ locale: "en-GB" });
// Each file of the previous build modified a month before, or its script
// and catalogue just now: the browser's copies of them are fresh for three
// days, and of those two for no time.
for (const [ages, justModified] of [
  ["every file equally old", []],
  ["its script and catalogue new, its core old", ["main.js", "i18n-en.json"]],
] as const) {
  test(`after an update (${ages}), the page is the new build whole, online and offline`, async ({ page, context }) => {
    const folder = mkdtempSync(join(tmpdir(), "lavoro1-update-"));
    const host = await staticHost();
    try {
      const { previous, next, nextVersion } = await twoBuilds(folder);
      Object.assign(host.shown, { folder: previous, justModified: (file: string) => (justModified as readonly string[]).includes(file) });
      await page.goto(host.url);
      await expect(page.locator("body[data-ready]")).toBeAttached();
      await expect.poll(async () => Object.values(await cached(page)).flatMap(Object.keys)).toContain("i18n-en.json");

      Object.assign(host.shown, { folder: next, justModified: () => true });
      await page.reload();
      // The new build's worker installs, takes over and drops the previous cache.
      await expect.poll(async () => Object.keys(await cached(page)), { timeout: 20_000 }).toEqual([`lavoro1-${nextVersion}`]);
      const kept = ["./", "index.html", "main.js", "main.css", "lavoro1_core.wasm", "icon.svg", "manifest.webmanifest", "i18n-en.json"];
      expect(Object.values(await cached(page))[0]).toEqual(
        Object.fromEntries(kept.map((file) => [file, sha256(join(next, file === "./" ? "index.html" : file))])),
      );

      for (const offline of [false, true]) {
        await context.setOffline(offline);
        await page.reload();
        await expect(page.locator("html[data-build=next]")).toBeAttached();
        await compute(page, "2");
        expect(await results(page)).toEqual(["1.200E+01", "3.10582854", "3.21539031"]);
      }
    } finally {
      host.close();
      rmSync(folder, { recursive: true, force: true });
    }
  });
}

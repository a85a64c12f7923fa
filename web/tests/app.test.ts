// The page as an app: what it says it is, the address that holds its state,
// its languages, a phone's screen, offline, the single file, a failed load.
import { readdirSync, readFileSync, statSync } from "node:fs";
import { extname, join } from "node:path";
import { pathToFileURL } from "node:url";
import { expect, type Page, test } from "@playwright/test";
import { addressHash, readAddress } from "../src/address";
import { compute, dist, open, registeredTypes, results } from "./page";

const step = (page: Page) => page.locator("#stepBox");

test.describe("English", () => {
  test.use({ locale: "en-GB" });
  test("says what it is, in the tab and under its heading; Form1 keeps its title bar", async ({ page }) => {
    await open(page);
    await expect(page).toHaveTitle("Lavoro1 — Archimedes' bounds for π");
    await expect(page.locator("h1")).toHaveText("Lavoro1 — Archimedes' bounds for π");
    await expect(page.locator(".introduction")).toContainText("Archimedes enclosed π");
    await expect(page.locator("#form1Title")).toHaveText("Form1");
  });
});

test("computing N in Form1 moves Esplora to step N, the address and the copied link with it", async ({ page, context, baseURL }) => {
  await context.grantPermissions(["clipboard-read", "clipboard-write"]);
  await open(page);
  await compute(page, "25");
  await expect(step(page)).toHaveValue("25");
  expect(new URL(page.url()).hash).toBe("#passo=25");
  await page.locator("#copyLink").click();
  await expect(page.locator("#copyStatus")).toHaveText("Link copiato.");
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(`${baseURL}#passo=25`);
  await compute(page, "501");
  await page.keyboard.press("Enter");
  await expect(step(page)).toHaveValue("25");
});

test("the address opens a step and a language; back and forward; a slider drag is one entry", async ({ page }) => {
  await open(page, "/#passo=25&lang=en");
  await expect(step(page)).toHaveValue("25");
  await expect(page.locator("#Command1")).toHaveText("Compute π");
  const entries = await page.evaluate(() => history.length);
  await page.locator("#stepSlider").evaluate((slider: HTMLInputElement) => {
    for (let value = 26; value <= 40; ++value) {
      slider.value = String(value);
      slider.dispatchEvent(new Event("input", { bubbles: true }));
    }
    slider.dispatchEvent(new Event("change", { bubbles: true }));
  });
  expect(new URL(page.url()).hash).toBe("#passo=40&lang=en");
  expect(await page.evaluate(() => history.length)).toBe(entries + 1);
  await page.goBack();
  await expect(step(page)).toHaveValue("25");
  await page.goForward();
  await expect(step(page)).toHaveValue("40");
  for (const [hash, expected] of [
    ["#passo=abc", "3"],
    ["#passo=9999", "500"],
    ["#passo=7&lang=%3Cb%3E", "7"],
  ] as const) {
    await open(page, `/${hash}`);
    await expect(step(page), hash).toHaveValue(expected);
  }
});

// Any text as the address's fragment: a step in digits or none, a language
// tag or none; what the page writes reads back as written.
test("the address read from any text", () => {
  let seed = 1;
  const random = (below: number) => {
    seed = (seed * 48271) % 2147483647;
    return seed % below;
  };
  const alphabet = ["passo", "lang", "=", "&", "#", "%", "%3D", "%26", "%zz", "-", "+", " ", "0", "7", "9", "e", "en", "it", "<", "é", "\u0000", "٥"];
  const wrong: string[] = [];
  for (let i = 0; i < 5000; ++i) {
    const hash = Array.from({ length: random(12) }, () => alphabet[random(alphabet.length)]).join("");
    const { step, language } = readAddress(hash);
    const stepWritten = step ?? 3;
    const back = readAddress(addressHash(stepWritten, language));
    if (
      !(step === undefined || (Number.isInteger(step) && step >= 0)) ||
      !(language === undefined || /^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$/.test(language)) ||
      back.step !== stepWritten ||
      back.language !== language
    ) {
      wrong.push(hash);
    }
  }
  expect(wrong).toEqual([]);
});

// Portuguese has no catalogues.
test.describe("browser languages pt, it", () => {
  test.beforeEach(async ({ page }) => {
    await page.addInitScript(() => Object.defineProperty(navigator, "languages", { get: () => ["pt", "it"] }));
  });
  test("speak the first the page has; the menu lists the page's languages and switches", async ({ page }) => {
    await open(page);
    await expect(page.locator("#Command1")).toHaveText("Calcola costante");
    await expect(page.locator("#languageMenu option")).toHaveText(["Italiano", "Deutsch", "Ελληνικά", "English", "Español", "Français"]);
    await page.locator("#languageMenu").selectOption("en");
    await expect(page.locator("#Command1")).toHaveText("Compute π");
    await expect(page.locator("html")).toHaveAttribute("lang", "en");
    expect(new URL(page.url()).hash).toBe("#passo=3&lang=en");
  });
});

test.describe("phone", () => {
  test.use({ viewport: { width: 360, height: 740 } });
  for (const locale of ["it-IT", "en-GB"]) {
    test.describe(() => {
      test.use({ locale });
      test(`${locale}, 360 px: 44 px tap targets, 16 px text in Form1, the bounds named, step 500's table whole`, async ({ page }) => {
        await open(page, "/#passo=500");
        const small = await page.evaluate(() =>
          [...document.querySelectorAll("button, input, select")]
            .filter((control) => control.checkVisibility())
            .filter((control) => control.getBoundingClientRect().height < 44 || control.getBoundingClientRect().width < 44)
            .map((control) => control.id || control.textContent),
        );
        expect(small).toEqual([]);
        const form1Text = await page
          .locator("#Form1 > :not(.visually-hidden)")
          .evaluateAll((all) => all.filter((e) => e instanceof HTMLElement && e.offsetParent).map((e) => parseFloat(getComputedStyle(e).fontSize)));
        expect(Math.min(...form1Text)).toBeGreaterThanOrEqual(16);
        const bound = await page.locator("#Label2").evaluate((e) => getComputedStyle(e, "::before").content);
        expect(bound).toBe(locale === "it-IT" ? '"Limite inferiore"' : '"Lower bound"');
        expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
        expect(await page.locator(".table-box").evaluate((box) => box.scrollWidth - box.clientWidth)).toBe(0);
      });
    });
  }
});

test("after one visit it opens and computes offline", async ({ page, context }) => {
  await open(page);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) await new Promise((done) => navigator.serviceWorker.addEventListener("controllerchange", done));
  });
  await context.setOffline(true);
  await page.reload();
  await expect(page.locator("body[data-ready]")).toBeAttached();
  await compute(page, "2");
  expect(await results(page)).toEqual(["1,200E+01", "3,10582854", "3,21539031"]);
  // Only the catalogue of a language shown is kept: English, never shown
  // here, cannot be chosen offline, and the page stays as it was.
  await page.locator("#languageMenu").selectOption("en");
  await expect(page.locator("#languageMenu")).toHaveValue("it");
  await expect(page.locator("#Command1")).toHaveText("Calcola costante");
  // Chromium routes the page's files to the cache without starting the worker.
  const routed = await page.evaluate(() =>
    [...performance.getEntriesByType("navigation"), ...performance.getEntriesByType("resource")].map((entry) => [
      new URL(entry.name).pathname.split("/").pop(),
      (entry as PerformanceResourceTiming & { workerMatchedSourceType?: string }).workerMatchedSourceType,
    ]),
  );
  expect(routed).toEqual(
    expect.arrayContaining([
      ["", "cache"],
      ["main.js", "cache"],
      ["lavoro1_core.wasm", "cache"],
    ]),
  );
});

// Every file the build writes, as the server of scripts/web.sh answers it:
// whole, with the type that Debian's /etc/mime.types gives its extension.
test("the server answers every file of dist/, whole and with its type", async ({ request }) => {
  const registered = registeredTypes();
  const files = readdirSync(dist, { recursive: true, encoding: "utf8" }).filter((file) => statSync(join(dist, file)).isFile());
  const served = [];
  for (const file of files) {
    const answer = await request.get(file);
    served.push([file, answer.status(), answer.headers()["content-type"]?.split(";")[0], (await answer.body()).equals(readFileSync(join(dist, file)))]);
  }
  expect(served).toEqual(files.map((file) => [file, 200, registered.get(extname(file)), true]));
});

// A PNG's size and whether it has an alpha channel, from its header.
const pngHeader = (png: Buffer) => [`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, (png[25] ?? 0) >= 4];

test("on a home screen: each PNG icon is the size it declares, opaque where masked and as the touch icon", async ({ page, request }) => {
  await open(page);
  const manifest = await (await request.get((await page.locator('link[rel="manifest"]').getAttribute("href")) ?? "")).json();
  const touchIcon = { src: await page.locator('link[rel="apple-touch-icon"]').getAttribute("href"), sizes: "180x180", purpose: "touch" };
  const icons: { src: string; sizes: string; type?: string; purpose?: string }[] = [...manifest.icons, touchIcon];
  const found = [];
  for (const { src, sizes, purpose } of icons.filter((icon) => icon.type !== "image/svg+xml")) {
    found.push([purpose ?? "any", sizes, ...pngHeader(await (await request.get(src)).body())]);
  }
  expect(found).toEqual([
    ["any", "32x32", "32x32", true],
    ["any", "192x192", "192x192", true],
    ["maskable", "512x512", "512x512", false],
    ["touch", "180x180", "180x180", false],
  ]);
});

test("lavoro1.html, one file, computes from file://", async ({ page }) => {
  const requests: string[] = [];
  page.on("request", (request) => requests.push(request.url()));
  await page.goto(`${pathToFileURL(join(dist, "lavoro1.html")).href}#passo=7`);
  await expect(page.locator("body[data-ready]")).toBeAttached();
  await expect(step(page)).toHaveValue("7");
  await compute(page, "2");
  expect(await results(page)).toEqual(["1,200E+01", "3,10582854", "3,21539031"]);
  expect(requests.filter((url) => !url.startsWith("data:")).map((url) => url.replace(/#.*/, ""))).toEqual([pathToFileURL(join(dist, "lavoro1.html")).href]);
});

test.describe("a core or script that does not arrive", () => {
  test.use({ locale: "en-GB" });
  test("a slow script: the loading texts show after a moment", async ({ page }) => {
    await page.route("**/main.js", () => undefined);
    await page.goto("/", { waitUntil: "commit" });
    await expect(page.locator(".loading")).toBeVisible();
    await expect(page.locator(".load-failed").first()).toBeHidden();
  });
  // Before the core, the heading and the windows' outlines, in the language
  // the page will speak: the browser's, or the address's; its catalogue
  // asked for beside the core.
  for (const [address, heading, loading, catalogue] of [
    ["/", "Lavoro1 — Archimedes' bounds for π", "Loading the calculator…", "i18n-en.json"],
    ["/#passo=7&lang=de", "Lavoro1 — Die Schranken des Archimedes für π", "Der Rechner wird geladen…", "i18n-de.json"],
    ["/#lang=it", "Lavoro1 — I limiti di Archimede per π", "Caricamento della calcolatrice…", undefined],
  ] as const) {
    test(`a slow core, ${address}: the frame painted first, in its language`, async ({ page }) => {
      const fetched: string[] = [];
      page.on("request", (request) => fetched.push(new URL(request.url()).pathname));
      await page.route("**/lavoro1_core.wasm", () => undefined);
      await page.goto(address);
      await expect(page.locator("h1")).toHaveText(heading);
      await expect(page).toHaveTitle(heading);
      await expect(page.locator(".form1-window")).toBeVisible();
      await expect(page.locator(".loading [lang]")).toHaveText([loading]);
      expect(fetched.filter((path) => path.startsWith("/i18n-"))).toEqual(catalogue ? [`/${catalogue}`] : []);
    });
  }
  // The script says it in the user's language; the HTML alone, in every
  // language the page has.
  for (const [what, missing, shown, languages] of [
    ["the core", "**/lavoro1_core.wasm", ["The calculator could not be loaded."], "one"],
    ["the script", "**/main.js", ["Non è stato possibile caricare la calcolatrice.", "The calculator could not be loaded."], "all"],
  ] as const) {
    test(`${what}: the page says so, and how to try again`, async ({ page }) => {
      await page.route(missing, (route) => route.abort());
      await page.goto("/");
      await expect(page.locator(".load-failed strong")).toContainText([...shown]);
      expect((await page.locator(".load-failed [lang]").count()) > 1).toBe(languages === "all");
      await expect(page.locator(".load-failed").first()).toBeVisible();
      await expect(page.locator(".load-failed").first()).toContainText(/Reload the page/);
      await expect(page.locator(".loading")).toBeHidden();
    });
  }
});

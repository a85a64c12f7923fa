// Screenshots of the built page in headless Chromium, served as
// scripts/web.sh serves it: light and dark, each of its six languages, a 1920 x 1080 projector, a 768 px tablet and a 360 px
// phone, Form1
// after 500 steps and Esplora at step 25; and the frame a slow start shows
// before the core. Usage: node bench/screenshots.mjs DIR
import { spawn } from "node:child_process";
import { mkdirSync } from "node:fs";
import { join } from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import { chromium } from "playwright-core";

const out = process.argv[2] ?? "screenshots";
const port = 8183;
const url = `http://127.0.0.1:${port}/`;
mkdirSync(out, { recursive: true });
const server = spawn("node", ["scripts/serve.mjs", String(port)], { stdio: "ignore" });
try {
  for (let i = 0; i < 50; ++i) {
    try {
      if ((await fetch(url)).ok) break;
    } catch {
      await sleep(100);
    }
  }
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium" });
  const shots = [];
  for (const [language, locale] of [
    ["it", "it-IT"],
    ["en", "en-GB"],
    ["fr", "fr-FR"],
    ["de", "de-DE"],
    ["es", "es-ES"],
    ["el", "el-GR"],
  ]) {
    for (const colorScheme of ["light", "dark"]) {
      for (const [screen, viewport] of [
        ["1920", { width: 1920, height: 1080 }],
        ["768", { width: 768, height: 1024 }],
        ["360", { width: 360, height: 760 }],
      ]) {
        shots.push({ name: `web_${language}_${colorScheme}_${screen}.png`, locale, colorScheme, viewport, fullPage: screen !== "1920" });
      }
    }
  }
  shots.push({ name: "web.png", locale: "it-IT", colorScheme: "light", viewport: { width: 1280, height: 960 }, fullPage: false });
  for (const shot of shots) {
    const page = await browser.newPage({ locale: shot.locale, colorScheme: shot.colorScheme, viewport: shot.viewport });
    await page.goto(url);
    await page.waitForSelector("body[data-ready]");
    await page.fill("#Text1", "500");
    await page.click("#Command1");
    await page.fill("#stepBox", "25");
    await page.locator("#Command1").focus();
    await page.screenshot({ path: join(out, shot.name), fullPage: shot.fullPage });
    await page.close();
  }
  // A slow start: the processor four times slower, and the core held back
  // until the frame it paints first has been taken.
  const slow = await browser.newPage({ locale: "it-IT", viewport: { width: 1280, height: 960 } });
  await (await slow.context().newCDPSession(slow)).send("Emulation.setCPUThrottlingRate", { rate: 4 });
  let release;
  const held = new Promise((done) => {
    release = done;
  });
  await slow.route("**/lavoro1_core.wasm", async (route) => {
    await held;
    await route.continue();
  });
  await slow.goto(url, { waitUntil: "domcontentloaded" });
  await slow.locator("h1").waitFor();
  await slow.screenshot({ path: join(out, "web_before_core.png") });
  release();
  await slow.waitForSelector("body[data-ready]");
  await slow.close();
  await browser.close();
  console.log(`${shots.length + 1} screenshots in ${out}`);
} finally {
  server.kill();
}

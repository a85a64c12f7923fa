// Benchmarks of the built page (npm run build) in Debian's Chromium,
// headless, on this machine; figures, not pass or fail. Each time that has a
// floor is measured against it in the same run, page and floor in turn (A, B,
// A, B...), and printed as their ratio with the load average beside it:
//   the page's cold start against a bare page that instantiates a module of
//   the core's size (bench/floor/ready.html, bench/floor_wasm.mjs): first
//   paint, and the core's first answer painted;
//   a play frame, CPU, against a bare page that redraws one polygon
//   (bench/floor/play.html), with where the page's frame goes: script,
//   style, layout, paint, and the style, layout and paint of each view.
// Beside them: the bytes of the page, starts from the service worker's
// cache, a step change, and Form1's compute command for 500 steps.
// Both are served by scripts/serve.mjs, as scripts/web.sh serves the page.
// Environment: BENCH_DIST, another build of the page to measure (an older
// one); BENCH_RUNS, the pairs of each interleaved figure (default 10 starts,
// 3 plays).
import { spawn } from "node:child_process";
import { copyFileSync, mkdirSync, writeFileSync } from "node:fs";
import { cpus, loadavg } from "node:os";
import { dirname, join, resolve } from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import { fileURLToPath } from "node:url";
import { chromium } from "playwright-core";
import { floorWasm } from "./floor_wasm.mjs";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const floors = join(web, "build", "bench-floor");
mkdirSync(floors, { recursive: true });
for (const file of ["ready.html", "play.html"]) copyFileSync(join(web, "bench", "floor", file), join(floors, file));
writeFileSync(join(floors, "floor.wasm"), floorWasm());

// Each folder served on a port the system chooses, read from the line the
// server prints.
const servers = [];
const serve = (folder) =>
  new Promise((done, failed) => {
    const server = spawn(process.execPath, [join(web, "scripts", "serve.mjs"), "0", folder], { stdio: ["ignore", "pipe", "inherit"] });
    servers.push(server);
    server.stdout.setEncoding("utf8").once("data", (line) => done(/http:\S+\//.exec(line)?.[0]));
    server.once("exit", () => failed(new Error(`scripts/serve.mjs ${folder} stopped`)));
  });
const [url, floorUrl] = await Promise.all([serve(resolve(process.env.BENCH_DIST ?? join(web, "dist"))), serve(floors)]);
const runs = Number(process.env.BENCH_RUNS ?? 0);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const format = (ms) => `${ms.toFixed(3)} ms`;
const load = () =>
  `load ${loadavg()
    .map((value) => value.toFixed(2))
    .join(" ")}`;
// Page against floor: the ratio of their medians, and the range of the
// ratios of each pair run one after the other; a run is a time or the times
// of a play's frames.
const ratio = (pageRuns, floorRuns) => {
  const pairs = pageRuns.map((run, i) => median([run].flat()) / median([floorRuns[i]].flat()));
  const [page, floor] = [pageRuns.flat(), floorRuns.flat()];
  return `${(median(page) / median(floor)).toFixed(2)}× (pairs ${Math.min(...pairs).toFixed(2)}–${Math.max(...pairs).toFixed(2)}×; page median ${format(median(page))}, floor ${format(median(floor))}; ${load()})`;
};
const viewport = { width: 1280, height: 900 };

// The core's first answer, the step's bounds in Esplora and the number in
// the floor, marked for Element Timing as it enters the page, so that its
// paint is timed the same way in both.
function markAnswer() {
  new MutationObserver((_, observer) => {
    const answer = document.getElementById("stepBounds") ?? document.getElementById("answer");
    if (!answer?.textContent) return;
    answer.setAttribute("elementtiming", "lavoro1-answer");
    observer.disconnect();
  }).observe(document, { childList: true, subtree: true, characterData: true });
}

const readStart = () =>
  new Promise((done) => {
    new PerformanceObserver((list, observer) => {
      const answer = list.getEntries().find((entry) => entry.identifier === "lavoro1-answer");
      if (!answer) return;
      observer.disconnect();
      done({
        answered: answer.renderTime || answer.loadTime,
        firstPaint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime ?? Number.NaN,
        built: performance.getEntriesByName("lavoro1-ready")[0]?.startTime ?? Number.NaN,
        files: [...performance.getEntriesByType("navigation"), ...performance.getEntriesByType("resource")].map((entry) => [
          new URL(entry.name).pathname,
          entry.decodedBodySize,
          entry.encodedBodySize,
        ]),
      });
    }).observe({ type: "element", buffered: true });
  });

// A cold start: a new profile (no HTTP cache, compiled code or service
// worker) and a new tab, navigated once the browser has finished opening it,
// as when an address is typed: in this headless Chromium, opening a tab also
// builds the browser's own pages, which on two cores take the CPU from a
// page navigated at the same moment.
async function coldStart(browser, address) {
  const context = await browser.newContext({ locale: "it-IT", viewport });
  try {
    await context.addInitScript(markAnswer);
    const page = await context.newPage();
    await (await context.newCDPSession(page)).send("Network.setCacheDisabled", { cacheDisabled: true });
    await sleep(1000);
    await page.goto(address);
    await page.waitForSelector("body[data-ready]");
    return await page.evaluate(readStart);
  } finally {
    await context.close();
  }
}

async function starts(browser) {
  // Once each first, uncounted: the server compresses each file at its first request.
  await coldStart(browser, url);
  await coldStart(browser, `${floorUrl}ready.html`);
  const [page, floor] = [[], []];
  for (let run = 0; run < (runs || 10); ++run) {
    page.push(await coldStart(browser, url));
    floor.push(await coldStart(browser, `${floorUrl}ready.html`));
  }
  const kilobytes = (files, column) => (files.reduce((sum, file) => sum + file[column], 0) / 1024).toFixed(1);
  const { files } = page[0];
  console.log(
    `transfer (aim: at most 160 KB): ${kilobytes(files, 1)} KB, ${kilobytes(files, 2)} KB compressed, in ${files.length} files (${files.map(([name, size]) => `${name} ${size}`).join(", ")}); the floor ${kilobytes(floor[0].files, 1)} KB, ${kilobytes(floor[0].files, 2)} KB compressed`,
  );
  const of = (starts, name) => starts.map((start) => start[name]);
  console.log(`cold start, the core's first answer painted (aim: at most 1.5×): ${ratio(of(page, "answered"), of(floor, "answered"))}`);
  console.log(`cold start, first paint: ${ratio(of(page, "firstPaint"), of(floor, "firstPaint"))}`);
  console.log(
    `cold start, the page's first paint before its answer in ${page.filter((start) => start.firstPaint < start.answered).length} of ${page.length}; built (lavoro1-ready) median ${format(median(of(page, "built")))}`,
  );
}

// In English, which fetches its catalogue too; then every load after the
// first from the service worker's cache, the worker running or stopped (as
// after some idle time), each in a new tab once it has opened.
async function workerStarts(browser) {
  const english = await browser.newContext({ locale: "en-GB", viewport });
  const opened = async (page) => {
    await page.goto(url);
    await page.waitForSelector("body[data-ready]");
    return page.evaluate(() => ({
      ready: performance.getEntriesByName("lavoro1-ready")[0].startTime,
      controlled: navigator.serviceWorker.controller !== null,
    }));
  };
  const first = await english.newPage();
  await opened(first);
  await first.evaluate(() => navigator.serviceWorker.ready);
  await first.close();
  const [running, stopped] = [[], []];
  for (let run = 0; run < 10; ++run) {
    for (const [into, stop] of [
      [running, false],
      [stopped, true],
    ]) {
      const page = await english.newPage();
      const session = await english.newCDPSession(page);
      if (stop) {
        await session.send("ServiceWorker.enable");
        await session.send("ServiceWorker.stopAllWorkers");
      }
      await sleep(1000);
      const start = await opened(page);
      if (start.controlled) into.push(start.ready);
      await page.close();
    }
  }
  const summary = (times) => `median ${format(median(times))}, worst ${format(Math.max(...times))} of ${times.length}`;
  console.log(`built from the service worker (aim: under 150 ms): ${summary(running)}; the worker stopped ${summary(stopped)} (${load()})`);
  await english.close();
}

// The main thread's work of each frame of a play, from Chromium's trace:
// the task that runs the frame's callback, through style, layout and paint;
// its CPU time (which the machine's other work affects less than the wall
// time), and that of the frame's phases.
const phases = {
  style: ["UpdateLayoutTree"],
  layout: ["Layout"],
  prePaint: ["PrePaint"],
  paint: ["Paint"],
  layerize: ["Layerize", "UpdateLayer", "Commit"],
};
function framesOf(trace) {
  const events = JSON.parse(trace.toString()).traceEvents.filter((event) => event.ph === "X");
  const callbacks = events.filter((event) => event.name === "FireAnimationFrame");
  const [pid, tid] = [callbacks[0].pid, callbacks[0].tid];
  const main = events.filter((event) => event.pid === pid && event.tid === tid);
  const tasks = main.filter((event) => event.name === "RunTask" || event.name === "ThreadControllerImpl::RunTask");
  const within = (task, event) => event.ts >= task.ts && event.ts <= task.ts + task.dur;
  const cpu = (event) => (event.tdur ?? event.dur) / 1000;
  return tasks
    .filter((task) => callbacks.some((callback) => within(task, callback)))
    .map((task) => {
      const inside = main.filter((event) => event !== task && within(task, event));
      const frame = { cpu: cpu(task), wall: task.dur / 1000 };
      for (const [phase, names] of Object.entries(phases)) {
        frame[phase] = inside.filter((event) => names.includes(event.name)).reduce((sum, event) => sum + cpu(event), 0);
      }
      // The frame's callback and the observers' (script), and what else the task does.
      frame.script = frame.cpu - Object.keys(phases).reduce((sum, phase) => sum + frame[phase], 0);
      return frame;
    });
}

// Steps 1 to 500, one a frame, each shown by the page's benchShow(step).
async function play(browser, page) {
  await page.bringToFront();
  await browser.startTracing(page, { categories: ["devtools.timeline", "toplevel"] });
  await page.evaluate(async () => {
    for (let step = 1; step <= 500; ++step) await new Promise((done) => requestAnimationFrame(() => done(window.benchShow(step))));
    await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  });
  return framesOf(await browser.stopTracing());
}

// The page's frame without one view's style, layout and paint: the view
// hidden (its script still runs).
const views = {
  drawing: ".drawing-box",
  table: ".table-box",
  chart: ".chart-box",
  lesson: ".lesson",
  "bounds and controls": ".step-bounds, .esplora-controls",
};

async function plays(browser) {
  const context = await browser.newContext({ locale: "it-IT", viewport });
  const [page, floor] = [await context.newPage(), await context.newPage()];
  await page.goto(url);
  await floor.goto(`${floorUrl}play.html`);
  await page.waitForSelector("body[data-ready]");
  // A step typed in Esplora's field; the floor's polygon.
  await page.evaluate(() => {
    window.benchShow = (step) => {
      const box = document.getElementById("stepBox");
      box.value = String(step);
      box.dispatchEvent(new Event("input"));
    };
  });
  await floor.evaluate(() => {
    window.benchShow = window.showStep;
  });
  const [pageFrames, floorFrames] = [[], []];
  for (let run = 0; run < (runs || 3); ++run) {
    pageFrames.push(await play(browser, page));
    floorFrames.push(await play(browser, floor));
  }
  const of = (frames, name) => frames.map((frame) => frame[name]);
  const runsOf = (runs, name) => runs.map((frames) => of(frames, name));
  console.log(`play frame, CPU (aim: at most 2×): ${ratio(runsOf(pageFrames, "cpu"), runsOf(floorFrames, "cpu"))}`);
  console.log(`play frame, wall: ${ratio(runsOf(pageFrames, "wall"), runsOf(floorFrames, "wall"))}`);
  const phasesOf = (frames) => ["script", ...Object.keys(phases)].map((phase) => `${phase} ${format(median(of(frames, phase)))}`).join(", ");
  console.log(`  the page's frame, medians: ${phasesOf(pageFrames.flat())}; the floor's: ${phasesOf(floorFrames.flat())}`);
  const whole = median(of(pageFrames.flat(), "cpu"));
  for (const [view, selector] of Object.entries(views)) {
    const hidden = await page.addStyleTag({ content: `${selector} { display: none !important; }` });
    const frames = await play(browser, page);
    await hidden.evaluate((style) => style.remove());
    console.log(
      `  ${view} hidden: CPU ${format(median(of(frames, "cpu")))}, ${format(whole - median(of(frames, "cpu")))} less; ${phasesOf(frames)} (${load()})`,
    );
  }
  await context.close();
}

// A step change in Esplora, alone, style and layout included; and Form1's
// compute command for 500 steps, from the text to the shown results.
async function commands(browser) {
  const context = await browser.newContext({ locale: "it-IT", viewport });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector("body[data-ready]");
  const steps = await page.evaluate(() => {
    const box = document.getElementById("stepBox");
    const times = [];
    for (let i = 0; i < 300; ++i) {
      const start = performance.now();
      box.value = String(1 + ((i * 167) % 500));
      box.dispatchEvent(new Event("input"));
      document.body.getBoundingClientRect();
      times.push(performance.now() - start);
    }
    return times;
  });
  console.log(`Esplora step change (aim: under 8 ms): median ${format(median(steps))}, worst ${format(Math.max(...steps))} of ${steps.length} (${load()})`);
  const computes = await page.evaluate(() => {
    const [text, form] = [document.getElementById("Text1"), document.getElementById("Form1")];
    text.value = "500";
    const times = [];
    for (let i = 0; i < 1000; ++i) {
      const start = performance.now();
      form.requestSubmit();
      times.push(performance.now() - start);
    }
    return times;
  });
  console.log(`Form1 compute, 500 steps: median ${format(median(computes))}, worst ${format(Math.max(...computes))} of ${computes.length}`);
  await context.close();
}

console.log(`${load()} on ${cpus().length} cores`);
try {
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium" });
  const only = process.env.BENCH_ONLY;
  for (const [name, measure] of Object.entries({ starts, workerStarts, plays, commands })) {
    if (!only || only.split(",").includes(name)) await measure(browser);
  }
  await browser.close();
} finally {
  for (const server of servers) server.kill();
}

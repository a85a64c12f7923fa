// Benchmarks of the built page (npm run build) in Debian's Chromium,
// headless, on this machine; figures, not pass or fail:
//   the bytes of page, WebAssembly, JavaScript and CSS (uncompressed);
// each with what it aims at. The machine's load shows in every time: the
// load average is printed first.
//   the time from navigation to the page answering, on localhost, and from
//   the service worker's cache after a first visit, the worker running or
//   stopped; each in a new tab once it has opened, and as it opens;
//   a step change in Esplora, drawing, table, chart and layout, alone and as
//   the frames of a play through all 500 steps, paint included (from a trace);
//   Form1's compute command for 500 steps, from the text to the shown results.
import { spawn } from "node:child_process";
import { cpus, loadavg } from "node:os";
import { setTimeout as sleep } from "node:timers/promises";
import { chromium } from "playwright-core";

const port = 8182;
const url = `http://127.0.0.1:${port}/`;
// BENCH_DIST: another build of the page to measure, such as an older one.
const server = spawn("python3", ["-m", "http.server", "--bind", "127.0.0.1", "--directory", process.env.BENCH_DIST ?? "dist", String(port)], {
  stdio: "ignore",
});
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const format = (ms) => `${ms.toFixed(3)} ms`;

console.log(
  `load average: ${loadavg()
    .map((load) => load.toFixed(2))
    .join(" ")} on ${cpus().length} cores`,
);
try {
  for (let i = 0; i < 50; ++i) {
    try {
      if ((await fetch(url)).ok) break;
    } catch {
      await sleep(100);
    }
  }
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium" });
  const context = await browser.newContext({ locale: "it-IT", viewport: { width: 1280, height: 900 } });

  // Starts, each measured from navigation to the page answering, in a new
  // tab, so in a new renderer process. A tab is opened first and the start
  // measured once the browser has finished opening it, as when an address
  // is typed or a bookmark followed: in this headless Chromium, opening a
  // tab also builds the browser's own pages (the address bar's), which on
  // two cores take the CPU from a page navigated at the same moment. Starts
  // navigated as their tab opens are shown too.
  const tabOpening = 1000;
  const read = (page) =>
    page.evaluate(() => ({
      ready: performance.getEntriesByName("lavoro1-ready")[0].startTime,
      files: [...performance.getEntriesByType("navigation"), ...performance.getEntriesByType("resource")].map((entry) => [
        new URL(entry.name).pathname,
        entry.decodedBodySize,
      ]),
      controlled: navigator.serviceWorker.controller !== null,
    }));
  const opened = async (page) => {
    await page.goto(url);
    await page.waitForSelector("body[data-ready]");
    return read(page);
  };
  // Starts in turn, ten of each way: a way prepares the new tab's page
  // (prepare) and waits for the tab to open or not (asTabOpens).
  const startsIn = async (browsing, ways) => {
    const starts = ways.map(() => []);
    for (let run = 0; run < 10; ++run) {
      for (const [index, { prepare, asTabOpens }] of ways.entries()) {
        const page = await browsing.newPage();
        await prepare?.(await browsing.newCDPSession(page));
        if (!asTabOpens) await sleep(tabOpening);
        starts[index].push(await opened(page));
        await page.close();
      }
    }
    return starts;
  };
  const uncached = (session) => session.send("Network.setCacheDisabled", { cacheDisabled: true });
  // A visit after some idle time, when the browser has stopped the worker.
  const workerStopped = async (session) => {
    await session.send("ServiceWorker.enable");
    await session.send("ServiceWorker.stopAllWorkers");
  };
  const summary = (starts) =>
    `median ${format(median(starts.map((start) => start.ready)))}, worst ${format(Math.max(...starts.map((start) => start.ready)))} of ${starts.length}`;
  const bytesOf = (start) => start.files.reduce((sum, [, size]) => sum + size, 0);

  const [local, localAsTabOpens] = await startsIn(context, [{ prepare: uncached }, { prepare: uncached, asTabOpens: true }]);
  const { files } = local[0];
  console.log(
    `transfer (aim: at most 160 KB): ${(bytesOf(local[0]) / 1024).toFixed(1)} KB in ${files.length} files (${files.map(([name, size]) => `${name} ${size}`).join(", ")})`,
  );
  console.log(`interactive after navigation (aim: under 250 ms): ${summary(local)}; as the tab opens ${summary(localAsTabOpens)}`);

  // In English, which fetches its catalogue too; then every load after the
  // first from the service worker's cache.
  const english = await browser.newContext({ locale: "en-GB", viewport: { width: 1280, height: 900 } });
  const first = await english.newPage();
  console.log(`transfer in English (aim: at most 160 KB): ${(bytesOf(await opened(first)) / 1024).toFixed(1)} KB`);
  await first.evaluate(() => navigator.serviceWorker.ready);
  await first.close();
  const [running, stopped, workerAsTabOpens] = await startsIn(english, [{}, { prepare: workerStopped }, { asTabOpens: true }]);
  const controlled = (starts) => starts.filter((start) => start.controlled);
  console.log(
    `interactive from the service worker (aim: under 150 ms): ${summary(controlled(running))}; the worker stopped ${summary(controlled(stopped))}; as the tab opens ${summary(controlled(workerAsTabOpens))}`,
  );
  await english.close();

  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector("body[data-ready]");
  const steps = await page.evaluate(() => {
    const box = document.getElementById("stepBox");
    const times = [];
    for (let i = 0; i < 300; ++i) {
      const step = 1 + ((i * 167) % 500);
      const start = performance.now();
      box.value = String(step);
      box.dispatchEvent(new Event("input"));
      document.body.getBoundingClientRect(); // style and layout included
      times.push(performance.now() - start);
    }
    return times;
  });
  console.log(`Esplora step change (aim: under 8 ms): median ${format(median(steps))}, worst ${format(Math.max(...steps))} of ${steps.length}`);

  // A play through all 500 steps, one step a frame: each frame's work on the
  // page's main thread, from the step's change in the frame's callback
  // through style, layout and paint, read from Chromium's trace: its wall
  // time and its CPU time (which the machine's other work affects less).
  await browser.startTracing(page, { categories: ["devtools.timeline", "toplevel"] });
  await page.evaluate(async () => {
    const box = document.getElementById("stepBox");
    for (let step = 1; step <= 500; ++step) {
      await new Promise((done) =>
        requestAnimationFrame(() => {
          box.value = String(step);
          box.dispatchEvent(new Event("input"));
          done();
        }),
      );
    }
    await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  });
  const events = JSON.parse((await browser.stopTracing()).toString()).traceEvents;
  const frameCallbacks = events.filter((event) => event.name === "FireAnimationFrame" && event.ph === "X");
  const [pid, tid] = [frameCallbacks[0].pid, frameCallbacks[0].tid];
  const tasks = events.filter(
    (event) => event.pid === pid && event.tid === tid && event.ph === "X" && (event.name === "RunTask" || event.name === "ThreadControllerImpl::RunTask"),
  );
  const frames = tasks.filter((task) => frameCallbacks.some((callback) => callback.ts >= task.ts && callback.ts <= task.ts + task.dur));
  const [wall, cpu] = [frames.map((task) => task.dur / 1000), frames.map((task) => (task.tdur ?? task.dur) / 1000)];
  const over = (times) => times.filter((time) => time > 16).length;
  console.log(
    `play through 500 steps, paint included (aim: every frame within 16 ms): ${frames.length} frames; wall median ${format(median(wall))}, worst ${format(Math.max(...wall))}, ${over(wall)} over 16 ms; CPU median ${format(median(cpu))}, worst ${format(Math.max(...cpu))}, ${over(cpu)} over 16 ms`,
  );

  const computes = await page.evaluate(() => {
    const text = document.getElementById("Text1");
    const form = document.getElementById("Form1");
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
  await browser.close();
} finally {
  server.kill();
}

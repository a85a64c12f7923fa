// The browser tests: Debian's Chromium, headless, against the built page
// (npm run build) served as the static files it is.
import { defineConfig } from "@playwright/test";

// Another port where two checkouts test on one machine.
const port = Number(process.env.LAVORO1_TEST_PORT ?? 8181);

export default defineConfig({
  testDir: "tests",
  fullyParallel: true,
  workers: 2,
  reporter: [["list"]],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    browserName: "chromium",
    launchOptions: { executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium" },
    locale: "it-IT",
    acceptDownloads: true,
  },
  webServer: {
    command: `python3 -m http.server --bind 127.0.0.1 --directory dist ${port}`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    stderr: "ignore",
  },
});

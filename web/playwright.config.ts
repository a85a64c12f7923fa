// The browser tests: Debian's Chromium, headless, against the built page
// (npm run build) served by the server scripts/web.sh starts.
import { defineConfig } from "@playwright/test";

// LAVORO1_TEST_PORT: another port, for two checkouts tested at once.
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
    command: `node scripts/serve.mjs ${port}`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    stderr: "ignore",
  },
});

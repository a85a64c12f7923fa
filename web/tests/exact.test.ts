// For every step from 1 to 500 the page writes the very texts the native
// `archimede PASSI` writes, in the same language and decimal separator.
import { execFile } from "node:child_process";
import { promisify } from "node:util";
import { expect, test } from "@playwright/test";
import { nativeArchimede, open } from "./page";

const run = promisify(execFile);

// The language of each run: the browser's locale, and the environment that
// gives archimede the same language and separator.
const languages = [
  { locale: "it-IT", env: { LANGUAGE: "it", LANG: "it_IT.UTF-8" } },
  { locale: "en-US", env: { LANGUAGE: "en", LANG: "en_US.UTF-8" } },
];

// archimede's two lines: "...: sides" and "lower < ... < upper".
async function archimede(steps: number, env: Record<string, string>): Promise<string[]> {
  const { stdout } = await run(nativeArchimede(), [String(steps)], { env: { ...process.env, LC_ALL: "", ...env } });
  const [first = "", second = ""] = stdout.split("\n");
  const parts = second.split(" < ");
  return [first.slice(first.lastIndexOf(": ") + 2), parts[0] ?? "", parts.at(-1) ?? ""];
}

for (const { locale, env } of languages) {
  test.describe(() => {
    test.use({ locale });
    test(`steps 1 to 500 as archimede writes them, ${locale}`, async ({ page }) => {
      test.setTimeout(120_000);
      const steps = Array.from({ length: 500 }, (_, i) => i + 1);
      const expected: string[][] = [];
      for (let i = 0; i < steps.length; i += 25) {
        expected.push(...(await Promise.all(steps.slice(i, i + 25).map((n) => archimede(n, env)))));
      }
      await open(page);
      // Each step typed into the text box and computed by the page's own command.
      const shown = await page.evaluate((count) => {
        const text = document.getElementById("Text1") as HTMLInputElement;
        const form = document.getElementById("Form1") as HTMLFormElement;
        const rows: string[][] = [];
        for (let n = 1; n <= count; ++n) {
          text.value = String(n);
          form.requestSubmit();
          rows.push(["Label7", "Label2", "Label6"].map((id) => document.getElementById(id)!.textContent ?? ""));
        }
        return rows;
      }, steps.length);
      for (const n of steps) expect(shown[n - 1], `step ${n}`).toEqual(expected[n - 1]);
    });
  });
}

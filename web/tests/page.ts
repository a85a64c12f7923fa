// What the tests share: opening the page, Form1's fields, the native archimede.
import { existsSync, readFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { expect, type Page } from "@playwright/test";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");
// The built page, as npm run build writes it.
export const dist = join(web, "dist");

// The type of each extension (".wasm") as Debian's /etc/mime.types gives
// it, which web servers such as nginx and Apache serve by.
export function registeredTypes(): Map<string, string> {
  return new Map(
    readFileSync("/etc/mime.types", "utf8")
      .split("\n")
      .filter((line) => !line.startsWith("#"))
      .flatMap((line) =>
        line
          .trim()
          .split(/\s+/)
          .slice(1)
          .map((extension) => [`.${extension}`, line.split(/\s/)[0] ?? ""] as const),
      ),
  );
}

export async function open(page: Page, address = "/"): Promise<void> {
  await page.goto(address);
  await expect(page.locator("body[data-ready]")).toBeAttached();
}

export async function results(page: Page): Promise<string[]> {
  return [await page.locator("#Label7").textContent(), await page.locator("#Label2").textContent(), await page.locator("#Label6").textContent()].map(
    (text) => text ?? "",
  );
}

export async function compute(page: Page, text: string): Promise<void> {
  await page.locator("#Text1").fill(text);
  await page.locator("#Command1").click();
}

// The native archimede the desktop build made, as scripts/test-web.sh finds it.
export function nativeArchimede(): string {
  if (process.env.ARCHIMEDE) return process.env.ARCHIMEDE;
  const root = resolve(web, "..");
  for (const preset of ["ci", "release"]) {
    const path = join(root, "build", preset, "bin", "archimede");
    if (existsSync(path)) return path;
  }
  throw new Error("no native archimede: build it first (cmake --build --preset release --target archimede)");
}

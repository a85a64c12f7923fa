// Esplora's teaching in the page: the lesson's numbers, what a screen reader
// hears, play, the table's CSV and spreadsheet and full screen.
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { expect, test } from "@playwright/test";
import { compute, nativeArchimede, open } from "./page";

// archimede's CSV of steps 1 to steps, as the page must download it.
function archimedeCsv(steps: number): string {
  return execFileSync(nativeArchimede(), [String(steps), "--tabella", "--formato", "csv"], { encoding: "utf8" });
}

// The digits archimede --cifre 300 --metodo method proves at step, which the
// core's compiled-in series must show.
function provenByArchimede(method: string, step: number): string {
  const rows: { passo: number; cifre: number }[] = JSON.parse(
    execFileSync(nativeArchimede(), ["--cifre", "300", "--metodo", method, "--tabella", "--formato", "json"], { encoding: "utf8" }),
  );
  return String(rows.find((row) => row.passo === step)?.cifre);
}

test("the lesson's formulas give the core's bounds and sides at steps 1, 5 and 26", async ({ page }) => {
  const rows = archimedeCsv(26)
    .trim()
    .split("\n")
    .slice(1)
    .map((line) => line.split(","));
  await open(page);
  for (const step of [1, 5, 26]) {
    await test.step(`step ${step}`, async () => {
      await page.locator("#stepBox").fill(String(step));
      const [, sides = "", lower = "", upper = ""] = rows[step - 1] ?? [];
      const values = page.locator("#lesson .formula-value");
      // h, a, t, p, P, g, s′, n′: p and P are the table's bounds, n′ twice the sides.
      await expect(values.nth(3)).toHaveText(lower.replace(".", ","));
      await expect(values.nth(4)).toHaveText(upper.replace(".", ","));
      await expect(values.nth(7)).toHaveText(String(2 * Number(sides)));
      await expect(page.locator("#lesson")).toContainText(`Al passo ${step}:`);
    });
  }
  await expect(page.locator("#lesson")).toContainText("223/71 < π < 22/7");
});

test("Form1 reads lower < π < upper and announces it; a step change announces sides and bounds", async ({ page }) => {
  await open(page);
  await compute(page, "5");
  expect(await page.locator("#Form1").ariaSnapshot()).toMatch(
    /status "Limite inferiore": 3,14103195\n- img "minore di": <\n- img "π": costante\n- img "minore di": <\n- status "Limite superiore": 3,14271460/,
  );
  await expect(page.locator("#Form1Results")).toHaveText("Passo 5: 9,600E+01 lati, 3,14103195 < π < 3,14271460");
  await page.locator("#stepBox").fill("6");
  await expect(page.locator("#stepBounds")).toHaveAttribute("aria-live", "polite");
  await expect(page.locator("#stepBounds")).toHaveText("Passo 6: 192 lati, 3,14145247 < π < 3,14187305");
});

test("play runs to the chosen step and Space starts and pauses it", async ({ page }) => {
  await open(page, "/#passo=2");
  await page.locator("#playSpeed").selectOption("60");
  await page.locator("#playTarget").fill("9");
  await page.locator("#drawing").click();
  await page.keyboard.press("Space");
  await expect(page.locator("#stepBox")).toHaveValue("9");
  await expect(page.locator("#playButton")).toHaveAttribute("aria-pressed", "false");
  // The lesson, below the window, catches up with the step play stopped at.
  await expect(page.locator("#lesson")).toContainText("Al passo 9:");
  await page.locator("#playTarget").fill("500");
  await page.locator("#playSpeed").selectOption("1");
  await page.locator("#drawing").click();
  await page.keyboard.press("Space");
  await expect(page.locator("#playButton")).toHaveAttribute("aria-pressed", "true");
  // Each step is not read out while playing; the one it stops at is.
  await expect(page.locator("#stepBounds")).toHaveAttribute("aria-live", "off");
  await page.keyboard.press("Space");
  await expect(page.locator("#playButton")).toHaveAttribute("aria-pressed", "false");
  await expect(page.locator("#stepBounds")).toHaveAttribute("aria-live", "polite");
});

test("reduced motion is asked for when the system asks for it", async ({ page }) => {
  await page.emulateMedia({ reducedMotion: "reduce" });
  await open(page);
  await expect(page.locator("#reducedMotion")).toBeChecked();
});

test("the table downloads as archimede's CSV", async ({ page }) => {
  await open(page, "/#passo=40");
  const [download] = await Promise.all([page.waitForEvent("download"), page.locator("#saveTableCsv").click()]);
  expect(readFileSync((await download.path())!, "utf8")).toBe(archimedeCsv(40));
});

// The text of the entry called name of a zip whose entries are stored.
function storedEntry(zip: Buffer, name: string): string {
  for (let at = 0; zip.readUInt32LE(at) === 0x04034b50; ) {
    const [size, nameLength, extraLength] = [zip.readUInt32LE(at + 18), zip.readUInt16LE(at + 26), zip.readUInt16LE(at + 28)];
    const start = at + 30 + nameLength + extraLength;
    if (zip.toString("latin1", at + 30, at + 30 + nameLength) === name) return zip.toString("utf8", start, start + size);
    at = start + size;
  }
  throw new Error(`no ${name} in the zip`);
}

test("the table downloads as a spreadsheet whose cells are archimede's numbers", async ({ page }) => {
  await open(page, "/#passo=60");
  const [download] = await Promise.all([page.waitForEvent("download"), page.locator("#saveTableOds").click()]);
  expect(download.suggestedFilename()).toBe("lavoro1-60.ods");
  const ods = readFileSync((await download.path())!);
  expect(ods.toString("latin1", 30, 84)).toBe("mimetypeapplication/vnd.oasis.opendocument.spreadsheet");
  const rows = [...storedEntry(ods, "content.xml").matchAll(/<table:table-row>(.*?)<\/table:table-row>/g)].map(([, row]) => row ?? "");
  expect(rows[0]?.match(/(?<=<text:p>)[^<]*/g)).toEqual(["Passo", "Lati", "Limite inferiore", "Limite superiore", "Differenza"]);
  expect(rows[1]).toContain("<text:p>3,46410162</text:p>");
  const numbers = rows.slice(1).map((row) => [...row.matchAll(/office:value-type="float" office:value="([^"]+)"/g)].map(([, value]) => Number(value)));
  const expected = archimedeCsv(60)
    .trim()
    .split("\n")
    .slice(1)
    .map((line) => line.split(",").map(Number));
  expect(numbers).toEqual(expected);
});

test("full screen at 1920 x 1080: the drawing, the bounds and the lesson in type of 24 px or more", async ({ page }) => {
  await page.setViewportSize({ width: 1920, height: 1080 });
  await open(page);
  await page.locator("#fullScreen").click();
  await expect(page.locator("#fullScreen")).toHaveAttribute("aria-pressed", "true");
  const pixels = await page.evaluate(() => {
    const drawing = document.getElementById("drawing") as unknown as SVGSVGElement;
    const size = (selector: string) => parseFloat(getComputedStyle(document.querySelector(selector)!).fontSize);
    // The drawing's texts as shown: their size times the drawing's scale.
    const scale = drawing.getBoundingClientRect().width / drawing.width.baseVal.value;
    return [size("#drawing text") * scale, size("#stepBounds"), size("#lesson .formula-value"), size("#lesson p")];
  });
  for (const shown of pixels) expect(shown).toBeGreaterThanOrEqual(24);
});

test("the chart's series differ without colour, its points read out by keyboard; the table shows the proven digits", async ({ page }) => {
  await open(page, "/#passo=26");
  const dashes = await page.locator("#chart path.series").evaluateAll((paths) => paths.map((path) => path.getAttribute("stroke-dasharray")));
  expect(new Set(dashes).size).toBe(6);
  await expect(page.locator("#chart text.legend + path.marker, #chart line.series + path.marker")).toHaveCount(6);
  await page.locator("#chart").focus();
  for (const key of ["ArrowRight", "ArrowRight", "ArrowRight", "ArrowDown", "ArrowDown"]) await page.keyboard.press(key);
  await expect(page.locator("#chartTooltip")).toHaveText("Differenza, passo 3: 1,6 cifre");
  await expect(page.locator("#chartDescription")).toContainText("Differenza, passo 3: 1,6 cifre");
  // The same proven digits in the table as in the lesson's text, and as
  // archimede proves them.
  await page.locator("#provenShown").check();
  const lesson = (await page.locator("#lesson").textContent()) ?? "";
  const [, doubling, huygens, richardson] = /i raddoppi ne dimostrano (\d+).*ne dimostra (\d+).*ne dimostra (\d+)/.exec(lesson) ?? [];
  expect([doubling, huygens, richardson]).toEqual(["raddoppi", "huygens", "richardson"].map((method) => provenByArchimede(method, 26)));
  await expect(page.locator("#stepTable tr.current td")).toHaveText(["26", /E\+08$/, /^3,/, /^3,/, /E-16$/, doubling ?? "", huygens ?? "", richardson ?? ""]);
});

// Esplora in the page: the step from the number field or the slider, the
// drawing, table, chart and note that follow it, and the downloads.
import { readFileSync } from "node:fs";
import { expect, type Page, test } from "@playwright/test";
import { open } from "./page";

async function expectStep(page: Page, step: number, sides: string): Promise<void> {
  await expect(page.locator("#stepBox")).toHaveValue(String(step));
  await expect(page.locator("#stepSlider")).toHaveValue(String(step));
  await expect(page.locator("#drawing text").first()).toHaveText(`Passo ${step}: poligoni di ${sides} lati`);
  await expect(page.locator("#stepTable")).toHaveAttribute("aria-rowcount", String(step + 1));
  await expect(page.locator("#stepTable tr.current td").first()).toHaveText(String(step));
  await page.locator(".table-box").scrollIntoViewIfNeeded();
  await expect(page.locator("#stepTable tr.current")).toBeInViewport();
}

test("opens at step 3 and follows the number field and the slider", async ({ page }) => {
  await open(page);
  await expectStep(page, 3, "24");
  await expect(page.locator("#stepTable tr.current td")).toHaveText(["3", "2,400E+01", "3,13262861", "3,15965994", "2,703E-02"]);
  await page.locator("#stepBox").fill("60");
  await expectStep(page, 60, "3,459E+18");
  await expect(page.locator("#drawing text").nth(-2)).toHaveText(/^× [0-9],[0-9]{2}·10[⁰¹²³⁴⁵⁶⁷⁸⁹]+ verso il centro$/);
  await expect(page.locator("#note")).toContainText("Dal passo 26");
  await page.locator("#stepSlider").focus();
  await page.keyboard.press("ArrowLeft");
  await expectStep(page, 59, "1,729E+18");
  await page.keyboard.press("End");
  await expectStep(page, 500, "9,820E+150");
  await page.locator("#stepBox").fill("2");
  await expectStep(page, 2, "12");
  await expect(page.locator("#note")).toContainText("Con 26 passi o più");
  // The inset: the circle and both polygons, clipped to its frame.
  await expect(page.locator("#drawing g[clip-path] polyline")).toHaveCount(3);
});

// Each step change brings the views' elements up to date in place: what a
// change leaves must be what a fresh page draws.
test("a step reached through others is drawn as a page opened at it", async ({ page }) => {
  const views = () => page.locator(".esplora-views").evaluate((views) => views.innerHTML.replace(/ style="[^"]*"/g, ""));
  const lesson = () => page.locator("#lesson").innerHTML();
  await open(page, "/#passo=4");
  await expect(page.locator("#lesson .formula").first()).toBeVisible();
  const [fresh, freshLesson] = [await views(), await lesson()];
  for (const step of ["26", "500", "1", "4"]) await page.locator("#stepBox").fill(step);
  await page.locator(".table-box").evaluate((box) => box.scrollTo(0, box.scrollHeight));
  await expect.poll(views).toBe(fresh);
  await expect.poll(lesson).toBe(freshLesson);
});

// Read as Form1 reads its box: the step it cannot take stays, and the field says why.
test("the step field reads text as Form1 does", async ({ page }) => {
  await open(page);
  const refusal = page.locator("#stepRefusal");
  for (const [text, step, why] of [
    ["4.5", 4, ""],
    ["abc", 4, "Inserire un numero di iterazioni da 1 a 500."],
    ["", 4, "Inserire un numero di iterazioni da 1 a 500."],
    ["٥", 4, "Inserire un numero di iterazioni da 1 a 500."],
    ["&H1F", 31, ""],
    ["1e999", 31, "Errore di run-time '6': Overflow"],
    ["900", 31, "Risultati inattendibili!"],
  ] as const) {
    await test.step(JSON.stringify(text), async () => {
      await page.locator("#stepBox").fill(text);
      await expect(page.locator("#stepSlider")).toHaveValue(String(step));
      await expect(page.locator("#stepTable")).toHaveAttribute("aria-rowcount", String(step + 1));
      await expect(refusal).toHaveText(why);
      const box = expect(page.locator("#stepBox"));
      await (why ? box.toHaveAttribute("aria-invalid", "true") : box.not.toHaveAttribute("aria-invalid"));
    });
  }
  await page.locator("#stepBox").press("Tab");
  await expect(page.locator("#stepBox")).toHaveValue("900");
});

for (const [button, name, kind] of [
  ["#saveDrawingSvg", "poligoni-passo-7.svg", "svg"],
  ["#saveDrawingPng", "poligoni-passo-7.png", "png"],
  ["#saveChartSvg", "convergenza-7-passi.svg", "svg"],
  ["#saveChartPng", "convergenza-7-passi.png", "png"],
] as const) {
  test(`downloads ${name}`, async ({ page }) => {
    await open(page);
    await page.locator("#stepBox").fill("7");
    const [download] = await Promise.all([page.waitForEvent("download"), page.locator(button).click()]);
    expect(download.suggestedFilename()).toBe(name);
    const file = readFileSync((await download.path())!);
    if (kind === "svg") {
      const text = file.toString("utf8");
      expect(text).toMatch(/^<\?xml[^>]*>\n<svg[^>]* width="900" height="600"/);
      expect(text).toContain(name.startsWith("poligoni") ? "Passo 7: poligoni di 384 lati" : "Cifre corrette di π");
    } else {
      expect(file.subarray(1, 4).toString("latin1")).toBe("PNG");
      expect([file.readUInt32BE(16), file.readUInt32BE(20)]).toEqual([900, 600]);
    }
  });
}

test("a PNG the browser cannot render is reported, not dropped", async ({ page }) => {
  await page.addInitScript(() => {
    HTMLCanvasElement.prototype.toBlob = (callback: BlobCallback) => callback(null);
  });
  await open(page);
  await page.locator("#saveDrawingPng").click();
  await expect(page.locator("#messageBoxText")).toHaveText("Impossibile creare l'immagine 'poligoni-passo-3.png'.");
});

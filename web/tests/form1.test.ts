// Form1 in the page: the desktop window's cases (tests/form/form1_test.cpp),
// the conversions of the text, the refusals and the run-time errors.
import { expect, test } from "@playwright/test";
import { compute, open, results } from "./page";

const tooMany = "Risultati inattendibili!";
const tooFew = "Inserire un numero di iterazioni da 1 a 500.";
const overflow = "Errore di run-time '6':\n\nOverflow";

test("the eleven controls, the button first in the tab order and focused", async ({ page, baseURL }) => {
  const fetched: string[] = [];
  page.on("request", (request) => fetched.push(request.url()));
  await open(page);
  expect(
    fetched.filter((url) => !url.startsWith(baseURL!)),
    "every asset is the page's own",
  ).toEqual([]);
  const ids = await page.locator("#Form1 > :not(.visually-hidden)").evaluateAll((all) => all.map((e) => e.id));
  expect(ids.sort()).toEqual(["Command1", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Text1"]);
  await expect(page.locator("#Command1")).toBeFocused();
  await page.keyboard.press("Tab");
  await expect(page.locator("#Text1")).toBeFocused();
  await page.keyboard.press("Shift+Tab");
  await expect(page.locator("#Command1")).toBeFocused();
  await expect(page.locator("#Label9")).toHaveText("  [da 1 a 500]");
});

for (const [text, locale, sides, lower, upper] of [
  ["1", "en-US", "6.000E+00", "3.00000000", "3.46410162"],
  ["500", "it-IT", "9,820E+150", "3,14159265", "3,14159265"],
  ["500.5", "it-IT", "9,820E+150", "3,14159265", "3,14159265"],
  ["2,5", "en-US", "1.200E+01", "3.10582854", "3.21539031"],
  ["37", "it-IT", "4,123E+11", "3,14159265", "3,14159265"],
  ["3.5", "it-IT", "4,800E+01", "3,13935020", "3,14608622"],
  ["&H1F4", "it-IT", "9,820E+150", "3,14159265", "3,14159265"],
  ["&o12", "it-IT", "3,072E+03", "3,14159211", "3,14159375"],
  [" 1 0 ", "it-IT", "3,072E+03", "3,14159211", "3,14159375"],
] as const) {
  test.describe(() => {
    test.use({ locale });
    test(`"${text}" ${locale}`, async ({ page }) => {
      await open(page);
      await compute(page, text);
      expect(await results(page)).toEqual([sides, lower, upper]);
      await expect(page.locator("#Form1Results")).toContainText(sides);
    });
  });
}

test("the first click computes the text the window opens with", async ({ page }) => {
  await open(page);
  await page.locator("#Command1").click();
  expect(await results(page)).toEqual(["6,000E+00", "3,00000000", "3,46410162"]);
});

for (const [text, warning] of [
  ["501", tooMany],
  ["501.5", tooMany],
  ["0", tooFew],
  ["-3", tooFew],
  ["", tooFew],
  ["abc", tooFew],
  ["3000000000", overflow],
  ["1e999", overflow],
] as const) {
  test(`"${text}" is refused in a modal box, and the page goes on`, async ({ page }) => {
    await open(page);
    await page.locator("#Command1").click();
    const before = await results(page);
    await compute(page, text);
    const box = page.locator("#messageBox");
    await expect(box).toHaveJSProperty("open", true);
    expect(await box.evaluate((dialog) => dialog.matches(":modal"))).toBe(true);
    await expect(box.locator("#messageBoxTitle")).toHaveText("Lavoro1");
    expect(await box.locator("#messageBoxText").textContent()).toBe(warning);
    await expect(box.getByRole("button")).toHaveText(["OK"]);
    await box.getByRole("button").click();
    await expect(box).toHaveJSProperty("open", false);
    expect(await results(page)).toEqual(before);
    await compute(page, "2");
    await expect(page.locator("#Label7")).toHaveText("1,200E+01");
  });
}

test("Enter in the text box computes", async ({ page }) => {
  await open(page);
  await page.locator("#Text1").fill("4");
  await page.locator("#Text1").press("Enter");
  await expect(page.locator("#Label7")).toHaveText("4,800E+01");
});

// Pasting a book must not freeze the tab: the box holds what the desktop's holds.
test("the text box takes at most 32767 characters", async ({ page }) => {
  await open(page);
  await page.locator("#Text1").focus();
  await page.keyboard.insertText("1".repeat(100_000));
  expect(await page.locator("#Text1").evaluate((box: HTMLInputElement) => box.value.length)).toBe(32767);
});

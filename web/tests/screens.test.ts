// Both languages, both schemes, the keyboard alone and a phone's width.
import { expect, type Page, test } from "@playwright/test";
import { compute, open, results } from "./page";

test.describe("English", () => {
  test.use({ locale: "en-GB" });
  test("texts from the catalogues and the point as separator", async ({ page }) => {
    await open(page);
    await expect(page.locator("html")).toHaveAttribute("lang", "en");
    await expect(page.locator("#Command1")).toHaveText("Compute π");
    await expect(page.locator("#Label1")).toHaveText("Number of steps");
    await expect(page.locator("#Label9")).toHaveText("  [1 to 500]");
    await expect(page.locator("#drawing text").first()).toHaveText("Step 3: polygons with 24 sides");
    await expect(page.locator("#stepTable th")).toHaveText(["Step", "Sides", "Lower bound", "Upper bound", "Difference"]);
    await compute(page, "2");
    expect(await results(page)).toEqual(["1.200E+01", "3.10582854", "3.21539031"]);
    await compute(page, "0");
    await expect(page.locator("#messageBoxText")).toHaveText("Enter a number of steps from 1 to 500.");
  });
});

// Each language's plural for the play's speeds; π midway between the two
// "<" of Form1 in a translation, where the Italian word is left-aligned.
test("plural forms, and π centred in Form1 in a translation", async ({ page }) => {
  // The text's room on its left and on its right in the label.
  const constantRoom = () =>
    page.locator("#Label4").evaluate((label) => {
      const range = document.createRange();
      range.selectNodeContents(label);
      const [text, box] = [range.getBoundingClientRect(), label.getBoundingClientRect()];
      return { left: Math.round(text.left - box.left), right: Math.round(box.right - text.right) };
    });
  for (const [language, speeds] of [
    ["it", ["1 passo/s", "2 passi/s"]],
    ["fr", ["1 étape/s", "2 étapes/s"]],
    ["el", ["1 βήμα/s", "2 βήματα/s"]],
  ] as const) {
    await page.goto("about:blank");
    await open(page, `/#passo=3&lang=${language}`);
    await expect(page.locator("#playSpeed option").nth(0)).toHaveText(speeds[0]);
    await expect(page.locator("#playSpeed option").nth(1)).toHaveText(speeds[1]);
    const { left, right } = await constantRoom();
    if (language === "it") {
      expect(left).toBe(0);
    } else {
      expect(left, language).toBeGreaterThan(5);
      expect(Math.abs(left - right), language).toBeLessThanOrEqual(1);
    }
  }
});

test.describe("a language the page does not have", () => {
  test.use({ locale: "pt-BR" });
  test("is English with the comma of Portuguese", async ({ page }) => {
    await open(page);
    await expect(page.locator("#Command1")).toHaveText("Compute π");
    await compute(page, "2");
    expect(await results(page)).toEqual(["1,200E+01", "3,10582854", "3,21539031"]);
  });

  // The separator found is kept for the next visit; what is stored in its
  // place and is no separator is not taken.
  test("keeps its separator, and takes none that is not one", async ({ page }) => {
    await open(page);
    expect(await page.evaluate(() => localStorage.getItem("lavoro1-separator:pt-BR"))).toBe(",");
    for (const stored of ["<b>", "7"]) {
      await page.evaluate((text) => localStorage.setItem("lavoro1-separator:pt-BR", text), stored);
      await page.reload();
      await compute(page, "2");
      expect(await results(page), JSON.stringify(stored)).toEqual(["1,200E+01", "3,10582854", "3,21539031"]);
    }
  });
});

// The WCAG contrast of each text against the background it stands on.
async function lowestContrast(page: Page): Promise<{ ratio: number; where: string }> {
  return page.evaluate(() => {
    const channels = (colour: string) => (colour.match(/[\d.]+/g) ?? []).map(Number);
    const linear = (c = 0) => (c / 255 <= 0.03928 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
    const luminance = ([r, g, b]: number[]) => 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
    const background = (element: Element | null): number[] => {
      for (; element; element = element.parentElement) {
        const rgba = channels(getComputedStyle(element).backgroundColor);
        if (rgba.length === 3 || (rgba[3] ?? 0) > 0) return rgba;
      }
      return [255, 255, 255];
    };
    let lowest = { ratio: 21, where: "" };
    for (const element of document.querySelectorAll("#app *")) {
      if (!(element instanceof HTMLElement) || !element.textContent?.trim() || element.children.length > 0) continue;
      if (element.closest(".visually-hidden") || element.offsetParent === null) continue;
      const [a, b] = [luminance(channels(getComputedStyle(element).color)), luminance(background(element))];
      const ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
      if (ratio < lowest.ratio) lowest = { ratio, where: element.id || element.tagName };
    }
    return lowest;
  });
}

for (const colorScheme of ["light", "dark"] as const) {
  test.describe(() => {
    test.use({ colorScheme });
    test(`${colorScheme}: every text at least 4.5:1`, async ({ page }) => {
      await open(page);
      await page.locator("#Command1").click();
      const background = await page
        .locator(".window")
        .first()
        .evaluate((e) => getComputedStyle(e).backgroundColor);
      expect(background).toBe(colorScheme === "dark" ? "rgb(30, 30, 30)" : "rgb(255, 255, 255)");
      const lowest = await lowestContrast(page);
      expect(lowest.ratio, lowest.where).toBeGreaterThanOrEqual(4.5);
    });
  });
}

test("the keyboard alone computes, answers the box and moves Esplora", async ({ page }) => {
  await open(page);
  await page.keyboard.press("Enter");
  await expect(page.locator("#Label7")).toHaveText("6,000E+00");
  await page.keyboard.press("Tab");
  await expect(page.locator("#Text1")).toBeFocused();
  await page.keyboard.press("ControlOrMeta+A");
  await page.keyboard.type("501");
  await page.keyboard.press("Enter");
  await expect(page.locator("#messageBox")).toHaveJSProperty("open", true);
  await page.keyboard.press("Enter");
  await expect(page.locator("#messageBox")).toHaveJSProperty("open", false);
  await expect(page.locator("#Text1")).toBeFocused();
  await page.keyboard.press("ControlOrMeta+A");
  await page.keyboard.type("5");
  await page.keyboard.press("Enter");
  await expect(page.locator("#Label7")).toHaveText("9,600E+01");
  await page.keyboard.press("Tab");
  await expect(page.locator("#stepBox")).toBeFocused();
  await page.keyboard.press("ArrowUp");
  await expect(page.locator("#stepSlider")).toHaveValue("6");
  await page.keyboard.press("Tab");
  await expect(page.locator("#stepSlider")).toBeFocused();
  await page.keyboard.press("PageUp");
  await expect(page.locator("#stepBox")).not.toHaveValue("6");
  await page.keyboard.press("Tab");
  await expect(page.locator("#saveDrawingSvg")).toBeFocused();
});

test.describe("phone", () => {
  test.use({ viewport: { width: 360, height: 740 } });
  test("360 px wide: nothing wider than the screen, every control of Form1 in it", async ({ page }) => {
    await open(page);
    await page.locator("#Command1").click();
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
    for (const id of ["Label1", "Text1", "Label9", "Command1", "Label8", "Label7", "Label2", "Label6", "stepBox", "stepSlider"]) {
      const box = (await page.locator(`#${id}`).boundingBox())!;
      expect(box.x, id).toBeGreaterThanOrEqual(0);
      expect(box.x + box.width, id).toBeLessThanOrEqual(360);
    }
    // The results are shown whole.
    for (const id of ["Label7", "Label2", "Label6"]) {
      expect(await page.locator(`#${id}`).evaluate((e) => e.scrollWidth <= e.clientWidth), id).toBe(true);
    }
  });
});

// The longest translations at step 500, whose captions are the widest.
for (const [width, locale] of [
  [320, "el-GR"],
  [360, "fr-FR"],
  [768, "el-GR"],
] as const) {
  test.describe(() => {
    test.use({ locale, viewport: { width, height: 800 } });
    test(`${locale}, ${width} px: every text of the drawing and the chart inside its picture`, async ({ page }) => {
      await open(page, "/#passo=500");
      const outside = await page.evaluate(() =>
        [...document.querySelectorAll("svg text")]
          .filter((text) => {
            const [box, picture] = [text.getBoundingClientRect(), (text as SVGTextElement).ownerSVGElement!.getBoundingClientRect()];
            return box.left < picture.left - 0.5 || box.right > picture.right + 0.5 || box.top < picture.top - 0.5;
          })
          .map((text) => text.textContent),
      );
      expect(outside).toEqual([]);
    });
  });
}

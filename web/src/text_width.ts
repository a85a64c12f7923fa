// How wide texts are set in the pictures' type, for the layouts that must
// hold them: measured on a canvas in the page's font, which the pictures
// take, once for each set of texts (they change with the language only).
let context: CanvasRenderingContext2D | null | undefined;
let family: string | undefined;
const measured = new Map<string, number>();

function textWidth(text: string, font: string): number {
  context ??= document.createElement("canvas").getContext("2d");
  if (!context) return 0;
  context.font = font;
  return context.measureText(text).width;
}

// The width in pixels of the widest of texts at pixels high, bold or not; 0
// where the browser gives no canvas to measure on.
export function widestTextWidth(texts: readonly string[], pixels: number, bold = false): number {
  family ??= getComputedStyle(document.body).fontFamily;
  const font = `${bold ? "bold " : ""}${pixels}px ${family}`;
  const key = `${font}\n${texts.join("\n")}`;
  let widest = measured.get(key);
  if (widest === undefined) {
    widest = Math.max(0, ...texts.map((text) => textWidth(text, font)));
    measured.set(key, widest);
  }
  return widest;
}

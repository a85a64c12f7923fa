// Esplora's drawing of one step as SVG: the circle, the inscribed and
// circumscribed polygons, the marker of the followed side and the magnified
// inset with its captions. Every number drawn, and where it stands, comes
// from the core (calc/drawing.hpp), as for the desktop's drawing; this file
// only paints them.
import type { Core, Drawing, DrawingLayout } from "lavoro1-core";
import { patchChildren, pointsText, type Shape, setChangedAttributes, svgShape } from "./dom";
import { decimalSeparator, language, tr } from "./i18n";
import { widestTextWidth } from "./text_width";

const context = "PolygonScene";

const titleOf = (core: Core, step: number, sides: string) => core.filledPattern(tr(context, "Passo %1: poligoni di %2 lati"), String(step), sides);

const captionsOf = (core: Core, alongZoom: string, acrossZoom: string) => [
  core.filledPattern(tr(context, "Ingrandimento: × %1 lungo il lato,"), alongZoom, ""),
  core.filledPattern(tr(context, "× %1 verso il centro"), acrossZoom, ""),
  // Why the magnifications grow, as the desktop's inset says it.
  tr(context, "A ogni passo: lato ÷ 2, scarto ÷ 4"),
];

// The texts are laid out by how wide they are at their widest, whatever the
// step, so that the layout stays the same from step to step; found again
// only when the language or the separator changes, not at every frame.
let widest: { key: string; width: number } | undefined;
function widestText(core: Core): number {
  const key = `${language} ${decimalSeparator}`;
  if (widest?.key !== key) {
    const at = core.widestDrawingTexts(decimalSeparator);
    widest = { key, width: widestTextWidth([titleOf(core, at.step, at.sides), ...captionsOf(core, at.zoom, at.zoom)], at.fontPixels) };
  }
  return widest.width;
}

// The step's title and the legend of the three lines, from (x, y) down.
function texts(core: Core, step: number, drawing: Drawing, layout: DrawingLayout): Shape[] {
  const [x = 0, y = 0] = layout.text;
  const lineHeight = layout.lineHeight;
  const text = { class: "text", "font-size": layout.fontPixels };
  let baseline = y + lineHeight - 4;
  const parts = [svgShape("text", { ...text, x, y: baseline }, titleOf(core, step, drawing.sides))];
  const legend: [string, string][] = [
    ["circle", tr(context, "Cerchio di raggio 1")],
    ["inscribed", tr(context, "Poligono inscritto")],
    ["circumscribed", tr(context, "Poligono circoscritto")],
  ];
  for (const [kind, name] of legend) {
    baseline += lineHeight;
    parts.push(
      svgShape("line", { class: `${kind} swatch`, x1: x, y1: baseline - 4, x2: x + 24, y2: baseline - 4 }),
      svgShape("text", { ...text, x: x + 32, y: baseline }, name),
    );
  }
  return parts;
}

// The magnified inset in its frame, and its two captions below it.
function inset(core: Core, drawing: Drawing, layout: DrawingLayout): Shape[] {
  const [left = 0, top = 0, side = 0] = layout.inset;
  const [captionX = 0, captionY = 0] = layout.caption;
  const clip = svgShape("clipPath", { id: "insetClip" }, svgShape("rect", { x: left, y: top, width: side, height: side }));
  const lines = svgShape(
    "g",
    { "clip-path": "url(#insetClip)" },
    svgShape("polyline", { class: "circle", points: pointsText(drawing.insetCircle, left, top) }),
    svgShape("polyline", { class: "inscribed", points: pointsText(drawing.insetInscribed, left, top) }),
    svgShape("polyline", { class: "circumscribed", points: pointsText(drawing.insetCircumscribed, left, top) }),
  );
  const parts = [clip, svgShape("rect", { class: "frame", x: left, y: top, width: side, height: side }), lines];
  captionsOf(core, drawing.alongZoom, drawing.acrossZoom).forEach((caption, i) => {
    const at = { x: captionX, y: captionY + (i + 1) * layout.lineHeight };
    parts.push(svgShape("text", { class: "text", "font-size": layout.fontPixels, ...at }, caption));
  });
  return parts;
}

// The drawing of step in a width x height picture, coloured by the classes
// of the page's style (and of the export style in files).
export function drawStep(svg: SVGSVGElement, core: Core, step: number, width: number, height: number): void {
  const layout = core.drawingLayout(width, height, widestText(core));
  const side = layout.inset[2] ?? 0;
  const drawing = core.drawing(step, layout.radius, side, side, decimalSeparator);
  const [cx = 0, cy = 0] = layout.centre;
  setChangedAttributes(svg, { viewBox: `0 0 ${width} ${height}`, width, height });

  const parts: Shape[] = [
    svgShape("rect", { class: "background", x: 0, y: 0, width, height }),
    svgShape("circle", { class: "circle", cx, cy, r: layout.radius }),
    svgShape("polygon", { class: "inscribed", points: pointsText(drawing.inscribed, cx, cy) }),
    svgShape("polygon", { class: "circumscribed", points: pointsText(drawing.circumscribed, cx, cy) }),
  ];
  const [mx, my] = [cx + (drawing.arcMiddle[0] ?? 0), cy + (drawing.arcMiddle[1] ?? 0)];
  parts.push(svgShape("rect", { class: "frame", x: mx - 6, y: my - 6, width: 12, height: 12 }));
  // Stacked, the texts stand between the marker and the inset: no leader across them.
  if (!layout.stacked) {
    parts.push(svgShape("line", { class: "frame", x1: mx, y1: my, x2: layout.leaderEnd[0] ?? 0, y2: layout.leaderEnd[1] ?? 0 }));
  }
  patchChildren(svg, [...parts, ...texts(core, step, drawing, layout), ...inset(core, drawing, layout)]);
}

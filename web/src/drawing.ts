// Esplora's drawing of one step as SVG: the circle, the inscribed and
// circumscribed polygons, the marker of the followed side and the magnified
// inset with its captions. Every number drawn comes from the core
// (calc/drawing.hpp); this file only places them, as pictures/polygon_scene
// does for the desktop.
import type { Core, Drawing } from "lavoro1-core";
import { pointsText, svgElement } from "./dom";
import { decimalSeparator, tr } from "./i18n";

const margin = 10;
const lineHeight = 18;
// The widest line the texts can hold at any step, at 13 px: the captions
// with three-digit exponents and step 50's title.
const textWidth = 300;
const hexagonSecant = 1 / Math.cos(Math.PI / 6);

interface Layout {
  centre: [number, number];
  radius: number;
  text: [number, number];
  frame: [number, number, number]; // left, top, side
  caption: [number, number];
  leaderEnd: [number, number];
}

// Under this width the texts and the inset stack below the circle, as on a phone.
export const stackedBelow = 600;

// The height of a picture width wide: two thirds of it, as the desktop's
// 900 x 600, or, stacked, the circle, the texts, the inset and its captions.
export function drawingHeight(width: number): number {
  if (width >= stackedBelow) return Math.round((width * 2) / 3);
  const inner = width - 2 * margin;
  return Math.round(inner + 4 * lineHeight + Math.min(inner, 320) + 2 * lineHeight + 5 * margin);
}

// The circle as large as the size allows, with the texts and the inset in a
// column at its right or in a row below it, whichever leaves it larger; on a
// narrow picture one under the other.
function layOut(width: number, height: number): Layout {
  if (width < stackedBelow) {
    const diameter = width - 2 * margin;
    const textTop = 2 * margin + diameter;
    const side = Math.min(diameter, 320);
    const top = textTop + 4 * lineHeight + margin;
    return {
      centre: [width / 2, margin + diameter / 2],
      radius: diameter / 2 / hexagonSecant,
      text: [margin, textTop],
      frame: [(width - side) / 2, top, side],
      caption: [(width - side) / 2, top + side],
      leaderEnd: [width / 2, top],
    };
  }
  const clamp = (value: number, low: number, high: number) => Math.min(Math.max(value, low), high);
  const textHeight = 4 * lineHeight;
  const columnWidth = Math.max(textWidth, clamp(0.34 * width, 220, 320));
  const besideDiameter = Math.min(height - 2 * margin, width - 3 * margin - columnWidth);
  const rowHeight = clamp(0.34 * height, 200, 300);
  const belowDiameter = Math.min(width - 2 * margin, height - 3 * margin - rowHeight);
  if (besideDiameter >= belowDiameter) {
    const diameter = Math.max(40, besideDiameter);
    const left = 2 * margin + diameter;
    const top = 2 * margin + textHeight;
    const side = Math.max(40, Math.min(width - margin - left, height - top - 2 * lineHeight - 2 * margin));
    return {
      centre: [margin + diameter / 2, height / 2],
      radius: diameter / 2 / hexagonSecant,
      text: [left, margin],
      frame: [left, top, side],
      caption: [left, top + side],
      leaderEnd: [left, top + side / 2],
    };
  }
  const diameter = Math.max(40, belowDiameter);
  const top = 2 * margin + diameter;
  const side = Math.max(40, Math.min(height - margin - top, width / 2 - margin, width - 3 * margin - textWidth));
  return {
    centre: [width / 2, margin + diameter / 2],
    radius: diameter / 2 / hexagonSecant,
    text: [margin, top],
    frame: [width - margin - side, top, side],
    caption: [margin, top + textHeight + margin],
    leaderEnd: [width - margin - side / 2, top],
  };
}

const context = "PolygonScene";

// The step's title and the legend of the three lines, from (x, y) down.
function texts(core: Core, step: number, drawing: Drawing, [x, y]: [number, number]): SVGElement[] {
  let baseline = y + lineHeight - 4;
  const title = core.filledPattern(tr(context, "Passo %1: poligoni di %2 lati"), String(step), drawing.sides);
  const parts = [svgElement("text", { class: "text", x, y: baseline }, title)];
  const legend: [string, string][] = [
    ["circle", tr(context, "Cerchio di raggio 1")],
    ["inscribed", tr(context, "Poligono inscritto")],
    ["circumscribed", tr(context, "Poligono circoscritto")],
  ];
  for (const [kind, text] of legend) {
    baseline += lineHeight;
    parts.push(
      svgElement("line", { class: `${kind} swatch`, x1: x, y1: baseline - 4, x2: x + 24, y2: baseline - 4 }),
      svgElement("text", { class: "text", x: x + 32, y: baseline }, text),
    );
  }
  return parts;
}

// The magnified inset in its frame, and its two captions below it.
function inset(core: Core, drawing: Drawing, layout: Layout): SVGElement[] {
  const [left, top, side] = layout.frame;
  const clip = svgElement("clipPath", { id: "insetClip" });
  clip.append(svgElement("rect", { x: left, y: top, width: side, height: side }));
  const lines = svgElement("g", { "clip-path": "url(#insetClip)" });
  lines.append(
    svgElement("polyline", { class: "circle", points: pointsText(drawing.insetCircle, left, top) }),
    svgElement("polyline", { class: "inscribed", points: pointsText(drawing.insetInscribed, left, top) }),
    svgElement("polyline", { class: "circumscribed", points: pointsText(drawing.insetCircumscribed, left, top) }),
  );
  const parts = [clip, svgElement("rect", { class: "frame", x: left, y: top, width: side, height: side }), lines];
  const captions = [
    core.filledPattern(tr(context, "Ingrandimento: × %1 lungo il lato,"), drawing.alongZoom, ""),
    core.filledPattern(tr(context, "× %1 verso il centro"), drawing.acrossZoom, ""),
  ];
  captions.forEach((caption, i) => {
    parts.push(svgElement("text", { class: "text", x: layout.caption[0], y: layout.caption[1] + (i + 1) * lineHeight }, caption));
  });
  return parts;
}

// The drawing of step in a width x height picture, coloured by the classes
// of the page's style (and of the export style in files).
export function drawStep(svg: SVGSVGElement, core: Core, step: number, width: number, height: number): void {
  const layout = layOut(width, height);
  const side = layout.frame[2];
  const drawing = core.drawing(step, layout.radius, side, side, decimalSeparator);
  const [cx, cy] = layout.centre;
  svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
  svg.setAttribute("width", String(width));
  svg.setAttribute("height", String(height));

  const parts: SVGElement[] = [
    svgElement("rect", { class: "background", x: 0, y: 0, width, height }),
    svgElement("circle", { class: "circle", cx, cy, r: layout.radius }),
    svgElement("polygon", { class: "inscribed", points: pointsText(drawing.inscribed, cx, cy) }),
    svgElement("polygon", { class: "circumscribed", points: pointsText(drawing.circumscribed, cx, cy) }),
  ];
  const [mx, my] = [cx + (drawing.arcMiddle[0] ?? 0), cy + (drawing.arcMiddle[1] ?? 0)];
  parts.push(svgElement("rect", { class: "frame", x: mx - 6, y: my - 6, width: 12, height: 12 }));
  // Stacked, the texts stand between the marker and the inset: no leader across them.
  if (width >= stackedBelow) {
    parts.push(svgElement("line", { class: "frame", x1: mx, y1: my, x2: layout.leaderEnd[0], y2: layout.leaderEnd[1] }));
  }
  svg.replaceChildren(...parts, ...texts(core, step, drawing, layout.text), ...inset(core, drawing, layout));
}

// Esplora's drawing of one step as SVG: the circle, the inscribed and
// circumscribed polygons, the marker of the followed side and the magnified
// inset with its captions. The core's view of the drawing
// (calc/esplora_view.hpp) holds every shape, text and place; this file only
// paints it.
import type { DrawingView } from "lavoro1-core";
import { patchChildren, pointsText, type Shape, setChangedAttributes, svgShape } from "./dom";

const line = (kind: string, [x1 = 0, y1 = 0, x2 = 0, y2 = 0]: Float64Array | number[]) => svgShape("line", { class: kind, x1, y1, x2, y2 });
const rect = (attributes: Record<string, string>, [x = 0, y = 0, width = 0, height = 0]: Float64Array | number[]) =>
  svgShape("rect", { ...attributes, x, y, width, height });

// drawing in svg, coloured by the classes of the page's style (and of the
// export style in files).
export function paintDrawing(svg: SVGSVGElement, drawing: DrawingView): void {
  const { width, height } = drawing;
  const [cx = 0, cy = 0] = drawing.centre;
  setChangedAttributes(svg, { viewBox: `0 0 ${width} ${height}`, width, height });
  const text = { class: "text", "font-size": drawing.fontPixels };
  const parts: Shape[] = [
    rect({ class: "background" }, [0, 0, width, height]),
    svgShape("circle", { class: "circle", cx, cy, r: drawing.radius }),
    svgShape("polygon", { class: "inscribed", points: pointsText(drawing.inscribed) }),
    svgShape("polygon", { class: "circumscribed", points: pointsText(drawing.circumscribed) }),
    rect({ class: "frame" }, drawing.marker),
  ];
  if (drawing.leader.length > 0) parts.push(line("frame", drawing.leader));
  const [title, ...names] = drawing.texts;
  if (title) parts.push(svgShape("text", { ...text, x: title.x, y: title.y }, title.text));
  // The legend's three names, each after its sample, then the inset's captions.
  names.forEach(({ x, y, text: name }, i) => {
    const kind = ["circle", "inscribed", "circumscribed"][i];
    const swatch = drawing.swatches[i];
    if (kind && swatch) parts.push(line(`${kind} swatch`, swatch));
    if (i === 3) parts.push(...inset(drawing));
    parts.push(svgShape("text", { ...text, x, y }, name));
  });
  patchChildren(svg, parts);
}

// The magnified inset in its frame, its lines clipped to it.
function inset(drawing: DrawingView): Shape[] {
  const clip = svgShape("clipPath", { id: "insetClip" }, rect({}, drawing.inset));
  const lines = svgShape(
    "g",
    { "clip-path": "url(#insetClip)" },
    svgShape("polyline", { class: "circle", points: pointsText(drawing.insetCircle) }),
    svgShape("polyline", { class: "inscribed", points: pointsText(drawing.insetInscribed) }),
    svgShape("polyline", { class: "circumscribed", points: pointsText(drawing.insetCircumscribed) }),
  );
  return [clip, rect({ class: "frame" }, drawing.inset), lines];
}

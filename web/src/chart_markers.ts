// The convergence chart's series told apart by marker and dash as well as by
// colour, for every reader: the core's styles (calc/series_styles.hpp); the
// colours stay the picture colours' classes.
import type { SeriesStyle } from "lavoro1-core";
import { type Shape, svgShape } from "./dom";

const lineWidth = 2; // svg .series in style.css
const markerRadius = 3.5;

function markerPath(marker: SeriesStyle["marker"], x: number, y: number): string {
  const r = markerRadius;
  switch (marker) {
    case "circle":
      return `M${x - r} ${y}a${r} ${r} 0 1 0 ${2 * r} 0a${r} ${r} 0 1 0 ${-2 * r} 0Z`;
    case "square":
      return `M${x - r} ${y - r}h${2 * r}v${2 * r}h${-2 * r}Z`;
    case "triangle-up":
      return `M${x} ${y - r * 1.2}L${x + r * 1.2} ${y + r}H${x - r * 1.2}Z`;
    case "triangle-down":
      return `M${x} ${y + r * 1.2}L${x + r * 1.2} ${y - r}H${x - r * 1.2}Z`;
    case "diamond":
      return `M${x} ${y - r * 1.3}L${x + r * 1.3} ${y}L${x} ${y + r * 1.3}L${x - r * 1.3} ${y}Z`;
    case "cross":
      return `M${x - r} ${y - r}L${x + r} ${y + r}M${x - r} ${y + r}L${x + r} ${y - r}`;
  }
}

// The marker of series i at (x, y), none without a style.
export function seriesMarker(style: SeriesStyle | undefined, i: number, x: number, y: number): Shape[] {
  if (!style) return [];
  const open = style.marker === "cross";
  return [
    svgShape("path", {
      class: `marker series${i}`,
      d: markerPath(style.marker, x, y),
      "stroke-width": open ? 2 : 1,
      ...(open ? { fill: "none" } : {}),
    }),
  ];
}

// The marker of series i as a definition that a path puts on each of its
// vertices, so that the points move with the path; none without a style.
export function seriesMarkerDefinition(style: SeriesStyle | undefined, i: number): Shape[] {
  if (!style) return [];
  const reach = markerRadius * 2;
  return [
    svgShape(
      "marker",
      {
        id: `marker${i}`,
        markerUnits: "userSpaceOnUse",
        viewBox: `${-reach} ${-reach} ${2 * reach} ${2 * reach}`,
        markerWidth: 2 * reach,
        markerHeight: 2 * reach,
        overflow: "visible",
      },
      ...seriesMarker(style, i, 0, 0),
    ),
  ];
}

// The attributes that put series i's marker on every vertex of its path.
export function markedVertices(i: number): Record<string, string> {
  const marker = `url(#marker${i})`;
  return { "marker-start": marker, "marker-mid": marker, "marker-end": marker };
}

// The dashes of a series' line, as attributes; none for a solid line.
export function seriesDashes(style: SeriesStyle | undefined): Record<string, string> {
  const dashes = Array.from(style?.dashes ?? [], (length) => length * lineWidth).join(" ");
  return dashes ? { "stroke-dasharray": dashes } : {};
}

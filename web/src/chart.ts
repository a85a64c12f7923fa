// Esplora's convergence chart as SVG: the core's view of the chart for the
// steps shown (calc/esplora_view.hpp), its frame, grid, labels, paths and
// legend where the core puts them, painted as the desktop chart paints them.
import type { ChartView, PageView, PlacedText, SeriesStyle } from "lavoro1-core";
import { markedVertices, seriesDashes, seriesMarker, seriesMarkerDefinition } from "./chart_markers";
import { patchChildren, type Shape, setChangedAttributes, svgShape } from "./dom";
import { widestTextWidth } from "./text_width";

// A text's attributes that fit it in its room, where it is wider: a long
// translation stays whole in a narrow picture. Its type shrinks, as far as
// the core lets a picture's text shrink, and is narrowed past that.
function fitted(page: PageView, { text, room }: PlacedText, pixels: number, bold = false): Record<string, string | number> {
  if (room <= 0) return {};
  const natural = widestTextWidth([text], pixels, bold);
  if (natural <= room) return {};
  const scale = Math.max(room / natural, page.smallestTextScale);
  const style = `font-size:${(pixels * scale).toFixed(2)}px`;
  return natural * scale > room ? { style, textLength: Math.max(room, 0), lengthAdjust: "spacingAndGlyphs" } : { style };
}

// A path through points x, y, x, y...
function pathOf(points: ArrayLike<number>): string {
  let path = "";
  for (let p = 0; p + 1 < points.length; p += 2) path += `${p === 0 ? "M" : "L"}${points[p]} ${points[p + 1]}`;
  return path;
}

// Grid, tick labels, frame and titles.
function axes(page: PageView, chart: ChartView): Shape[] {
  const [left = 0, top = 0, width = 0, height = 0] = chart.plot;
  const [bottom, right] = [top + height, left + width];
  const [titlePixels = 0, axisTitlePixels = 0] = page.chartFontPixels;
  const parts: Shape[] = [];
  const tick = ({ x, y, text }: PlacedText, anchor: string) => svgShape("text", { class: "tick", x, y, "text-anchor": anchor }, text);
  for (const x of chart.stepLines) parts.push(svgShape("line", { class: "grid", x1: x, y1: top, x2: x, y2: bottom }));
  for (const label of chart.stepLabels) parts.push(tick(label, "middle"));
  for (const y of chart.minorLines) parts.push(svgShape("line", { class: "grid minor", x1: left, y1: y, x2: right, y2: y }));
  for (const y of chart.majorLines) parts.push(svgShape("line", { class: "grid", x1: left, y1: y, x2: right, y2: y }));
  for (const label of chart.digitLabels) parts.push(tick(label, "end"));
  const { title, stepTitle, digitsTitle } = chart;
  parts.push(
    svgShape("rect", { class: "axes", x: left, y: top, width, height }),
    svgShape("text", { class: "chart-title", x: title.x, y: title.y, "text-anchor": "middle", ...fitted(page, title, titlePixels, true) }, title.text),
    svgShape("text", { class: "axis-title", x: stepTitle.x, y: stepTitle.y, "text-anchor": "middle" }, stepTitle.text),
    svgShape(
      "text",
      {
        class: "axis-title",
        x: 0,
        y: 0,
        transform: `translate(${digitsTitle.x} ${digitsTitle.y}) rotate(-90)`,
        "text-anchor": "middle",
        ...fitted(page, digitsTitle, axisTitlePixels),
      },
      digitsTitle.text,
    ),
  );
  return parts;
}

// The series and the run-out marker, clipped to the plot.
function lines(chart: ChartView, styles: readonly SeriesStyle[]): Shape[] {
  const [x = 0, y = 0, width = 0, height = 0] = chart.plot;
  const clip = svgShape("clipPath", { id: "plotClip" }, svgShape("rect", { x, y, width, height }));
  const drawn: Shape[] = chart.series.map(({ path }, series) => {
    const marked = chart.pointsMarked && styles[series] ? markedVertices(series) : {};
    return svgShape("path", { class: `series series${series}`, d: pathOf(path), ...seriesDashes(styles[series]), ...marked });
  });
  const [runOutX, runOutY] = chart.runOut;
  if (runOutX !== undefined && runOutY !== undefined) {
    drawn.push(
      svgShape("line", { class: "run-out", x1: runOutX, y1: y, x2: runOutX, y2: y + height }),
      svgShape("circle", { class: "run-out-point", cx: runOutX, cy: runOutY, r: 5 }),
    );
  }
  const markers = svgShape("defs", {}, ...styles.flatMap((style, i) => seriesMarkerDefinition(style, i)));
  return [clip, markers, svgShape("g", { "clip-path": "url(#plotClip)" }, ...drawn)];
}

// The legend: each series' sample and name, then the run-out marker's.
function legend(page: PageView, chart: ChartView, styles: readonly SeriesStyle[]): Shape[] {
  const [, , legendPixels = 0] = page.chartFontPixels;
  return chart.legend.flatMap((entry, i) => {
    const [x1 = 0, y1 = 0, x2 = 0] = entry.sample;
    const middle = (x1 + x2) / 2;
    const sample =
      i === chart.series.length
        ? [svgShape("circle", { class: "run-out-point", cx: middle, cy: y1, r: 5 })]
        : [svgShape("line", { class: `series series${i}`, x1, y1, x2, y2: y1, ...seriesDashes(styles[i]) }), ...seriesMarker(styles[i], i, middle, y1)];
    return [...sample, svgShape("text", { class: "legend", x: entry.x, y: entry.y, ...fitted(page, entry, legendPixels) }, entry.text)];
  });
}

// chart in svg, its series styled, coloured by the classes of the page's
// style (and of the export style in files).
export function paintChart(svg: SVGSVGElement, page: PageView, chart: ChartView): void {
  const { width, height } = chart;
  setChangedAttributes(svg, { viewBox: `0 0 ${width} ${height}`, width, height });
  patchChildren(svg, [
    svgShape("rect", { class: "background", x: 0, y: 0, width, height }),
    ...axes(page, chart),
    ...lines(chart, page.seriesStyles),
    ...legend(page, chart, page.seriesStyles),
  ]);
}

// A plotted point: its series, step and digits, and where it stands.
export interface ChartPoint {
  series: number;
  name: string;
  step: number;
  digits: number;
  x: number;
  y: number;
}

// The points of a chart drawn with pointsRead.
export function chartPoints(chart: ChartView): ChartPoint[][] {
  return chart.series.map(({ name, points }, series) => {
    const line: ChartPoint[] = [];
    for (let p = 0; p + 3 < points.length; p += 4) {
      line.push({ series, name, step: points[p] ?? 0, digits: points[p + 1] ?? 0, x: points[p + 2] ?? 0, y: points[p + 3] ?? 0 });
    }
    return line;
  });
}

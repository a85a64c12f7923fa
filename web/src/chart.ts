// Esplora's convergence chart as SVG: the core's figures of the chart for
// the steps shown (calc/chart_figures.hpp), painted as the desktop chart
// paints them, on a logarithmic digit axis.
import type { ChartView, Core, SeriesStyle } from "lavoro1-core";
import { markedVertices, seriesDashes, seriesMarker, seriesMarkerDefinition } from "./chart_markers";
import { patchChildren, type Shape, setChangedAttributes, svgShape } from "./dom";
import { tr } from "./i18n";
import { widestTextWidth } from "./text_width";

const context = "ConvergenceChart";
// Under this width the legend goes below the plot.
const legendBelowWidth = 700;
// The type of the titles and of the legend (style.css), and the room kept
// free at the picture's edges.
const titlePixels = 15;
const axisTitlePixels = 12;
const legendPixels = 13;
const edge = 8;

// A text's attributes that fit it in room pixels, where it is wider: a long
// translation stays whole in a narrow picture. Its type shrinks, as far as
// the core lets a picture's text shrink, and is narrowed past that.
function fitted(core: Core, text: string, room: number, pixels: number, bold = false): Record<string, string | number> {
  const natural = widestTextWidth([text], pixels, bold);
  if (natural <= room) return {};
  const scale = Math.max(room / natural, core.smallestTextScale());
  const style = `font-size:${(pixels * scale).toFixed(2)}px`;
  return natural * scale > room ? { style, textLength: Math.max(room, 0), lengthAdjust: "spacingAndGlyphs" } : { style };
}

interface Plot {
  left: number;
  top: number;
  right: number;
  bottom: number;
  x: (step: number) => number;
  y: (digits: number) => number;
}

// The chart's height at width: the plot, and the legend below it when narrow,
// where the plot is nearly as tall as wide, for the long titles of its axis.
export function chartHeight(width: number, lines: number): number {
  return width >= legendBelowWidth ? Math.round(Math.min(width * 0.55, 420)) : Math.round(width * 0.75 + 100 + lines * 20);
}

function plotOf(width: number, height: number, legendRows: number): Omit<Plot, "x" | "y"> {
  const legendBelow = width < legendBelowWidth;
  return {
    left: 64,
    top: 40,
    right: legendBelow ? width - 16 : width - 250,
    bottom: height - 56 - (legendBelow ? legendRows * 20 + 8 : 0),
  };
}

function withScales(frame: Omit<Plot, "x" | "y">, view: ChartView): Plot {
  const logLow = Math.log10(view.lowestDigits);
  const logHigh = Math.log10(view.topDigits);
  return {
    ...frame,
    x: (step) => frame.left + ((step - 1) / (view.lastStep - 1)) * (frame.right - frame.left),
    y: (digits) => frame.bottom - ((Math.log10(digits) - logLow) / (logHigh - logLow)) * (frame.bottom - frame.top),
  };
}

// Grid, tick labels, frame and titles.
function axes(core: Core, plot: Plot, view: ChartView, width: number): Shape[] {
  const parts: Shape[] = [];
  const tick = (x: number, y: number, anchor: string, text: string) => svgShape("text", { class: "tick", x, y, "text-anchor": anchor }, text);
  for (const step of view.stepGrid) {
    parts.push(svgShape("line", { class: "grid", x1: plot.x(step), y1: plot.top, x2: plot.x(step), y2: plot.bottom }));
    if (step > 1) parts.push(tick(plot.x(step), plot.bottom + 16, "middle", String(step)));
  }
  parts.push(tick(plot.x(1), plot.bottom + 16, "middle", "1"));
  for (const digits of view.minorDigits) {
    parts.push(svgShape("line", { class: "grid minor", x1: plot.left, y1: plot.y(digits), x2: plot.right, y2: plot.y(digits) }));
  }
  for (const digits of view.majorDigits) {
    parts.push(svgShape("line", { class: "grid", x1: plot.left, y1: plot.y(digits), x2: plot.right, y2: plot.y(digits) }));
    parts.push(tick(plot.left - 6, plot.y(digits) + 4, "end", String(digits)));
  }
  const middle = (plot.top + plot.bottom) / 2;
  const title = tr(context, "Cifre corrette di π");
  const digitsTitle = tr(context, "Cifre corrette (scala logaritmica)");
  parts.push(
    svgShape("rect", { class: "axes", x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }),
    svgShape(
      "text",
      { class: "chart-title", x: width / 2, y: 24, "text-anchor": "middle", ...fitted(core, title, width - 2 * edge, titlePixels, true) },
      title,
    ),
    svgShape("text", { class: "axis-title", x: (plot.left + plot.right) / 2, y: plot.bottom + 38, "text-anchor": "middle" }, tr(context, "Passo")),
    svgShape(
      "text",
      {
        class: "axis-title",
        x: 0,
        y: 0,
        transform: `translate(18 ${middle}) rotate(-90)`,
        "text-anchor": "middle",
        // Along the plot, and 8 px past its ends: under the chart's title,
        // above the step axis's labels.
        ...fitted(core, digitsTitle, plot.bottom - plot.top + 16, axisTitlePixels),
      },
      digitsTitle,
    ),
  );
  return parts;
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

// Where a point of the chart stands, to the hundredth of a pixel.
function at(plot: Plot, step: number, digits: number): [number, number] {
  return [Math.round(plot.x(step) * 100) / 100, Math.round(plot.y(digits) * 100) / 100];
}

// Each series' points, found only when someone reads them: a step's drawing
// does not make thousands of objects that no pointer may ever ask for.
function pointsOf(plot: Plot, view: ChartView): () => ChartPoint[][] {
  let points: ChartPoint[][] | undefined;
  const plotted = () =>
    view.series.map(({ name, points: values }, series) => {
      const line: ChartPoint[] = [];
      for (let p = 0; p + 1 < values.length; p += 2) {
        const [step, digits] = [values[p] ?? 0, values[p + 1] ?? 0];
        const [x, y] = at(plot, step, digits);
        line.push({ series, name, step, digits, x, y });
      }
      return line;
    });
  return () => {
    points ??= plotted();
    return points;
  };
}

// A series' path through its points. Unless each point is marked, a point
// inside a level run (a binary64 bound past the step where it stops
// improving) is left out: the run's ends draw the same line, and a play's
// frames paint half the vertices.
function seriesPath(plot: Plot, values: ArrayLike<number>, everyPoint: boolean): string {
  const points: [number, number][] = [];
  for (let p = 0; p + 1 < values.length; p += 2) points.push(at(plot, values[p] ?? 0, values[p + 1] ?? 0));
  let path = "";
  points.forEach(([x, y], i) => {
    if (!everyPoint && points[i - 1]?.[1] === y && points[i + 1]?.[1] === y) return;
    path += `${path === "" ? "M" : "L"}${x} ${y}`;
  });
  return path;
}

// The series and the run-out marker, clipped to the plot.
function lines(plot: Plot, view: ChartView, styles: readonly SeriesStyle[]): Shape[] {
  const clip = svgShape(
    "clipPath",
    { id: "plotClip" },
    svgShape("rect", { x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }),
  );
  const drawn: Shape[] = view.series.map(({ points: values }, series) => {
    const marked = view.pointsMarked && styles[series] ? markedVertices(series) : {};
    const d = seriesPath(plot, values, view.pointsMarked);
    return svgShape("path", { class: `series series${series}`, d, ...seriesDashes(styles[series]), ...marked });
  });
  if (view.runOutShown) {
    const x = plot.x(view.runOutStep);
    drawn.push(
      svgShape("line", { class: "run-out", x1: x, y1: plot.top, x2: x, y2: plot.bottom }),
      svgShape("circle", { class: "run-out-point", cx: x, cy: plot.y(view.runOutDigits), r: 5 }),
    );
  }
  const markers = svgShape("defs", {}, ...styles.flatMap((style, i) => seriesMarkerDefinition(style, i)));
  return [clip, markers, svgShape("g", { "clip-path": "url(#plotClip)" }, ...drawn)];
}

// The legend, at the right of the plot or below it, in a picture width wide.
function legend(core: Core, plot: Plot, view: ChartView, styles: readonly SeriesStyle[], width: number): Shape[] {
  const below = width < legendBelowWidth;
  const entries = view.series.map((line) => line.name);
  if (view.runOutShown) entries.push(view.runOutName);
  return entries.flatMap((name, i) => {
    const x = below ? plot.left : plot.right + 24;
    const y = below ? plot.bottom + 60 + i * 20 : plot.top + 10 + i * 22;
    const sample =
      i === view.series.length
        ? [svgShape("circle", { class: "run-out-point", cx: x + 12, cy: y - 4, r: 5 })]
        : [
            svgShape("line", { class: `series series${i}`, x1: x, y1: y - 4, x2: x + 24, y2: y - 4, ...seriesDashes(styles[i]) }),
            ...seriesMarker(styles[i], i, x + 12, y - 4),
          ];
    return [...sample, svgShape("text", { class: "legend", x: x + 32, y, ...fitted(core, name, width - edge - (x + 32), legendPixels) }, name)];
  });
}

// The chart of steps 1 to shown in a width x height picture, its series
// styled, coloured by the classes of the page's style (and of the export
// style in files); returns the note the core writes under it and the
// points plotted, found when asked for.
export function drawChart(
  svg: SVGSVGElement,
  core: Core,
  shown: number,
  size: [number, number],
  styles: readonly SeriesStyle[],
): { note: string; points: () => ChartPoint[][] } {
  const [width, height] = size;
  const legendRows = core.chartSeriesCount() + 1;
  const frame = plotOf(width, height, legendRows);
  const view = core.chartView(shown, frame.right - frame.left);
  const plot = withScales(frame, view);
  setChangedAttributes(svg, { viewBox: `0 0 ${width} ${height}`, width, height });
  patchChildren(svg, [
    svgShape("rect", { class: "background", x: 0, y: 0, width, height }),
    ...axes(core, plot, view, width),
    ...lines(plot, view, styles),
    ...legend(core, plot, view, styles, width),
  ]);
  return { note: view.note, points: pointsOf(plot, view) };
}

// Esplora's convergence chart as SVG: the core's figures of the chart for
// the steps shown (calc/chart_figures.hpp), painted as the desktop chart
// paints them, on a logarithmic digit axis.
import type { ChartView, Core } from "lavoro1-core";
import { svgElement } from "./dom";
import { tr } from "./i18n";

const context = "ConvergenceChart";
// Under this width the legend goes below the plot.
const legendBelowWidth = 700;

interface Plot {
  left: number;
  top: number;
  right: number;
  bottom: number;
  x: (step: number) => number;
  y: (digits: number) => number;
}

// The chart's height at width: the plot, and the legend below it when narrow.
export function chartHeight(width: number, lines: number): number {
  return width >= legendBelowWidth ? Math.round(Math.min(width * 0.55, 420)) : Math.round(width * 0.6 + 100 + lines * 20);
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
function axes(plot: Plot, view: ChartView, width: number): SVGElement[] {
  const parts: SVGElement[] = [];
  const tick = (x: number, y: number, anchor: string, text: string) => svgElement("text", { class: "tick", x, y, "text-anchor": anchor }, text);
  for (const step of view.stepGrid) {
    parts.push(svgElement("line", { class: "grid", x1: plot.x(step), y1: plot.top, x2: plot.x(step), y2: plot.bottom }));
    if (step > 1) parts.push(tick(plot.x(step), plot.bottom + 16, "middle", String(step)));
  }
  parts.push(tick(plot.x(1), plot.bottom + 16, "middle", "1"));
  for (const digits of view.minorDigits) {
    parts.push(svgElement("line", { class: "grid minor", x1: plot.left, y1: plot.y(digits), x2: plot.right, y2: plot.y(digits) }));
  }
  for (const digits of view.majorDigits) {
    parts.push(svgElement("line", { class: "grid", x1: plot.left, y1: plot.y(digits), x2: plot.right, y2: plot.y(digits) }));
    parts.push(tick(plot.left - 6, plot.y(digits) + 4, "end", String(digits)));
  }
  const middle = (plot.top + plot.bottom) / 2;
  parts.push(
    svgElement("rect", { class: "axes", x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }),
    svgElement("text", { class: "chart-title", x: width / 2, y: 24, "text-anchor": "middle" }, tr(context, "Cifre corrette di pi greco")),
    svgElement("text", { class: "axis-title", x: (plot.left + plot.right) / 2, y: plot.bottom + 38, "text-anchor": "middle" }, tr(context, "Passo")),
    svgElement(
      "text",
      { class: "axis-title", x: 0, y: 0, transform: `translate(18 ${middle}) rotate(-90)`, "text-anchor": "middle" },
      tr(context, "Cifre corrette (scala logaritmica)"),
    ),
  );
  return parts;
}

// The series and the run-out marker, clipped to the plot.
function lines(plot: Plot, view: ChartView): SVGElement[] {
  const clip = svgElement("clipPath", { id: "plotClip" });
  clip.append(svgElement("rect", { x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }));
  const group = svgElement("g", { "clip-path": "url(#plotClip)" });
  view.series.forEach(({ points }, i) => {
    let path = "";
    for (let p = 0; p + 1 < points.length; p += 2) {
      path += `${p === 0 ? "M" : "L"}${plot.x(points[p] ?? 0).toFixed(2)} ${plot.y(points[p + 1] ?? 0).toFixed(2)}`;
    }
    // data-points: the vertices' step, digits, step, digits... for the point texts.
    group.append(svgElement("path", { class: `series series${i}`, d: path, "data-points": Array.from(points).join(" ") }));
    if (!view.pointsMarked) return;
    for (let p = 0; p + 1 < points.length; p += 2) {
      group.append(svgElement("circle", { class: `point series${i}`, cx: plot.x(points[p] ?? 0), cy: plot.y(points[p + 1] ?? 0), r: 2 }));
    }
  });
  if (view.runOutShown) {
    const x = plot.x(view.runOutStep);
    group.append(
      svgElement("line", { class: "run-out", x1: x, y1: plot.top, x2: x, y2: plot.bottom }),
      svgElement("circle", { class: "run-out-point", cx: x, cy: plot.y(view.runOutDigits), r: 5 }),
    );
  }
  return [clip, group];
}

// The legend, at the right of the plot or below it.
function legend(plot: Plot, view: ChartView, below: boolean): SVGElement[] {
  const entries: [string, string][] = view.series.map((line, i) => [`series series${i}`, line.name]);
  if (view.runOutShown) entries.push(["run-out-point", view.runOutName]);
  return entries.flatMap(([kind, name], i) => {
    const x = below ? plot.left : plot.right + 24;
    const y = below ? plot.bottom + 60 + i * 20 : plot.top + 10 + i * 22;
    return [
      kind === "run-out-point"
        ? svgElement("circle", { class: kind, cx: x + 12, cy: y - 4, r: 5 })
        : svgElement("line", { class: kind, x1: x, y1: y - 4, x2: x + 24, y2: y - 4 }),
      svgElement("text", { class: "legend", x: x + 32, y }, name),
    ];
  });
}

// The chart of steps 1 to shown in a width x height picture, coloured by the
// classes of the page's style (and of the export style in files); returns
// the note the core writes under it.
export function drawChart(svg: SVGSVGElement, core: Core, shown: number, width: number, height: number): string {
  const legendRows = core.chartSeriesCount() + 1;
  const frame = plotOf(width, height, legendRows);
  const view = core.chartView(shown, frame.right - frame.left);
  const plot = withScales(frame, view);
  svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
  svg.setAttribute("width", String(width));
  svg.setAttribute("height", String(height));
  svg.replaceChildren(
    svgElement("rect", { class: "background", x: 0, y: 0, width, height }),
    ...axes(plot, view, width),
    ...lines(plot, view),
    ...legend(plot, view, width < legendBelowWidth),
  );
  return view.note;
}

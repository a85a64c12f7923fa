// Esplora's convergence chart as SVG: the correct digits of pi of the
// binary64 bounds and width (from the core) and the digits the certified
// methods prove (written by the native archimede at build time), steps 1 to
// the step shown, on a logarithmic digit axis, as the desktop chart shows them.
import { svgElement } from "./dom";
import { tr } from "./i18n";

// A pattern with %1 filled in, as the core fills its patterns.
export type Fill = (pattern: string, first: string) => string;

export interface DigitSeries {
  name: string; // the desktop chart's Italian source text
  points: ArrayLike<number>; // step, digits, step, digits...
}

const context = "ConvergenceChart";
// The desktop chart's figures: the digit axis from under every binary64
// point to a little over the highest shown, at least a decade above 1;
// points marked while they stand apart.
const lowestDigits = 0.2;
const fewestTopDigits = 10;
const headroom = 1.5;
const markedPointsUpTo = 60;

// A tick interval of 1, 2 or 5 times a power of ten giving at most ten ticks.
function tickInterval(span: number): number {
  for (const scale of [1, 10, 100, 1000]) {
    for (const base of [1, 2, 5]) {
      if (span / (base * scale) <= 10) return base * scale;
    }
  }
  return 5000;
}

// The chart's height at width: the plot, and the legend below it when narrow.
export function chartHeight(width: number, lines: number): number {
  return width >= legendBelowWidth ? Math.round(Math.min(width * 0.55, 420)) : Math.round(width * 0.6 + 100 + lines * 20);
}

const legendBelowWidth = 700;

export function drawChart(
  svg: SVGSVGElement,
  fill: Fill,
  series: DigitSeries[],
  runOutStep: number,
  shown: number,
  width: number,
  height: number,
): void {
  const legendBelow = width < legendBelowWidth;
  const legendRows = series.length + (runOutStep > 0 ? 1 : 0);
  const plot = {
    left: 64,
    top: 40,
    right: legendBelow ? width - 16 : width - 250,
    bottom: height - 56 - (legendBelow ? legendRows * 20 + 8 : 0),
  };
  svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
  svg.setAttribute("width", String(width));
  svg.setAttribute("height", String(height));
  svg.replaceChildren();
  const parts: SVGElement[] = [svgElement("rect", { class: "background", x: 0, y: 0, width, height })];

  let highest = 1;
  const shownPoints = series.map(({ points }) => {
    const kept: number[] = [];
    for (let i = 0; i < points.length; i += 2) {
      if (points[i] <= shown && points[i + 1] > 0) {
        kept.push(points[i], points[i + 1]);
        highest = Math.max(highest, points[i + 1]);
      }
    }
    return kept;
  });
  const topDigits = Math.max(fewestTopDigits, highest * headroom);
  const lastStep = Math.max(shown, 2);
  const x = (step: number) => plot.left + ((step - 1) / (lastStep - 1)) * (plot.right - plot.left);
  const logLow = Math.log10(lowestDigits);
  const logHigh = Math.log10(topDigits);
  const y = (digits: number) => plot.bottom - ((Math.log10(digits) - logLow) / (logHigh - logLow)) * (plot.bottom - plot.top);

  // Grid and axes: steps at 1, 2 or 5 times a power of ten, digits at the
  // decades and faintly at the eight values between.
  const interval = tickInterval(lastStep - 1);
  for (let step = interval; step <= lastStep; step += interval) {
    parts.push(svgElement("line", { class: "grid", x1: x(step), y1: plot.top, x2: x(step), y2: plot.bottom }));
    if (step > 1) parts.push(svgElement("text", { class: "tick", x: x(step), y: plot.bottom + 16, "text-anchor": "middle" }, String(step)));
  }
  parts.push(svgElement("text", { class: "tick", x: x(1), y: plot.bottom + 16, "text-anchor": "middle" }, "1"));
  for (let decade = 0.1; decade <= topDigits; decade *= 10) {
    for (let k = 1; k < 10; ++k) {
      const digits = decade * k;
      if (digits < lowestDigits || digits > topDigits) continue;
      parts.push(svgElement("line", { class: k === 1 ? "grid" : "grid minor", x1: plot.left, y1: y(digits), x2: plot.right, y2: y(digits) }));
      if (k === 1) {
        parts.push(svgElement("text", { class: "tick", x: plot.left - 6, y: y(digits) + 4, "text-anchor": "end" }, String(Math.round(digits * 10) / 10)));
      }
    }
  }
  parts.push(svgElement("rect", { class: "axes", x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }));
  parts.push(
    svgElement("text", { class: "chart-title", x: width / 2, y: 24, "text-anchor": "middle" }, tr(context, "Cifre corrette di pi greco")),
    svgElement("text", { class: "axis-title", x: (plot.left + plot.right) / 2, y: plot.bottom + 38, "text-anchor": "middle" }, tr(context, "Passo")),
    svgElement(
      "text",
      { class: "axis-title", x: 0, y: 0, transform: `translate(18 ${(plot.top + plot.bottom) / 2}) rotate(-90)`, "text-anchor": "middle" },
      tr(context, "Cifre corrette (scala logaritmica)"),
    ),
  );

  const clip = svgElement("clipPath", { id: "plotClip" });
  clip.append(svgElement("rect", { x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }));
  const lines = svgElement("g", { "clip-path": "url(#plotClip)" });
  shownPoints.forEach((points, i) => {
    let path = "";
    for (let p = 0; p < points.length; p += 2) path += `${p === 0 ? "M" : "L"}${x(points[p]).toFixed(2)} ${y(points[p + 1]).toFixed(2)}`;
    // data-points: the vertices' step, digits, step, digits... for the point texts.
    lines.append(svgElement("path", { class: `series series${i}`, d: path, "data-points": points.join(" ") }));
    if (shown <= markedPointsUpTo) {
      for (let p = 0; p < points.length; p += 2) {
        lines.append(svgElement("circle", { class: `point series${i}`, cx: x(points[p]), cy: y(points[p + 1]), r: 2 }));
      }
    }
  });
  let runOutName = "";
  if (runOutStep > 0) {
    runOutName = fill(tr(context, "binary64 esaurito (passo %1)"), String(runOutStep));
    if (runOutStep <= shown) {
      const lower = series[0].points;
      const digits = lower[2 * (runOutStep - 1) + 1];
      lines.append(
        svgElement("line", { class: "run-out", x1: x(runOutStep), y1: plot.top, x2: x(runOutStep), y2: plot.bottom }),
        svgElement("circle", { class: "run-out-point", cx: x(runOutStep), cy: y(digits), r: 5 }),
      );
    }
  }
  parts.push(clip, lines);

  // The legend, at the right or below.
  const legend: [string, string][] = series.map((line, i) => [`series series${i}`, tr(context, line.name)]);
  if (runOutStep > 0 && runOutStep <= shown) legend.push(["run-out-point", runOutName]);
  legend.forEach(([kind, name], i) => {
    const lx = legendBelow ? plot.left : plot.right + 24;
    const ly = legendBelow ? plot.bottom + 60 + i * 20 : plot.top + 10 + i * 22;
    parts.push(
      kind === "run-out-point"
        ? svgElement("circle", { class: kind, cx: lx + 12, cy: ly - 4, r: 5 })
        : svgElement("line", { class: kind, x1: lx, y1: ly - 4, x2: lx + 24, y2: ly - 4 }),
      svgElement("text", { class: "legend", x: lx + 32, y: ly }, name),
    );
  });
  svg.append(...parts);
}

// The note under the chart: where binary64 runs out, as the desktop writes it.
export function chartNote(fill: Fill, runOutStep: number, shown: number): string {
  if (runOutStep <= 0) return tr(context, "Il limite inferiore in binary64 resta sotto pi greco.");
  if (runOutStep > shown) {
    return fill(tr(context, "Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco."), String(runOutStep));
  }
  return fill(
    tr(context, "Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato."),
    String(runOutStep),
  );
}

// The convergence chart for every reader: its series told apart by marker
// and dash as well as by colour (the core's styles, calc/series_styles.hpp),
// and its points read out, under the pointer or moved through with the
// arrow keys, in a tooltip and in the chart's description.
import type { Core, SeriesStyle } from "lavoro1-core";
import { element, svgElement } from "./dom";
import { tr } from "./i18n";

const context = "ConvergenceChart";
const lineWidth = 2; // svg .series in style.css
const markerRadius = 3.5;
// How near the pointer must come to a point, in the chart's units.
const pointerReach = 14;

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

function marker(style: SeriesStyle, i: number, x: number, y: number): SVGElement {
  const open = style.marker === "cross";
  return svgElement("path", {
    class: `marker series${i}`,
    d: markerPath(style.marker, x, y),
    "stroke-width": open ? 2 : 1,
    ...(open ? { fill: "none" } : {}),
  });
}

// Markers for drawChart's point circles and on the legend's lines, dashes
// for the lines; the colours stay the picture colours' classes.
export function styleChart(svg: SVGSVGElement, styles: readonly SeriesStyle[]): void {
  styles.forEach((style, i) => {
    const dashes = Array.from(style.dashes, (length) => length * lineWidth).join(" ");
    for (const line of svg.querySelectorAll(`path.series${i}, line.series${i}`)) {
      if (dashes) line.setAttribute("stroke-dasharray", dashes);
      if (line instanceof SVGLineElement) {
        const [x1, x2, y] = [line.x1.baseVal.value, line.x2.baseVal.value, line.y1.baseVal.value];
        line.after(marker(style, i, (x1 + x2) / 2, y));
      }
    }
    for (const point of svg.querySelectorAll(`circle.point.series${i}`)) {
      const [x, y] = [Number(point.getAttribute("cx")), Number(point.getAttribute("cy"))];
      point.replaceWith(marker(style, i, x, y));
    }
  });
}

interface ChartPoint {
  series: number;
  name: string;
  step: number;
  digits: number;
  x: number;
  y: number;
}

// The plotted points of each series, from drawChart's paths.
function chartPoints(svg: SVGSVGElement): ChartPoint[][] {
  return Array.from(svg.querySelectorAll<SVGPathElement>("path.series"), (path, series) => {
    const data = (path.dataset.points ?? "").split(" ").filter(Boolean).map(Number);
    const vertices = (path.getAttribute("d") ?? "").match(/-?\d+(?:\.\d+)?/g)?.map(Number) ?? [];
    const name = svg.querySelectorAll("text.legend")[series]?.textContent ?? "";
    const points: ChartPoint[] = [];
    for (let k = 0; k + 1 < data.length; k += 2) {
      points.push({ series, name, step: data[k] ?? 0, digits: data[k + 1] ?? 0, x: vertices[k] ?? 0, y: vertices[k + 1] ?? 0 });
    }
    return points;
  });
}

interface Focus {
  series: number;
  index: number;
}

// Where an arrow key moves the focused point: along its series, or to the
// same step of the series above or below; undefined for other keys.
function movedFocus(points: ChartPoint[][], focused: Focus | undefined, key: string): Focus | undefined {
  const moves: Record<string, [number, number]> = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
  const move = moves[key];
  if (!move || points.length === 0) return undefined;
  const series = Math.min(Math.max((focused?.series ?? 0) + move[0], 0), points.length - 1);
  const line = points[series] ?? [];
  if (move[1] !== 0) return { series, index: Math.min(Math.max((focused?.index ?? -1) + move[1], 0), line.length - 1) };
  const step = points[focused?.series ?? 0]?.[focused?.index ?? 0]?.step ?? 1;
  return {
    series,
    index: Math.max(
      line.findIndex((point) => point.step >= step),
      0,
    ),
  };
}

export interface ChartReader {
  // After each drawing of the chart: the focused point is kept by step.
  redrawn(): void;
}

// svg's points read out in a tooltip and in description, which also says
// what the chart shows.
export function readChart(core: Core, svg: SVGSVGElement, tooltip: HTMLElement, description: HTMLElement): ChartReader {
  svg.setAttribute("tabindex", "0");
  svg.setAttribute("aria-describedby", description.id);
  const summary = tr(
    "explore::ExploreWindow",
    "Cifre corrette di pi greco a ogni passo, su scala logaritmica: limite inferiore, limite superiore e ampiezza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.",
  );
  description.textContent = summary;
  let points: ChartPoint[][] = [];
  let focused: Focus | undefined;
  const show = (point: ChartPoint | undefined) => {
    svg.querySelector(".focus-ring")?.remove();
    tooltip.hidden = point === undefined;
    if (!point) {
      description.textContent = summary;
      return;
    }
    const text = core.filledWith(tr(context, "%1, passo %2: %3 cifre"), [point.name, String(point.step), core.pointDigitsText(point.digits)]);
    tooltip.textContent = text;
    description.textContent = `${summary} ${text}`;
    const scale = svg.getBoundingClientRect().width / svg.viewBox.baseVal.width || 1;
    tooltip.style.left = `${point.x * scale + 12}px`;
    tooltip.style.top = `${point.y * scale - 32}px`;
    svg.append(svgElement("circle", { class: "focus-ring", cx: point.x, cy: point.y, r: 7 }));
  };
  svg.addEventListener("pointermove", (event) => {
    const box = svg.getBoundingClientRect();
    const scale = svg.viewBox.baseVal.width / box.width || 1;
    const [x, y] = [(event.clientX - box.left) * scale, (event.clientY - box.top) * scale];
    let nearest: ChartPoint | undefined;
    let distance = pointerReach;
    for (const point of points.flat()) {
      const away = Math.hypot(point.x - x, point.y - y);
      if (away < distance) [nearest, distance] = [point, away];
    }
    show(nearest);
  });
  svg.addEventListener("pointerleave", () => show(undefined));
  svg.addEventListener("blur", () => show(undefined));
  svg.addEventListener("keydown", (event) => {
    const next = movedFocus(points, focused, event.key);
    if (!next) return;
    event.preventDefault();
    focused = next;
    show(points[next.series]?.[next.index]);
  });
  return {
    redrawn: () => {
      points = chartPoints(svg);
      focused = undefined;
      tooltip.hidden = true;
    },
  };
}

export function chartTooltip(): HTMLElement {
  const tooltip = element("div", { class: "chart-tooltip", role: "tooltip", id: "chartTooltip" });
  tooltip.hidden = true;
  return tooltip;
}

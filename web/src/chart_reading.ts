// The convergence chart for every reader: its points read out, under the
// pointer or moved through with the arrow keys, in a tooltip and in the
// chart's description.
import type { Core } from "lavoro1-core";
import type { ChartPoint } from "./chart";
import { element, svgElement } from "./dom";
import { decimalSeparator, tr } from "./i18n";

// How near the pointer must come to a point, in the chart's units.
const pointerReach = 14;

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
  // After each drawing of the chart, with the points drawChart plotted.
  redrawn(points: () => ChartPoint[][]): void;
}

// svg's points read out in a tooltip and in description, which also says
// what the chart shows.
export function readChart(core: Core, svg: SVGSVGElement, tooltip: HTMLElement, description: HTMLElement): ChartReader {
  svg.setAttribute("tabindex", "0");
  svg.setAttribute("aria-describedby", description.id);
  const summary = tr(
    "explore::ExploreWindow",
    "Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.",
  );
  description.textContent = summary;
  let points: () => ChartPoint[][] = () => [];
  let focused: Focus | undefined;
  const show = (point: ChartPoint | undefined) => {
    svg.querySelector(".focus-ring")?.remove();
    tooltip.hidden = point === undefined;
    if (!point) {
      description.textContent = summary;
      return;
    }
    const text = core.chartPointText(point.name, point.step, point.digits, decimalSeparator);
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
    for (const point of points().flat()) {
      const away = Math.hypot(point.x - x, point.y - y);
      if (away < distance) [nearest, distance] = [point, away];
    }
    show(nearest);
  });
  svg.addEventListener("pointerleave", () => show(undefined));
  svg.addEventListener("blur", () => show(undefined));
  svg.addEventListener("keydown", (event) => {
    const next = movedFocus(points(), focused, event.key);
    if (!next) return;
    event.preventDefault();
    focused = next;
    show(points()[next.series]?.[next.index]);
  });
  return {
    redrawn: (plotted) => {
      points = plotted;
      focused = undefined;
      if (!tooltip.hidden) tooltip.hidden = true;
    },
  };
}

export function chartTooltip(): HTMLElement {
  const tooltip = element("div", { class: "chart-tooltip", role: "tooltip", id: "chartTooltip" });
  tooltip.hidden = true;
  return tooltip;
}

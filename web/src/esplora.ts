// Esplora: the drawing, the table of the steps and the convergence chart of
// one step, chosen with a number field and a slider kept in step; the
// drawing and the chart downloaded as SVG or PNG.
import type { Core } from "lavoro1-core";
import certified from "../build/generated/certified.json";
import { chartHeight, chartNote, drawChart, type DigitSeries } from "./chart";
import { element, svgElement } from "./dom";
import { drawingHeight, drawStep } from "./drawing";
import { stepRangeText } from "./form1";
import { decimalSeparator, mnemonic, tr } from "./i18n";

const context = "explore::ExploreWindow";
// The height of a row of the step table, in CSS pixels (style.css).
const rowHeight = 20;

// The colours of every exported picture: dark text on white, as the desktop
// exports them whatever its theme.
const exportStyle = `
.background{fill:#fff}.text,.tick,.legend,.axis-title,.chart-title{fill:#202020;font-family:'DejaVu Sans',Verdana,sans-serif}
.text,.legend{font-size:13px}.tick{font-size:11px}.axis-title{font-size:12px}.chart-title{font-size:15px;font-weight:bold}
.circle,.inscribed,.circumscribed,.frame,.series,.grid,.axes,.run-out,.swatch{fill:none}
.circle{stroke:#202020;stroke-width:1.5}.inscribed{stroke:#1f6fd0;stroke-width:1.5}.circumscribed{stroke:#d0452f;stroke-width:1.5}
.swatch{stroke-width:3}.frame{stroke:#808080}.grid{stroke:#e1e1e1}.grid.minor{stroke-dasharray:3 3}.axes{stroke:#808080}
.series{stroke-width:2}.series0{stroke:#1f6fd0;fill:#1f6fd0}.series1{stroke:#d0452f;fill:#d0452f}.series2{stroke:#2ea043;fill:#2ea043}
.series3{stroke:#7846b4;fill:#7846b4}.series4{stroke:#be7d00;fill:#be7d00}.series5{stroke:#c82882;fill:#c82882}
path.series{fill:none}.run-out{stroke:#808080;stroke-dasharray:4 3}.run-out-point{fill:#202020}`;

function download(name: string, blob: Blob): void {
  const link = element("a", { href: URL.createObjectURL(blob), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
}

// svg as a file of its own, in the export colours.
function svgFile(svg: SVGSVGElement): string {
  const copy = svg.cloneNode(true) as SVGSVGElement;
  copy.setAttribute("xmlns", "http://www.w3.org/2000/svg");
  copy.removeAttribute("class");
  copy.removeAttribute("role");
  copy.removeAttribute("aria-label");
  copy.insertBefore(svgElement("style", {}, exportStyle), copy.firstChild);
  return `<?xml version="1.0" encoding="UTF-8"?>\n${new XMLSerializer().serializeToString(copy)}\n`;
}

async function pngFile(svg: SVGSVGElement): Promise<Blob> {
  const url = URL.createObjectURL(new Blob([svgFile(svg)], { type: "image/svg+xml" }));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = element("canvas", { width: svg.getAttribute("width") ?? "900", height: svg.getAttribute("height") ?? "600" });
    canvas.getContext("2d")!.drawImage(image, 0, 0);
    return await new Promise<Blob>((resolve, reject) =>
      canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error("PNG"))), "image/png"),
    );
  } finally {
    URL.revokeObjectURL(url);
  }
}

// Sent by Esplora's window when its step changes, detail the step.
export const stepEvent = "esplora-step";

export interface Esplora {
  section: HTMLElement;
  setStep(step: number): void;
}

export function createEsplora(core: Core): Esplora {
  const fill = (pattern: string, value: string) => core.filledPattern(pattern, value, "");
  const first = core.minimumSteps();
  const last = core.maximumSteps();
  const section = element("section", { class: "window esplora-window", "aria-labelledby": "esploraTitle" });
  section.append(element("h2", { class: "title-bar", id: "esploraTitle" }, tr(context, "Esplora poligoni e convergenza")));

  // The step's controls.
  const controls = element("div", { class: "esplora-controls" });
  const caption = mnemonic(tr(context, "&Passo:"));
  const stepLabel = element("label", { for: "stepBox", accesskey: caption.key }, caption.text);
  const description = element(
    "span",
    { id: "stepDescription", class: "visually-hidden" },
    core.filledPattern(tr(context, "Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati"), stepRangeText(core), ""),
  );
  const stepBox = element("input", {
    id: "stepBox", type: "number", min: String(first), max: String(last), step: "1",
    "aria-label": tr(context, "Passo"), "aria-describedby": "stepDescription",
  });
  const stepSlider = element("input", {
    id: "stepSlider", type: "range", min: String(first), max: String(last), step: "1", "aria-label": tr(context, "Passo, cursore"),
  });
  const saveGroup = (id: string, name: string) => {
    const group = element("span", { class: "save", role: "group", "aria-labelledby": `${id}Label` });
    group.append(
      element("span", { id: `${id}Label` }, name),
      element("button", { id: `${id}Svg`, type: "button" }, "SVG"),
      element("button", { id: `${id}Png`, type: "button" }, "PNG"),
    );
    return group;
  };
  controls.append(stepLabel, stepBox, stepSlider, description,
    saveGroup("saveDrawing", tr(context, "Salva il disegno")), saveGroup("saveChart", tr(context, "Salva il grafico")));

  const drawing = svgElement("svg", { id: "drawing", role: "img", "aria-label": tr("explore::PolygonView", "Disegno dei poligoni") }) as SVGSVGElement;

  // Every step's row, formatted once by the core; the table holds rows 1 to
  // the step and builds only those in view and a few around them.
  const cells = core.tableText(last, decimalSeparator).trimEnd().split("\n").map((line) => line.split("\t"));
  const tableBox = element("div", { class: "table-box", tabindex: "0", role: "region", "aria-label": tr(context, "Tabella dei passi") });
  const table = element("table", { id: "stepTable" });
  const head = element("tr", { "aria-rowindex": "1" });
  const model = "explore::StepTableModel";
  for (const header of [tr(model, "Passo"), tr(model, "Lati"), tr(model, "Limite inferiore"), tr(model, "Limite superiore"), tr(model, "Differenza")]) {
    head.append(element("th", { scope: "col" }, header));
  }
  const body = element("tbody");
  table.append(element("thead"), body);
  table.tHead!.append(head);
  tableBox.append(table);
  const spacer = (height: number) => {
    const row = element("tr", { class: "spacer", "aria-hidden": "true" });
    row.style.height = `${height}px`;
    return row;
  };
  let rendered = "";
  const renderRows = () => {
    const headHeight = table.tHead!.offsetHeight;
    const inView = Math.ceil(tableBox.clientHeight / rowHeight);
    const firstRow = Math.max(0, Math.min(current - inView, Math.floor((tableBox.scrollTop - headHeight) / rowHeight)) - 10);
    const lastRow = Math.min(current, firstRow + inView + 20);
    if (rendered === `${firstRow} ${lastRow} ${current}`) return;
    rendered = `${firstRow} ${lastRow} ${current}`;
    const rows: HTMLTableRowElement[] = [];
    if (firstRow > 0) rows.push(spacer(firstRow * rowHeight));
    for (let i = firstRow; i < lastRow; ++i) {
      const row = element("tr", { "aria-rowindex": String(i + 2) });
      if (i === current - 1) row.className = "current";
      for (const cell of cells[i]) row.append(element("td", {}, cell));
      rows.push(row);
    }
    if (lastRow < current) rows.push(spacer((current - lastRow) * rowHeight));
    body.replaceChildren(...rows);
  };
  tableBox.addEventListener("scroll", renderRows, { passive: true });

  const series: DigitSeries[] = [...core.binary64Series(last), ...(certified as DigitSeries[])];
  const runOutStep = core.firstStepPastPi(last);
  const chart = svgElement("svg", { id: "chart", role: "img", "aria-label": tr(context, "Grafico della convergenza") }) as SVGSVGElement;
  const note = element("p", { id: "note" });

  const views = element("div", { class: "esplora-views" });
  const side = element("div", { class: "esplora-side" });
  side.append(tableBox, chart, note);
  const drawingBox = element("div", { class: "drawing-box" });
  drawingBox.append(drawing);
  views.append(drawingBox, side);
  section.append(controls, views);

  let current = 0;
  // Drawn at the size they are shown, so that their texts keep their size:
  // the drawing wide with the inset beside the circle, or tall with it below.
  let drawingWidth = 0;
  let chartWidth = 0;
  const render = () => {
    drawingWidth = Math.max(280, Math.round(drawingBox.clientWidth || 900));
    chartWidth = Math.max(280, Math.round(side.clientWidth || 900));
    drawStep(drawing, core, current, drawingWidth, drawingHeight(drawingWidth));
    drawChart(chart, fill, series, runOutStep, current, chartWidth, chartHeight(chartWidth, series.length + 1));
  };
  const setStep = (requested: number) => {
    const step = Math.min(Math.max(Math.round(requested) || first, first), last);
    if (String(step) !== stepBox.value) stepBox.value = String(step);
    if (String(step) !== stepSlider.value) stepSlider.value = String(step);
    stepSlider.setAttribute("aria-valuetext", fill(tr(context, "Passo %1"), String(step)));
    if (step === current) return;
    current = step;
    section.dispatchEvent(new CustomEvent<number>(stepEvent, { detail: step }));
    render();
    // The step's row is the table's last, scrolled into view.
    table.setAttribute("aria-rowcount", String(step + 1));
    rendered = "";
    body.replaceChildren(spacer(step * rowHeight));
    tableBox.scrollTop = tableBox.scrollHeight;
    renderRows();
    note.textContent = chartNote(fill, runOutStep, step);
  };
  stepBox.addEventListener("input", () => {
    const value = stepBox.valueAsNumber;
    if (Number.isInteger(value) && value >= first && value <= last) setStep(value);
  });
  stepBox.addEventListener("change", () => setStep(stepBox.valueAsNumber));
  stepSlider.addEventListener("input", () => setStep(stepSlider.valueAsNumber));
  new ResizeObserver(() => {
    if (current > 0 && (Math.round(drawingBox.clientWidth) !== drawingWidth || Math.round(side.clientWidth) !== chartWidth)) render();
  }).observe(views);

  const fileName = (pattern: string, extension: string) =>
    fill(tr(context, pattern), String(current)).replace(/\.svg$/, `.${extension}`);
  // Files are drawn afresh at the desktop's size for pictures, 900 x 600.
  const picture = (draw: (svg: SVGSVGElement) => void) => {
    const svg = svgElement("svg") as SVGSVGElement;
    draw(svg);
    return svg;
  };
  const wire = (id: string, draw: (svg: SVGSVGElement) => void, pattern: string) => {
    controls.querySelector(`#${id}Svg`)!.addEventListener("click", () =>
      download(fileName(pattern, "svg"), new Blob([svgFile(picture(draw))], { type: "image/svg+xml" })));
    controls.querySelector(`#${id}Png`)!.addEventListener("click", async () =>
      download(fileName(pattern, "png"), await pngFile(picture(draw))));
  };
  wire("saveDrawing", (svg) => drawStep(svg, core, current, 900, 600), "poligoni-passo-%1.svg");
  wire("saveChart", (svg) => drawChart(svg, fill, series, runOutStep, current, 900, 600), "convergenza-%1-passi.svg");
  return { section, setStep };
}

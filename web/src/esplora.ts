// Esplora: the drawing, the table of the steps and the convergence chart of
// one step, chosen with a step field and a slider kept in step; the drawing
// and the chart downloaded as SVG or PNG.
import type { ChartSeries, Core } from "lavoro1-core";
import { chartHeight, drawChart } from "./chart";
import { chartTooltip, readChart } from "./chart_reading";
import { element, svgElement } from "./dom";
import { drawStep } from "./drawing";
import { fullScreenButton } from "./fullscreen";
import { decimalSeparator, mnemonic, tr } from "./i18n";
import { createLesson } from "./lesson";
import { messageBox } from "./message_box";
import { exportStyle, installPictureColours } from "./picture_colours";
import { createPlay } from "./play";
import { provenTable } from "./proven_columns";

const context = "explore::ExploreWindow";

function download(name: string, blob: Blob): void {
  const link = element("a", { href: URL.createObjectURL(blob), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
}

// svg as a file of its own, in style.
function svgFile(svg: SVGSVGElement, style: string): string {
  const copy = svg.cloneNode(true) as SVGSVGElement;
  copy.setAttribute("xmlns", "http://www.w3.org/2000/svg");
  copy.removeAttribute("class");
  copy.removeAttribute("role");
  copy.removeAttribute("aria-label");
  copy.insertBefore(svgElement("style", {}, style), copy.firstChild);
  return `<?xml version="1.0" encoding="UTF-8"?>\n${new XMLSerializer().serializeToString(copy)}\n`;
}

// svg rendered by the browser; rejects when it cannot (no memory for the
// canvas, an image it refuses to decode).
async function pngFile(svg: string, width: number, height: number): Promise<Blob> {
  const url = URL.createObjectURL(new Blob([svg], { type: "image/svg+xml" }));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = element("canvas", { width: String(width), height: String(height) });
    const painter = canvas.getContext("2d");
    if (!painter) throw new Error("no 2D canvas");
    painter.drawImage(image, 0, 0);
    return await new Promise<Blob>((resolve, reject) => {
      canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error("no PNG"))), "image/png");
    });
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

interface StepControls {
  controls: HTMLElement;
  stepBox: HTMLInputElement;
  stepSlider: HTMLInputElement;
  // Why the text of the step field was not taken, next to it.
  refusal: HTMLElement;
}

function saveGroup(id: string, name: string): HTMLElement {
  const group = element("span", { class: "save", role: "group", "aria-labelledby": `${id}Label` });
  group.append(
    element("span", { id: `${id}Label` }, name),
    element("button", { id: `${id}Svg`, type: "button" }, "SVG"),
    element("button", { id: `${id}Png`, type: "button" }, "PNG"),
  );
  return group;
}

function createStepControls(core: Core): StepControls {
  const [first, last] = [String(core.minimumSteps()), String(core.maximumSteps())];
  const controls = element("div", { class: "esplora-controls" });
  const caption = mnemonic(tr(context, "&Passo:"));
  const stepLabel = element("label", { for: "stepBox", accesskey: caption.key }, caption.text);
  const descriptionText = tr(context, "Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati");
  const description = element("span", { id: "stepDescription", class: "visually-hidden" }, core.filledPattern(descriptionText, core.stepRangeText(), ""));
  // Text, not a number field: the core reads what was typed, as Form1's box.
  const stepBox = element("input", {
    id: "stepBox",
    type: "text",
    inputmode: "numeric",
    spellcheck: "false",
    maxlength: String(core.longestStepText()),
    "aria-label": tr(context, "Passo"),
    "aria-describedby": "stepDescription stepRefusal",
  });
  const refusal = element("span", { id: "stepRefusal", class: "refusal", role: "status" });
  const stepSlider = element("input", { id: "stepSlider", type: "range", min: first, max: last, step: "1", "aria-label": tr(context, "Passo, cursore") });
  controls.append(
    stepLabel,
    stepBox,
    refusal,
    stepSlider,
    description,
    saveGroup("saveDrawing", tr(context, "Salva il disegno")),
    saveGroup("saveChart", tr(context, "Salva il grafico")),
  );
  return { controls, stepBox, stepSlider, refusal };
}

// The drawing beside the table, chart and note; each drawn at the size it is
// shown, so that its texts keep their size.
function createViews(core: Core, section: HTMLElement) {
  const drawing = svgElement("svg", { id: "drawing", role: "img", "aria-label": tr("explore::PolygonView", "Disegno dei poligoni") }) as SVGSVGElement;
  const chart = svgElement("svg", { id: "chart", role: "img", "aria-label": tr(context, "Grafico della convergenza") }) as SVGSVGElement;
  const note = element("p", { id: "note" });
  const table = provenTable(core, certified, () => shown);
  const views = element("div", { class: "esplora-views" });
  const side = element("div", { class: "esplora-side" });
  const styles = core.seriesStyles();
  const [tooltip, chartDescription] = [chartTooltip(), element("p", { id: "chartDescription", class: "visually-hidden" })];
  const chartBox = element("div", { class: "chart-box" });
  chartBox.append(chart, tooltip, chartDescription);
  const reader = readChart(core, chart, tooltip, chartDescription);
  side.append(table.table().box, chartBox, note);
  const drawingBox = element("div", { class: "drawing-box" });
  drawingBox.append(drawing);
  views.append(drawingBox, side);

  // The widths are read when the views resize, never while a step is drawn:
  // a read then would lay the page out once more.
  let [shown, drawingWidth, chartWidth] = [0, 0, 0];
  const measure = () => {
    // Full screen, the drawing is drawn at half the size it shows, its texts twice as large.
    const scale = document.fullscreenElement === section ? 2 : 1;
    const widths: [number, number] = [Math.max(280, Math.round((drawingBox.clientWidth || 900) / scale)), Math.max(280, Math.round(side.clientWidth || 900))];
    const changed = widths[0] !== drawingWidth || widths[1] !== chartWidth;
    [drawingWidth, chartWidth] = widths;
    return changed;
  };
  const render = () => {
    if (drawingWidth === 0) measure();
    drawStep(drawing, core, shown, drawingWidth, core.drawingHeight(drawingWidth));
    const drawn = drawChart(chart, core, shown, [chartWidth, chartHeight(chartWidth, core.chartSeriesCount() + 1)], styles);
    if (note.textContent !== drawn.note) note.textContent = drawn.note;
    reader.redrawn(drawn.points);
  };
  const remeasure = () => measure() && shown > 0 && render();
  document.addEventListener("fullscreenchange", remeasure);
  new ResizeObserver(remeasure).observe(views);
  const show = (step: number) => {
    shown = step;
    render();
    table.table().show(step);
  };
  return { views, show, provenToggle: table.toggle };
}

// The download buttons: each picture drawn afresh at the desktop's size for
// files; a PNG the browser cannot render is reported, not dropped.
function wireDownloads(core: Core, controls: HTMLElement, step: () => number): void {
  const fill = (pattern: string, value: string) => core.filledPattern(pattern, value, "");
  const [width, height] = [core.pictureWidth(), core.pictureHeight()];
  const style = exportStyle(core);
  const picture = (draw: (svg: SVGSVGElement) => void) => {
    const svg = svgElement("svg") as SVGSVGElement;
    draw(svg);
    return svgFile(svg, style);
  };
  const wire = (id: string, draw: (svg: SVGSVGElement) => void, pattern: string) => {
    const name = (extension: string) => fill(tr(context, pattern), String(step())).replace(/\.svg$/, `.${extension}`);
    controls.querySelector(`#${id}Svg`)?.addEventListener("click", () => {
      download(name("svg"), new Blob([picture(draw)], { type: "image/svg+xml" }));
    });
    controls.querySelector(`#${id}Png`)?.addEventListener("click", () => {
      const file = name("png");
      pngFile(picture(draw), width, height).then(
        (blob) => download(file, blob),
        () => messageBox(core.pictureNotMadeText(file)),
      );
    });
  };
  wire("saveDrawing", (svg) => drawStep(svg, core, step(), width, height), "poligoni-passo-%1.svg");
  const styles = core.seriesStyles();
  wire("saveChart", (svg) => drawChart(svg, core, step(), [width, height], styles), "convergenza-%1-passi.svg");
  // The rows shown, as `archimede N --tabella --formato csv` writes them.
  controls.querySelector("#saveTableCsv")?.addEventListener("click", () => {
    download(`lavoro1-${step()}.csv`, new Blob([core.tableCsv(step())], { type: "text/csv" }));
  });
  // The same rows as a spreadsheet, whose cells are numbers in every language.
  controls.querySelector("#saveTableOds")?.addEventListener("click", () => {
    const bytes = core.tableSpreadsheet(step(), decimalSeparator);
    download(`lavoro1-${step()}.ods`, new Blob([bytes], { type: "application/vnd.oasis.opendocument.spreadsheet" }));
  });
}

// The page's style and the proven series, taken once, however often the
// window is made again (in another language).
const prepared = new WeakSet<Core>();
let certified: ChartSeries[] = [];
function prepare(core: Core): void {
  if (prepared.has(core)) return;
  prepared.add(core);
  installPictureColours(core);
  certified = core.provenSeries();
}

// What Esplora adds to teach: the table's CSV and spreadsheet and full screen beside the
// controls, play, the step's bounds said at each change, and the lesson.
function createTeaching(core: Core, section: HTMLElement, controls: HTMLElement, requestStep: (step: number) => void) {
  const saveTable = element("span", { class: "save", role: "group", "aria-labelledby": "saveTableLabel" });
  saveTable.append(
    element("span", { id: "saveTableLabel" }, tr(context, "Tabella dei passi")),
    element("button", { id: "saveTableCsv", type: "button" }, "CSV"),
    element("button", { id: "saveTableOds", type: "button", title: tr(context, "Foglio di calcolo") }, "ODS"),
  );
  controls.append(saveTable, fullScreenButton(section));
  const lesson = createLesson(core);
  const bounds = element("p", { id: "stepBounds", class: "step-bounds", "aria-live": "polite", "aria-atomic": "true" });
  // While playing, the steps are not read out one by one: the one play stops at is.
  const play = createPlay(core, requestStep, (playing) => {
    bounds.setAttribute("aria-live", playing ? "off" : "polite");
    if (!playing) bounds.replaceChildren(bounds.textContent ?? "");
  });
  const show = (step: number) => {
    lesson.setStep(step);
    play.setCurrentStep(step);
    const summary = core.stepSummary(step, decimalSeparator);
    const pattern = tr(context, "Passo %1: %2 lati, %3\u00a0<\u00a0π\u00a0<\u00a0%4");
    bounds.textContent = core.filledWith(pattern, [String(step), summary.sides, summary.lowerBound, summary.upperBound]);
  };
  return { play, bounds, lesson, show };
}

export function createEsplora(core: Core): Esplora {
  const [first, last] = [core.minimumSteps(), core.maximumSteps()];
  const section = element("section", { class: "window esplora-window", "aria-labelledby": "esploraTitle" });
  section.append(element("h2", { class: "title-bar", id: "esploraTitle" }, tr(context, "Esplora poligoni e convergenza")));
  const { controls, stepBox, stepSlider, refusal } = createStepControls(core);
  prepare(core);
  const { views, show, provenToggle } = createViews(core, section);
  controls.append(provenToggle);
  const teaching = createTeaching(core, section, controls, (step) => setStep(step));
  section.append(controls, teaching.play.controls, teaching.bounds, views, teaching.lesson.panel);

  let current = 0;
  // The step shown everywhere but in the field, which keeps what is typed.
  const showStep = (step: number) => {
    if (String(step) !== stepSlider.value) stepSlider.value = String(step);
    refusal.textContent = "";
    stepBox.removeAttribute("aria-invalid");
    stepSlider.setAttribute("aria-valuetext", `${tr(context, "Passo")} ${step}`);
    if (step === current) return;
    current = step;
    section.dispatchEvent(new CustomEvent<number>(stepEvent, { detail: step }));
    show(step);
    teaching.show(step);
  };
  const setStep = (requested: number) => {
    const step = Math.min(Math.max(Math.round(requested) || first, first), last);
    stepBox.value = String(step);
    showStep(step);
  };
  // What the field holds is read by the core, as Form1's box; on text it
  // refuses, the step stays and the field says why.
  stepBox.addEventListener("input", () => {
    const reading = core.readStep(stepBox.value);
    if (reading.step > 0) {
      showStep(reading.step);
    } else {
      refusal.textContent = reading.refusal;
      stepBox.setAttribute("aria-invalid", "true");
    }
  });
  stepBox.addEventListener("change", () => {
    const reading = core.readStep(stepBox.value);
    if (reading.step > 0) setStep(reading.step);
  });
  // The arrows step as in the desktop's spin box.
  stepBox.addEventListener("keydown", (event) => {
    const by = { ArrowUp: 1, ArrowDown: -1 }[event.key];
    if (by === undefined) return;
    event.preventDefault();
    setStep(current + by);
  });
  stepSlider.addEventListener("input", () => setStep(stepSlider.valueAsNumber));
  wireDownloads(core, controls, () => current);
  return { section, setStep };
}

// Esplora: the drawing, the table of the steps and the convergence chart of
// one step, chosen with a step field and a slider kept in step; the drawing
// and the chart downloaded as SVG or PNG.
import type { Core, EsploraRequest, EsploraView, PageView } from "lavoro1-core";
import { type ChartPoint, chartPoints, paintChart } from "./chart";
import { chartTooltip, readChart } from "./chart_reading";
import { element, svgElement } from "./dom";
import { paintDrawing } from "./drawing";
import { fullScreenButton } from "./fullscreen";
import { decimalSeparator, language, mnemonic, tr } from "./i18n";
import { createLesson } from "./lesson";
import { messageBox } from "./message_box";
import { exportStyle, installPictureColours } from "./picture_colours";
import { createPlay } from "./play";
import { provenTable } from "./proven_columns";
import { widestTextWidth } from "./text_width";

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

function createStepControls(page: PageView): StepControls {
  const [first, last] = [String(page.minimumSteps), String(page.maximumSteps)];
  const controls = element("div", { class: "esplora-controls" });
  const caption = mnemonic(tr(context, "&Passo:"));
  const stepLabel = element("label", { for: "stepBox", accesskey: caption.key }, caption.text);
  const description = element("span", { id: "stepDescription", class: "visually-hidden" }, page.stepDescription);
  // Text, not a number field: the core reads what was typed, as Form1's box.
  const stepBox = element("input", {
    id: "stepBox",
    type: "text",
    inputmode: "numeric",
    spellcheck: "false",
    maxlength: String(page.longestStepText),
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

// The drawing's texts are laid out by how wide they are at their widest,
// whatever the step, so that the layout stays the same from step to step;
// measured again only when the language or the separator changes.
let widest: { key: string; width: number } | undefined;
function widestDrawingText(page: PageView): number {
  const key = `${language} ${decimalSeparator}`;
  if (widest?.key !== key) widest = { key, width: widestTextWidth(page.widestDrawingTexts, page.drawingFontPixels) };
  return widest.width;
}

// The drawing beside the table, chart and note, and the chart's reader.
function viewElements(core: Core, tableBox: HTMLElement) {
  const drawing = svgElement("svg", { id: "drawing", role: "img", "aria-label": tr("explore::PolygonView", "Disegno dei poligoni") }) as SVGSVGElement;
  const chart = svgElement("svg", { id: "chart", role: "img", "aria-label": tr(context, "Grafico della convergenza") }) as SVGSVGElement;
  const note = element("p", { id: "note" });
  const views = element("div", { class: "esplora-views" });
  const side = element("div", { class: "esplora-side" });
  const [tooltip, chartDescription] = [chartTooltip(), element("p", { id: "chartDescription", class: "visually-hidden" })];
  const chartBox = element("div", { class: "chart-box" });
  chartBox.append(chart, tooltip, chartDescription);
  const reader = readChart(core, chart, tooltip, chartDescription);
  side.append(tableBox, chartBox, note);
  const drawingBox = element("div", { class: "drawing-box" });
  drawingBox.append(drawing);
  views.append(drawingBox, side);
  return { drawing, chart, note, views, side, drawingBox, reader };
}

// The points' places in the chart of step chartWidth wide, asked of the
// core when a reader first needs them.
function pointsOf(core: Core, step: number, chartWidth: number): () => ChartPoint[][] {
  let points: ChartPoint[][] | undefined;
  return () => {
    if (points === undefined) {
      const read = core.esploraStep({ step, decimalSeparator, chart: [chartWidth, 0], pointsRead: true }).chart;
      points = read ? chartPoints(read) : [];
    }
    return points;
  };
}

// The drawing beside the table, chart and note; each drawn at the size it is
// shown, so that its texts keep their size. show asks the core for the
// step's whole view, once, and paints it.
function createViews(core: Core, page: PageView, section: HTMLElement) {
  const table = provenTable(core, page, () => shown);
  const { drawing, chart, note, views, side, drawingBox, reader } = viewElements(core, table.table().box);

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
  // The pictures at the sizes shown, with more of the step's view as asked.
  const pictures = (step: number, more: Partial<EsploraRequest> = {}) => {
    if (drawingWidth === 0) measure();
    const request: EsploraRequest = {
      step,
      decimalSeparator,
      drawing: [drawingWidth, 0, widestDrawingText(page)],
      chart: [chartWidth, 0],
      ...more,
    };
    const view = core.esploraStep(request);
    if (view.drawing) paintDrawing(drawing, view.drawing);
    if (view.chart) paintChart(chart, page, view.chart);
    if (view.chart && note.textContent !== view.chart.note) note.textContent = view.chart.note;
    reader.redrawn(pointsOf(core, step, chartWidth));
    return view;
  };
  const remeasure = () => measure() && shown > 0 && pictures(shown);
  document.addEventListener("fullscreenchange", remeasure);
  new ResizeObserver(remeasure).observe(views);
  // The step's view: the pictures, the table's missing rows and, when
  // wanted, the lesson.
  const show = (step: number, lesson: boolean): EsploraView => {
    shown = step;
    const rows = table.table().wanted(step);
    const view = pictures(step, { ...(rows ? { rows, proven: table.proven() } : {}), lesson });
    table.table().show(step, rows && { first: view.firstRow, rows: view.rows });
    return view;
  };
  return { views, show, provenToggle: table.toggle };
}

// The download buttons: each picture drawn afresh at the desktop's size for
// files; a PNG the browser cannot render is reported, not dropped.
function wireDownloads(core: Core, page: PageView, controls: HTMLElement, step: () => number): void {
  const [width, height] = [page.pictureWidth, page.pictureHeight];
  const style = exportStyle(page);
  const picture = (kind: "drawing" | "chart") => {
    const svg = svgElement("svg") as SVGSVGElement;
    const request: EsploraRequest = { step: step(), decimalSeparator };
    const view = core.esploraStep(
      kind === "drawing" ? { ...request, drawing: [width, height, widestDrawingText(page)] } : { ...request, chart: [width, height] },
    );
    if (view.drawing) paintDrawing(svg, view.drawing);
    if (view.chart) paintChart(svg, page, view.chart);
    return { svg: svgFile(svg, style), name: kind === "drawing" ? view.drawingFileName : view.chartFileName };
  };
  const wire = (id: string, kind: "drawing" | "chart") => {
    controls.querySelector(`#${id}Svg`)?.addEventListener("click", () => {
      const made = picture(kind);
      download(made.name, new Blob([made.svg], { type: "image/svg+xml" }));
    });
    controls.querySelector(`#${id}Png`)?.addEventListener("click", () => {
      const made = picture(kind);
      const file = made.name.replace(/\.svg$/, ".png");
      pngFile(made.svg, width, height).then(
        (blob) => download(file, blob),
        () => messageBox(core.pictureNotMadeText(file)),
      );
    });
  };
  wire("saveDrawing", "drawing");
  wire("saveChart", "chart");
  // The rows shown, as `archimede N --tabella --formato csv` writes them.
  controls.querySelector("#saveTableCsv")?.addEventListener("click", () => {
    download(`lavoro1-${step()}.csv`, new Blob([core.tableFile(step(), "csv", decimalSeparator)], { type: "text/csv" }));
  });
  // The same rows as a spreadsheet, whose cells are numbers in every language.
  controls.querySelector("#saveTableOds")?.addEventListener("click", () => {
    const bytes = core.tableFile(step(), "ods", decimalSeparator);
    download(`lavoro1-${step()}.ods`, new Blob([bytes], { type: "application/vnd.oasis.opendocument.spreadsheet" }));
  });
}

// The page's style takes the pictures' colours once, however often the
// window is made again (in another language).
const prepared = new WeakSet<Core>();

// What Esplora adds to teach: the table's CSV and spreadsheet and full screen beside the
// controls, play, the step's bounds said at each change, and the lesson.
function createTeaching(core: Core, page: PageView, section: HTMLElement, controls: HTMLElement, requestStep: (step: number) => void) {
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
  const play = createPlay(page, requestStep, (playing) => {
    bounds.setAttribute("aria-live", playing ? "off" : "polite");
    if (!playing) bounds.replaceChildren(bounds.textContent ?? "");
  });
  const show = (view: EsploraView, lessonAsked: boolean) => {
    lesson.setStep(view.step, lessonAsked ? view.lesson : undefined);
    play.setCurrentStep(view.step);
    bounds.textContent = view.announcement;
  };
  return { play, bounds, lesson, show };
}

export function createEsplora(core: Core, page: PageView): Esplora {
  const [first, last] = [page.minimumSteps, page.maximumSteps];
  const section = element("section", { class: "window esplora-window", "aria-labelledby": "esploraTitle" });
  section.append(element("h2", { class: "title-bar", id: "esploraTitle" }, tr(context, "Esplora poligoni e convergenza")));
  const { controls, stepBox, stepSlider, refusal } = createStepControls(page);
  if (!prepared.has(core)) {
    prepared.add(core);
    installPictureColours(page);
  }
  const { views, show, provenToggle } = createViews(core, page, section);
  controls.append(provenToggle);
  const teaching = createTeaching(core, page, section, controls, (step) => setStep(step));
  section.append(controls, teaching.play.controls, teaching.bounds, views, teaching.lesson.panel);

  let current = 0;
  // The step shown everywhere but in the field, which keeps what is typed.
  const showStep = (step: number) => {
    if (String(step) !== stepSlider.value) stepSlider.value = String(step);
    refusal.textContent = "";
    stepBox.removeAttribute("aria-invalid");
    if (step === current) return;
    current = step;
    section.dispatchEvent(new CustomEvent<number>(stepEvent, { detail: step }));
    const lessonAsked = teaching.lesson.wantedNow();
    const view = show(step, lessonAsked);
    stepSlider.setAttribute("aria-valuetext", view.stepText);
    teaching.show(view, lessonAsked);
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
  wireDownloads(core, page, controls, () => current);
  return { section, setStep };
}

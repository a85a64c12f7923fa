// Esplora's table of the steps: the core's headings and cells, rows 1 to the
// step shown, the step's row last and in view. Only the rows in view and a
// few around them are asked of the core and built; spacers stand for the
// others.
import { element, htmlShape, patchChildren, type Shape } from "./dom";

// The height of a row, in CSS pixels (style.css).
const rowHeight = 20;
// Rows built beyond those in view, on each side.
const rowsAround = 5;

export interface StepTable {
  box: HTMLElement;
  show(step: number): void;
}

function spacer(rows: number): Shape {
  return htmlShape("tr", { class: "spacer", "aria-hidden": "true", style: `height: ${rows * rowHeight}px` });
}

function emptyTable(headings: string[]) {
  const table = element("table", { id: "stepTable" });
  const head = element("thead");
  const headRow = element("tr", { "aria-rowindex": "1" });
  for (const heading of headings) headRow.append(element("th", { scope: "col" }, heading));
  head.append(headRow);
  const body = element("tbody");
  table.append(head, body);
  return { table, head, body };
}

// The cells of the rows of steps first to last.
export type RowsOf = (first: number, last: number) => string[][];

// rowsOf by row index (step - 1), from firstRow to before lastRow; each row
// asked of the core once.
function keptRows(rowsOf: RowsOf): (firstRow: number, lastRow: number) => string[][] {
  const kept: string[][] = [];
  return (firstRow, lastRow) => {
    let missing = firstRow;
    while (missing < lastRow && kept[missing]) ++missing;
    let end = lastRow;
    while (end > missing && kept[end - 1]) --end;
    if (missing < end) {
      for (const [i, row] of rowsOf(missing + 1, end).entries()) kept[missing + i] = row;
    }
    return kept.slice(firstRow, lastRow);
  };
}

export function createStepTable(headings: string[], rowsOf: RowsOf, name: string): StepTable {
  const box = element("div", { class: "table-box", tabindex: "0", role: "region", "aria-label": name });
  const { table, head, body } = emptyTable(headings);
  box.append(table);

  let shown = 0;
  let rendered = "";
  const rowsFrom = keptRows(rowsOf);
  // Sizes read only when the box resizes or scrolls, never while a step is
  // drawn: a read then would lay the whole page out once more.
  let [headHeight, viewHeight, scrolledTo] = [0, 0, 0];
  const renderRows = () => {
    const inView = Math.ceil(viewHeight / rowHeight);
    const scrolledPast = Math.floor((scrolledTo - headHeight) / rowHeight);
    const firstRow = Math.max(0, Math.min(shown - inView, scrolledPast) - rowsAround);
    const lastRow = Math.min(shown, firstRow + inView + 2 * rowsAround);
    if (rendered === `${firstRow} ${lastRow} ${shown}`) return;
    rendered = `${firstRow} ${lastRow} ${shown}`;
    const rows: Shape[] = [];
    if (firstRow > 0) rows.push(spacer(firstRow));
    rowsFrom(firstRow, lastRow).forEach((line, offset) => {
      const index = firstRow + offset;
      const attributes: Record<string, string | number> = { "aria-rowindex": index + 2 };
      if (index === shown - 1) attributes.class = "current";
      rows.push(htmlShape("tr", attributes, ...line.map((cell) => htmlShape("td", {}, cell))));
    });
    if (lastRow < shown) rows.push(spacer(shown - lastRow));
    patchChildren(body, rows);
  };
  box.addEventListener(
    "scroll",
    () => {
      scrolledTo = box.scrollTop;
      renderRows();
    },
    { passive: true },
  );
  new ResizeObserver(() => {
    [headHeight, viewHeight] = [head.offsetHeight, box.clientHeight];
    renderRows();
  }).observe(box);

  // The step's row last and in view: scrolled to the end once laid out.
  const show = (step: number) => {
    shown = step;
    table.setAttribute("aria-rowcount", String(step + 1));
    scrolledTo = headHeight + step * rowHeight;
    renderRows();
    requestAnimationFrame(() => {
      box.scrollTop = box.scrollHeight;
    });
  };
  return { box, show };
}

// Esplora's table of the steps: the core's headings and cells, rows 1 to the
// step shown, the step's row last and in view. Only the rows in view and a
// few around them are asked of the core and built; spacers stand for the
// others. A row once built stays while it is wanted, so that a step further
// adds a row and takes one away rather than rewriting them all.
import { element, htmlShape, made, type Shape } from "./dom";

// The height of a row, in CSS pixels (style.css).
const rowHeight = 20;
// Rows built beyond those in view, on each side.
const rowsAround = 5;

export interface StepTable {
  box: HTMLElement;
  // The rows, steps first to last, that show(step) needs and the table has
  // not got yet; undefined when it has them all.
  wanted(step: number): [number, number] | undefined;
  // rows, the cells of steps from first on, as wanted(step) asked for them.
  show(step: number, rows?: { first: number; rows: string[][] }): void;
}

function spacer(): HTMLTableRowElement {
  return element("tr", { class: "spacer", "aria-hidden": "true" });
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
function keptRows(rowsOf: RowsOf) {
  const kept: string[][] = [];
  // The rows from firstRow to before lastRow not kept yet, as a range.
  const missing = (firstRow: number, lastRow: number): [number, number] => {
    let from = firstRow;
    while (from < lastRow && kept[from]) ++from;
    let end = lastRow;
    while (end > from && kept[end - 1]) --end;
    return [from, end];
  };
  const keep = (firstRow: number, rows: string[][]) => {
    for (const [i, row] of rows.entries()) kept[firstRow + i] = row;
  };
  const rows = (firstRow: number, lastRow: number) => {
    const [from, end] = missing(firstRow, lastRow);
    if (from < end) keep(from, rowsOf(from + 1, end));
    return kept.slice(firstRow, lastRow);
  };
  return { missing, keep, rows };
}

// The rows of body between two spacers: place(firstRow, lastRow) keeps the
// rows built that are still in the range and builds the others.
function rowWindow(body: HTMLElement, rowsFrom: (firstRow: number, lastRow: number) => string[][]) {
  const [above, below] = [spacer(), spacer()];
  body.append(above, below);
  let [built, from] = [[] as HTMLTableRowElement[], 0];
  const rowShape = (index: number, cells: string[]): Shape =>
    htmlShape("tr", { "aria-rowindex": index + 2 }, ...cells.map((cell) => htmlShape("td", {}, cell)));
  const rowsMade = (firstRow: number, lastRow: number) =>
    rowsFrom(firstRow, lastRow).map((cells, offset) => made(rowShape(firstRow + offset, cells)) as HTMLTableRowElement);
  return (firstRow: number, lastRow: number, total: number) => {
    const to = from + built.length;
    if (lastRow <= from || firstRow >= to) {
      for (const row of built) row.remove();
      built = rowsMade(firstRow, lastRow);
      below.before(...built);
    } else {
      const [early, late] = [rowsMade(firstRow, from), rowsMade(to, lastRow)];
      for (const row of built.splice(0, Math.max(0, firstRow - from))) row.remove();
      for (const row of built.splice(Math.max(0, lastRow - from) - Math.max(0, firstRow - from))) row.remove();
      above.after(...early);
      below.before(...late);
      built = [...early, ...built, ...late];
    }
    from = firstRow;
    above.style.height = `${firstRow * rowHeight}px`;
    below.style.height = `${(total - lastRow) * rowHeight}px`;
  };
}

// The step's row last and in view: box scrolled to the end once laid out,
// as table takes its new height (a read of the height before would lay the
// page out once more). Returns what asks for it.
function endScroller(box: HTMLElement, table: HTMLElement): () => void {
  let asked = false;
  new ResizeObserver(() => {
    if (!asked) return;
    asked = false;
    box.scrollTop = box.scrollHeight;
  }).observe(table);
  return () => {
    asked = true;
  };
}

export function createStepTable(headings: string[], rowsOf: RowsOf, name: string): StepTable {
  const box = element("div", { class: "table-box", tabindex: "0", role: "region", "aria-label": name });
  const { table, head, body } = emptyTable(headings);
  box.append(table);

  let shown = 0;
  let rendered = "";
  const kept = keptRows(rowsOf);
  const place = rowWindow(body, kept.rows);
  // Sizes read only when the box resizes or scrolls, never while a step is
  // drawn: a read then would lay the whole page out once more.
  let [headHeight, viewHeight, scrolledTo] = [0, 0, 0];
  // The rows built for the step shown, scrolled to: from firstRow to before lastRow.
  const range = (step: number, scrolled: number) => {
    const inView = Math.ceil(viewHeight / rowHeight);
    const scrolledPast = Math.floor((scrolled - headHeight) / rowHeight);
    const firstRow = Math.max(0, Math.min(step - inView, scrolledPast) - rowsAround);
    return [firstRow, Math.min(step, firstRow + inView + 2 * rowsAround)] as const;
  };
  const renderRows = () => {
    const [firstRow, lastRow] = range(shown, scrolledTo);
    if (rendered === `${firstRow} ${lastRow} ${shown}`) return;
    rendered = `${firstRow} ${lastRow} ${shown}`;
    place(firstRow, lastRow, shown);
    body.querySelector("tr.current")?.removeAttribute("class");
    body.querySelector(`tr[aria-rowindex="${shown + 1}"]`)?.classList.add("current");
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

  const scrollToEnd = endScroller(box, table);
  const wanted = (step: number): [number, number] | undefined => {
    const [from, end] = kept.missing(...range(step, headHeight + step * rowHeight));
    return from < end ? [from + 1, end] : undefined;
  };
  const show = (step: number, rows?: { first: number; rows: string[][] }) => {
    if (rows) kept.keep(rows.first - 1, rows.rows);
    shown = step;
    table.setAttribute("aria-rowcount", String(step + 1));
    scrolledTo = headHeight + step * rowHeight;
    renderRows();
    scrollToEnd();
  };
  return { box, wanted, show };
}

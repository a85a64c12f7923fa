// The step table with, on request, the digits each certified method proves
// per step: the chart's numbers as text, its alternative for every reader.
import type { ChartSeries, Core } from "lavoro1-core";
import { element } from "./dom";
import { decimalSeparator, mnemonic, tr } from "./i18n";
import { createStepTable, type RowsOf, type StepTable } from "./step_table";

const context = "explore::ExploreWindow";

export interface ProvenTable {
  toggle: HTMLLabelElement;
  // The table shown now, which the toggle replaces in the page.
  table(): StepTable;
}

export function provenTable(core: Core, proven: readonly ChartSeries[], shown: () => number): ProvenTable {
  const headings = core.tableHeadings();
  const rows: RowsOf = (first, last) => core.tableRows(first, last, decimalSeparator);
  const provenRows: RowsOf = (first, last) => rows(first, last).map((row, i) => [...row, ...proven.map((series) => core.digitsAtText(series, first + i))]);
  const name = tr(context, "Tabella dei passi");
  let table = createStepTable(headings, rows, name);
  const caption = mnemonic(tr(context, "&Cifre dimostrate nella tabella"));
  const box = element("input", { id: "provenShown", type: "checkbox" });
  const toggle = element("label", { accesskey: caption.key });
  toggle.title = tr(context, "Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico");
  toggle.append(box, ` ${caption.text}`);
  box.addEventListener("change", () => {
    const next = box.checked
      ? createStepTable([...headings, ...proven.map((series) => tr("ConvergenceChart", series.name))], provenRows, name)
      : createStepTable(headings, rows, name);
    table.box.replaceWith(next.box);
    table = next;
    table.show(shown());
  });
  return { toggle, table: () => table };
}

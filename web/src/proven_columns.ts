// The step table with, on request, the digits each certified method proves
// per step: the chart's numbers as text, its alternative for every reader.
import type { Core, PageView } from "lavoro1-core";
import { element } from "./dom";
import { decimalSeparator, mnemonic, tr } from "./i18n";
import { createStepTable, type RowsOf, type StepTable } from "./step_table";

const context = "explore::ExploreWindow";

export interface ProvenTable {
  toggle: HTMLLabelElement;
  // Whether the proven digits are shown, as cells the core adds to each row.
  proven(): boolean;
  // The table shown now, which the toggle replaces in the page.
  table(): StepTable;
}

export function provenTable(core: Core, page: PageView, shown: () => number): ProvenTable {
  const rowsOf =
    (proven: boolean): RowsOf =>
    (first, last) =>
      core.esploraStep({ step: last, decimalSeparator, rows: [first, last], proven }).rows;
  const name = tr(context, "Tabella dei passi");
  let table = createStepTable(page.headings, rowsOf(false), name);
  const caption = mnemonic(tr(context, "&Cifre dimostrate nella tabella"));
  const box = element("input", { id: "provenShown", type: "checkbox" });
  const toggle = element("label", { accesskey: caption.key });
  toggle.title = tr(context, "Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico");
  toggle.append(box, ` ${caption.text}`);
  box.addEventListener("change", () => {
    const next = createStepTable(box.checked ? page.provenHeadings : page.headings, rowsOf(box.checked), name);
    table.box.replaceWith(next.box);
    table = next;
    table.show(shown());
  });
  return { toggle, proven: () => box.checked, table: () => table };
}

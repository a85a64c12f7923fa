// The step table's columns of proven digits, shown on request: per step,
// the digits each certified method proves, the chart's numbers as text.
import type { ChartSeries, Core } from "lavoro1-core";
import { element } from "./dom";
import { mnemonic, tr } from "./i18n";

const context = "explore::ExploreWindow";

export interface ProvenColumns {
  toggle: HTMLLabelElement;
  shown(): boolean;
  headers(): HTMLTableCellElement[];
  // The cells of the row of step.
  cells(step: number): string[];
}

// changed: after the columns are shown or hidden.
export function provenColumns(core: Core, proven: readonly ChartSeries[], changed: () => void): ProvenColumns {
  const caption = mnemonic(tr(context, "&Cifre dimostrate nella tabella"));
  const box = element("input", { id: "provenShown", type: "checkbox" });
  const toggle = element("label", { accesskey: caption.key, title: tr(context, "Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico") });
  toggle.append(box, ` ${caption.text}`);
  box.addEventListener("change", changed);
  return {
    toggle,
    shown: () => box.checked,
    headers: () => proven.map((series) => element("th", { scope: "col", class: "proven" }, tr("ConvergenceChart", series.name))),
    cells: (step) => proven.map((series) => core.digitsAtText(series, step)),
  };
}

// Form1: the eleven controls of the desktop window, where the core's layout
// puts them (calc/form1_view.hpp, scaled to the page), the button first in
// the tab order, and its compute command run by the core.
import type { Core, Form1Layout, Form1Outcome, PageView } from "lavoro1-core";
import { element } from "./dom";
import { decimalSeparator, tr } from "./i18n";
import { messageBox } from "./message_box";

// control where the layout puts the control of its id.
function place(layout: Form1Layout, control: HTMLElement): void {
  const [left = 0, top = 0, width = 0, height = 0] = layout.controls[control.id] ?? [];
  control.style.setProperty("--left", String(left));
  control.style.setProperty("--top", String(top));
  control.style.setProperty("--width", String(width));
  control.style.setProperty("--height", String(height));
}

const context = "form::Form1";

interface Results {
  sides: HTMLOutputElement;
  lowerBound: HTMLOutputElement;
  upperBound: HTMLOutputElement;
  // Read once after each computation by screen readers.
  announcement: HTMLElement;
}

// Sent by Form1's window after each computation, detail the number of steps.
export const computedEvent = "form1-computed";

// What the button does: the core's compute command on text, its results
// shown, or its message in a modal box. Returns the steps computed, 0 when
// none were.
function runCommand(core: Core, view: PageView, text: string, results: Results): number {
  let outcome: Form1Outcome;
  try {
    outcome = core.form1Compute(text, decimalSeparator);
  } catch {
    // The core itself failed (a trap of the WebAssembly, not an error it raised).
    messageBox(view.internalError);
    return 0;
  }
  if (!outcome.computed) {
    messageBox(outcome.message);
    return 0;
  }
  results.sides.value = outcome.sides;
  results.lowerBound.value = outcome.lowerBound;
  results.upperBound.value = outcome.upperBound;
  results.announcement.textContent = outcome.announcement;
  return outcome.steps;
}

// "costante", heard as what it stands for, between the bounds. Sized for the
// Italian word: a shorter translation ("π") stands midway between the two
// "<"; the Italian row stays as the window always had it.
function constantLabel(): HTMLElement {
  const constant = tr(context, "costante");
  return element("span", { id: "Label4", class: constant === "costante" ? "caption" : "caption centred", role: "img", "aria-label": "π" }, constant);
}

export function createForm1(core: Core, view: PageView): HTMLElement {
  const window = element("section", { class: "window form1-window", "aria-labelledby": "form1Title" });
  window.append(element("h2", { class: "title-bar", id: "form1Title" }, "Form1"));
  const form = element("form", { class: "form1", id: "Form1", novalidate: "", autocomplete: "off" });
  form.style.setProperty("--form-width", String(view.form1.width));
  form.style.setProperty("--form-height", String(view.form1.height));

  // The button comes before the text box in the tab order.
  const command1 = element("button", { id: "Command1", type: "submit" }, tr(context, "Calcola costante"));
  const text1 = element("input", {
    id: "Text1",
    type: "text",
    inputmode: "decimal",
    spellcheck: "false",
    value: "1",
    maxlength: String(view.longestStepText),
  });
  const stepRange = view.stepRange;
  const label9 = element("span", { id: "Label9", class: "caption", "aria-label": stepRange }, `  [${stepRange}]`);
  const label8 = element("span", { id: "Label8", class: "caption" }, tr(context, "Numero lati poligono inscritto e circoscritto"));
  const result = (id: string, name: string) => element("output", { id, class: "result", "aria-label": tr(context, name), "aria-live": "off" });
  const label7 = result("Label7", "Numero lati");
  const label6 = result("Label6", "Limite superiore");
  const lessThan = (id: string) => element("span", { id, class: "caption", role: "img", "aria-label": tr(context, "minore di") }, "<");
  const label5 = lessThan("Label5");
  const label4 = constantLabel();
  const label3 = lessThan("Label3");
  const label2 = result("Label2", "Limite inferiore");
  const label1 = element("label", { id: "Label1", class: "caption", for: "Text1" }, tr(context, "Numero iterazioni"));
  const announcement = element("p", { id: "Form1Results", class: "visually-hidden", "aria-live": "polite", "aria-atomic": "true" });

  // In the order of its meaning, "lower < π < upper"; each is placed where the desktop has it.
  const controls = [command1, label1, text1, label9, label8, label7, label2, label3, label4, label5, label6];
  for (const control of controls) place(view.form1, control);
  form.append(...controls, announcement);
  window.append(form);

  // Enter in the text box submits the form, as the button does.
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    const steps = runCommand(core, view, text1.value, { sides: label7, lowerBound: label2, upperBound: label6, announcement });
    if (steps > 0) window.dispatchEvent(new CustomEvent<number>(computedEvent, { detail: steps }));
  });
  return window;
}

// Form1: the eleven controls of the desktop window, where its layout puts
// them (logical pixels of a 999 x 227 client area, 15 twips each, scaled to
// the page), the button first in the tab order, and its compute command run
// by the core.
import type { Core, Outcome } from "lavoro1-core";
import { element } from "./dom";
import { decimalSeparator, tr } from "./i18n";
import { messageBox } from "./message_box";

type Geometry = [left: number, top: number, width: number, height: number];

function place(control: HTMLElement, [left, top, width, height]: Geometry): void {
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
function runCommand(core: Core, text: string, results: Results): number {
  let outcome: Outcome;
  try {
    outcome = core.compute(text, decimalSeparator);
  } catch {
    // The core itself failed (a trap of the WebAssembly, not an error it raised).
    messageBox(core.internalErrorReport());
    return 0;
  }
  if (!outcome.computed) {
    messageBox(outcome.message);
    return 0;
  }
  results.sides.value = outcome.sides;
  results.lowerBound.value = outcome.lowerBound;
  results.upperBound.value = outcome.upperBound;
  results.announcement.textContent = core.filledWith(tr("explore::ExploreWindow", "Passo %1: %2 lati, %3\u00a0<\u00a0π\u00a0<\u00a0%4"), [
    String(outcome.steps),
    outcome.sides,
    outcome.lowerBound,
    outcome.upperBound,
  ]);
  return outcome.steps;
}

// "costante", heard as what it stands for, between the bounds. Sized for the
// Italian word: a shorter translation ("π") stands midway between the two
// "<"; the Italian row stays as the window always had it.
function constantLabel(): HTMLElement {
  const constant = tr(context, "costante");
  const label = element("span", { id: "Label4", class: constant === "costante" ? "caption" : "caption centred", role: "img", "aria-label": "π" }, constant);
  place(label, [720, 120, 81, 25]);
  return label;
}

export function createForm1(core: Core): HTMLElement {
  const window = element("section", { class: "window form1-window", "aria-labelledby": "form1Title" });
  window.append(element("h2", { class: "title-bar", id: "form1Title" }, "Form1"));
  const form = element("form", { class: "form1", id: "Form1", novalidate: "", autocomplete: "off" });

  // The button comes before the text box in the tab order.
  const command1 = element("button", { id: "Command1", type: "submit" }, tr(context, "Calcola costante"));
  place(command1, [200, 168, 193, 41]);
  const text1 = element("input", {
    id: "Text1",
    type: "text",
    inputmode: "decimal",
    spellcheck: "false",
    value: "1",
    maxlength: String(core.longestStepText()),
  });
  place(text1, [232, 40, 137, 25]);
  const stepRange = core.stepRangeText();
  const label9 = element("span", { id: "Label9", class: "caption", "aria-label": stepRange }, `  [${stepRange}]`);
  place(label9, [376, 40, 137, 33]);
  const label8 = element("span", { id: "Label8", class: "caption" }, tr(context, "Numero lati poligono inscritto e circoscritto"));
  place(label8, [8, 104, 297, 49]);
  const result = (id: string, name: string, geometry: Geometry) => {
    const made = element("output", { id, class: "result", "aria-label": tr(context, name), "aria-live": "off" });
    place(made, geometry);
    return made;
  };
  const label7 = result("Label7", "Numero lati", [320, 120, 137, 25]);
  const label6 = result("Label6", "Limite superiore", [848, 120, 137, 25]);
  const lessThan = (id: string, geometry: Geometry) => {
    const made = element("span", { id, class: "caption", role: "img", "aria-label": tr(context, "minore di") }, "<");
    place(made, geometry);
    return made;
  };
  const label5 = lessThan("Label5", [808, 120, 25, 25]);
  const label4 = constantLabel();
  const label3 = lessThan("Label3", [696, 120, 17, 25]);
  const label2 = result("Label2", "Limite inferiore", [552, 120, 137, 25]);
  const label1 = element("label", { id: "Label1", class: "caption", for: "Text1" }, tr(context, "Numero iterazioni"));
  place(label1, [24, 40, 193, 33]);
  const announcement = element("p", { id: "Form1Results", class: "visually-hidden", "aria-live": "polite", "aria-atomic": "true" });

  // In the order of its meaning, "lower < π < upper"; each is placed where the desktop has it.
  form.append(command1, label1, text1, label9, label8, label7, label2, label3, label4, label5, label6, announcement);
  window.append(form);

  // Enter in the text box submits the form, as the button does.
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    const steps = runCommand(core, text1.value, { sides: label7, lowerBound: label2, upperBound: label6, announcement });
    if (steps > 0) window.dispatchEvent(new CustomEvent<number>(computedEvent, { detail: steps }));
  });
  return window;
}

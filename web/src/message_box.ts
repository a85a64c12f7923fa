// The desktop's message box: a modal dialog titled Lavoro1 with the text and
// one OK button, which gives the focus back where it was.
import { element } from "./dom";

let dialog: HTMLDialogElement;
let text: HTMLParagraphElement;
let returnFocus: HTMLElement | null = null;

export function createMessageBox(): HTMLDialogElement {
  dialog = element("dialog", { id: "messageBox", "aria-labelledby": "messageBoxTitle", "aria-describedby": "messageBoxText" });
  const form = element("form", { method: "dialog" });
  text = element("p", { id: "messageBoxText" });
  form.append(element("h2", { id: "messageBoxTitle" }, "Lavoro1"), text, element("button", { value: "ok", autofocus: "" }, "OK"));
  dialog.append(form);
  dialog.addEventListener("close", () => {
    returnFocus?.focus();
    returnFocus = null;
  });
  return dialog;
}

export function messageBox(message: string): void {
  returnFocus = document.activeElement instanceof HTMLElement ? document.activeElement : null;
  text.textContent = message;
  dialog.showModal();
}

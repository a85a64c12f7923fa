// Esplora over the whole screen, for a class: the Fullscreen API on its
// window, whose type style.css enlarges while it fills the screen.
import { element } from "./dom";
import { pageText } from "./i18n";

export function fullScreenButton(shown: HTMLElement): HTMLButtonElement {
  const button = element("button", { id: "fullScreen", type: "button", "aria-pressed": "false" }, pageText("fullScreen"));
  button.hidden = !document.fullscreenEnabled;
  button.addEventListener("click", () => {
    if (document.fullscreenElement) void document.exitFullscreen();
    // Refused (no user gesture, a frame that forbids it): the page stays as it is.
    else void shown.requestFullscreen().catch(() => undefined);
  });
  document.addEventListener("fullscreenchange", () => button.setAttribute("aria-pressed", String(document.fullscreenElement === shown)));
  return button;
}

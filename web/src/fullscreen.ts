// Esplora over the whole screen, for a class: the Fullscreen API on its
// window, whose type style.css enlarges while it fills the screen.
import { element } from "./dom";
import { pageText } from "./i18n";

export function fullScreenButton(shown: HTMLElement): HTMLButtonElement {
  const button = element("button", { id: "fullScreen", type: "button", "aria-pressed": "false" }, pageText("fullScreen"));
  button.hidden = !document.fullscreenEnabled;
  button.addEventListener("click", () => {
    if (document.fullscreenElement) void document.exitFullscreen();
    else void shown.requestFullscreen().catch((error: unknown) => console.info("Lavoro1 full screen:", error));
  });
  document.addEventListener("fullscreenchange", () => button.setAttribute("aria-pressed", String(document.fullscreenElement === shown)));
  return button;
}

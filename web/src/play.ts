// Play: steps Esplora from its current step to a chosen one, a step at a
// time at a chosen speed (the core's), no faster than one a second when the
// user asks for reduced motion; Space starts and pauses it.
import type { PageView } from "lavoro1-core";
import { element } from "./dom";
import { mnemonic, tr, trPlural } from "./i18n";

const context = "explore::PlayControls";

export interface Play {
  controls: HTMLElement;
  // The step Esplora shows; playing goes on from there.
  setCurrentStep(step: number): void;
}

// Whether a key press belongs to the control it was typed in.
function typedIn(target: EventTarget | null): boolean {
  return target instanceof HTMLElement && (target.isContentEditable || /^(INPUT|TEXTAREA|SELECT|BUTTON)$/.test(target.tagName));
}

function speedBox(page: PageView): HTMLSelectElement {
  const box = element("select", { id: "playSpeed", "aria-label": tr(context, "Velocità") });
  for (const speed of page.playSpeeds) {
    box.append(element("option", { value: String(speed) }, trPlural(context, "%n passi/s", speed)));
  }
  box.selectedIndex = page.defaultPlaySpeedIndex;
  return box;
}

// Space anywhere but in a control toggles, while controls are in the page.
function onSpace(controls: HTMLElement, toggle: () => void): void {
  document.addEventListener("keydown", (event) => {
    if (event.key !== " " || event.repeat || event.ctrlKey || event.altKey || event.metaKey || typedIn(event.target)) return;
    if (!controls.isConnected) return;
    event.preventDefault();
    toggle();
  });
}

// The reduced-motion box, checked while the system asks for reduced motion.
function reducedMotionBox(): { label: HTMLLabelElement; box: HTMLInputElement } {
  const caption = mnemonic(tr(context, "&Movimento ridotto"));
  const box = element("input", {
    id: "reducedMotion",
    type: "checkbox",
    title: tr(context, "Avanza al massimo di un passo al secondo, qualunque sia la velocità"),
  });
  const motionQuery = matchMedia("(prefers-reduced-motion: reduce)");
  box.checked = motionQuery.matches;
  motionQuery.addEventListener("change", () => {
    box.checked = motionQuery.matches;
  });
  const label = element("label", { accesskey: caption.key });
  label.append(box, ` ${caption.text}`);
  return { label, box };
}

function showPlaying(button: HTMLButtonElement, playing: boolean): void {
  const caption = mnemonic(tr(context, playing ? "❚❚ Pau&sa" : "▶ &Avvia"));
  button.textContent = caption.text;
  button.accessKey = caption.key;
  button.setAttribute("aria-label", tr(context, playing ? "Pausa" : "Avvia"));
  button.setAttribute("aria-pressed", String(playing));
}

// playingChanged: after each start and stop.
export function createPlay(page: PageView, requestStep: (step: number) => void, playingChanged: (playing: boolean) => void): Play {
  const controls = element("div", { class: "play-controls", role: "group", "aria-label": tr(context, "Avvia") });
  const button = element("button", { id: "playButton", type: "button" });
  const speed = speedBox(page);
  const targetCaption = mnemonic(tr(context, "&fino al passo"));
  const [first, last] = [String(page.minimumSteps), String(page.maximumSteps)];
  const target = element("input", { id: "playTarget", type: "number", min: first, max: last, step: "1", value: last });
  target.setAttribute("aria-label", tr(context, "Avanza fino al passo"));
  const reduced = reducedMotionBox();
  controls.append(button, speed, element("label", { for: "playTarget", accesskey: targetCaption.key }, targetCaption.text), target, reduced.label);

  let current = 0;
  let timer: number | undefined;
  const goal = () => Math.min(Math.max(Math.round(target.valueAsNumber) || page.maximumSteps, page.minimumSteps), page.maximumSteps);
  const stepsPerSecond = () => Math.min(Number(speed.value), reduced.box.checked ? page.reducedMotionSpeed : Infinity);
  const show = (playing: boolean) => {
    showPlaying(button, playing);
    playingChanged(playing);
  };
  const stop = () => {
    clearInterval(timer);
    timer = undefined;
    show(false);
  };
  const tick = () => {
    if (!controls.isConnected) return stop();
    if (current < goal()) requestStep(current + 1);
    if (current >= goal()) stop();
  };
  const start = () => {
    if (current >= goal()) requestStep(page.minimumSteps);
    clearInterval(timer);
    timer = window.setInterval(tick, 1000 / stepsPerSecond());
    show(true);
  };
  const toggle = () => (timer === undefined ? start() : stop());
  const restart = () => {
    if (timer !== undefined) start();
  };
  button.addEventListener("click", toggle);
  speed.addEventListener("change", restart);
  reduced.box.addEventListener("change", restart);
  onSpace(controls, toggle);
  show(false);
  return {
    controls,
    setCurrentStep: (step) => {
      current = step;
    },
  };
}

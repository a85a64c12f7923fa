// "How it works" beside Esplora's drawing: the core's lesson (calc/lesson.hpp)
// in the user's language, its formulas as MathML with the step's numbers,
// rewritten whenever the step changes.
import type { Core, LessonFormula, LessonSection } from "lavoro1-core";
import { element, htmlShape, mathShape, patchChildren, type Shape } from "./dom";
import { decimalSeparator, tr } from "./i18n";

// A number (with its decimal separator and exponent), a letter with its
// primes, a square root, a square, or any other single character.
const token = /\d+(?:[.,]\d+)?(?:e[+-]?\d+)?|[A-Za-z]′*|\S/gu;

// The tokens from `from` up to the closing parenthesis of depth 0 (or the
// end) as MathML, added to into; returns where it stopped.
function parseTokens(tokens: string[], from: number, into: Shape[]): number {
  let at = from;
  while (at < tokens.length) {
    const text = tokens[at++] ?? "";
    if (text === ")") return at;
    let node: Shape;
    if ((text === "√" && tokens[at] === "(") || text === "(") {
      const inside: Shape[] = [];
      at = parseTokens(tokens, text === "√" ? at + 1 : at, inside);
      node = text === "√" ? mathShape("msqrt", {}, ...inside) : mathShape("mrow", {}, mathShape("mo", {}, "("), ...inside, mathShape("mo", {}, ")"));
    } else {
      node = mathShape(/^\d/.test(text) ? "mn" : /^[A-Za-z]/.test(text) ? "mi" : "mo", {}, text);
    }
    if (tokens[at] === "²") {
      node = mathShape("msup", {}, node, mathShape("mn", {}, "2"));
      ++at;
    }
    into.push(node);
  }
  return at;
}

// The formula as its symbols, its numbers and its value, each "=" ending a
// part of its own: on a narrow screen the parts go one under another.
function formulaMath(formula: LessonFormula): Shape[] {
  const part = (text: string) => {
    const row: Shape[] = [];
    parseTokens(text.match(token) ?? [], 0, row);
    return mathShape("math", {}, mathShape("mrow", {}, ...row, mathShape("mo", {}, "=")));
  };
  return [part(formula.symbols), part(formula.numbers), mathShape("math", {}, mathShape("mn", { class: "formula-value" }, formula.value))];
}

// How long the steps stay still before an off-screen lesson is brought up to
// date, in milliseconds.
const offScreenDelay = 250;

export interface Lesson {
  panel: HTMLElement;
  // Whether the lesson is written as soon as the step changes: then the
  // step's view brings its sections to setStep.
  wantedNow(): boolean;
  setStep(step: number, sections?: LessonSection[]): void;
}

export function createLesson(core: Core): Lesson {
  const panel = element("section", { id: "lesson", class: "lesson", "aria-labelledby": "lessonTitle" });
  const body = element("div", { class: "lesson-body" });
  panel.append(element("h3", { id: "lessonTitle" }, tr("explore::LessonPanel", "Come funziona")), body);
  const write = (sections: LessonSection[]) => {
    const parts: Shape[] = [];
    for (const section of sections) {
      parts.push(htmlShape("h4", {}, section.title), htmlShape("p", {}, section.text));
      for (const formula of section.formulas) parts.push(htmlShape("p", { class: "formula" }, ...formulaMath(formula)));
    }
    patchChildren(body, parts);
  };
  // The page is shown first, the lesson written just after. Later steps are
  // written at once while the lesson is on screen or about to be; off screen
  // (below the windows, during a play) once the steps stop for a moment or
  // it scrolls near, so that a play's frames do not lay out what no one sees.
  let [wanted, written, near] = [0, 0, false];
  let later: ReturnType<typeof setTimeout> | undefined;
  const catchUp = () => {
    clearTimeout(later);
    later = undefined;
    if (wanted === written) return;
    written = wanted;
    write(core.esploraStep({ step: written, decimalSeparator, lesson: true }).lesson);
  };
  new IntersectionObserver(
    (entries) => {
      near = entries.some((entry) => entry.isIntersecting);
      if (near && written !== 0) catchUp();
    },
    { rootMargin: "50% 0px" },
  ).observe(panel);
  const setStep = (step: number, sections?: LessonSection[]) => {
    const first = wanted === 0;
    wanted = step;
    if (first) {
      requestAnimationFrame(() => setTimeout(catchUp));
    } else if (written !== 0) {
      if (near && sections) {
        clearTimeout(later);
        written = step;
        return write(sections);
      }
      if (near) return catchUp();
      clearTimeout(later);
      later = setTimeout(catchUp, offScreenDelay);
    }
  };
  return { panel, setStep, wantedNow: () => near && written !== 0 };
}

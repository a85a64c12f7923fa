// "How it works" beside Esplora's drawing: the core's lesson (calc/lesson.hpp)
// in the user's language, its formulas as MathML with the step's numbers,
// rewritten whenever the step changes.
import type { Core, LessonFormula } from "lavoro1-core";
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

export interface Lesson {
  panel: HTMLElement;
  setStep(step: number): void;
}

export function createLesson(core: Core): Lesson {
  const panel = element("section", { id: "lesson", class: "lesson", "aria-labelledby": "lessonTitle" });
  const body = element("div", { class: "lesson-body" });
  panel.append(element("h3", { id: "lessonTitle" }, tr("explore::LessonPanel", "Come funziona")), body);
  const write = (step: number) => {
    const parts: Shape[] = [];
    for (const section of core.lessonSections(step, decimalSeparator)) {
      parts.push(htmlShape("h4", {}, tr("calc", section.title)), htmlShape("p", {}, core.filledWith(tr("calc", section.pattern), section.arguments)));
      for (const formula of section.formulas) parts.push(htmlShape("p", { class: "formula" }, ...formulaMath(formula)));
    }
    patchChildren(body, parts);
  };
  // The page is shown first, the lesson below it written just after; each
  // later step is written at once.
  let [written, waiting] = [false, 0];
  const setStep = (step: number) => {
    if (written) return write(step);
    if (waiting === 0) {
      requestAnimationFrame(() =>
        setTimeout(() => {
          written = true;
          write(waiting);
        }),
      );
    }
    waiting = step;
  };
  return { panel, setStep };
}

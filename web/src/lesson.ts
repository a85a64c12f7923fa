// "How it works" beside Esplora's drawing: the core's lesson (calc/lesson.hpp)
// in the user's language, its formulas as MathML with the step's numbers,
// rewritten whenever the step changes.
import type { ChartSeries, Core, LessonFormula } from "lavoro1-core";
import { element, patchChildren } from "./dom";
import { decimalSeparator, tr } from "./i18n";

const mathNamespace = "http://www.w3.org/1998/Math/MathML";

function mathElement(tag: string, text = ""): Element {
  const made = document.createElementNS(mathNamespace, tag);
  if (text) made.textContent = text;
  return made;
}

// A number (with its decimal separator and exponent), a letter with its
// primes, a square root, a square, or any other single character.
const token = /\d+(?:[.,]\d+)?(?:e[+-]?\d+)?|[A-Za-z]′*|\S/gu;

// The tokens from `from` up to the closing parenthesis of depth 0 (or the
// end) as MathML nodes; returns where it stopped.
function parseTokens(tokens: string[], from: number, into: Element): number {
  let at = from;
  while (at < tokens.length) {
    const text = tokens[at++] ?? "";
    if (text === ")") return at;
    let node: Element;
    if (text === "√" && tokens[at] === "(") {
      node = mathElement("msqrt");
      at = parseTokens(tokens, at + 1, node);
    } else if (text === "(") {
      node = mathElement("mrow");
      node.append(mathElement("mo", "("));
      at = parseTokens(tokens, at, node);
      node.append(mathElement("mo", ")"));
    } else if (/^\d/.test(text)) {
      node = mathElement("mn", text);
    } else if (/^[A-Za-z]/.test(text)) {
      node = mathElement("mi", text);
    } else {
      node = mathElement("mo", text);
    }
    if (tokens[at] === "²") {
      const power = mathElement("msup");
      power.append(node, mathElement("mn", "2"));
      node = power;
      ++at;
    }
    into.append(node);
  }
  return at;
}

function formulaMath(formula: LessonFormula): Element {
  const math = mathElement("math");
  const row = mathElement("mrow");
  parseTokens(formula.symbols.match(token) ?? [], 0, row);
  row.append(mathElement("mo", "="));
  parseTokens(formula.numbers.match(token) ?? [], 0, row);
  row.append(mathElement("mo", "="));
  const value = mathElement("mn", formula.value);
  value.setAttribute("class", "formula-value");
  row.append(value);
  math.append(row);
  return math;
}

export interface Lesson {
  panel: HTMLElement;
  setStep(step: number): void;
}

// proven: the chart's certified series, doubling, Huygens and Richardson.
export function createLesson(core: Core, runOutStep: number, proven: readonly ChartSeries[]): Lesson {
  const panel = element("section", { id: "lesson", class: "lesson", "aria-labelledby": "lessonTitle" });
  const body = element("div", { class: "lesson-body" });
  panel.append(element("h3", { id: "lessonTitle" }, tr("explore::LessonPanel", "Come funziona")), body);
  const setStep = (step: number) => {
    const parts: Element[] = [];
    for (const section of core.lessonSections(step, runOutStep, proven, core.chartProvenDigits(), decimalSeparator)) {
      parts.push(element("h4", {}, tr("calc", section.title)), element("p", {}, core.filledWith(tr("calc", section.pattern), section.arguments)));
      for (const formula of section.formulas) {
        const line = element("p", { class: "formula" });
        line.append(formulaMath(formula));
        parts.push(line);
      }
    }
    patchChildren(body, parts);
  };
  return { panel, setStep };
}

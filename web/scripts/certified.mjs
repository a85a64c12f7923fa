// The proven digits of the convergence chart, written at build time by the
// native archimede: for each method of --cifre, the decimals of pi each step
// proves, from its --tabella --formato json. The page hands them to its core
// as the desktop chart's certified series; they need Arb, which the
// browser's core leaves out. Each series is {name, increments}: one
// character a step from step 1, the digits the step proves beyond the step
// before as a base-36 digit (a tenth of the series' size as step, digits
// pairs); the core turns them back into points.
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

// The chart's figures, as the core defines them: the digits of its races
// (calc/digits.hpp) and its last step (calc/step_range.hpp).
const calc = join(dirname(fileURLToPath(import.meta.url)), "..", "..", "calc");
const constant = (header, name) => {
  const found = new RegExp(String.raw`constexpr (?:int|std::int\w+) ${name} = (\d+);`).exec(readFileSync(join(calc, header), "utf8"));
  if (!found) throw new Error(`calc/${header}: no ${name}`);
  return Number(found[1]);
};
const certifiedDigits = constant("digits.hpp", "chartProvenDigits");
const lastStep = constant("step_range.hpp", "maximumSteps");
// In the chart's order, named by the desktop chart's Italian sources.
const methods = [
  ["raddoppi", "Dimostrate: raddoppi"],
  ["huygens", "Dimostrate: Huygens"],
  ["richardson", "Dimostrate: Richardson"],
];

export function writeCertifiedSeries(archimede, output) {
  const series = methods.map(([method, name]) => {
    const rows = JSON.parse(
      execFileSync(archimede, ["--cifre", String(certifiedDigits), "--metodo", method, "--tabella", "--formato", "json"], { encoding: "utf8" }),
    );
    let increments = "";
    let proven = 0;
    for (const { passo, cifre } of rows) {
      if (passo > lastStep) break;
      const increment = cifre - proven;
      if (passo !== increments.length + 1 || !Number.isInteger(increment) || increment < 0 || increment > 35) {
        throw new Error(`archimede --cifre --formato json: unexpected row ${JSON.stringify({ passo, cifre })} after ${proven} digits`);
      }
      increments += increment.toString(36);
      proven = cifre;
    }
    return { name, increments };
  });
  mkdirSync(dirname(output), { recursive: true });
  writeFileSync(output, JSON.stringify(series));
}

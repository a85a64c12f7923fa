// The proven digits of the convergence chart, written at build time by the
// native archimede: for each method of --cifre, the decimals of pi each step
// settles, from its --tabella (step first, proven digits third from the end).
// The page shows them as the desktop's chart does; they need Arb, which the
// browser's core leaves out.
import { execFileSync } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import { dirname } from "node:path";

// The desktop chart's figures (pictures/certified_series.hpp): 300 digits,
// which doubling reaches at about step 500, the last.
const certifiedDigits = 300;
const lastStep = 500;
// In the chart's order, named by the desktop chart's texts.
const methods = [
  ["raddoppi", "Dimostrate: raddoppi"],
  ["huygens", "Dimostrate: huygens"],
  ["richardson", "Dimostrate: richardson"],
];

export function writeCertifiedSeries(archimede, output) {
  const series = methods.map(([method, name]) => {
    const table = execFileSync(archimede, ["--cifre", String(certifiedDigits), "--metodo", method, "--tabella"], {
      encoding: "utf8",
      env: { ...process.env, LANGUAGE: "it", LANG: "C.UTF-8", LC_ALL: "" },
    });
    const points = [];
    for (const line of table.trim().split("\n").slice(1)) {
      const cells = line.trim().split(/\s+/);
      const step = Number(cells[0]);
      const digits = Number(cells[cells.length - 2]);
      if (!Number.isInteger(step) || !Number.isFinite(digits)) {
        throw new Error(`archimede --cifre: unexpected line '${line}'`);
      }
      if (step <= lastStep) points.push(step, digits);
    }
    return { name, points };
  });
  mkdirSync(dirname(output), { recursive: true });
  writeFileSync(output, JSON.stringify(series));
}

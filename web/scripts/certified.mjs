// The proven digits of the convergence chart, written at build time by the
// native archimede: for each method of --cifre, the decimals of pi each step
// proves, from its --tabella --formato json. The page hands them to its core
// as the desktop chart's certified series; they need Arb, which the
// browser's core leaves out.
import { execFileSync } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import { dirname } from "node:path";

// The desktop chart's figures (pictures/certified_series.hpp): 300 digits,
// which doubling reaches at about step 500, the last.
const certifiedDigits = 300;
const lastStep = 500;
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
    const points = [];
    for (const { passo, cifre } of rows) {
      if (!Number.isInteger(passo) || !Number.isInteger(cifre)) {
        throw new Error(`archimede --cifre --formato json: unexpected row ${JSON.stringify({ passo, cifre })}`);
      }
      if (passo <= lastStep) points.push(passo, cifre);
    }
    return { name, points };
  });
  mkdirSync(dirname(output), { recursive: true });
  writeFileSync(output, JSON.stringify(series));
}

// The colours of the drawing and the chart, light and dark, from the core
// (calc/colours.hpp): as the page's style variables, and as the style of
// every exported picture, which takes the light ones whatever the scheme.
import type { PageView, PictureColours } from "lavoro1-core";
import { element } from "./dom";

function variables(colours: PictureColours): string {
  const named: [string, string][] = [
    ["circle", colours.circle],
    ["inscribed", colours.inscribed],
    ["circumscribed", colours.circumscribed],
    ["frame", colours.frame],
    ["grid", colours.grid],
    ...colours.series.map((colour, i): [string, string] => [`series${i}`, colour]),
  ];
  return named.map(([name, colour]) => `--${name}:${colour};`).join("");
}

// Sets the page's picture colours for both schemes.
export function installPictureColours(page: PageView): void {
  const style = element("style", { id: "pictureColours" });
  style.textContent = `:root{${variables(page.lightColours)}}@media (prefers-color-scheme: dark){:root{${variables(page.darkColours)}}}`;
  document.head.append(style);
}

// The style of an exported picture: dark text on white, as the desktop
// exports them.
export function exportStyle(page: PageView): string {
  const colours = page.lightColours;
  const series = colours.series.map((colour, i) => `.series${i}{stroke:${colour};fill:${colour}}`).join("");
  return (
    `.background{fill:${colours.background}}` +
    `.text,.tick,.legend,.axis-title,.chart-title{fill:${colours.text};font-family:'DejaVu Sans',Verdana,sans-serif}` +
    ".legend{font-size:13px}.tick{font-size:11px}.axis-title{font-size:12px}.chart-title{font-size:15px;font-weight:bold}" +
    ".circle,.inscribed,.circumscribed,.frame,.series,.grid,.axes,.run-out,.swatch{fill:none}" +
    `.circle{stroke:${colours.circle};stroke-width:1.5}.inscribed{stroke:${colours.inscribed};stroke-width:1.5}` +
    `.circumscribed{stroke:${colours.circumscribed};stroke-width:1.5}.swatch{stroke-width:3}` +
    `.frame,.axes{stroke:${colours.frame}}.grid{stroke:${colours.grid}}.grid.minor{stroke-dasharray:3 3}.series{stroke-width:2}` +
    `${series}path.series{fill:none}.run-out{stroke:${colours.frame};stroke-dasharray:4 3}.run-out-point{fill:${colours.text}}`
  );
}

// The page's frame, the heading and the windows' outlines that the HTML
// carries in every language, left in the language the page will speak, so
// that it is painted as the HTML arrives, before the script and the core;
// and that language's catalogue asked for at once, beside the core. The
// build inlines this script in the HTML, after the frame.
import { readAddress } from "./address";
import { catalogueFile, languageOf, requestedLanguages } from "./i18n";

// Whether the page fetches its catalogues (false in lavoro1.html, which
// carries them).
declare const catalogueFetched: boolean;

const shown = languageOf(requestedLanguages(readAddress(location.hash).language));
document.documentElement.lang = shown;
// The loading texts too; the message of a failed load stays in every
// language, for when no script runs.
for (const text of document.querySelectorAll(".page-header.page-frame [lang], .boot .loading [lang]")) {
  if (text.getAttribute("lang") !== shown) text.remove();
}
document.title = document.querySelector(".page-frame h1")?.textContent ?? document.title;
if (catalogueFetched && shown !== "it") {
  // As i18n.ts fetches it (same origin, credentials sent), so that the fetch takes this.
  const hint = document.createElement("link");
  Object.assign(hint, { rel: "preload", as: "fetch", href: catalogueFile(shown), crossOrigin: "anonymous" });
  document.head.append(hint);
}

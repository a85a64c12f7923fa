// The language menu: the page's languages, each named in itself.
import { element } from "./dom";
import { language, pageLanguages, pageText } from "./i18n";

function nameOf(tag: string): string {
  let name = tag;
  try {
    name = new Intl.DisplayNames([tag], { type: "language" }).of(tag) ?? tag;
  } catch {
    // A tag the browser cannot name is shown as it is.
  }
  return name.charAt(0).toLocaleUpperCase(tag) + name.slice(1);
}

export function createLanguageMenu(choose: (tag: string) => void): HTMLElement {
  const label = element("label", { class: "page-tool" }, `${pageText("language")} `);
  const menu = element("select", { id: "languageMenu" });
  for (const tag of pageLanguages) {
    menu.append(element("option", { value: tag, lang: tag }, nameOf(tag)));
  }
  menu.value = language;
  menu.addEventListener("change", () => choose(menu.value));
  label.append(menu);
  return label;
}

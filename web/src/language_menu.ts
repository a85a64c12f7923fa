// The language menu: the page's languages, each named in itself.
import { element } from "./dom";
import { language, languageNames, pageLanguages, pageText } from "./i18n";

export function createLanguageMenu(choose: (tag: string) => void): HTMLElement {
  const label = element("label", { class: "page-tool" }, `${pageText("language")} `);
  const menu = element("select", { id: "languageMenu" });
  for (const tag of pageLanguages) {
    menu.append(element("option", { value: tag, lang: tag }, languageNames[tag] ?? tag));
  }
  menu.value = language;
  menu.addEventListener("change", () => choose(menu.value));
  label.append(menu);
  return label;
}

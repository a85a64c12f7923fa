// The user's language and decimal separator, as the desktop takes them from
// the locale: the first of the user's languages that the page has, English
// when it has none of them; the separator of the first language asked for.
// The translations are the desktop's, converted from translations/*.ts at
// build time for every language that has catalogues there.
import translations from "lavoro1-translations";
import { catalogueKey } from "./catalogue_key.mjs";

// Translations by catalogueKey(context, source); a plural text's forms.
type Catalogue = Record<string, string | string[]>;

// Italian first, the source language, then the catalogues' languages.
export const pageLanguages: readonly string[] = translations.languages;
// Each of them named in itself, for the language menu.
export const languageNames: Readonly<Record<string, string>> = translations.names;
const catalogues: Record<string, Catalogue> = translations.catalogues;
// Each language's plural rule, Qt's: "one" takes the first form for 1 only,
// "zeroOne" for 0 and 1; the second form otherwise.
const pluralRules: Record<string, string> = translations.plurals;
// The Italian plural forms of the sources that have them.
const sourcePlurals: Record<string, string[]> = translations.sourcePlurals;
// The page's own texts by name (calc/page_texts.hpp): Italian sources
// translated in their context.
const page = translations.page;
const defaultLanguage = "en";

// The page's language for a BCP 47 tag: the one it names ("pt-BR"), or else
// its primary language ("en-GB" is "en"); undefined when the page has neither.
export function pageLanguageOf(tag: string): string | undefined {
  const wanted = tag.trim().toLowerCase();
  const primary = wanted.split("-")[0];
  return pageLanguages.find((had) => had.toLowerCase() === wanted) ?? pageLanguages.find((had) => had.toLowerCase() === primary);
}

// As gettext reads LANGUAGE: the first language of the list that the page
// has ("fr, it" is Italian), English when it has none of them.
export function languageOf(requested: readonly string[]): string {
  for (const tag of requested) {
    const had = pageLanguageOf(tag);
    if (had) return had;
  }
  return defaultLanguage;
}

// The separators found, by the first language asked for. The first asking
// loads the browser's locale data, tens of milliseconds at every start; so
// what it found is kept in the browser's storage for the next visit, and
// read back only when it is one character that could be a separator.
const separators = new Map<string | undefined, string>();
// One character, neither an ASCII letter or digit, nor a space or control
// (a Unicode class here would cost the start what storage saves).
const isSeparator = (text: string) => text.length === 1 && text > " " && text !== "\x7f" && !/[\w\s]/.test(text);

function separatorStorage(language: string | undefined): { read(): string | undefined; write(separator: string): void } {
  const key = `lavoro1-separator:${language ?? ""}`;
  // A tag longer than any real one (from a link, say) is not kept.
  const kept = key.length <= 64;
  // Storage can be refused (a sandboxed frame, a private window full).
  const tried = <T>(use: () => T): T | undefined => {
    try {
      return use();
    } catch {
      return undefined;
    }
  };
  return {
    read: () => (kept ? (tried(() => localStorage.getItem(key)) ?? undefined) : undefined),
    write: (separator) => kept && tried(() => localStorage.setItem(key, separator)),
  };
}

export function decimalSeparatorOf(languages: readonly string[]): string {
  const known = separators.get(languages[0]);
  if (known !== undefined) return known;
  const storage = separatorStorage(languages[0]);
  const stored = storage.read();
  if (stored !== undefined && isSeparator(stored)) {
    separators.set(languages[0], stored);
    return stored;
  }
  let locale: string | undefined = languages[0];
  try {
    new Intl.NumberFormat(locale);
  } catch {
    locale = undefined;
  }
  const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
  const separator = parts.find((part) => part.type === "decimal")?.value ?? ".";
  separators.set(languages[0], separator);
  storage.write(separator);
  return separator;
}

const browserLanguages = navigator.languages.length > 0 ? navigator.languages : [navigator.language];
// Set by chooseLanguage, before any face is made.
export let language: string = defaultLanguage;
export let decimalSeparator = ".";

// The user's languages: tag, a language the address asks for, before the
// browser's when the page has it; undefined leaves the browser's.
export function requestedLanguages(tag: string | undefined): readonly string[] {
  return tag !== undefined && pageLanguageOf(tag) ? [tag, ...browserLanguages] : browserLanguages;
}

// The language of requestedLanguages(tag) is chosen; the faces made
// afterwards speak it.
export function chooseLanguage(tag: string | undefined): void {
  const requested = requestedLanguages(tag);
  language = languageOf(requested);
  decimalSeparator = decimalSeparatorOf(requested);
}

// The file of a language's catalogue beside the page.
export const catalogueFile = (had: string) => `i18n-${had}.json`;

// Fetches the catalogue the language needs (its own, English where it lacks
// a text) unless the page carries it already, as lavoro1.html does; the
// files of the catalogues it needs.
export async function loadCatalogues(shown: string): Promise<string[]> {
  const needed = shown === "it" ? [] : [shown];
  await Promise.all(
    needed
      .filter((had) => catalogues[had] === undefined)
      .map(async (had) => {
        const answer = await fetch(catalogueFile(had));
        if (!answer.ok) throw new Error(`${catalogueFile(had)}: ${answer.status}`);
        catalogues[had] = (await answer.json()) as Catalogue;
      }),
  );
  return needed.map(catalogueFile);
}

// source in the user's language: itself in Italian, the catalogue's
// translation otherwise, which is English where that language lacks it, as
// on the desktop (the source while there is none).
export function tr(context: string, source: string): string {
  if (language === "it") return source;
  const translated = catalogues[language]?.[catalogueKey(context, source)];
  return typeof translated === "string" ? translated : source;
}

// source, a text with %n, in the user's language for the count n, its form
// chosen by the language's plural rule, %n replaced by n: Qt's
// tr(source, nullptr, n).
export function trPlural(context: string, source: string, n: number): string {
  const key = catalogueKey(context, source);
  const forms = language === "it" ? sourcePlurals[key] : catalogues[language]?.[key];
  const first = n === 1 || (n === 0 && pluralRules[language] === "zeroOne");
  const form = Array.isArray(forms) ? (forms[first ? 0 : 1] ?? forms[0]) : undefined;
  return (form ?? source).replace(/%n/g, String(n));
}

// A text of the page's own, by name, in the user's language.
export function pageText(name: keyof typeof page.texts): string {
  return tr(page.context, page.texts[name]);
}

// A caption with Qt's mnemonic ("Salva &disegno...") as text and access key.
export function mnemonic(caption: string): { text: string; key: string } {
  const at = caption.search(/&[^&]/);
  return at < 0
    ? { text: caption.replace(/&&/g, "&"), key: "" }
    : { text: (caption.slice(0, at) + caption.slice(at + 1)).replace(/&&/g, "&"), key: (caption[at + 1] ?? "").toLowerCase() };
}

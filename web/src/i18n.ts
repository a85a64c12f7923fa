// The user's language and decimal separator, as the desktop takes them from
// the locale: Italian when the first language asked for is Italian, English
// otherwise; the separator of the browser's first language. The English
// texts are the desktop's, converted from translations/*_en.ts at build time.
import catalogue from "../build/generated/translations.json";

export type Language = "it" | "en";

const english: Record<string, Record<string, string>> = catalogue.en;

export function languageOf(languages: readonly string[]): Language {
  return /^it(-|$)/i.test(languages[0] ?? "") ? "it" : "en";
}

export function decimalSeparatorOf(languages: readonly string[]): string {
  let locale: string | undefined = languages[0];
  try {
    new Intl.NumberFormat(locale);
  } catch {
    locale = undefined;
  }
  const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
  return parts.find((part) => part.type === "decimal")?.value ?? ".";
}

const languages = navigator.languages.length > 0 ? navigator.languages : [navigator.language];
export const language: Language = languageOf(languages);
export const decimalSeparator: string = decimalSeparatorOf(languages);

// source in the user's language: itself in Italian, the catalogue's
// translation in English (the source while there is none).
export function tr(context: string, source: string): string {
  return language === "it" ? source : (english[context]?.[source] ?? source);
}

// A caption with Qt's mnemonic ("Salva &disegno...") as text and access key.
export function mnemonic(caption: string): { text: string; key: string } {
  const at = caption.search(/&[^&]/);
  return at < 0
    ? { text: caption.replace(/&&/g, "&"), key: "" }
    : { text: (caption.slice(0, at) + caption.slice(at + 1)).replace(/&&/g, "&"), key: caption.charAt(at + 1).toLowerCase() };
}

// The page's texts in every language from the desktop's Qt Linguist
// catalogues, translations/*_<language>.ts: {language: {key: translation}},
// each text keyed by catalogueKey(context, source), English where a language
// has none. Italian is the source
// language, so it needs no catalogue. Lists the texts the page asks for
// (tr("context", "source") in src/) that a language's catalogues do not
// translate.
import { mkdirSync, readdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { catalogueKey } from "../src/catalogue_key.mjs";

// A string literal of C++ or TypeScript, double-quoted.
const literal = String.raw`"(?:[^"\\]|\\.)*"`;
const entities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };

function unescapeXml(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name.startsWith("#x")) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith("#")) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return entities[name] ?? whole;
  });
}

// Finished translations only: an unfinished, vanished or obsolete entry
// leaves the Italian source, as Qt's translator does. A plural message's
// translation is its forms, in the order of the language's plural rule.
export function parseCatalogue(xml) {
  const catalogue = {};
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescapeXml(/<name>([\s\S]*?)<\/name>/.exec(body)[1]);
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message);
      const translation = /<translation(\s[^>]*)?>([\s\S]*?)<\/translation>/.exec(message);
      if (!source || !translation || /type="(unfinished|vanished|obsolete)"/.test(translation[1] ?? "")) {
        continue;
      }
      const forms = [...translation[2].matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)].map(([, form]) => unescapeXml(form));
      catalogue[name] ??= {};
      catalogue[name][unescapeXml(source[1])] = forms.length > 0 ? forms : unescapeXml(translation[2]);
    }
  }
  return catalogue;
}

// The (context, source) pairs of the tr() calls in the page's sources, the
// source undefined where it is no literal.
function askedTexts(sourceDir) {
  const asked = [];
  for (const file of readdirSync(sourceDir).filter((name) => name.endsWith(".ts"))) {
    const text = readFileSync(join(sourceDir, file), "utf8");
    // A context may be named by a constant of the file: const context = "...".
    const constants = Object.fromEntries([...text.matchAll(/\bconst (\w+) = ("[^"\\]*");/g)].map(([, name, value]) => [name, value]));
    const call = new RegExp(String.raw`\btr(?:Plural)?\(\s*(${literal}|\w+)\s*,\s*(?:(${literal})\s*,?\s*[,)])?`, "g");
    for (const [, context, source] of text.matchAll(call)) {
      const contextLiteral = context.startsWith('"') ? context : constants[context];
      if (contextLiteral) asked.push([JSON.parse(contextLiteral), source === undefined ? undefined : JSON.parse(source)]);
    }
  }
  return asked;
}

// The page's own texts, calc/page_texts.hpp's constants: {name: Italian source}.
// Each is `name = LAVORO1_TRANSLATABLE("web::Page", "..." "...")`, its
// source the concatenated literals.
export const pageContext = "web::Page";

export function pageTexts(header) {
  const texts = {};
  const definition = new RegExp(String.raw`\b(\w+)\s*=\s*LAVORO1_TRANSLATABLE\(\s*${JSON.stringify(pageContext)}\s*,((?:\s*${literal})+)\s*\)`, "g");
  for (const [, name, literals] of header.matchAll(definition)) {
    texts[name] = [...literals.matchAll(new RegExp(literal, "g"))].map(([text]) => JSON.parse(text)).join("");
  }
  return texts;
}

// Qt's plural rules for the languages the page has, as lrelease applies them
// to a catalogue's forms: the form for n. A language with other rules
// needs its own here.
const pluralRules = {
  it: "one",
  en: "one",
  de: "one",
  es: "one",
  el: "one",
  fr: "zeroOne",
};

function pluralRulesOf(tags) {
  return Object.fromEntries(
    tags.map((tag) => {
      if (pluralRules[tag] === undefined) throw new Error(`no plural rule for the language ${tag}`);
      return [tag, pluralRules[tag]];
    }),
  );
}

// The Italian catalogues hold only the plural forms of the sources:
// {key: forms}.
function sourcePluralsIn(translationsDir) {
  const forms = {};
  for (const file of readdirSync(translationsDir).filter((name) => name.endsWith("_it.ts"))) {
    for (const [context, messages] of Object.entries(parseCatalogue(readFileSync(join(translationsDir, file), "utf8")))) {
      for (const [source, translation] of Object.entries(messages)) forms[catalogueKey(context, source)] = translation;
    }
  }
  return forms;
}

// Language tags as the page writes them, from Qt's catalogue names: "en" for
// calc_en.ts, "pt-BR" for calc_pt_BR.ts.
const catalogueLanguage = (file) => /_([a-z]{2,3}(?:_[A-Z]{2}|_[A-Z][a-z]{3})?)\.ts$/.exec(file)?.[1].replace("_", "-");

// Whether the page can ask for source: a literal of its sources, or a text
// of what it carries (the core's .wasm, whose texts the core translates
// through the page's lookup or hands to the page untranslated, as the proven
// series' names); the desktop's others would only weigh on the page.
function carriedBy(source, sources, carried) {
  const escaped = JSON.stringify(source).slice(1, -1);
  return sources.some((text) => text.includes(source) || text.includes(escaped)) || carried.some((file) => file.includes(Buffer.from(source)));
}

const fallbackLanguage = "en";

// A language named in itself, as the page's menu shows it ("Deutsch",
// "Ελληνικά"): found here, once, and not by the browser at every start,
// where each name costs its locale's data.
function nameInItself(tag) {
  const name = new Intl.DisplayNames([tag], { type: "language" }).of(tag) ?? tag;
  if (name === tag) throw new Error(`this Node.js cannot name the language ${tag} (ICU without its data)`);
  return name.charAt(0).toLocaleUpperCase(tag) + name.slice(1);
}

// carriedFiles: the files the page carries whose texts it may ask for.
export function convertTranslations({ translationsDir, sourceDir, pageTextsHeader, carriedFiles, output }) {
  const languages = {};
  for (const file of readdirSync(translationsDir).sort()) {
    const language = catalogueLanguage(file);
    if (!language || language === "it") continue;
    for (const [context, messages] of Object.entries(parseCatalogue(readFileSync(join(translationsDir, file), "utf8")))) {
      languages[language] ??= {};
      languages[language][context] ??= {};
      Object.assign(languages[language][context], messages);
    }
  }
  const page = pageTexts(readFileSync(pageTextsHeader, "utf8"));
  const asked = [...askedTexts(sourceDir), ...Object.values(page).map((source) => [pageContext, source])];
  // Only the contexts the page asks from, and those of the core's own
  // catalogue (runtime/ and calc/), whose texts the core translates.
  const contexts = new Set(asked.map(([context]) => context));
  for (const file of readdirSync(translationsDir).filter((name) => /^calc_.*\.ts$/.test(name))) {
    for (const context of Object.keys(parseCatalogue(readFileSync(join(translationsDir, file), "utf8")))) contexts.add(context);
  }
  const literals = new Set(asked.map(([context, source]) => `${context}\u0004${source}`));
  const sources = readdirSync(sourceDir)
    .filter((name) => name.endsWith(".ts"))
    .map((name) => readFileSync(join(sourceDir, name), "utf8"));
  const carried = carriedFiles.map((file) => readFileSync(file));
  const keyed = new Map();
  const catalogues = {};
  for (const [language, catalogue] of Object.entries(languages)) {
    catalogues[language] = {};
    for (const [context, messages] of Object.entries(catalogue)) {
      if (!contexts.has(context)) continue;
      for (const [source, translation] of Object.entries(messages)) {
        if (!literals.has(`${context}\u0004${source}`) && !carriedBy(source, sources, carried)) continue;
        const key = catalogueKey(context, source);
        const text = `${context}\u0004${source}`;
        if ((keyed.get(key) ?? text) !== text) throw new Error(`two texts of key ${key}: ${JSON.stringify(keyed.get(key))} and ${JSON.stringify(text)}`);
        keyed.set(key, text);
        catalogues[language][key] = translation;
      }
    }
  }
  // English where a language lacks a text, as on the desktop: the page then
  // fetches one catalogue, whatever the language.
  for (const [language, catalogue] of Object.entries(catalogues)) {
    if (language !== fallbackLanguage) catalogues[language] = { ...catalogues[fallbackLanguage], ...catalogue };
  }
  const missing = Object.entries(languages).flatMap(([language, catalogue]) =>
    asked.filter(([context, source]) => source !== undefined && catalogue[context]?.[source] === undefined).map((text) => [language, ...text]),
  );
  mkdirSync(join(output, ".."), { recursive: true });
  const tags = ["it", ...Object.keys(languages)];
  const names = Object.fromEntries(tags.map((tag) => [tag, nameInItself(tag)]));
  const plurals = { plurals: pluralRulesOf(tags), sourcePlurals: sourcePluralsIn(translationsDir) };
  writeFileSync(output, JSON.stringify({ languages: tags, names, ...plurals, catalogues, page: { context: pageContext, texts: page } }));
  return missing;
}

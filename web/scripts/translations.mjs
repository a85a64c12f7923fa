// The page's English texts from the desktop's Qt Linguist catalogues,
// translations/*_en.ts: {context: {source: translation}}. Italian is the
// source language, so it needs no catalogue. Lists the texts the page asks
// for (tr("context", "source") in src/) that no catalogue translates.
import { mkdirSync, readdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";

const entities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };

function unescapeXml(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name.startsWith("#x")) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith("#")) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return entities[name] ?? whole;
  });
}

// Finished translations only: an unfinished, vanished or obsolete entry
// leaves the Italian source, as Qt's translator does.
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
      catalogue[name] ??= {};
      catalogue[name][unescapeXml(source[1])] = unescapeXml(translation[2]);
    }
  }
  return catalogue;
}

// The (context, source) pairs written as literals in the page's sources.
function askedTexts(sourceDir) {
  const asked = [];
  for (const file of readdirSync(sourceDir).filter((name) => name.endsWith(".ts"))) {
    const text = readFileSync(join(sourceDir, file), "utf8");
    // A context may be named by a constant of the file: const context = "...".
    const constants = Object.fromEntries([...text.matchAll(/\bconst (\w+) = ("[^"\\]*");/g)].map(([, name, value]) => [name, value]));
    const literal = String.raw`"(?:[^"\\]|\\.)*"`;
    const call = new RegExp(String.raw`\btr\(\s*(${literal}|\w+)\s*,\s*(${literal})\s*,?\s*\)`, "g");
    for (const [, context, source] of text.matchAll(call)) {
      const contextLiteral = context.startsWith('"') ? context : constants[context];
      if (contextLiteral) asked.push([JSON.parse(contextLiteral), JSON.parse(source)]);
    }
  }
  return asked;
}

export function convertTranslations({ translationsDir, sourceDir, output }) {
  const english = {};
  for (const file of readdirSync(translationsDir)
    .filter((name) => name.endsWith("_en.ts"))
    .sort()) {
    for (const [context, messages] of Object.entries(parseCatalogue(readFileSync(join(translationsDir, file), "utf8")))) {
      english[context] = { ...english[context], ...messages };
    }
  }
  const asked = askedTexts(sourceDir);
  const missing = asked.filter(([context, source]) => english[context]?.[source] === undefined);
  // Only the contexts the page uses: those its TypeScript asks for and those
  // of its core's catalogue (runtime/ and calc/, translated by the core).
  const used = new Set(asked.map(([context]) => context));
  for (const file of readdirSync(translationsDir).filter((name) => /^calc_.*\.ts$/.test(name))) {
    for (const context of Object.keys(parseCatalogue(readFileSync(join(translationsDir, file), "utf8")))) used.add(context);
  }
  const page = Object.fromEntries(Object.entries(english).filter(([context]) => used.has(context)));
  mkdirSync(join(output, ".."), { recursive: true });
  writeFileSync(output, JSON.stringify({ en: page }));
  return missing;
}

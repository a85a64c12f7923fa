// The key of a text in the page's catalogues: a 32-bit FNV-1a hash of its
// context and Italian source (UTF-16 code units), in base 36. The catalogues
// carry keys instead of the sources, which the page has already, at a
// fraction of their size; the build refuses two texts of the same key.
export function catalogueKey(context, source) {
  const text = `${context}\u0004${source}`;
  let hash = 0x811c9dc5;
  for (let i = 0; i < text.length; ++i) hash = Math.imul(hash ^ text.charCodeAt(i), 0x01000193);
  return (hash >>> 0).toString(36);
}

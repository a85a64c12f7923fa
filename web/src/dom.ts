// Small helpers for building the page's elements.
export function element<K extends keyof HTMLElementTagNameMap>(tag: K, attributes: Record<string, string> = {}, text = ""): HTMLElementTagNameMap[K] {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  if (text) made.textContent = text;
  return made;
}

// The page's element of that id, which index.html or a face made.
export function byId(id: string): HTMLElement {
  const found = document.getElementById(id);
  if (!found) throw new Error(`the page has no #${id}`);
  return found;
}

const svgNamespace = "http://www.w3.org/2000/svg";

export function svgElement(tag: string, attributes: Record<string, string | number> = {}, text = ""): SVGElement {
  const made = document.createElementNS(svgNamespace, tag) as SVGElement;
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, String(value));
  if (text) made.textContent = text;
  return made;
}

// Coordinates x, y, x, y... as an SVG points list, offset by (dx, dy).
export function pointsText(coordinates: ArrayLike<number>, dx = 0, dy = 0): string {
  let text = "";
  for (let i = 0; i + 1 < coordinates.length; i += 2) {
    text += `${((coordinates[i] ?? 0) + dx).toFixed(2)},${((coordinates[i + 1] ?? 0) + dy).toFixed(2)} `;
  }
  return text;
}

// parent's children made like next: a node of the same kind in the same
// place is kept, and only its attributes and texts that differ are changed,
// so that the browser styles and lays out again only what changed; the
// others are put in or taken out.
export function patchChildren(parent: Element, next: readonly Node[]): void {
  next.forEach((wanted, i) => {
    const present = parent.childNodes[i];
    if (present === undefined) {
      parent.append(wanted);
    } else if (present.nodeName !== wanted.nodeName || present.nodeType !== wanted.nodeType) {
      present.replaceWith(wanted);
    } else if (present instanceof Element && wanted instanceof Element) {
      patchAttributes(present, wanted);
      patchChildren(present, Array.from(wanted.childNodes));
    } else if (present.nodeValue !== wanted.nodeValue) {
      present.nodeValue = wanted.nodeValue;
    }
  });
  while (parent.childNodes.length > next.length) parent.lastChild?.remove();
}

function patchAttributes(present: Element, wanted: Element): void {
  for (const { name, value } of Array.from(wanted.attributes)) {
    if (present.getAttribute(name) !== value) present.setAttribute(name, value);
  }
  for (const name of present.getAttributeNames()) {
    if (!wanted.hasAttribute(name)) present.removeAttribute(name);
  }
}

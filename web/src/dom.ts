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

// What a view is made of before it is in the page: an element's namespace,
// tag, attributes and children, or a text. Views describe themselves in
// shapes at every step, which costs little, and patchChildren brings the
// page's elements in line with them.
export interface Shape {
  readonly namespace: string;
  readonly tag: string;
  readonly attributes: Readonly<Record<string, string | number>>;
  readonly children: readonly Content[];
}
export type Content = Shape | string;

const mathNamespace = "http://www.w3.org/1998/Math/MathML";
const htmlNamespace = "http://www.w3.org/1999/xhtml";

export function svgShape(tag: string, attributes: Record<string, string | number> = {}, ...children: Content[]): Shape {
  return { namespace: svgNamespace, tag, attributes, children };
}

export function htmlShape(tag: string, attributes: Record<string, string | number> = {}, ...children: Content[]): Shape {
  return { namespace: htmlNamespace, tag, attributes, children };
}

export function mathShape(tag: string, attributes: Record<string, string | number> = {}, ...children: Content[]): Shape {
  return { namespace: mathNamespace, tag, attributes, children };
}

// The node content describes, made afresh.
export function made(content: Content): Node {
  if (typeof content === "string") return document.createTextNode(content);
  const node = document.createElementNS(content.namespace, content.tag);
  for (const [name, value] of Object.entries(content.attributes)) node.setAttribute(name, String(value));
  for (const child of content.children) node.append(made(child));
  return node;
}

// parent's children made like next: an element of the same tag in the same
// place is kept, and only its attributes and texts that differ are changed,
// so that the browser styles and lays out again only what changed; the
// others are put in or taken out.
export function patchChildren(parent: Element, next: readonly Content[]): void {
  let present = parent.firstChild;
  for (const wanted of next) {
    if (present === null) {
      parent.append(made(wanted));
      continue;
    }
    const following = present.nextSibling;
    if (typeof wanted === "string" && present.nodeType === Node.TEXT_NODE) {
      if (present.nodeValue !== wanted) present.nodeValue = wanted;
    } else if (typeof wanted !== "string" && present instanceof Element && present.localName === wanted.tag && present.namespaceURI === wanted.namespace) {
      patchAttributes(present, wanted.attributes);
      patchChildren(present, wanted.children);
    } else {
      present.replaceWith(made(wanted));
    }
    present = following;
  }
  while (present !== null) {
    const following: ChildNode | null = present.nextSibling;
    present.remove();
    present = following;
  }
}

function patchAttributes(present: Element, wanted: Readonly<Record<string, string | number>>): void {
  for (const name of present.getAttributeNames()) {
    if (!Object.hasOwn(wanted, name)) present.removeAttribute(name);
  }
  setChangedAttributes(present, wanted);
}

// The attributes of wanted that present does not have yet, set; the others
// left alone. Setting even the same value anew makes the browser lay the
// element out again, and an SVG's whole picture with its viewBox.
export function setChangedAttributes(present: Element, wanted: Readonly<Record<string, string | number>>): void {
  for (const [name, value] of Object.entries(wanted)) {
    const text = String(value);
    if (present.getAttribute(name) !== text) present.setAttribute(name, text);
  }
}

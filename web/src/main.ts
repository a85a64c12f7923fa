// The page: what it is, Form1 and Esplora over the core compiled to
// WebAssembly, in the user's language, its state in the address; installable
// and working offline once visited.
import createCore, { type Core } from "lavoro1-core";
import { AddressKeeper, addressHash, type PageAddress, readAddress } from "./address";
import { byId, element } from "./dom";
import { createEsplora, type Esplora, stepEvent } from "./esplora";
import { computedEvent, createForm1 } from "./form1";
import { chooseLanguage, decimalSeparator, language, loadCatalogues, pageText, tr } from "./i18n";
import { createLanguageMenu } from "./language_menu";
import { createMessageBox } from "./message_box";
import "./style.css";

// The core's .wasm, gzip-compressed and in base64, when the build inlines it
// (lavoro1.html); empty when it is a file beside the page.
declare const inlineCore: string;

const app = byId("app");
// What the HTML shows until the page is built: the loading texts and the
// message that the core could not be loaded, in every language.
const boot = byId("boot");

async function loadCore(): Promise<Core> {
  const core = await (inlineCore ? createCore({ wasmBinary: await inflatedCore() }) : createCore());
  return core;
}

async function inflatedCore(): Promise<Uint8Array> {
  const compressed = new Blob([Uint8Array.from(atob(inlineCore), (character) => character.charCodeAt(0))]);
  const wasm = await new Response(compressed.stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
  return new Uint8Array(wasm);
}

function showLoadFailure(error: unknown): void {
  console.error(error);
  chooseLanguage(readAddress(location.hash).language);
  for (const text of boot.querySelectorAll("[lang]")) {
    if (text.getAttribute("lang") !== language) text.remove();
  }
  app.replaceChildren(boot);
  document.documentElement.classList.add("failed");
}

// The files of the page that its worker keeps offline only when asked (a
// language's catalogue), asked for when no cache has them: on the first
// visit, fetched before the worker was there, and after a change of
// language. The check reads the caches alone, so that a visit whose files
// are all kept does not start the worker.
function keepOffline(files: readonly string[]): void {
  if (inlineCore || !("serviceWorker" in navigator)) return;
  for (const file of files) {
    caches
      .match(file)
      .then(async (kept) => {
        if (!kept) (await navigator.serviceWorker.ready).active?.postMessage({ keep: file });
      })
      .catch((error: unknown) => console.warn("Lavoro1 offline:", error));
  }
}

// The link to what the page shows, copied; false when the browser refused.
async function copyLink(hash: string): Promise<boolean> {
  const link = new URL(location.href);
  link.hash = hash;
  try {
    await navigator.clipboard.writeText(link.href);
    return true;
  } catch {
    return false;
  }
}

function pageHeader(copy: () => Promise<boolean>, onLanguage: (tag: string) => void): HTMLElement {
  const header = element("header", { class: "page-header" });
  const status = element("span", { id: "copyStatus", role: "status" });
  const copyButton = element("button", { id: "copyLink", type: "button", class: "page-tool" }, pageText("copyLink"));
  copyButton.addEventListener("click", async () => {
    status.textContent = pageText((await copy()) ? "linkCopied" : "linkNotCopied");
  });
  const tools = element("div", { class: "page-tools" });
  tools.append(createLanguageMenu(onLanguage), copyButton, status);
  header.append(element("h1", {}, pageText("title")), element("p", { class: "introduction" }, pageText("introduction")), tools);
  return header;
}

// The page's state, kept in the address: the step Esplora shows and the
// language the user chose (undefined while the browser's holds). Form1 and
// Esplora never see each other; this wires them.
class Page {
  private readonly keeper = new AddressKeeper();
  private chosenLanguage: string | undefined;
  private shownStep: number;
  private defaultStep: number;
  private esplora: Esplora | undefined;
  // Whether the page itself moves Esplora, as the address asks or after Form1.
  private moving = false;

  constructor(private readonly core: Core) {
    const opened = readAddress(location.hash);
    this.chosenLanguage = opened.language;
    this.defaultStep = core.pageView(decimalSeparator).defaultStep;
    this.shownStep = opened.step ?? this.defaultStep;
    window.addEventListener("popstate", () => void this.follow(readAddress(location.hash)));
  }

  static async open(core: Core): Promise<Page> {
    const page = new Page(core);
    // The button has the focus when the window opens, as on the desktop; the
    // page stays at its top.
    await page.build({ id: "Command1", preventScroll: true });
    return page;
  }

  private hash(): string {
    return addressHash(this.shownStep, this.chosenLanguage);
  }

  private show(step: number): void {
    this.moving = true;
    this.esplora?.setStep(step);
    this.moving = false;
  }

  // Both windows and the header made afresh in the chosen language; focused,
  // the element that takes the focus. It is given before Esplora draws its
  // step, so that the page is laid out once for both.
  private async build(focused?: { id: string; preventScroll: boolean }): Promise<void> {
    chooseLanguage(this.chosenLanguage);
    keepOffline(await loadCatalogues(language));
    document.documentElement.lang = language;
    // The core's texts come out in the language chosen.
    this.core.setLanguage(tr);
    document.title = pageText("title");
    const view = this.core.pageView(decimalSeparator);
    this.defaultStep = view.defaultStep;
    const form1 = createForm1(this.core, view);
    const esplora = createEsplora(this.core, view);
    this.esplora = esplora;
    form1.addEventListener(computedEvent, (event) => {
      this.show((event as CustomEvent<number>).detail);
      this.keeper.commit(this.hash());
    });
    esplora.section.addEventListener(stepEvent, (event) => {
      this.shownStep = (event as CustomEvent<number>).detail;
      if (!this.moving) this.keeper.move(this.hash());
    });
    esplora.section.addEventListener("change", () => this.keeper.settle());
    const header = pageHeader(
      () => copyLink(this.hash()),
      (tag) => void this.chooseLanguage(tag),
    );
    app.replaceChildren(header, form1, esplora.section, createMessageBox());
    if (focused !== undefined) byId(focused.id).focus({ preventScroll: focused.preventScroll });
    this.show(this.shownStep);
  }

  // A language whose catalogue cannot be fetched (offline, before it was
  // ever shown) leaves the page, its menu and the address as they were.
  private async chooseLanguage(tag: string): Promise<void> {
    try {
      await loadCatalogues(tag);
    } catch (error) {
      console.warn("Lavoro1:", error);
      (byId("languageMenu") as HTMLSelectElement).value = language;
      return;
    }
    this.chosenLanguage = tag;
    this.keeper.commit(this.hash());
    await this.build({ id: "languageMenu", preventScroll: false });
  }

  // Back and forward: the address's step and language.
  private async follow(address: PageAddress): Promise<void> {
    this.keeper.followed();
    this.shownStep = address.step ?? this.defaultStep;
    if (address.language === this.chosenLanguage) {
      this.show(this.shownStep);
    } else {
      this.chosenLanguage = address.language;
      await this.build();
    }
  }
}

try {
  // The core fetched and compiled while the language and its texts are found.
  const coreLoaded = loadCore();
  chooseLanguage(readAddress(location.hash).language);
  const [core] = await Promise.all([coreLoaded, loadCatalogues(language)]);
  await Page.open(core);
  document.body.dataset.ready = "true";
  // When the page answers: what bench/bench.mjs measures from navigation.
  performance.mark("lavoro1-ready");
  // Each load asks whether a new build is out, so that it shows on the next;
  // the first, which the worker does not control yet, has just fetched it.
  if (!inlineCore && "serviceWorker" in navigator) {
    navigator.serviceWorker
      .register("sw.js")
      .then((registration) => navigator.serviceWorker.controller && registration.update())
      .catch((error: unknown) => console.warn("Lavoro1 offline:", error));
  }
} catch (error) {
  showLoadFailure(error);
}

// The page: what it is, Form1 and Esplora over the core compiled to
// WebAssembly, in the user's language, its state in the address; installable
// and working offline once visited.
import createCore, { type Core } from "lavoro1-core";
import { AddressKeeper, addressHash, readAddress } from "./address";
import { element } from "./dom";
import { createEsplora, stepEvent, type Esplora } from "./esplora";
import { computedEvent, createForm1 } from "./form1";
import { chooseLanguage, language, pageText } from "./i18n";
import { createLanguageMenu } from "./language_menu";
import { createMessageBox } from "./message_box";
import "./style.css";

// The core's .wasm in base64 when the build inlines it (lavoro1.html), empty
// when it is a file beside the page.
declare const inlineCore: string;

const app = document.getElementById("app")!;
// What the HTML shows until the page is built: the loading texts and the
// message that the core could not be loaded, in every language.
const boot = document.getElementById("boot")!;

async function loadCore(): Promise<Core> {
  if (!inlineCore) return createCore();
  return createCore({ wasmBinary: Uint8Array.from(atob(inlineCore), (character) => character.charCodeAt(0)) });
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

function pageHeader(copyLink: () => Promise<boolean>, onLanguage: (tag: string) => void): HTMLElement {
  const header = element("header", { class: "page-header" });
  const status = element("span", { id: "copyStatus", role: "status" });
  const copy = element("button", { id: "copyLink", type: "button", class: "page-tool" }, pageText("copyLink"));
  copy.addEventListener("click", async () => {
    status.textContent = pageText((await copyLink()) ? "linkCopied" : "linkNotCopied");
  });
  const tools = element("div", { class: "page-tools" });
  tools.append(createLanguageMenu(onLanguage), copy, status);
  header.append(element("h1", {}, pageText("title")), element("p", { class: "introduction" }, pageText("introduction")), tools);
  return header;
}

function startPage(core: Core): void {
  const keeper = new AddressKeeper();
  const opened = readAddress(location.hash);
  // The language the user chose, by the address or the menu; undefined
  // while the browser's holds.
  let chosenLanguage = opened.language;
  let shownStep = opened.step ?? core.defaultExploreStep();
  let esplora: Esplora;
  // Whether the page itself moves Esplora, as the address asks or after Form1.
  let moving = false;
  const show = (step: number) => {
    moving = true;
    esplora.setStep(step);
    moving = false;
  };
  const hash = () => addressHash(shownStep, chosenLanguage);

  const copyLink = async () => {
    const link = new URL(location.href);
    link.hash = hash();
    try {
      await navigator.clipboard.writeText(link.href);
      return true;
    } catch {
      return false;
    }
  };
  const build = () => {
    chooseLanguage(chosenLanguage);
    document.documentElement.lang = language;
    document.title = pageText("title");
    const form1 = createForm1(core);
    esplora = createEsplora(core);
    form1.addEventListener(computedEvent, (event) => {
      show((event as CustomEvent<number>).detail);
      keeper.commit(hash());
    });
    esplora.section.addEventListener(stepEvent, (event) => {
      shownStep = (event as CustomEvent<number>).detail;
      if (!moving) keeper.move(hash());
    });
    esplora.section.addEventListener("change", () => keeper.settle());
    const header = pageHeader(copyLink, (tag) => {
      chosenLanguage = tag;
      keeper.commit(hash());
      build();
      document.getElementById("languageMenu")!.focus();
    });
    app.replaceChildren(header, form1, esplora.section, createMessageBox());
    show(shownStep);
  };
  window.addEventListener("popstate", () => {
    keeper.settle();
    const address = readAddress(location.hash);
    shownStep = address.step ?? core.defaultExploreStep();
    if (address.language === chosenLanguage) {
      show(shownStep);
    } else {
      chosenLanguage = address.language;
      build();
    }
  });
  build();
}

try {
  startPage(await loadCore());
  // The button has the focus when the window opens, as on the desktop.
  document.getElementById("Command1")!.focus();
  document.body.dataset.ready = "true";
  // When the page answers: what bench/bench.mjs measures from navigation.
  performance.mark("lavoro1-ready");
  // Each load asks whether a new build is out, so that it shows on the next.
  if (!inlineCore && "serviceWorker" in navigator) {
    navigator.serviceWorker
      .register("sw.js")
      .then((registration) => registration.update())
      .catch((error: unknown) => console.info("Lavoro1 offline:", error));
  }
} catch (error) {
  showLoadFailure(error);
}

// The page: Form1 and Esplora over the core compiled to WebAssembly, in the
// user's language.
import createCore from "lavoro1-core";
import { byId } from "./dom";
import { createEsplora } from "./esplora";
import { createForm1 } from "./form1";
import { language, tr } from "./i18n";
import { createMessageBox } from "./message_box";
import "./style.css";

const core = await createCore();
// The core's texts come out in the page's language.
core.setTranslator(tr);
document.documentElement.lang = language;
const app = byId("app");
const form1 = createForm1(core);
const esplora = createEsplora(core);
app.replaceChildren(form1, esplora.section, createMessageBox());
esplora.setStep(core.defaultExploreStep());
// The button has the focus when the window opens, as on the desktop.
byId("Command1").focus();
document.body.dataset.ready = "true";
// When the page answers: what bench/bench.mjs measures from navigation.
performance.mark("lavoro1-ready");

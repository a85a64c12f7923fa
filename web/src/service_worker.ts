// The page offline: the files of the page that every visit needs, and the
// catalogue of each language the page has shown, kept in a cache named for
// the build (cacheVersion, defined by scripts/service_worker.mjs with the
// page's files and their hashes, pageFiles) and answered from it. A file is
// kept only when its content is this build's: a copy from the browser's
// HTTP cache or a proxy that is another build's is fetched again from the
// server, and when the server too answers another build's (being updated,
// say), the install fails and the older worker keeps its whole build. A new
// build's worker takes over at once and drops the older caches, so that the
// next load is the new version whole; the load under way keeps the files it
// already has.
// Where the browser has a router for service workers, the page's files are
// routed to the cache at install: they are then answered without this
// script, even while the worker is stopped, as it is on a visit after some
// idle time, which saves starting it (20 ms here). The fetch listener
// answers what the routes do not take: an address with a query, and every
// request in other browsers.
export {};

declare const cacheVersion: string;
// Each file of the page at its address relative to the worker, with the
// SHA-256 of its content in hexadecimal.
declare const pageFiles: Record<string, string>;
// Those that every visit needs, kept at install.
declare const precached: string[];

// What the page's worker uses of the service worker's scope; the DOM's
// library, which the rest of the page is checked against, does not have it.
interface ExtendableEvent extends Event {
  waitUntil(work: Promise<unknown>): void;
}
// The router's rules, as far as the page uses them; the install event has
// addRoutes only in the browsers that route.
interface RouterRule {
  condition: { urlPattern: URLPattern; requestMethod: string };
  source: { cacheName: string };
}
interface InstallEvent extends ExtendableEvent {
  addRoutes?(rules: RouterRule[]): Promise<void>;
}
declare class URLPattern {
  constructor(init: { pathname: string; search: string; baseURL: string });
}
interface FetchEvent extends ExtendableEvent {
  readonly request: Request;
  respondWith(response: Promise<Response>): void;
}
interface ExtendableMessageEvent extends ExtendableEvent {
  readonly data: unknown;
}
interface WorkerScope {
  skipWaiting(): Promise<void>;
  readonly clients: { claim(): Promise<void> };
  addEventListener(type: "install", listener: (event: InstallEvent) => void): void;
  addEventListener(type: "activate", listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (event: FetchEvent) => void): void;
  addEventListener(type: "message", listener: (event: ExtendableMessageEvent) => void): void;
}

const worker = self as unknown as WorkerScope;
const cachePrefix = "lavoro1-";
const cacheName = cachePrefix + cacheVersion;

// Each file of the page at its own address, with no query; what a URL
// pattern would read as syntax in the folder's name is escaped. A file not
// in the cache (a catalogue not yet kept) is fetched from the network.
function cachedRoutes(): RouterRule[] {
  return Object.keys(pageFiles).map((file) => ({
    condition: {
      urlPattern: new URLPattern({
        pathname: new URL(file, location.href).pathname.replace(/[\\*+?:(){}]/g, "\\$&"),
        search: "",
        baseURL: location.href,
      }),
      requestMethod: "GET",
    },
    source: { cacheName },
  }));
}

// Without routes the fetch listener answers all: a refusal must not stop
// the install.
function routeToCache(event: InstallEvent): void {
  const refused = (error: unknown) => console.warn("Lavoro1 routes:", error);
  if (!event.addRoutes || typeof URLPattern !== "function") return;
  try {
    event.waitUntil(event.addRoutes(cachedRoutes()).catch(refused));
  } catch (error) {
    refused(error);
  }
}

async function sha256(content: ArrayBuffer): Promise<string> {
  const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", content));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
}

interface Verified {
  content: ArrayBuffer;
  type: string;
}

// A file of the page as this build has it: as the browser's HTTP cache
// keeps it when that copy is this build's, else fetched from the server
// past that cache; an error when the server's is not this build's either.
async function fetchVerified(file: string): Promise<Verified> {
  for (const cache of ["default", "reload"] as const) {
    const answer = await fetch(file, { cache });
    const content = await answer.arrayBuffer();
    if (answer.ok && (await sha256(content)) === pageFiles[file]) return { content, type: answer.headers.get("Content-Type") ?? "" };
  }
  throw new Error(`${file} is not that of the build ${cacheVersion}`);
}

// A new response each time: a body is read once.
const response = ({ content, type }: Verified) => new Response(content, { headers: { "Content-Type": type } });

// The page's files that an older build's cache holds (the catalogues of the
// languages shown), so that the new build keeps them too.
async function keptBefore(): Promise<string[]> {
  const addresses = new Map(Object.keys(pageFiles).map((file) => [new URL(file, location.href).href, file]));
  const kept: string[] = [];
  for (const name of (await caches.keys()).filter((name) => name.startsWith(cachePrefix))) {
    for (const request of await (await caches.open(name)).keys()) {
      const file = addresses.get(request.url);
      if (file !== undefined) kept.push(file);
    }
  }
  return kept;
}

// Every file verified before any is kept; the same content ("./" and
// index.html) fetched once.
async function install(): Promise<void> {
  const files = [...new Set([...precached, ...(await keptBefore())])];
  const fetched = new Map<string, Promise<Verified>>();
  const fetchOnce = (file: string) => {
    const hash = pageFiles[file] ?? file;
    const got = fetched.get(hash) ?? fetchVerified(file);
    fetched.set(hash, got);
    return got;
  };
  const verified = await Promise.all(files.map(async (file) => [file, await fetchOnce(file)] as const));
  const cache = await caches.open(cacheName);
  await Promise.all(verified.map(([file, content]) => cache.put(file, response(content))));
}

worker.addEventListener("install", (event) => {
  routeToCache(event);
  event.waitUntil(install().then(() => worker.skipWaiting()));
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith(cachePrefix) && name !== cacheName).map((name) => caches.delete(name))))
      .then(() => worker.clients.claim()),
  );
});

// The page asks for its catalogue to be kept ({ keep: "i18n-en.json" }):
// the one it fetched before the worker was there, or that of a language
// chosen since. Only the page's own files are fetched.
worker.addEventListener("message", (event) => {
  const file = (event.data as { keep?: unknown } | null)?.keep;
  if (typeof file !== "string" || !Object.hasOwn(pageFiles, file)) return;
  event.waitUntil(
    caches
      .open(cacheName)
      .then(async (cache) => (await cache.match(file)) ?? cache.put(file, response(await fetchVerified(file))))
      .catch((error: unknown) => console.warn("Lavoro1 offline:", error)),
  );
});

// The cache opened once for all the page's requests while the worker runs.
let opened: Promise<Cache> | undefined;

worker.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  opened ??= caches.open(cacheName);
  event.respondWith(opened.then(async (cache) => (await cache.match(event.request, { ignoreSearch: true })) ?? fetch(event.request)));
});

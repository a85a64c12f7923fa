// The page offline: every file of the page kept in a cache named for the
// build (cacheVersion, defined by scripts/build.mjs with the list of files,
// pageFiles) and answered from it. A new build's worker takes over at once
// and drops the older caches, so that the next load is the new version whole;
// the load under way keeps the files it already has.
// Where the browser has a router for service workers, the page's files are
// routed to the cache at install: they are then answered without this
// script, even while the worker is stopped, as it is on a visit after some
// idle time, which saves starting it (20 ms here). The fetch listener
// answers what the routes do not take: an address with a query, and every
// request in other browsers.
export {};

declare const cacheVersion: string;
declare const pageFiles: string[];

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
interface WorkerScope {
  skipWaiting(): Promise<void>;
  readonly clients: { claim(): Promise<void> };
  addEventListener(type: "install", listener: (event: InstallEvent) => void): void;
  addEventListener(type: "activate", listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (event: FetchEvent) => void): void;
}

const worker = self as unknown as WorkerScope;
const cachePrefix = "lavoro1-";
const cacheName = cachePrefix + cacheVersion;

// Each file of the page at its own address, with no query; what a URL
// pattern would read as syntax in the folder's name is escaped.
function cachedRoutes(): RouterRule[] {
  return pageFiles.map((file) => ({
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

worker.addEventListener("install", (event) => {
  routeToCache(event);
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(pageFiles))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith(cachePrefix) && name !== cacheName).map((name) => caches.delete(name))))
      .then(() => worker.clients.claim()),
  );
});

// The cache opened once for all the page's requests while the worker runs.
let opened: Promise<Cache> | undefined;

worker.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  opened ??= caches.open(cacheName);
  event.respondWith(opened.then(async (cache) => (await cache.match(event.request, { ignoreSearch: true })) ?? fetch(event.request)));
});

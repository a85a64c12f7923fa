// The page offline: every file of the page kept in a cache named for the
// build (cacheVersion, defined by scripts/build.mjs with the list of files,
// pageFiles) and answered from it. A new build's worker takes over at once
// and drops the older caches, so that the next load is the new version whole;
// the load under way keeps the files it already has.
export {};

declare const cacheVersion: string;
declare const pageFiles: string[];

// What the page's worker uses of the service worker's scope; the DOM's
// library, which the rest of the page is checked against, does not have it.
interface ExtendableEvent extends Event {
  waitUntil(work: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  readonly request: Request;
  respondWith(response: Promise<Response>): void;
}
interface WorkerScope {
  skipWaiting(): Promise<void>;
  readonly clients: { claim(): Promise<void> };
  addEventListener(type: "install" | "activate", listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (event: FetchEvent) => void): void;
}

const worker = self as unknown as WorkerScope;
const cachePrefix = "lavoro1-";
const cacheName = cachePrefix + cacheVersion;

worker.addEventListener("install", (event) => {
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

// Keeps the page working offline: every file of the site is cached at installation;
// requests go to the network first, so an update shows at once, and fall back to the
// cache when the network is not there.
const CACHE = "tovalo-v1";
const FILES = ["./", "index.html", "style.css", "app.js", "storage.js", "tovalo.js", "tovalo.wasm",
               "manifest.webmanifest", "tovalo.svg"];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
    self.skipWaiting();
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(fetch(event.request)
        .then((response) => {
            if (response.ok) {
                const copy = response.clone();
                caches.open(CACHE).then((cache) => cache.put(event.request, copy));
            }
            return response;
        })
        .catch(() => caches.match(event.request, { ignoreSearch: true })));
});

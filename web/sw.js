// Keeps the calculator working offline: every file of the page is stored on
// installation; requests are answered from the store at once and the store is
// refreshed from the network behind them, so a new version shows on the next
// visit.
'use strict';
const STORE = 'flange-weight-2';
const FILES = [
  './', 'index.html', 'manifest.webmanifest',
  'flange.png', 'flange@1.25x.png', 'flange@1.5x.png', 'flange@1.75x.png', 'flange@2x.png',
  'flange@2.5x.png', 'flange@3x.png',
  'flange_icon_24.png', 'flange_icon_48.png', 'flange_icon_256.png',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(STORE).then((store) => store.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n !== STORE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(STORE).then(async (store) => {
    const stored = await store.match(request, {ignoreSearch: true});
    const fresh = fetch(request)
      .then((response) => {
        if (response.ok) store.put(request, response.clone());
        return response;
      });
    if (stored) {
      event.waitUntil(fresh.catch(() => {}));
      return stored;
    }
    return fresh;
  }));
});

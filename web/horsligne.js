// Keeps LUMOR playable offline. At install, every file the page needs goes into
// a cache named after their contents (the build writes the name and the list);
// every request is then answered from it first. A new build is a new name: its
// worker fills a cache of its own and waits, the page lets it take over before
// loading anything (see index.html), and it deletes the caches of older builds.
// No page ever gets files from two builds.
const prefixe = `lumor5 ${self.registration.scope} `;
const cache = prefixe + '@VERSION@';
const fichiers = [@FICHIERS@];

// 'no-cache': asked of the host again, not taken from the browser's own cache,
// which may still hold an older build's file.
self.addEventListener('install', (e) => e.waitUntil(caches.open(cache).then((c) =>
  c.addAll(fichiers.map((f) => new Request(f, { cache: 'no-cache' }))))));

self.addEventListener('activate', (e) => e.waitUntil(caches.keys().then((noms) =>
  Promise.all(noms.filter((n) => n.startsWith(prefixe) && n !== cache).map((n) => caches.delete(n))))));

self.addEventListener('message', (e) => e.data === 'prends' && e.waitUntil(self.skipWaiting()));

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(cache).then((c) => c.match(e.request, { ignoreSearch: true }))
    .then((r) => r || fetch(e.request)));
});

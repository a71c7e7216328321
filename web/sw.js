// Keeps the site for playing without a network. Each build has a cache of its own, filled when
// the build's worker installs; a new build's worker takes over at once and removes the old
// cache. Built into the site by MakeSite.cmake, which fills in the build and its files.
"use strict";

const build = "@BUILD@";
const cacheName = "quorvellan-" + build;
// What the game needs to start; pieces of music and art fetched later join as they come.
const startFiles = @START_FILES@;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(startFiles))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("quorvellan-") && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page itself comes from the network when there is one, so a new build is seen at once, and
// from the cache when not. Everything else the cache answers when it has it; what it lacks is
// fetched, and kept when it is this build's (its address carries ?v= and the build).
self.addEventListener("fetch", (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== location.origin) return;
  if (request.mode === "navigate") {
    event.respondWith(fetch(request).catch(() => caches.match("./", { cacheName })));
    return;
  }
  event.respondWith(caches.open(cacheName).then(async (cache) => {
    const kept = await cache.match(request);
    if (kept) return kept;
    const response = await fetch(request);
    if (response.ok && url.searchParams.get("v") === build) await cache.put(request, response.clone());
    return response;
  }));
});

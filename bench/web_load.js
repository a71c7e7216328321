// The web edition's weight: the bytes downloaded until its menu can be used, on a first visit
// and on a return visit (the service worker's cache), and the time to that menu over a 10 Mbit/s
// link (Chromium's network emulation, with LATENCY_MS of round trip, default 40). Serves
// build-web/site itself.
"use strict";
const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const { root, launchBrowser, Game } = require("../tests/web/browser.js");

const site = path.join(root, "build-web/site");
const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
                ".png": "image/png", ".ttf": "font/ttf", ".ogg": "audio/ogg", ".txt": "text/plain",
                ".webmanifest": "application/manifest+json", ".data": "application/octet-stream" };
const megabit = 1e6 / 8;

// Every response's bytes, by path, since the last reset.
let sent = new Map();
function serve() {
  const server = http.createServer((request, response) => {
    let file = decodeURIComponent(new URL(request.url, "http://x").pathname);
    if (file.endsWith("/")) file += "index.html";
    const full = path.join(site, path.normalize(file));
    if (!full.startsWith(site) || !fs.existsSync(full) || !fs.statSync(full).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const body = fs.readFileSync(full);
    response.writeHead(200, { "Content-Type": types[path.extname(full)] || "application/octet-stream",
                              "Content-Length": body.length, "Cache-Control": "no-cache" });
    response.end(body);
    sent.set(file, (sent.get(file) || 0) + body.length);
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

const kB = (bytes) => `${(bytes / 1000).toFixed(0)} kB`;

// What the page has downloaded completely, by path: its own account (Resource Timing), which
// the emulation paces. The server's count runs ahead of it, as the emulation holds back what
// the server has sent; but only the server sees what a service worker fetches.
async function pageDownloads(page) {
  return new Map(await page.evaluate(() => performance.getEntriesByType("navigation")
    .concat(performance.getEntriesByType("resource"))
    .filter((entry) => entry.name.startsWith(location.origin) && entry.transferSize > 0)
    .map((entry) => [new URL(entry.name).pathname, entry.transferSize])));
}

// Counted by the page on a first visit, by the server on a return visit (the service worker
// answers the page then).
async function visit(game, url, what, countedBy) {
  sent = new Map();
  const start = Date.now();
  await game.page.goto(url);
  await game.waitFor("the splash", () => game.page.locator("#loading").isHidden(), 60000);
  const splash = (Date.now() - start) / 1000;
  await game.waitFor("the menu", () => game.inMenu(), 60000);
  const seconds = (Date.now() - start) / 1000;
  const downloads = countedBy === "page" ? await pageDownloads(game.page) : new Map(sent);
  const before = [...downloads.values()].reduce((a, b) => a + b, 0);
  const parts = [...downloads].sort((a, b) => b[1] - a[1])
    .map(([file, bytes]) => `${file.slice(1) || "index.html"} ${kB(bytes)}`);
  console.log(`${what}: the splash after ${splash.toFixed(1)} s, the menu after ${seconds.toFixed(1)} s, ` +
              `${kB(before)} downloaded before it`);
  console.log(`  ${parts.join(", ") || "nothing"}`);
}

(async () => {
  const server = await serve();
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await launchBrowser();
  try {
    const game = new Game(browser.context.pages()[0] || await browser.context.newPage());
    const cdp = await browser.context.newCDPSession(game.page);
    await cdp.send("Network.enable");
    await cdp.send("Network.emulateNetworkConditions", {
      offline: false, latency: Number(process.env.LATENCY_MS || 40),
      downloadThroughput: 10 * megabit, uploadThroughput: 5 * megabit });
    console.log("Over 10 Mbit/s:");
    await visit(game, url, "first visit", "page");
    // The service worker keeps the site once the menu shows; music follows when heard.
    await game.waitFor("the service worker", () => game.page.evaluate(() => Module.qvKeptOffline === true), 60000);
    sent = new Map();
    await game.page.goto("about:blank");
    await visit(game, url, "return visit", "server");
    // With music switched off nothing of it is fetched.
    await game.key("m");
    await game.page.goto("about:blank");
    await visit(game, url, "return visit, music off", "server");
    await game.page.waitForTimeout(3000);
    const music = [...sent].filter(([file]) => file.startsWith("/music/")).reduce((a, [, b]) => a + b, 0);
    console.log(`  music fetched within 3 s after the menu: ${kB(music)}`);
  } finally {
    await browser.close();
    server.close();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});

// What the browser tests and the idle benchmark share: the site served on 127.0.0.1 by the
// player's own command (tools/web.sh --serve), Debian's chromium driven by playwright-core, and
// the game's 800 by 600 canvas addressed in its own pixels, whatever size the page gives it.
"use strict";
const { spawn } = require("node:child_process");
const fs = require("node:fs");
const net = require("node:net");
const os = require("node:os");
const path = require("node:path");
const { chromium } = require("playwright-core");

const root = path.resolve(__dirname, "../..");

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer().listen(0, "127.0.0.1", () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    }).on("error", reject);
  });
}

// Serves the built site; resolves once it answers.
async function serveSite() {
  const port = await freePort();
  const server = spawn("bash", [path.join(root, "tools/web.sh"), "--serve"], {
    env: { ...process.env, PORT: String(port) }, stdio: "ignore" });
  const url = `http://127.0.0.1:${port}/`;
  for (let tries = 0; tries < 100; tries++) {
    try {
      if ((await fetch(url)).ok) return { url, stop: () => server.kill() };
    } catch {}
    await new Promise((r) => setTimeout(r, 100));
  }
  server.kill();
  throw new Error("the site server did not start");
}

// A fresh profile each time, so nothing is kept from an earlier run.
async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "qv-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.QV_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    viewport: { width: 1000, height: 790 },
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  return {
    context,
    profile,
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The game on one page: canvas pixels in, pointer and keys out.
class Game {
  constructor(page) {
    this.page = page;
    this.log = [];
    page.on("console", (message) => this.log.push(message.text())); page.on('pageerror', (e) => this.log.push('PAGEERROR ' + e.message));
  }

  async where(x, y) {
    const box = await this.page.locator("#canvas").boundingBox();
    return { x: box.x + (x + 0.5) * box.width / 800, y: box.y + (y + 0.5) * box.height / 600 };
  }

  async click(x, y, button = "left") {
    const at = await this.where(x, y);
    await this.page.mouse.move(at.x, at.y);
    await this.page.mouse.down({ button });
    await this.page.mouse.up({ button });
    await this.settle();
  }

  async key(key) {
    await this.page.keyboard.press(key);
    await this.settle();
  }

  settle(ms = 150) { return this.page.waitForTimeout(ms); }

  // Red, green and blue of a canvas pixel.
  pixel(x, y) {
    return this.page.evaluate(([px, py]) => {
      const data = document.getElementById("canvas").getContext("2d").getImageData(px, py, 1, 1).data;
      return [data[0], data[1], data[2]];
    }, [x, y]);
  }

  // Every pixel of a canvas rectangle, to compare two moments.
  region(x, y, width, height) {
    return this.page.evaluate(([rx, ry, w, h]) => Array.from(
      document.getElementById("canvas").getContext("2d").getImageData(rx, ry, w, h).data), [x, y, width, height]);
  }

  async waitFor(what, test, timeoutMs = 20000) {
    const end = Date.now() + timeoutMs;
    while (Date.now() < end) {
      if (await test()) return;
      await this.page.waitForTimeout(100);
    }
    throw new Error(`timed out waiting for ${what}; console:\n${this.log.join("\n")}`);
  }
}

module.exports = { root, serveSite, launchBrowser, Game };

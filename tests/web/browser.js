// What the browser tests and the idle benchmark share: the site served on 127.0.0.1 by the
// player's own command (tools/web.sh --serve), Debian's chromium driven by playwright-core, and
// the game's 800 by 600 units addressed as such, whatever size the page gives the canvas.
"use strict";
const { execFileSync, spawn } = require("node:child_process");
const fs = require("node:fs");
const net = require("node:net");
const os = require("node:os");
const path = require("node:path");
const { chromium } = require("playwright-core");

const root = path.resolve(__dirname, "../..");
const solver = process.env.QV_SOLVE || path.join(root, "build/tools/qv-solve");

// The solver's moves for a tutorial level (or the levels `args` name), and where the play screen
// puts its tiles.
function tutorialSolution(level, args = ["--tutorial", String(level)]) {
  const out = execFileSync(solver, ["--board-offset", ...args], { encoding: "utf8" });
  const [, offsetX, offsetY] = /board offset: (-?\d+) (-?\d+)/.exec(out).map(Number);
  const moves = [...out.matchAll(/^\s+\d+\. \w+ \((\d+),(\d+)\) (\w+)$/gm)]
    .map(([, col, row, dir]) => ({ col: Number(col), row: Number(row), dir }));
  return { offsetX, offsetY, moves };
}
// The middle of a tile of the play screen's board.
const tileMiddle = ({ offsetX, offsetY }, col, row) => [240 + offsetX + 60 * col, 90 + offsetY + 60 * row];
// A click in the section of the shape's tile that points the way it should go, as the desktop
// walk (tests/scripts/e2e_play.sh) does, from the tile's middle.
const kSection = { up: [0, -22], down: [0, 22], left: [-22, 0], right: [22, 0] };

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

// A fresh profile each time, so nothing is kept from an earlier run. `device` may ask for
// another screen: a size, pixels per CSS pixel, a phone's touch screen.
async function launchBrowser(device = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "qv-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.QV_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    viewport: { width: 1000, height: 790 },
    ...device,
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
    page.on("console", (message) => this.log.push(message.text()));
    page.on("pageerror", (error) => this.log.push("page error: " + error.message));
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

  // A finger: a tap, and a swipe from (x, y) by (dx, dy), all in the game's own pixels.
  async tap(x, y) {
    const at = await this.where(x, y);
    await this.page.touchscreen.tap(at.x, at.y);
    await this.settle();
  }

  async swipe(x, y, dx, dy) {
    const from = await this.where(x, y);
    const to = await this.where(x + dx, y + dy);
    this.cdp = this.cdp || await this.page.context().newCDPSession(this.page);
    const touch = (type, at) => this.cdp.send("Input.dispatchTouchEvent",
      { type, touchPoints: type === "touchEnd" ? [] : [{ x: at.x, y: at.y }] });
    await touch("touchStart", from);
    await touch("touchMove", { x: (from.x + to.x) / 2, y: (from.y + to.y) / 2 });
    await touch("touchMove", to);
    await touch("touchEnd", to);
    await this.settle();
  }

  // What the game keeps in IndexedDB (Emscripten's IDBFS): each kept file's path and text.
  storedFiles() {
    return this.page.evaluate(() => new Promise((resolve, reject) => {
      const open = indexedDB.open("/kept");
      open.onerror = () => reject(open.error);
      open.onsuccess = () => {
        const files = {};
        const walk = open.result.transaction("FILE_DATA").objectStore("FILE_DATA").openCursor();
        walk.onsuccess = () => {
          const entry = walk.result;
          if (!entry) return resolve(files);
          if (entry.value.contents) files[entry.key] = new TextDecoder().decode(entry.value.contents);
          entry.continue();
        };
      };
    }));
  }

  // One of the page's large buttons beside the game, by its label.
  async button(label) {
    await this.page.getByRole("button", { name: label, exact: true }).click();
    await this.settle();
  }

  async key(key) {
    await this.page.keyboard.press(key);
    await this.settle();
  }

  settle(ms = 150) { return this.page.waitForTimeout(ms); }

  // The menu shows its set list panel there; the splash, the play screen and the editor don't.
  async inMenu() {
    return (await this.pixel(120, 450)).join() === "106,62,19";
  }

  // A message box is up: its own fill shows where its text goes.
  async boxShown() {
    return (await this.pixel(236, 418)).join() === "205,204,147";
  }

  // Red, green and blue of the canvas pixel in the middle of the game's unit (x, y).
  pixel(x, y) {
    return this.canvasPixels(x, y, 1, 1, "middle");
  }

  // A digest of a rectangle of the game's units as drawn, to compare two moments.
  region(x, y, width, height) {
    return this.canvasPixels(x, y, width, height, "digest");
  }

  // The largest red, green or blue value in a rectangle of the game's units.
  brightest(x, y, width, height) {
    return this.canvasPixels(x, y, width, height, "brightest");
  }

  // The canvas's pixels of a rectangle of the game's units, placed as render/DisplayScale places
  // them at the canvas's size, read as `what` asks.
  canvasPixels(x, y, width, height, what) {
    return this.page.evaluate(async ([x, y, width, height, what]) => {
      const canvas = document.getElementById("canvas");
      const factor = Math.min(canvas.width / 800, canvas.height / 600);
      const pixels = (length) => Math.round(length * factor);
      const left = Math.trunc((canvas.width - pixels(800)) / 2) + pixels(x);
      const top = Math.trunc((canvas.height - pixels(600)) / 2) + pixels(y);
      const context = canvas.getContext("2d");
      if (what === "middle") {
        const { data } = context.getImageData(left + Math.trunc((pixels(x + 1) - pixels(x)) / 2),
                                              top + Math.trunc((pixels(y + 1) - pixels(y)) / 2), 1, 1);
        return [data[0], data[1], data[2]];
      }
      const { data } = context.getImageData(left, top, pixels(x + width) - pixels(x), pixels(y + height) - pixels(y));
      if (what === "brightest") return data.reduce((most, value, i) => (i % 4 === 3 ? most : Math.max(most, value)), 0);
      return Array.from(new Uint8Array(await crypto.subtle.digest("SHA-256", data)), (b) => b.toString(16)).join(" ");
    }, [x, y, width, height, what]);
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

module.exports = { root, solver, serveSite, launchBrowser, Game, tutorialSolution, tileMiddle, kSection };

// The web edition in Debian's chromium, as a player would use it: the menu redrawn cleanly,
// tutorial level 0 solved by clicks on the canvas, its progress kept over a reload (and where
// level 1 was left), a level saved in the editor kept over a reload, a new link asking first
// while edits are unsaved, a link to that level opening it, and a level code pasted in the
// editor, and the puzzle of a fixed day played by the moves qv-solve finds for it. Needs the
// built site
// (tools/web.sh) and qv-solve from a native build (QV_SOLVE, default build/tools/qv-solve).
"use strict";
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { after, before, test } = require("node:test");
const { solver, serveSite, launchBrowser, Game, tutorialSolution, tileMiddle, kSection } = require("./browser.js");

let site;
let browser;
let game;
before(async () => {
  site = await serveSite();
  // Two device pixels per CSS pixel, as on most phones and many laptops.
  browser = await launchBrowser({ deviceScaleFactor: 2 });
  game = new Game(browser.context.pages()[0] || await browser.context.newPage());
});
after(async () => {
  await browser?.close();
  site?.stop();
});

const inMenu = () => game.inMenu();
const boxShown = () => game.boxShown();
const keptFile = async (relative) => (await game.storedFiles())["/kept/" + relative];

// A fresh load of the page: from the page itself a new fragment would only be a jump.
async function load(fragment = "") {
  await game.page.goto("about:blank");
  await game.page.goto(site.url + fragment);
}

async function openGame() {
  await load();
  await game.waitFor("the menu", inMenu);
}

test("tutorial level 0 solved by clicks stays solved over a reload", async () => {
  await openGame();
  // The game draws in the screen's own pixels, twice the canvas's CSS size; clicks land as well.
  const [width, height, cssWidth, cssHeight] = await game.page.$eval("#canvas",
    (canvas) => [canvas.width, canvas.height, canvas.clientWidth, canvas.clientHeight]);
  assert.deepEqual([width, height], [2 * cssWidth, 2 * cssHeight]);
  // A list or preview drawn again must leave nothing of what it showed before: the rows below
  // the tutorial's nine and its first preview, after a longer set and a locked level.
  const emptyRows = [276, 150 + 9 * 18, 175, 200];
  const preview = [525, 150, 225, 175];
  const first = [await game.region(...emptyRows), await game.region(...preview)];

  // A page has nothing to quit to: Escape in the menu leaves it as it is.
  await game.key("Escape");
  assert.ok(await inMenu() && await game.page.locator("#ended").isHidden(), "Escape must not end the game");
  // Level 1 of the tutorial is locked at first: Return leaves the menu where it is.
  await game.key("ArrowDown");
  await game.key("Enter");
  assert.ok(await inMenu(), "a locked level must not start");
  await game.key("ArrowUp");
  for (let i = 0; i < 8; i++) await game.page.keyboard.press("Shift+ArrowDown");  // on past "be creative"
  for (let i = 0; i < 8; i++) await game.page.keyboard.press("Shift+ArrowUp");
  await game.settle();
  assert.deepEqual([await game.region(...emptyRows), await game.region(...preview)], first);

  await game.key("Enter");  // the play screen, with the level's intro box
  await game.waitFor("the intro box", boxShown);
  await game.key("Enter");
  // A key was pressed, so the browser lets the sound start: Web Audio plays the decoded OGG.
  await game.waitFor("the music", () => game.page.evaluate(() =>
    SDL.audioContext.state === "running" && Boolean(SDL.music.audio && SDL.music.audio.webAudioNode)));
  const solution = tutorialSolution(0);
  for (const { col, row, dir } of solution.moves) {
    const [x, y] = tileMiddle(solution, col, row);
    await game.click(x + kSection[dir][0], y + kSection[dir][1]);
  }
  await game.waitFor("the \"Well done\" box", boxShown);

  await openGame();
  await game.key("ArrowDown");
  await game.key("Enter");
  await game.waitFor("tutorial level 1 to start", async () => !(await inMenu()));

  // A move, then Escape: the browser keeps where the level was left, as it keeps every save.
  await game.key("Enter");  // the intro
  const level1 = tutorialSolution(1);
  const move = level1.moves[0];
  const [x, y] = tileMiddle(level1, move.col, move.row);
  await game.click(x + kSection[move.dir][0], y + kSection[move.dir][1]);
  await game.key("Escape");
  await game.waitFor("the menu", inMenu);
  assert.match(await keptFile("continue.save") || "", /^1 [0-9a-f]{8} [cst][udlr] tutorial\/1\n$/);
});

test("a level saved in the editor is kept over a reload and its link opens it", async () => {
  const tile = [210 + 60 * 4 + 30, 60 + 30];  // column 4 of row 0: a purple tile, no piece on it
  const name = [368, 548, 223, 20];           // the name strip
  const openEditor = async () => {
    // "be creative" is the fifth set after the tutorial; the generated sets follow it.
    for (let i = 0; i < 5; i++) await game.page.keyboard.press("Shift+ArrowDown");
    for (let i = 0; i < 12; i++) await game.key("ArrowDown");  // "Purple Field", 13.txt: the full board, no centring
    await game.key("e");
    await game.waitFor("the editor", async () => !(await inMenu()));
  };

  await openGame();
  await openEditor();
  const purpleTile = await game.pixel(...tile);
  await game.key("F1");  // red
  await game.click(...tile);
  await game.waitFor("the tile painted", async () => (await game.pixel(...tile)).join() !== purpleTile.join());
  const redTile = await game.pixel(...tile);
  // Black takes the tile away: the board's own dark shows where it was.
  const hole = [210 + 60 * 5 + 30, 60 + 30];
  await game.key("F8");
  await game.click(...hole);
  await game.waitFor("the tile taken away", async () => (await game.pixel(...hole)).reduce((a, b) => a + b) < 250);
  // A link put in the address now asks first; kept, the edits stay and the address goes back.
  let question = "";
  game.page.once("dialog", (dialog) => { question = dialog.message(); dialog.dismiss(); });
  await game.page.evaluate(() => { location.hash = "#L1.12345"; });
  await game.settle(500);
  assert.match(question, /not saved/);
  assert.equal(await game.page.evaluate(() => location.hash), "");
  assert.deepEqual(await game.pixel(...tile), redTile);
  await game.key("Control+t");  // Ctrl held until the letter is released
  for (let i = 0; i < 20; i++) await game.page.keyboard.press("Backspace");
  await game.page.keyboard.type("Kept In The Browser");
  await game.key("Enter");
  // Another tab of the game saved a level meanwhile: saving here must keep it.
  await game.page.evaluate(() => new Promise((resolve) => {
    indexedDB.open("/kept").onsuccess = (event) => {
      event.target.result.transaction("FILE_DATA", "readwrite").objectStore("FILE_DATA")
        .put({ timestamp: new Date(), mode: 33188, contents: new TextEncoder().encode("other tab") },
             "/kept/levels/creative/other-tab.txt").onsuccess = resolve;
    };
  }));
  await game.key("Control+s");
  await game.waitFor("the saved box", boxShown);
  await game.key("Enter");
  await game.waitFor("the box closed", async () => !(await boxShown()));
  const typedName = await game.region(...name);

  // The save is in IndexedDB, where Emscripten's IDBFS keeps the kept folder, and nothing of
  // the save's own temporary file.
  const kept = await game.storedFiles();
  assert.match(kept["/kept/levels/creative/13.txt"] || "", /\nKept In The Browser\n/);
  assert.deepEqual(Object.keys(kept).filter((key) => key.includes(".quorvellan-save-")), []);
  assert.equal(kept["/kept/levels/creative/other-tab.txt"], "other tab");

  await game.key("Control+l");
  await game.page.locator("#link").waitFor({ state: "visible" });
  const link = await game.page.inputValue("#link-text");
  assert.match(link, /#L1\.\d{75}\.Kept_In_The_Browser$/);
  await game.key("Enter");  // the box that says where the link went

  await openGame();
  await openEditor();
  assert.deepEqual(await game.pixel(...tile), redTile);
  assert.deepEqual(await game.region(...name), typedName);

  // The link opens the level on the play screen, the full board where the editor had it; a
  // name the browser percent-encodes (as it does any beyond ASCII) reads too.
  await game.key("Escape");
  await load(link.slice(link.indexOf("#")).replace(/Kept_In_The_Browser$/, "Caf\u00e9,_it's_%5F"));
  await game.waitFor("the linked level", async () => (await game.pixel(...tile)).join() === redTile.join());
  assert.ok(!(await inMenu()));
});

test("a damaged link is reported in the page and the menu opens", async () => {
  await load("#L1.12345");
  await game.page.locator("#box").waitFor({ state: "visible", timeout: 20000 });
  assert.match(await game.page.textContent("#box-text"), /^Cannot open the level of this link\./);
  await game.page.click("#box-ok");
  await game.waitFor("the menu", inMenu);
});

test("a level code pasted in the editor opens its level there, to be saved", async () => {
  await openGame();
  for (let i = 0; i < 5; i++) await game.page.keyboard.press("Shift+ArrowDown");  // "be creative"
  await game.key("e");
  await game.waitFor("the editor", async () => !(await inMenu()));
  const board = [210, 60, 540, 420];
  const before = await game.region(...board);
  // The player's paste: the page's paste event carries the text, read on Ctrl+V's release.
  const code = "#L1.777000000777000000777000000000000000000000000000000000000000000001020212022.Pasted_In_The_Browser";
  await game.page.keyboard.down("Control");
  await game.page.evaluate((text) => {
    const data = new DataTransfer();
    data.setData("text/plain", text);
    document.dispatchEvent(new ClipboardEvent("paste", { clipboardData: data }));
  }, code);
  await game.page.keyboard.press("v");
  await game.page.keyboard.up("Control");
  await game.waitFor("the box", boxShown);
  await game.key("Enter");
  await game.waitFor("the box closed", async () => !(await boxShown()));
  assert.notDeepEqual(await game.region(...board), before);
  await game.key("Control+s");
  await game.waitFor("the saved box", boxShown);
  const saved = await keptFile("levels/creative/01.txt");
  assert.match(saved || "", /\nPasted In The Browser$/);
});

test("the puzzle of a fixed day is the one qv-solve makes, and its record is kept", async () => {
  // A page whose clock says 2026-12-07 (a Monday: easy, quick to make), time still running.
  const page = await browser.context.newPage();
  await page.addInitScript(() => {
    const realNow = Date.now;
    const shift = Date.UTC(2026, 11, 7, 12) - realNow();
    Date.now = () => realNow() + shift;
  });
  const shared = game;
  game = new Game(page);
  try {
    await openGame();
    await game.click(80, 150 + 7 * 18 + 9);  // "puzzle of the day": after the six sets and a gap
    await game.waitFor("the day's puzzle made", async () =>
      (await game.brightest(525, 150, 225, 175)) > 200);  // a white tile in the preview
    await game.key("Enter");
    await game.waitFor("the day's puzzle", async () => !(await inMenu()));

    // Solved by the moves the desktop build finds for the level it makes of that day.
    const levelFile = path.join(os.tmpdir(), `qv-daily-${process.pid}.txt`);
    fs.writeFileSync(levelFile, execFileSync(solver, ["--daily", "2026-12-07"],
      { encoding: "utf8", stdio: ["ignore", "pipe", "ignore"] }));
    const solution = tutorialSolution(0, [levelFile]);
    fs.rmSync(levelFile);
    const { moves } = solution;
    for (const { col, row, dir } of moves) {
      const [x, y] = tileMiddle(solution, col, row);
      await game.click(x + kSection[dir][0], y + kSection[dir][1]);
    }
    await game.waitFor("the \"Well done\" box", boxShown);
    assert.match(await keptFile("records.save") || "",
                 new RegExp(`^${moves.length} daily/2026-12-07 [0-9a-f]{8}$`, "m"));
  } finally {
    game = shared;
    await page.close();
  }
});

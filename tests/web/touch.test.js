// The web edition on a phone (a 390 by 844 touch screen at 3 device pixels per CSS pixel, turned
// sideways too), played by fingers alone: tutorial level 0 solved by swipes and by taps, hint,
// undo and the way back through the page's buttons, a level renamed with the on-screen keyboard,
// and the site started again without a network, progress kept. Needs what web.test.js needs.
"use strict";
const assert = require("node:assert/strict");
const { after, before, test } = require("node:test");
const { serveSite, launchBrowser, Game, tutorialSolution, tileMiddle, kSection } = require("./browser.js");

const portrait = { width: 390, height: 844 };
const landscape = { width: 844, height: 390 };

let site;
let browser;
let game;
before(async () => {
  site = await serveSite();
  browser = await launchBrowser({ viewport: portrait, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  game = new Game(browser.context.pages()[0] || await browser.context.newPage());
  await game.page.goto(site.url);
  await game.waitFor("the menu", () => game.inMenu());
});
after(async () => {
  await browser?.close();
  site?.stop();
});

const board = [210, 60, 540, 420];

// Taps the OK of the message box that is up; another may follow at once.
async function closeBox() {
  await game.waitFor("a box", () => game.boxShown());
  await game.tap(402, 405);
  await game.settle(400);
}

async function solveTutorial0(move) {
  const solution = tutorialSolution(0);
  for (const { col, row, dir } of solution.moves) await move(...tileMiddle(solution, col, row), kSection[dir]);
  await game.waitFor("the \"Well done\" box", () => game.boxShown());
}

test("tutorial level 0 solved by swipes upright and by taps sideways, hint, undo and back by touch", async () => {
  // The game takes the whole width; the page's buttons lie below it.
  const stage = await game.page.locator("#canvas").boundingBox();
  assert.equal(stage.width, portrait.width);
  assert.ok((await game.page.locator("#keys").boundingBox()).y >= stage.height);

  await game.tap(637, 375);  // the menu's Play
  await closeBox();          // the level's intro
  const start = await game.region(...board);
  await game.button("Hint");
  await game.waitFor("the hint's arrow", async () =>
    JSON.stringify(await game.region(...board)) !== JSON.stringify(start));
  const solution = tutorialSolution(0);
  await game.swipe(...tileMiddle(solution, 4, 0), 0, 24);  // its first move, the triangle down
  await game.button("Undo");
  assert.deepEqual(await game.region(...board), start, "undone, the board is as it was");

  // A swipe stays within the shape's tile: the way counts, not where the finger lifts.
  await solveTutorial0((x, y, [dx, dy]) => game.swipe(x, y, dx, dy));
  await closeBox();  // "Well done", then the next level's intro
  await closeBox();
  await game.button("Back");
  await game.waitFor("the menu", () => game.inMenu());

  await game.page.setViewportSize(landscape);
  const sideways = await game.page.locator("#canvas").boundingBox();
  assert.equal(sideways.height, landscape.height);
  assert.ok((await game.page.locator("#keys").boundingBox()).x >= sideways.x + sideways.width);
  await game.tap(300, 159);  // tutorial level 0 in the list
  await game.tap(637, 375);
  await closeBox();
  await solveTutorial0((x, y, [dx, dy]) => game.tap(x + dx, y + dy));
  await closeBox();
  await closeBox();
  await game.button("Back");
  await game.waitFor("the menu", () => game.inMenu());
  await game.page.setViewportSize(portrait);
});

test("a level renamed with the on-screen keyboard is saved", async () => {
  await game.tap(120, 249);  // the set "be creative"
  await game.tap(637, 428);  // Edit
  await game.waitFor("the editor", async () => !(await game.inMenu()));
  await game.tap(479, 559);  // the name under the board
  const typing = game.page.locator("#typing");
  await game.waitFor("the keyboard's field", () => typing.evaluate((field) => field === document.activeElement));
  const name = await typing.inputValue();
  assert.ok(name.length > 0, "the field starts from the level's name");
  for (let i = 0; i < name.length; i++) await game.page.keyboard.press("Backspace");
  await game.page.keyboard.insertText("By Finger");
  await game.page.keyboard.press("Enter");
  await game.settle();
  await game.button("Save");
  await closeBox();
  const kept = Object.values(await game.storedFiles());
  assert.ok(kept.some((text) => text.endsWith("\nBy Finger")), "the level is saved under its new name");
  await game.tap(146, 452);  // the editor's exit
  await game.waitFor("the menu", () => game.inMenu());
});

test("without a network the site starts again, progress kept and left-over saves gone", async () => {
  await game.waitFor("the service worker", () => game.page.evaluate(() => Module.qvKeptOffline === true));
  // A temporary save file that an older version left in the storage.
  await game.page.evaluate(() => new Promise((resolve) => {
    indexedDB.open("/kept").onsuccess = (event) => {
      const store = event.target.result.transaction("FILE_DATA", "readwrite").objectStore("FILE_DATA");
      store.put({ timestamp: new Date(), mode: 33188, contents: new Uint8Array([1]) }, "/kept/.quorvellan-save-Ab12Cd")
        .onsuccess = resolve;
    };
  }));
  await browser.context.setOffline(true);
  await game.page.reload();
  await game.waitFor("the menu", () => game.inMenu());
  await game.tap(120, 159);  // the tutorial, whose level 1 the first test opened
  await game.tap(300, 177);
  await game.tap(637, 375);
  await game.waitFor("tutorial level 1", async () => !(await game.inMenu()));
  assert.deepEqual(Object.keys(await game.storedFiles()).filter((key) => key.includes(".quorvellan-save-")), []);
  await browser.context.setOffline(false);
});

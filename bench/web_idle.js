// The web edition idling in the main menu: how much processor the page takes while nobody
// touches it. After one click (so the menu music plays, as for a player) it waits SETTLE_MS
// (default 10000: the music is decoded meanwhile), then reads over IDLE_SECONDS (default 10)
// the CPU time of every process of the browser (from /proc) and the busy time of the page's
// main thread (the DevTools metrics); then once more with the music switched off. A blank page
// measured first shows the browser's own share.
"use strict";
const fs = require("node:fs");
const { serveSite, launchBrowser, Game } = require("../tests/web/browser.js");

const idleSeconds = Number(process.env.IDLE_SECONDS || 10);
const ticksPerSecond = 100;  // USER_HZ on Linux

// CPU seconds of the browser's processes (those whose command line names our fresh profile
// folder), split into the pages' renderers, the audio service and the rest.
function browserCpuSeconds(profile) {
  const seconds = { page: 0, audio: 0, rest: 0 };
  for (const pid of fs.readdirSync("/proc").filter((name) => /^\d+$/.test(name))) {
    try {
      const command = fs.readFileSync(`/proc/${pid}/cmdline`, "latin1");
      if (!command.includes(profile)) continue;
      const fields = fs.readFileSync(`/proc/${pid}/stat`, "latin1").split(") ")[1].split(" ");
      const ticks = Number(fields[11]) + Number(fields[12]);  // utime, stime
      const kind = command.includes("--type=renderer") ? "page"
        : command.includes("AudioService") ? "audio" : "rest";
      seconds[kind] += ticks / ticksPerSecond;
    } catch {}  // a process that ended meanwhile
  }
  return seconds;
}

function since(start, end) {
  return Object.fromEntries(Object.keys(end).map((k) => [k, end[k] - (start[k] || 0)]));
}

const percent = (seconds) => `${(100 * seconds / idleSeconds).toFixed(2)} %`;

function report(what, cpu) {
  console.log(`${what}: page (its renderer, Web Audio included) ${percent(cpu.page)}, ` +
              `audio service ${percent(cpu.audio)}, rest of the browser ${percent(cpu.rest)}`);
}

(async () => {
  const site = await serveSite();
  const browser = await launchBrowser();
  try {
    const page = browser.context.pages()[0] || await browser.context.newPage();
    const game = new Game(page);
    // The browser's own share, with a blank page, to set the game's figures against.
    await page.goto("about:blank");
    await page.waitForTimeout(3000);
    console.log(`CPU over ${idleSeconds} s, in % of one core:`);
    const blankStart = browserCpuSeconds(browser.profile);
    await new Promise((r) => setTimeout(r, idleSeconds * 1000));
    report("  a blank page", since(blankStart, browserCpuSeconds(browser.profile)));
    await page.goto(site.url);
    await game.waitFor("the menu", async () => (await game.pixel(120, 450)).join() !== (await game.pixel(120, 10)).join());
    await game.click(400, 585);  // on the menu's key help line: starts the sound, does nothing else
    await page.waitForTimeout(Number(process.env.SETTLE_MS || 10000));

    const cdp = await browser.context.newCDPSession(page);
    await cdp.send("Performance.enable");
    const busy = async () => (await cdp.send("Performance.getMetrics")).metrics
      .find((m) => m.name === "TaskDuration").value;
    const measure = async (what) => {
      const startBusy = await busy();
      const startCpu = browserCpuSeconds(browser.profile);
      await new Promise((r) => setTimeout(r, idleSeconds * 1000));
      report(`  the menu, ${what}`, since(startCpu, browserCpuSeconds(browser.profile)));
      console.log(`    of which the page's main thread (the game): ${percent((await busy()) - startBusy)}`);
    };
    await measure("music playing");
    await game.key("m");  // the music button's key
    await page.waitForTimeout(2000);
    await measure("music off");
  } finally {
    await browser.close();
    site.stop();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});

// The web edition idling in the main menu: how much processor the page takes while nobody
// touches it. After one click (so the menu music plays, as for a player) it waits for the page
// to settle, then reads over IDLE_SECONDS (default 10) the CPU time of every process of the
// browser (from /proc) and the busy time of the page's main thread (the DevTools metrics).
"use strict";
const fs = require("node:fs");
const { serveSite, launchBrowser, Game } = require("../tests/web/browser.js");

const idleSeconds = Number(process.env.IDLE_SECONDS || 10);
const ticksPerSecond = 100;  // USER_HZ on Linux

// The browser's processes: those whose command line names our fresh profile folder.
function browserCpuSeconds(profile) {
  let ticks = 0;
  for (const pid of fs.readdirSync("/proc").filter((name) => /^\d+$/.test(name))) {
    try {
      if (!fs.readFileSync(`/proc/${pid}/cmdline`, "latin1").includes(profile)) continue;
      const fields = fs.readFileSync(`/proc/${pid}/stat`, "latin1").split(") ")[1].split(" ");
      ticks += Number(fields[11]) + Number(fields[12]);  // utime, stime
    } catch {}  // a process that ended meanwhile
  }
  return ticks / ticksPerSecond;
}

(async () => {
  const site = await serveSite();
  const browser = await launchBrowser();
  try {
    const page = browser.context.pages()[0] || await browser.context.newPage();
    const game = new Game(page);
    await page.goto(site.url);
    await game.waitFor("the menu", async () => (await game.pixel(120, 450)).join() !== (await game.pixel(120, 10)).join());
    await game.click(400, 585);  // on the menu's key help line: starts the sound, does nothing else
    await page.waitForTimeout(3000);

    const cdp = await browser.context.newCDPSession(page);
    await cdp.send("Performance.enable");
    const busy = async () => (await cdp.send("Performance.getMetrics")).metrics
      .find((m) => m.name === "TaskDuration").value;
    const startBusy = await busy();
    const startCpu = browserCpuSeconds(browser.profile);
    await new Promise((r) => setTimeout(r, idleSeconds * 1000));
    const cpu = browserCpuSeconds(browser.profile) - startCpu;
    const main = (await busy()) - startBusy;
    const percent = (seconds) => (100 * seconds / idleSeconds).toFixed(2);
    console.log(`Idle in the menu for ${idleSeconds} s (music playing):`);
    console.log(`  page main thread busy: ${(main * 1000).toFixed(0)} ms = ${percent(main)} % of one core`);
    console.log(`  all browser processes: ${(cpu * 1000).toFixed(0)} ms = ${percent(cpu)} % of one core`);
  } finally {
    await browser.close();
    site.stop();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});

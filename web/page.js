// The page around the game: loading progress, the game's font, error boxes, the level link
// field, and the end of a game. The game itself is quorvellan.js, built from src/.
"use strict";

const build = new URL(document.currentScript.src).searchParams.get("v") || "";
const canvas = document.getElementById("canvas");
const progress = document.getElementById("progress");
const statusLine = document.getElementById("status");

function showLoadProblem(text) {
  statusLine.textContent = text;
  progress.hidden = true;
  document.getElementById("loading").hidden = false;
}

// Error boxes: one at a time over the game, the rest queued behind it. While one shows it takes
// the keyboard, so Return or Escape closes the box rather than acting in the game.
const boxes = [];
const box = document.getElementById("box");
function showNextBox() {
  if (!box.hidden || boxes.length === 0) return;
  const [title, text] = boxes.shift();
  document.getElementById("box-title").textContent = title;
  document.getElementById("box-text").textContent = text;
  box.hidden = false;
  document.getElementById("box-ok").focus();
}
function closeBox() {
  box.hidden = true;
  canvas.focus();
  showNextBox();
}
document.getElementById("box-ok").addEventListener("click", closeBox);
window.addEventListener("keydown", (event) => {
  if (box.hidden) return;
  event.stopImmediatePropagation();
  event.preventDefault();
  if (event.key === "Enter" || event.key === "Escape" || event.key === " ") closeBox();
}, true);
window.addEventListener("keyup", (event) => {
  if (!box.hidden) event.stopImmediatePropagation();
}, true);

document.getElementById("again").addEventListener("click", () => location.reload());
// A level link pasted into this tab changes only the fragment: start the game again with it,
// unless that would lose edits the player has not saved and they would rather keep them. Then
// the address goes back to the game it shows.
let shownAddress = location.href;
window.addEventListener("hashchange", () => {
  if (Module.qvUnsavedEdits &&
      !confirm("The level in the editor has changes that are not saved. Open the new link and lose them?")) {
    history.replaceState(history.state, "", shownAddress);
    return;
  }
  location.reload();
});

var Module = {
  canvas: canvas,
  // Sounds are decoded by Web Audio from the package when the game opens them.
  noAudioDecoding: true,
  locateFile: (path, prefix) => prefix + path + (build ? "?v=" + build : ""),
  preRun: [() => {
    // Text is drawn with the page's fonts: the game waits for its own.
    addRunDependency("font");
    Promise.all([document.fonts.load('14px "Quorvellan Sans"'),
                 document.fonts.load('14px "Quorvellan Sans Bold"')]).then(
      () => removeRunDependency("font"),
      () => { console.error("The font did not load."); removeRunDependency("font"); });
  }],
  setStatus: (text) => {
    const match = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text);
    if (match) {
      progress.value = Number(match[1]) / Number(match[2]);
      statusLine.textContent = "Loading the game…";
    } else if (text) {
      statusLine.textContent = text;
    }
  },
  onRuntimeInitialized: () => {
    document.getElementById("loading").hidden = true;
    canvas.focus();
  },
  qvGameEnded: () => {
    document.getElementById("ended").hidden = false;
    document.getElementById("again").focus();
  },
  onAbort: (what) => showLoadProblem("The game stopped: " + what),
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
  qvShowBox: (title, text) => {
    boxes.push([title, text]);
    showNextBox();
  },
  qvShowLink: (link) => {
    document.getElementById("link").hidden = false;
    document.getElementById("link-text").value = link;
  },
};

canvas.addEventListener("mousedown", () => canvas.focus());

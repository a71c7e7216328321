// The page around the game: loading progress, the game's font, error boxes, the level link
// field, the buttons and on-screen keyboard for fingers, and the end of a game. The game itself
// is quorvellan.js, built from src/.
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

// What fingers need beside each screen, as keys the game already takes (the game tells the
// page its screen after every pass, platform/PageNote.h). Anything a tap on the game itself does
// is not repeated here.
const touchKeys = {
  menu: [["Music", "m"], ["Sound", "s"]],
  play: [["Hint", "h"], ["Undo", "Ctrl+z"], ["Restart", "Ctrl+r"], ["Back", "Escape"]],
  editor: [["Check", "Ctrl+k"], ["Link", "Ctrl+l"], ["Undo", "Ctrl+z"], ["Save", "Ctrl+s"]],
  box: [],
};
const touchFirst = matchMedia("(pointer: coarse)").matches;
const keys = document.getElementById("keys");
let shownScreen = null;
function showKeys(screen) {
  if (screen === shownScreen) return;
  shownScreen = screen;
  const wanted = touchKeys[screen].slice();
  if (document.fullscreenEnabled) wanted.push(["Full screen", "F11"]);
  keys.replaceChildren(...wanted.map(([label, key]) => {
    const button = document.createElement("button");
    button.textContent = label;
    button.dataset.key = key;
    return button;
  }));
  keys.hidden = !touchFirst;
}
keys.addEventListener("click", (event) => {
  const button = event.target.closest("button");
  if (!button) return;
  // Let go at once, so the button shows no lasting focus and keys go to the game again.
  button.blur();
  Module.qvPressKey(button.dataset.key);
});

// The editor's name field on a touch screen: an invisible input lies over it, so a tap brings up
// the on-screen keyboard; what is typed there goes to the game as keys.
const typing = document.getElementById("typing");
let gameTyping = false;
let typed = "";  // what the game's field holds, as far as the page has sent it
let composing = false;
function placeTyping(field) {
  typing.hidden = !touchFirst || !field;
  if (typing.hidden) return;
  typing.style.left = 100 * field.x + "%";
  typing.style.top = 100 * field.y + "%";
  typing.style.width = 100 * field.width + "%";
  typing.style.height = 100 * field.height + "%";
}
// The game types at the end of the name only, so the field's caret stays there.
const caretToEnd = () => setTimeout(() => typing.setSelectionRange(typing.value.length, typing.value.length), 0);
typing.addEventListener("focus", () => {
  if (!gameTyping) Module.qvPressKey("Ctrl+t");
  caretToEnd();
});
typing.addEventListener("click", caretToEnd);
typing.addEventListener("blur", () => {
  if (gameTyping) Module.qvPressKey("Enter");
});
typing.addEventListener("compositionstart", () => { composing = true; });
typing.addEventListener("compositionend", () => { composing = false; });
typing.addEventListener("input", () => {
  const now = typing.value;
  let same = 0;
  while (same < typed.length && same < now.length && typed[same] === now[same]) same++;
  for (let i = same; i < typed.length; i++) Module.qvPressKey("Backspace");
  Module.qvTypeText(now.slice(same));
  typed = now;
});
for (const type of ["keydown", "keypress", "keyup"]) {
  typing.addEventListener(type, (event) => {
    // The field's keys reach the game through its text, not as key events of their own.
    event.stopPropagation();
    if (type === "keydown" && event.key === "Enter") {
      event.preventDefault();
      typing.blur();
    }
  });
}
function noteTyping(note) {
  gameTyping = note.typing;
  if (!note.typing && document.activeElement === typing) typing.blur();
  // The game keeps only what a name may hold; the field starts from the name it has.
  if (note.text !== typed && !composing) typing.value = typed = note.text;
}

// The game starts with what its splash needs (quorvellan.data); while the splash shows, the page
// fetches the rest of what the menu needs: the pictures, buttons and sounds of the second data
// package and the font the game's text is set in. The game waits for them before it loads its
// pictures (platform/LateFiles.h). Music comes later still, piece by piece, when it is heard.
let packageArrived = null;
function loadPackage(name) {
  return new Promise((resolve) => {
    const script = document.createElement("script");
    script.src = Module.locateFile(name + ".js", "");
    // The loader counts its files as run dependencies; none left means all are in.
    script.onload = () => { packageArrived = resolve; };
    script.onerror = () => { console.error("The package " + name + " did not load."); resolve(); };
    document.body.append(script);
  });
}
// The game's text is set in the font the page gives it, which the page's own text then takes
// too; fetched only now, it leaves the first moments' bandwidth to the game's code.
function loadFont(family, file) {
  const face = new FontFace(family, `url("${Module.locateFile(file, "")}")`);
  document.fonts.add(face);
  return face.load();
}
function loadStartFiles() {
  const fonts = Promise.all([loadFont("Quorvellan Sans", "LiberationSans-Regular.ttf"),
                             loadFont("Quorvellan Sans Bold", "LiberationSans-Bold.ttf")])
    .catch(() => console.error("The font did not load."));
  return Promise.all([loadPackage("quorvellan-art"), fonts]);
}

// Once the menu shows, a service worker keeps the site for playing without a network (sw.js).
// What this page fetched of its build before the worker took charge (the packages for this
// screen, music) is fetched again through it, so that it is kept too; the browser's own cache
// mostly answers.
function keepSiteOffline() {
  if (!("serviceWorker" in navigator) || location.protocol === "file:") return;
  navigator.serviceWorker.register("sw.js").catch((error) => console.warn("No offline play: " + error));
  const fetchedBefore = () => performance.getEntriesByType("resource")
    .map((entry) => new URL(entry.name))
    .filter((url) => url.origin === location.origin && url.searchParams.get("v") === build);
  const keep = () => Promise.all(fetchedBefore().map((url) => fetch(url).catch(() => null)))
    .then(() => { Module.qvKeptOffline = true; });
  if (navigator.serviceWorker.controller) {
    Module.qvKeptOffline = true;
    return;
  }
  navigator.serviceWorker.addEventListener("controllerchange", keep, { once: true });
}

var Module = {
  canvas: canvas,
  // Sounds are decoded by Web Audio from the package when the game opens them.
  noAudioDecoding: true,
  locateFile: (path, prefix) => prefix + path + (build ? "?v=" + build : ""),
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
    Module.qvStartFiles = loadStartFiles();
  },
  // Each data package's files count as the game's run dependencies until they are in its folder.
  monitorRunDependencies: (left) => {
    if (left === 0 && packageArrived) packageArrived();
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
  qvScreen: (note) => {
    if (shownScreen === null) keepSiteOffline();
    showKeys(note.screen);
    placeTyping(note.field);
    noteTyping(note);
  },
  qvShowLink: (link) => {
    document.getElementById("link").hidden = false;
    document.getElementById("link-text").value = link;
  },
};

canvas.addEventListener("mousedown", () => canvas.focus());

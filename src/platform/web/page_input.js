// Runs before the game: fingers on the canvas reach the game as a mouse does, and the page's own
// buttons and on-screen keyboard (web/page.js) reach it as keys. Both go into SDL's queue.
(function () {
  "use strict";
  // Wakes the game if it sleeps (platform/web/EventWait.cpp), once the caller has returned.
  function wake() {
    setTimeout(function () {
      if (Module.qvWake && Module.qvWake.resume) Module.qvWake.resume();
    }, 0);
  }

  // SDL's own handling of touches measures a finger from the window's top rather than the
  // page's, so on a scrolled page every tap missed; and it leaves the pointer where the finger
  // lifted, so a tapped button kept its hover look. One finger points; others are ignored.
  function asMouse(type, x, y) {
    SDL.receiveEvent({ type: type, button: 0, pageX: x, pageY: y, preventDefault: function () {} });
  }
  let finger = null;
  function fingerOf(event) {
    for (const touch of event.changedTouches) {
      if (touch.identifier === finger) return touch;
    }
    return null;
  }
  const listen = function (type, handle) {
    Module.canvas.addEventListener(type, function (event) {
      // Neither SDL's listeners nor the browser's scrolling, zooming or made-up mouse events.
      event.preventDefault();
      event.stopImmediatePropagation();
      if (typeof SDL === "undefined" || !SDL.events) return;
      handle(event);
      wake();
    }, { capture: true, passive: false });
  };
  listen("touchstart", function (event) {
    if (finger !== null) return;
    const touch = event.changedTouches[0];
    finger = touch.identifier;
    asMouse("mousedown", touch.pageX, touch.pageY);
  });
  listen("touchmove", function (event) {
    const touch = fingerOf(event);
    if (touch) asMouse("mousemove", touch.pageX, touch.pageY);
  });
  const lift = function (event) {
    const touch = fingerOf(event);
    if (!touch) return;
    finger = null;
    asMouse("mouseup", touch.pageX, touch.pageY);
    // Past the canvas's far corner: nothing there is hovered any more.
    const box = Module.canvas.getBoundingClientRect();
    asMouse("mousemove", box.right + window.scrollX + 8, box.bottom + window.scrollY + 8);
  };
  listen("touchend", lift);
  listen("touchcancel", lift);

  // DOM key codes of the keys the page sends by name, and the characters of those that type
  // one; letters are their capitals' codes.
  const keyCodes = { Backspace: 8, Enter: 13, Escape: 27, F9: 120, F11: 122 };
  const keyCharacters = { Backspace: 8, Enter: 13, Escape: 27 };
  const controlCode = 17;
  // SDL reads a key's character from the key press that follows it; one that types nothing has
  // the character 0x10000, whose low 16 bits are 0, as the keyboard listener gives it
  // (EventWait.cpp).
  const noCharacter = 0x10000;
  function press(keyCode, character, ctrl) {
    if (ctrl) SDL.events.push({ type: "keydown", keyCode: controlCode, keypressCharCode: noCharacter });
    SDL.events.push({ type: "keydown", keyCode: keyCode, keypressCharCode: character });
    SDL.events.push({ type: "keyup", keyCode: keyCode, keypressCharCode: character });
    if (ctrl) SDL.events.push({ type: "keyup", keyCode: controlCode, keypressCharCode: noCharacter });
  }

  // A key by its name: "h", "Ctrl+z", "Escape", "F11".
  Module.qvPressKey = function (name) {
    if (typeof SDL === "undefined" || !SDL.events) return;
    const ctrl = name.startsWith("Ctrl+");
    const key = ctrl ? name.slice(5) : name;
    if (key.length === 1) {
      const code = key.toUpperCase().charCodeAt(0);
      press(code, ctrl ? code & 31 : key.charCodeAt(0), ctrl);
    } else {
      press(keyCodes[key], keyCharacters[key] || noCharacter, ctrl);
    }
    wake();
  };

  // Text typed on the on-screen keyboard, a key per character; the game keeps what its field
  // takes. Characters without a key of their own carry only their character.
  Module.qvTypeText = function (text) {
    if (typeof SDL === "undefined" || !SDL.events) return;
    for (const character of text) {
      const code = character.codePointAt(0);
      const keyed = /^[A-Za-z0-9 ]$/.test(character);
      press(keyed ? character.toUpperCase().charCodeAt(0) : 0, code > 0xffff ? 0xfffd : code, false);
    }
    wake();
  };
})();

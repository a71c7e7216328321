#include "platform/EventWait.h"

#include <emscripten.h>

#include <utility>

namespace qv {

namespace {

// Long enough to cost nothing, short enough that an event the page missed is still handled.
constexpr int kSafetyWakeMs = 2000;

// Set by PostWakeUp (the page has one thread), taken by the wait it ends.
bool wakeUpPosted = false;

// The page's input reaches SDL's own listeners, which queue it; these listeners run before
// them. They wake the sleeping game once SDL has queued the event (a key that types a character
// waits for its keypress, which SDL folds into the key event as its character), and they make
// key events read as on the desktop: SDL would give a key that types nothing its key code as
// character (an arrow would type 'R' into a name), and the browser would act on F5, Ctrl+S,
// Tab or the blank itself while the editor takes typing.
EM_JS(void, InstallPageListeners, (), {
    if (Module.qvWake) return;
    Module.qvWake = { resume: null };
    const wake = () => {
        const resume = Module.qvWake.resume;
        if (resume) resume();
    };
    const soon = () => setTimeout(wake, 0);
    const types = ["keyup", "keypress", "mousedown", "mouseup", "mousemove", "wheel", "mouseout",
                   "touchstart", "touchend", "touchmove", "visibilitychange"];
    for (const type of types) document.addEventListener(type, soon, true);
    window.addEventListener("focus", soon, true);
    window.addEventListener("blur", soon, true);
    // The page's new canvas size, which SDL has queued as a resize by then.
    Browser.resizeListeners.push(soon);

    const controlCodes = { Backspace: 8, Tab: 9, Enter: 13, Escape: 27, Delete: 127 };
    document.addEventListener("keydown", (event) => {
        const modified = event.ctrlKey || event.altKey || event.metaKey;
        const typed = event.key.length === 1 && !modified;
        if (!typed) {
            // 0x10000 is no character: its low 16 bits, all an SDL 1.2 program reads, are 0.
            let code = controlCodes[event.key] || 0x10000;
            if (event.ctrlKey && /^[a-z]$/i.test(event.key)) code = event.key.toUpperCase().charCodeAt(0) & 31;
            event.keypressCharCode = code;
        }
        // A blank would scroll the page; without its keypress SDL still gives it code 32.
        const inField = event.target instanceof HTMLInputElement;
        if ((!typed || event.key === " ") && !inField && event.key !== "F12") event.preventDefault();
        setTimeout(wake, typed ? 50 : 0);
    }, true);
});

// Ends a sleep in progress, once the caller has returned to the page.
EM_JS(void, WakeSoon, (), {
    if (Module.qvWake) setTimeout(() => { if (Module.qvWake.resume) Module.qvWake.resume(); }, 0);
});

// Sleeps (the page runs on) until woken or the safety time has passed.
EM_ASYNC_JS(void, SleepUntilInput, (int safetyMs), {
    await new Promise((resolve) => {
        const timer = setTimeout(finish, safetyMs);
        function finish() {
            clearTimeout(timer);
            Module.qvWake.resume = null;
            resolve();
        }
        Module.qvWake.resume = finish;
    });
});

void PrepareOnce() {
    static bool shown = false;
    if (shown) return;
    shown = true;
    InstallPageListeners();
    // A desktop window's first exposure wakes the first screen that waits, so that it is
    // drawn before any input; a canvas sends nothing until the player acts.
    SDL_Event exposed{};
    exposed.type = SDL_VIDEOEXPOSE;
    SDL_PushEvent(&exposed);
}

}  // namespace

void WaitForInput() {
    PrepareOnce();
    // SDL 1.2's SDL_WaitEvent in a browser would poll; sleeping until the page sees input
    // leaves an idle game costing nothing.
    while (!SDL_PollEvent(nullptr) && !std::exchange(wakeUpPosted, false))
        SleepUntilInput(kSafetyWakeMs);
}

bool WaitForInput(uint32_t timeoutMs) {
    PrepareOnce();
    const uint32_t start = SDL_GetTicks();
    while (!SDL_PollEvent(nullptr) && !std::exchange(wakeUpPosted, false)) {
        const uint32_t waited = SDL_GetTicks() - start;
        if (waited >= timeoutMs) return false;
        SleepUntilInput(static_cast<int>(timeoutMs - waited));
    }
    return true;
}

void WaitForEvent(SDL_Event* event) {
    PrepareOnce();
    while (!SDL_PollEvent(event)) SleepUntilInput(kSafetyWakeMs);
}

void PostWakeUp() {
    wakeUpPosted = true;
    WakeSoon();
}

void GatherInput() {
    PrepareOnce();
    // Without a turn the page would neither show what was drawn nor see any input until the
    // busy screen is done; a zero timeout is the shortest turn it can be given.
    SleepUntilInput(0);
}

}  // namespace qv

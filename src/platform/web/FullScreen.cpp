#include "platform/FullScreen.h"

#include <emscripten.h>

namespace qv {

namespace {

EM_JS(int, PageIsFullScreen, (), { return document.fullscreenElement ? 1 : 0; });

// The whole page goes full screen, so the canvas keeps scaling to fit as it does in a window.
// The browser allows this only just after the player's key press, which the game's F11 is.
EM_JS(void, AskForFullScreen, (int on), {
    var answer = null;
    if (on && document.documentElement.requestFullscreen) {
        answer = document.documentElement.requestFullscreen();
    } else if (!on && document.fullscreenElement && document.exitFullscreen) {
        answer = document.exitFullscreen();
    }
    if (answer && answer.catch) answer.catch(function(why) { console.warn("full screen:", why); });
});

}  // namespace

bool DisplayIsFullScreen() { return PageIsFullScreen() != 0; }

// The browser switches a moment later, or refuses without a word: the page simply stays as it
// was, so there is nothing to report.
bool SetFullScreen(bool on) {
    AskForFullScreen(on ? 1 : 0);
    return true;
}

}  // namespace qv

#include "platform/VideoMode.h"

#include <SDL.h>
#include <emscripten.h>

namespace qv {

namespace {

EM_JS(int, PageIsFullScreen, (), { return document.fullscreenElement ? 1 : 0; });

EM_JS(int, CanvasWidth, (), { return Module.canvas ? Module.canvas.width : 0; });
EM_JS(int, CanvasHeight, (), { return Module.canvas ? Module.canvas.height : 0; });

// The whole page goes full screen, and the page sizes the canvas to what it then has. The
// browser allows this only just after the player's key press, which the game's F11 is; it
// switches a moment later, or refuses without a word.
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

PixelSize ScreenSize() { return PixelSize{CanvasWidth(), CanvasHeight()}; }

bool GameSizesWindow() { return false; }

bool SetVideoMode(PixelSize size, int bitsPerPixel, bool fullScreen) {
    if (!SDL_SetVideoMode(size.width, size.height, bitsPerPixel, SDL_HWSURFACE)) return false;
    if (fullScreen != DisplayIsFullScreen()) AskForFullScreen(fullScreen ? 1 : 0);
    return true;
}

bool DisplayIsFullScreen() { return PageIsFullScreen() != 0; }

}  // namespace qv

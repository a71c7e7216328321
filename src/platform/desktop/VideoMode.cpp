#include "platform/VideoMode.h"

#include <SDL.h>

namespace qv {

PixelSize ScreenSize() {
    static const PixelSize screen = [] {
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        return info ? PixelSize{info->current_w, info->current_h} : PixelSize{};
    }();
    return screen;
}

bool GameSizesWindow() { return true; }

bool SetVideoMode(PixelSize size, int bitsPerPixel, bool fullScreen) {
    // One page only: screens draw just what changed onto the picture the display keeps, which
    // a second page to flip to would not hold. X11 shows a full screen of the screen's own size
    // in a window of its own over everything, which needs no window manager.
    const Uint32 flags = SDL_HWSURFACE | (fullScreen ? SDL_FULLSCREEN : SDL_RESIZABLE);
    return SDL_SetVideoMode(size.width, size.height, bitsPerPixel, flags) != nullptr;
}

bool DisplayIsFullScreen() {
    const SDL_Surface* display = SDL_GetVideoSurface();
    return display != nullptr && (display->flags & SDL_FULLSCREEN) != 0;
}

}  // namespace qv

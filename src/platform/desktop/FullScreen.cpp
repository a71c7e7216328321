#include "platform/FullScreen.h"

#include <SDL.h>

#include <string>

namespace qv {

bool DisplayIsFullScreen() {
    const SDL_Surface* display = SDL_GetVideoSurface();
    return display != nullptr && (display->flags & SDL_FULLSCREEN) != 0;
}

bool SetFullScreen(bool on) {
    SDL_Surface* display = SDL_GetVideoSurface();
    if (!display) return false;
    if (DisplayIsFullScreen() == on) return true;
    // X11 switches the open window in place: the surface, and every picture converted to its
    // layout, stay as they are.
    if (SDL_WM_ToggleFullScreen(display)) return DisplayIsFullScreen() == on;
    // Drivers that can't (the dummy one) get the mode set anew at the same size and depth.
    const int width = display->w;
    const int height = display->h;
    const int depth = display->format->BitsPerPixel;
    const Uint32 kept = display->flags & (SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_ANYFORMAT);
    if (SDL_SetVideoMode(width, height, depth, kept | (on ? SDL_FULLSCREEN : 0u))) return true;
    // The game must keep something to draw on; if even the old mode is gone, the next draw
    // finds no display and the caller's report stands.
    const std::string why = SDL_GetError();
    SDL_SetVideoMode(width, height, depth, kept | (on ? 0u : SDL_FULLSCREEN));
    SDL_SetError("%s", why.c_str());
    return false;
}

}  // namespace qv

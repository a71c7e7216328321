#include "render/Surface.h"

namespace qv {

SDL_Surface* DisplaySurface() { return SDL_GetVideoSurface(); }

SurfacePtr CreateDisplayLikeSurface(int width, int height) {
    SDL_Surface* display = DisplaySurface();
    if (!display) {
        SDL_SetError("There is no display surface");
        return nullptr;
    }
    const SDL_PixelFormat* format = display->format;
    return SurfacePtr(SDL_CreateRGBSurface(SDL_HWSURFACE, width, height, format->BitsPerPixel,
                                           format->Rmask, format->Gmask, format->Bmask,
                                           format->Amask));
}

}  // namespace qv

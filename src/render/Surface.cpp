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

void BlitIntoArea(SDL_Surface* picture, SDL_Surface* target, SDL_Rect area) {
    if (!picture || !target) return;
    SDL_Rect part{0, 0, area.w, area.h};
    SDL_BlitSurface(picture, &part, target, &area);
}

}  // namespace qv

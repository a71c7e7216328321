#pragma once
// Owned SDL surfaces, and new surfaces laid out like the display so blits need no conversion.
#include <SDL.h>

#include <memory>

namespace qv {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// The display the screens draw into: the video surface of the open window (null before one).
SDL_Surface* DisplaySurface();

// A width by height surface with the display's depth and colour masks; null (SDL's error set)
// when there is no display or SDL can't make it.
SurfacePtr CreateDisplayLikeSurface(int width, int height);

// As much of `picture` from its top-left corner as fills `area` of `target`, into it: a tile
// into its cell, whose size varies by a pixel with the scale's rounding (tiles are made large
// enough for the largest).
void BlitIntoArea(SDL_Surface* picture, SDL_Surface* target, SDL_Rect area);

}  // namespace qv

#pragma once
// Resampling a picture to another size, once, as it is loaded for the display's scale: with
// stb's filters (Mitchell down, Catmull-Rom up) in linear light, so edges stay crisp and no
// colour darkens. Transparency keeps its meaning: alpha is resampled weighted by alpha (no dark
// fringes), a colour key is turned into alpha for the resampling and back after, and a picture
// with no black in it gets none (black is the colour key of the board's and the menu's
// surfaces, so a tile must never gain a pixel of it).
#include <SDL.h>

#include "render/Surface.h"

namespace qv {

// `picture` resampled to width by height, in 32 bits, with its alpha channel or its colour key;
// null (SDL's error set) when it can't be read or made. The picture itself is not changed.
SurfacePtr ResampledPicture(SDL_Surface* picture, int width, int height);

}  // namespace qv

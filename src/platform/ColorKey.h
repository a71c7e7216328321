#pragma once
// A surface's colour key, for code that reads pixels itself. Emscripten's SDL keeps none (its
// surfaces are canvases, transparent by alpha) and has no field for one.
#include <SDL.h>

namespace qv {

// Whether `surface` is drawn with a colour key; `key` gets the pixel value that is clear.
bool ColorKeyOf(const SDL_Surface* surface, Uint32* key);

}  // namespace qv

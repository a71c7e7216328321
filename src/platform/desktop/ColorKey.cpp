#include "platform/ColorKey.h"

namespace qv {

bool ColorKeyOf(const SDL_Surface* surface, Uint32* key) {
    if (!surface || (surface->flags & SDL_SRCCOLORKEY) == 0) return false;
    if (key) *key = surface->format->colorkey;
    return true;
}

}  // namespace qv

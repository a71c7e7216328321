#include "platform/ColorKey.h"

namespace qv {

bool ColorKeyOf(const SDL_Surface*, Uint32*) { return false; }

}  // namespace qv

#pragma once
// When the display's scale changes, every shared picture is made anew at the new scale: each old
// picture is paired with the one that takes its place, so that whatever showed the old one (a
// sprite slot) can show its successor without knowing which picture it was.
#include <SDL.h>

#include <unordered_map>

namespace qv {

using PictureMoves = std::unordered_map<const SDL_Surface*, SDL_Surface*>;

}  // namespace qv

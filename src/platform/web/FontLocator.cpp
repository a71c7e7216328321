#include "platform/FontLocator.h"

namespace qv {

// Emscripten's SDL_ttf draws with the page's fonts and takes the "file" as a CSS font family.
// The page loads the shipped Liberation Sans under this name before the game starts, so the
// text is set in the same font and widths as on the desktop whatever fonts the browser has.
std::string UiFontPath() { return "Quorvellan Sans"; }

}  // namespace qv

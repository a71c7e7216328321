#pragma once
// The pointer as the screens read and move it: in the game's logical units, mapped through the
// display's scale (the events' positions are mapped the same way by the event queue).
#include <SDL.h>

#include "render/DisplayScale.h"

namespace qv {

// The buttons held (SDL_BUTTON masks) and the logical position the pointer is over.
Uint8 LogicalPointerState(const DisplayScale& scale, int* x, int* y);
// Moves the system pointer to the middle of the logical position (x, y).
void WarpPointerTo(const DisplayScale& scale, int x, int y);

}  // namespace qv

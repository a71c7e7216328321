#include "platform/Clock.h"

#include <SDL.h>

namespace qv {

uint32_t TickCount() { return SDL_GetTicks(); }

void SleepMs(uint32_t milliseconds) { SDL_Delay(milliseconds); }

}  // namespace qv

#include "platform/Clock.h"

#include <SDL.h>

namespace qv {

uint32_t SdlClock::Ticks() { return SDL_GetTicks(); }

void SdlClock::Sleep(uint32_t milliseconds) { SDL_Delay(milliseconds); }

}  // namespace qv

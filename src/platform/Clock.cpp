#include "platform/Clock.h"

#include <SDL.h>

#include <ctime>

namespace qv {

uint32_t SdlClock::Ticks() { return SDL_GetTicks(); }

void SdlClock::Sleep(uint32_t milliseconds) { SDL_Delay(milliseconds); }

int64_t SdlClock::UnixSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace qv

#include "platform/sdl/Clock.h"

#include <SDL.h>

uint32_t TickCount() { return SDL_GetTicks(); }

void SleepMs(uint32_t milliseconds) { SDL_Delay(milliseconds); }

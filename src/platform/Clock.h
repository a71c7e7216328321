#pragma once
// Milliseconds since SDL started, and sleeping: the game's stand-ins for tick counts and Sleep.
#include <cstdint>

namespace qv {

uint32_t TickCount();
void SleepMs(uint32_t milliseconds);

}  // namespace qv

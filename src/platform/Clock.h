#pragma once
// Time as the game uses it: milliseconds since start and sleeping, the game's stand-ins for tick
// counts and Sleep. The shell hands its SdlClock to whatever needs time; tests may hand another.
#include <cstdint>

namespace qv {

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Ticks() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// SDL's milliseconds since SDL started, and SDL_Delay.
class SdlClock : public Clock {
public:
    uint32_t Ticks() override;
    void Sleep(uint32_t milliseconds) override;
};

}  // namespace qv

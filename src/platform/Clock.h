#pragma once
// Time as the game uses it: milliseconds since start and sleeping, the game's stand-ins for tick
// counts and Sleep, and the time of day that says which day's puzzle is today. The shell hands
// its SdlClock to whatever needs time; tests may hand another.
#include <cstdint>

namespace qv {

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Ticks() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
    // Seconds since 1970-01-01 00:00 UTC, as time() counts them.
    virtual int64_t UnixSeconds() = 0;
};

// SDL's milliseconds since SDL started, SDL_Delay, and the system's time().
class SdlClock : public Clock {
public:
    uint32_t Ticks() override;
    void Sleep(uint32_t milliseconds) override;
    int64_t UnixSeconds() override;
};

}  // namespace qv

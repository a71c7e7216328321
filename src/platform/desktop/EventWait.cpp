#include "platform/EventWait.h"

#include <SDL_syswm.h>
#include <sys/select.h>

#include <algorithm>

namespace qv {

namespace {

// The X connection's socket, or -1 on drivers without one (the dummy driver of the tests).
int DisplayConnection() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11) return -1;
    return ConnectionNumber(info.info.x11.display);
}

bool EventPending() {
    return SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0;
}

}  // namespace

void WaitForInput() {
    const int connection = DisplayConnection();
    if (connection < 0) {
        SDL_WaitEvent(nullptr);
        return;
    }
    for (;;) {
        // Pumping drains everything Xlib has read, so the socket is all that is left to watch.
        SDL_PumpEvents();
        if (EventPending()) return;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        // A signal (SDL turns SIGINT and SIGTERM into a quit event) ends the wait early; the
        // timeout is only a safety net against an event that arrives some other way.
        timeval timeout = {0, 250000};
        select(connection + 1, &readable, nullptr, nullptr, &timeout);
    }
}

bool WaitForInput(uint32_t timeoutMs) {
    const int connection = DisplayConnection();
    const uint32_t start = SDL_GetTicks();
    for (;;) {
        SDL_PumpEvents();
        if (EventPending()) return true;
        const uint32_t waited = SDL_GetTicks() - start;
        if (waited >= timeoutMs) return false;
        const uint32_t left = timeoutMs - waited;
        if (connection < 0) {
            // No socket to watch: look again in a few milliseconds, as SDL_WaitEvent would.
            SDL_Delay(std::min<uint32_t>(left, 10));
            continue;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval timeout = {static_cast<time_t>(left / 1000),
                           static_cast<suseconds_t>((left % 1000) * 1000)};
        select(connection + 1, &readable, nullptr, nullptr, &timeout);
    }
}

void WaitForEvent(SDL_Event* event) {
    WaitForInput();
    SDL_PollEvent(event);
}

void GatherInput() { SDL_PumpEvents(); }

}  // namespace qv

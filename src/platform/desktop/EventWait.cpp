#include "platform/EventWait.h"

#include <SDL_syswm.h>
#include <fcntl.h>
#include <sys/select.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>

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

// A pipe the wait watches beside the X connection: a byte written to it ends the wait. Neither a
// wake-up posted from another thread nor a signal's quit event reaches the socket. Opened
// before main, so any thread may write to it.
struct WakePipe {
    int readEnd = -1;
    int writeEnd = -1;
    WakePipe() {
        int ends[2];
        if (pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) return;
        readEnd = ends[0];
        writeEnd = ends[1];
    }
};
const WakePipe wakePipe;
// Set by PostWakeUp, taken by the wait it ends.
std::atomic<bool> wakeUpPosted{false};

void Wake() {
    if (wakePipe.writeEnd < 0) return;
    const char byte = 0;
    // A full pipe already holds a wake-up; nothing is lost when this write fails.
    [[maybe_unused]] const ssize_t written = write(wakePipe.writeEnd, &byte, 1);
}

void DrainWakeUps() {
    char bytes[64];
    while (read(wakePipe.readEnd, bytes, sizeof bytes) > 0) {
    }
}

// SIGINT and SIGTERM: SDL's own handler queues the quit event and puts itself back; this one
// runs it, then ends the wait, which a signal taken just before the wait began or by another
// thread would not.
struct sigaction sdlHandlers[2];
constexpr int kQuitSignals[2] = {SIGINT, SIGTERM};
struct sigaction wakingHandler;

void OnQuitSignal(int number) {
    const int savedErrno = errno;
    for (int i = 0; i < 2; ++i) {
        if (kQuitSignals[i] != number) continue;
        sdlHandlers[i].sa_handler(number);
        sigaction(number, &wakingHandler, nullptr);
    }
    Wake();
    errno = savedErrno;
}

void ChainQuitSignals() {
    wakingHandler = {};
    wakingHandler.sa_handler = OnQuitSignal;
    sigemptyset(&wakingHandler.sa_mask);
    for (int i = 0; i < 2; ++i) {
        struct sigaction current = {};
        if (sigaction(kQuitSignals[i], nullptr, &current) != 0) continue;
        // Only a plain handler (SDL's) is chained; the default action or an ignored signal
        // stays as it is.
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler == SIG_DFL ||
            current.sa_handler == SIG_IGN || current.sa_handler == OnQuitSignal)
            continue;
        sdlHandlers[i] = current;
        sigaction(kQuitSignals[i], &wakingHandler, nullptr);
    }
}

// Once, on the main thread after SDL has started (and installed its signal handlers).
void PrepareOnce() {
    static const bool prepared = (ChainQuitSignals(), true);
    (void)prepared;
}

// Sleeps until the X connection or the wake pipe has something, or the timeout (null: none)
// has passed. Without a connection (the dummy driver of the tests) it looks again in a few
// milliseconds, as SDL_WaitEvent would.
void SleepOnConnection(int connection, const uint32_t* timeoutMs) {
    if (connection < 0) {
        SDL_Delay(timeoutMs ? std::min<uint32_t>(*timeoutMs, 10) : 10);
        return;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(connection, &readable);
    const int wakeEnd = wakePipe.readEnd;
    if (wakeEnd >= 0) FD_SET(wakeEnd, &readable);
    timeval timeout{};
    if (timeoutMs) {
        timeout.tv_sec = static_cast<time_t>(*timeoutMs / 1000);
        timeout.tv_usec = static_cast<suseconds_t>((*timeoutMs % 1000) * 1000);
    }
    if (select(std::max(connection, wakeEnd) + 1, &readable, nullptr, nullptr,
               timeoutMs ? &timeout : nullptr) > 0 &&
        wakeEnd >= 0 && FD_ISSET(wakeEnd, &readable))
        DrainWakeUps();
}

// The wait of both forms; a null timeout waits for ever.
bool Wait(const uint32_t* timeoutMs) {
    const int connection = DisplayConnection();
    if (connection >= 0) PrepareOnce();
    const uint32_t start = SDL_GetTicks();
    for (;;) {
        // Pumping drains everything Xlib has read, so the socket and the pipe are all that is
        // left to watch.
        SDL_PumpEvents();
        if (EventPending() || wakeUpPosted.exchange(false)) return true;
        if (!timeoutMs) {
            SleepOnConnection(connection, nullptr);
            continue;
        }
        const uint32_t waited = SDL_GetTicks() - start;
        if (waited >= *timeoutMs) return false;
        const uint32_t left = *timeoutMs - waited;
        SleepOnConnection(connection, &left);
    }
}

}  // namespace

void WaitForInput() { Wait(nullptr); }

bool WaitForInput(uint32_t timeoutMs) { return Wait(&timeoutMs); }

void WaitForEvent(SDL_Event* event) {
    while (!SDL_PollEvent(event)) Wait(nullptr);
}

void PostWakeUp() {
    wakeUpPosted = true;
    Wake();
}

void GatherInput() { SDL_PumpEvents(); }

}  // namespace qv

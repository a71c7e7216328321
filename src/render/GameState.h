#pragma once
// A screen the main loop drives: it waits for and handles input, then draws what changed of
// its picture; and the one way every screen reads its input.
#include <SDL.h>

#include <cstdint>
#include <functional>

namespace qv {

class GameState {
public:
    virtual ~GameState() = default;
    virtual void HandleEvents() = 0;
    virtual void Draw() = 0;
};

// What handling an event left behind: go on with the next one, or stop at once because the
// screen is no longer current (deleted by a switch, or parked under a message box) and must
// touch nothing of itself.
enum class EventFlow { Continue, Stop };

// Waits until input arrives (or a wake-up, PostWakeUp), then hands every queued event to
// `handle` until it says Stop. Returns Stop when the handler stopped, Continue when the queue
// ran dry.
EventFlow WaitAndDrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle);
// The same, waiting at most timeoutMs for input: for a screen with an animation to move on.
EventFlow WaitAndDrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle,
                             uint32_t timeoutMs);

// Hands every event already queued to `handle`, without waiting for more: for a screen busy
// with work it does a share of each pass (a search), which must keep drawing and taking input.
EventFlow DrainEventsNow(const std::function<EventFlow(const SDL_Event&)>& handle);

// Takes every pending event off the queue and drops it: input queued for a screen just left, or
// made during the splash. A request to quit among them still ends the game, and a key pressed
// among them has its later release dropped too, since screens act on releases.
void DiscardPendingEvents();

}  // namespace qv

#include "render/GameState.h"

#include "platform/EventWait.h"

namespace qv {

namespace {

EventFlow DrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (handle(event) == EventFlow::Stop) return EventFlow::Stop;
    }
    return EventFlow::Continue;
}

}  // namespace

EventFlow WaitAndDrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle) {
    WaitForInput();
    return DrainEvents(handle);
}

EventFlow WaitAndDrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle,
                             uint32_t timeoutMs) {
    WaitForInput(timeoutMs);
    return DrainEvents(handle);
}

void DiscardPendingEvents() {
    SDL_Event stale;
    while (SDL_PollEvent(&stale)) {
    }
}

}  // namespace qv

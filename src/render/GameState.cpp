#include "render/GameState.h"

#include "platform/EventWait.h"

namespace qv {

EventFlow WaitAndDrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle) {
    WaitForInput();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (handle(event) == EventFlow::Stop) return EventFlow::Stop;
    }
    return EventFlow::Continue;
}

void DiscardPendingEvents() {
    SDL_Event stale;
    while (SDL_PollEvent(&stale)) {
    }
}

}  // namespace qv

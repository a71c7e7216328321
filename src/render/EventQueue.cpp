#include "render/EventQueue.h"

#include <algorithm>
#include <utility>

#include "platform/EventWait.h"

namespace qv {

namespace {

bool IsFullScreenKey(const SDL_Event& event) {
    return (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) &&
           event.key.keysym.sym == SDLK_F11;
}

// A display position in an event's field as a logical one; left of or above the picture (in a
// bar) it is 0, since the fields hold no negative numbers.
template <typename Field>
void MapPosition(Field& x, Field& y, const DisplayScale& scale) {
    int lx = 0;
    int ly = 0;
    scale.ToLogical(static_cast<int>(x), static_cast<int>(y), &lx, &ly);
    x = static_cast<Field>(std::max(lx, 0));
    y = static_cast<Field>(std::max(ly, 0));
}

// The pointer's place in a pointer event, in the game's logical units: where every screen and
// box reads it.
void ToLogical(SDL_Event& event, const DisplayScale& scale) {
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        using Rel = decltype(event.motion.xrel);
        event.motion.xrel = static_cast<Rel>(scale.Logical(event.motion.xrel));
        event.motion.yrel = static_cast<Rel>(scale.Logical(event.motion.yrel));
        MapPosition(event.motion.x, event.motion.y, scale);
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        MapPosition(event.button.x, event.button.y, scale);
        break;
    default:
        break;
    }
}

}  // namespace

EventQueue::EventQueue(ScreenManager& manager, Display& shown)
    : screens(manager), display(shown) {}

void EventQueue::Resize(const SDL_Event& event) {
    SDL_Event last = event;
    SDL_Event later;
    while (SDL_PeepEvents(&later, 1, SDL_GETEVENT, SDL_VIDEORESIZEMASK) == 1) last = later;
    display.Resize(PixelSize{last.resize.w, last.resize.h});
}

bool EventQueue::EndsADroppedPress(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return false;
    const int key = static_cast<int>(event.key.keysym.sym);
    const auto held = std::find(droppedPresses.begin(), droppedPresses.end(), key);
    if (held == droppedPresses.end()) return false;
    if (event.type == SDL_KEYUP) droppedPresses.erase(held);
    return true;
}

EventFlow EventQueue::Drain(const EventHandler& handle) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (EndsADroppedPress(event)) continue;
        // F11's release is dropped too, as screens act on releases.
        if (IsFullScreenKey(event)) {
            if (event.type == SDL_KEYDOWN) display.SwitchFullScreen();
            continue;
        }
        if (event.type == SDL_VIDEORESIZE) {
            Resize(event);
            continue;
        }
        ToLogical(event, display.Scale());
        if (handle(event) == EventFlow::Stop || screens.HandedOver()) return EventFlow::Stop;
    }
    return EventFlow::Continue;
}

EventFlow EventQueue::WaitAndDrain(const EventHandler& handle) {
    WaitForInput();
    return Drain(handle);
}

EventFlow EventQueue::WaitAndDrain(const EventHandler& handle, uint32_t timeoutMs) {
    WaitForInput(timeoutMs);
    return Drain(handle);
}

EventFlow EventQueue::DrainNow(const EventHandler& handle) {
    GatherInput();
    return Drain(handle);
}

void EventQueue::DiscardPending() {
    SDL_Event stale;
    SDL_Event resized{};
    while (SDL_PollEvent(&stale)) {
        if (stale.type == SDL_QUIT) screens.Quit();
        if (stale.type == SDL_VIDEORESIZE) resized = stale;
        if (stale.type != SDL_KEYDOWN && stale.type != SDL_KEYUP) continue;
        const int key = static_cast<int>(stale.key.keysym.sym);
        droppedPresses.erase(std::remove(droppedPresses.begin(), droppedPresses.end(), key),
                             droppedPresses.end());
        if (stale.type == SDL_KEYDOWN) droppedPresses.push_back(key);
    }
    // Back on the queue: the window's new size still reaches the display with the next read.
    if (resized.type == SDL_VIDEORESIZE) SDL_PushEvent(&resized);
}

}  // namespace qv

#include "render/EventQueue.h"

#include <algorithm>
#include <utility>

#include "platform/EventWait.h"
#include "platform/FullScreen.h"
#include "platform/SdlErrorReport.h"
#include "render/Surface.h"

namespace qv {

namespace {

bool IsFullScreenKey(const SDL_Event& event) {
    return (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) &&
           event.key.keysym.sym == SDLK_F11;
}

}  // namespace

EventQueue::EventQueue(ScreenManager& manager, FrameUpdate& displayFrame,
                       std::function<void(bool)> keepChoice)
    : screens(manager), frame(displayFrame), keepFullScreen(std::move(keepChoice)) {}

void EventQueue::SwitchFullScreen() {
    const bool on = !DisplayIsFullScreen();
    // A new video mode starts from an empty picture: the next pass draws all of it.
    const bool switched = SetFullScreen(on);
    frame.Invalidate();
    if (!switched) {
        if (!DisplaySurface()) {
            ReportFatalSdlError("Can't set the video mode.");
            return;
        }
        ReportSdlError(on ? "Can't switch to full screen." : "Can't switch to a window.");
        return;
    }
    if (keepFullScreen) keepFullScreen(on);
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
            if (event.type == SDL_KEYDOWN) SwitchFullScreen();
            continue;
        }
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
    while (SDL_PollEvent(&stale)) {
        if (stale.type == SDL_QUIT) screens.Quit();
        if (stale.type != SDL_KEYDOWN && stale.type != SDL_KEYUP) continue;
        const int key = static_cast<int>(stale.key.keysym.sym);
        droppedPresses.erase(std::remove(droppedPresses.begin(), droppedPresses.end(), key),
                             droppedPresses.end());
        if (stale.type == SDL_KEYDOWN) droppedPresses.push_back(key);
    }
}

}  // namespace qv

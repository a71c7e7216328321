#include "render/GameState.h"

#include <algorithm>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/EventWait.h"
#include "platform/FullScreen.h"
#include "platform/SdlErrorReport.h"
#include "render/FrameUpdate.h"
#include "render/ScreenManager.h"
#include "render/Surface.h"

namespace qv {

namespace {

bool IsFullScreenKey(const SDL_Event& event) {
    return (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) &&
           event.key.keysym.sym == SDLK_F11;
}

// The choice is kept in the user settings byte the game reads at start.
void SwitchFullScreen() {
    const bool on = !DisplayIsFullScreen();
    // A new video mode starts from an empty picture: the next pass draws all of it.
    const bool switched = SetFullScreen(on);
    Frame().Invalidate();
    if (!switched) {
        if (!DisplaySurface()) {
            ReportFatalSdlError("Can't set the video mode.");
            return;
        }
        ReportSdlError(on ? "Can't switch to full screen." : "Can't switch to a window.");
        return;
    }
    TheSettings().fullscreen = on;
    Library().SaveProgress();
}

// Keys whose press was dropped with the queue and whose release has not come yet: screens act
// on releases, so a key held through the splash's end would act in the menu.
std::vector<int>& DroppedPresses() {
    static std::vector<int> keys;
    return keys;
}

// True for the rest of a press that was dropped: the presses the system's key repeat sends
// while the key is held, and its release.
bool EndsADroppedPress(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return false;
    std::vector<int>& keys = DroppedPresses();
    const int key = static_cast<int>(event.key.keysym.sym);
    const auto held = std::find(keys.begin(), keys.end(), key);
    if (held == keys.end()) return false;
    if (event.type == SDL_KEYUP) keys.erase(held);
    return true;
}

EventFlow DrainEvents(const std::function<EventFlow(const SDL_Event&)>& handle) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (EndsADroppedPress(event)) continue;
        // F11 belongs to no screen, so it works on every one and in every box; its release is
        // dropped too, as screens act on releases.
        if (IsFullScreenKey(event)) {
            if (event.type == SDL_KEYDOWN) SwitchFullScreen();
            continue;
        }
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

EventFlow DrainEventsNow(const std::function<EventFlow(const SDL_Event&)>& handle) {
    GatherInput();
    return DrainEvents(handle);
}

void DiscardPendingEvents() {
    SDL_Event stale;
    std::vector<int>& pressed = DroppedPresses();
    while (SDL_PollEvent(&stale)) {
        if (stale.type == SDL_QUIT) Quit();
        if (stale.type != SDL_KEYDOWN && stale.type != SDL_KEYUP) continue;
        const int key = static_cast<int>(stale.key.keysym.sym);
        pressed.erase(std::remove(pressed.begin(), pressed.end(), key), pressed.end());
        if (stale.type == SDL_KEYDOWN) pressed.push_back(key);
    }
}

}  // namespace qv

#pragma once
// The one way every screen reads its input: it waits for events (or takes those already
// queued) and hands each to the screen, until the queue runs dry or the screen has handed over
// to what comes next. Pointer positions reach the screens in the game's logical units. F11 and
// a new window size belong to no screen and work in every one, and in every box.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "render/Display.h"
#include "render/ScreenManager.h"

namespace qv {

// What a screen's event handler asks: go on with the next event, or read no more in this pass.
enum class EventFlow { Continue, Stop };
using EventHandler = std::function<EventFlow(const SDL_Event&)>;

class EventQueue {
public:
    // Reading stops once the current screen has asked `screens` for a switch or a box. F11 and
    // the window's new sizes go to `display`, whose scale maps the pointer.
    EventQueue(ScreenManager& screens, Display& display);

    // Waits until input arrives (or a wake-up, PostWakeUp), then hands every queued event to
    // `handle`. Stop when the handler stopped or the screen handed over, Continue when the queue
    // ran dry.
    EventFlow WaitAndDrain(const EventHandler& handle);
    // The same, waiting at most timeoutMs for input: for a screen with an animation to move on.
    EventFlow WaitAndDrain(const EventHandler& handle, uint32_t timeoutMs);
    // Hands every event already queued to `handle`, without waiting for more: for a screen busy
    // with work it does a share of each pass (a search), which must keep drawing and taking input.
    EventFlow DrainNow(const EventHandler& handle);

    // Takes every pending event off the queue and drops it: input queued for a screen just left,
    // or made during the splash. A request to quit among them still ends the game, and a key
    // pressed among them has its later release dropped too, since screens act on releases. The
    // window's last new size among them still reaches the display.
    void DiscardPending();

private:
    ScreenManager& screens;
    Display& display;
    // Keys whose press was dropped and whose release has not come yet.
    std::vector<int> droppedPresses;

    EventFlow Drain(const EventHandler& handle);
    // The display takes the window's size of this resize event, or of the last one queued
    // after it: a border dragged sends many.
    void Resize(const SDL_Event& event);
    // True for the rest of a press that was dropped: the presses the system's key repeat sends
    // while the key is held, and its release.
    bool EndsADroppedPress(const SDL_Event& event);
};

}  // namespace qv

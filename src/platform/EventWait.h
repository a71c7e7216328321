#pragma once
// Waiting for input. SDL 1.2's own SDL_WaitEvent polls every 10 ms, which keeps an idle game
// awake a hundred times a second; on X11 this sleeps on the display connection instead.
#include <SDL.h>

namespace qv {

// Returns once an event is pending; the event stays on the queue.
void WaitForInput();
// Waits for the next event and takes it off the queue.
void WaitForEvent(SDL_Event* event);

}  // namespace qv

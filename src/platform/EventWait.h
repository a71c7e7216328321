#pragma once
// Waiting for input. SDL 1.2's own SDL_WaitEvent polls every 10 ms, which keeps an idle game
// awake a hundred times a second; on X11 this sleeps on the display connection instead, and
// wakes for nothing else than input, a signal or an event posted with PostWakeUp.
#include <SDL.h>

#include <cstdint>

namespace qv {

// Returns once an event is pending; the event stays on the queue.
void WaitForInput();
// The same, but gives up after timeoutMs: true when an event is pending, false when the time
// ran out first. For screens that animate; an idle screen waits without a timeout.
bool WaitForInput(uint32_t timeoutMs);
// Waits for the next event and takes it off the queue.
void WaitForEvent(SDL_Event* event);

// Queues an SDL_USEREVENT with this code and ends a wait in progress; safe from any thread (the
// mixer's calls it when a piece of music ends). Screens ignore the event: the pass it starts
// is what the poster wants.
void PostWakeUp(int code);

}  // namespace qv

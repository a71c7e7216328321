#pragma once
// Waiting for input. SDL 1.2's own SDL_WaitEvent polls every 10 ms, which keeps an idle game
// awake a hundred times a second; on X11 this sleeps on the display connection instead, and
// wakes for nothing else than input, a signal or PostWakeUp.
#include <SDL.h>

#include <cstdint>

namespace qv {

// Returns once an event is pending (it stays on the queue) or a wake-up has been posted.
void WaitForInput();
// The same, but gives up after timeoutMs: true when an event is pending or a wake-up came,
// false when the time ran out first. For screens that animate; an idle screen waits without a
// timeout.
bool WaitForInput(uint32_t timeoutMs);
// Waits for the next event and takes it off the queue; wake-ups do not end this wait.
void WaitForEvent(SDL_Event* event);
// Lets input that has already happened reach the queue, without waiting for more: for a screen
// busy with work it does a share of each pass. In a browser this gives the page its turn, in
// which it shows the frame last drawn and takes new input.
void GatherInput();

// Ends the wait in progress, or else the next one, without putting an event on the queue, so
// no screen ever reads it: the pass that follows is what the caller wants. Safe from any thread
// (the mixer's calls it when a piece of music ends).
void PostWakeUp();

}  // namespace qv

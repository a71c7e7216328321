#pragma once
// The shell: the window, start-up in its fixed order, the main loop and shutdown.
#include <SDL.h>

#include <cstdint>

#include "content/Settings.h"

namespace qv {

struct Application {
    SDL_Surface* display = nullptr;  // the window's surface; SDL owns it
    Settings& settings = TheSettings();
};

Application& App();

bool Startup();
void Shutdown();
// The loop of main: a pass of the current screen while the running flag is set.
void RunMainLoop();

// How long the splash must still stay, given when it appeared and the time now (milliseconds
// of TickCount); 0 once the minimum has passed. Safe across the tick counter wrapping.
constexpr uint32_t kMinimumSplashMs = 4000;
uint32_t SplashTimeLeft(uint32_t shownAt, uint32_t now);
// Keeps the splash up until its minimum has passed, then drops the keys and clicks made while
// it showed: they were not meant for the menu. Closing the window meanwhile still quits.
void EndSplash(uint32_t shownAt);

}  // namespace qv

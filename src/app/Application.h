#pragma once
// The shell: the window, start-up in its fixed order, the main loop and shutdown.
#include <cstdint>
#include <functional>

#include "app/ProcessObjects.h"
#include "platform/Clock.h"
#include "render/EventQueue.h"
#include "render/ScreenManager.h"

namespace qv {

bool Startup(ProcessObjects& objects);
// Deletes the screens (the current one first), then frees what they borrowed: audio and
// pictures; then closes SDL.
void Shutdown(ProcessObjects& objects);
// The loop of main: what was asked for before it (the first screen), then a pass of the current
// screen while the running flag is set, each preceded by `afterEachPass`, which thus follows the
// first screen's drawing and every pass but the last.
void RunMainLoop(ScreenManager& screens, const std::function<void()>& afterEachPass = {});
// Tells the platform, after a pass, whether the editor's level has changes not saved (a browser
// asks before a new link replaces them) and what the page may offer fingers for the screen now.
void NoteAfterPass(const ProcessObjects& objects);

// How long the splash must still stay, given when it appeared and the time now (milliseconds
// of the clock); 0 once the minimum has passed. Safe across the tick counter wrapping.
constexpr uint32_t kMinimumSplashMs = 4000;
uint32_t SplashTimeLeft(uint32_t shownAt, uint32_t now);
// Keeps the splash up until its minimum has passed, then drops the keys and clicks made while
// it showed: they were not meant for the menu. Closing the window meanwhile still quits.
void EndSplash(uint32_t shownAt, Clock& clock, EventQueue& events);

}  // namespace qv

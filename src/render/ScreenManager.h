#pragma once
// The screens the main loop drives: the current one, the one a message box covers, the running
// flag and one pass of the loop. It sits below the screens, so that a screen or a box can switch,
// open a box or quit without knowing the shell that runs the loop.
#include <cstdint>
#include <memory>
#include <utility>

#include "render/GameState.h"

namespace qv {

class ScreenManager {
public:
    std::unique_ptr<GameState> currentState;  // the screen the loop drives
    std::unique_ptr<GameState> savedState;    // the screen under an open message box
    bool running = true;
    int32_t boxResult = -1;                   // button that closed the last choice box

    // One pass of the loop: HandleEvents on the current screen, then Draw on whichever screen
    // is current afterwards (so a new screen is seen once before it handles any input), then
    // the window is sent what that changed. False, doing nothing, when there is no current
    // screen.
    bool RunPass();
    // Draws the current screen and sends the window what changed (nothing when nothing did).
    void Present();

    // Makes `box` current, parking the current screen underneath. A screen already parked
    // stays parked and the box over it is replaced: parking the box instead would delete the
    // covered screen, which may be the very screen calling from its event loop.
    GameState& OpenBox(std::unique_ptr<GameState> box);
    // Deletes the box and makes the parked screen current again.
    void CloseBox();
};

// The process-wide manager.
ScreenManager& Screens();

// Asks the loop to stop after its current pass.
void Quit();

// Deletes the current screen, then builds the next. The old screen goes first: the menu's
// destructor stops its music before the next screen may start its own. A screen that calls this
// from its own HandleEvents must return at once and touch none of its members.
template <typename Screen, typename... Args>
void SwitchTo(Args&&... args) {
    Screens().currentState.reset();
    Screens().currentState = std::make_unique<Screen>(std::forward<Args>(args)...);
}

}  // namespace qv

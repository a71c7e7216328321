#pragma once
// The screens the main loop drives: the current one and the one a message box covers, what the
// current screen has asked for, the running flag and one pass of the loop. A screen asks for a
// switch, a box or its closing during its pass; the manager carries that out after the pass, so
// no screen is ever destroyed while its own code runs. It sits below the screens, knowing only
// GameState, so that a box can close itself without knowing the shell or the screens.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "render/FrameUpdate.h"
#include "render/GameState.h"
#include "render/PictureMoves.h"

namespace qv {

// Builds the next screen; called only once the screen it replaces is gone.
using ScreenBuilder = std::function<std::unique_ptr<GameState>()>;
// Told which button closed a box, once the box is gone and the screen under it is current again.
using BoxAnswer = std::function<void(int32_t button)>;
// A box closed by a key, not a button.
constexpr int32_t kNoButton = -1;

class ScreenManager {
public:
    // `frame` is where the display's changes are gathered, and sent at the end of each pass.
    explicit ScreenManager(FrameUpdate& frame);
    // Deletes the current screen, then the covered one.
    ~ScreenManager();
    ScreenManager(const ScreenManager&) = delete;
    ScreenManager& operator=(const ScreenManager&) = delete;

    // What a screen asks for, carried out in the order asked once its pass has ended.
    //
    // The current screen is deleted, then the next is built: the old screen goes first, as the
    // menu's destructor stops its music before the next screen may start its own. A screen
    // parked under a box stays there. A builder that gives nothing leaves no screen current.
    void SwitchTo(ScreenBuilder build);
    // Makes `box` current, parking the current screen underneath; `onAnswer` hears how it
    // closed. With a box up already, the new box replaces it and the parked screen stays.
    void OpenBox(std::unique_ptr<GameState> box, BoxAnswer onAnswer = {});
    // Deletes the box, makes the parked screen current again, then hands it the box's answer.
    void CloseBox(int32_t button = kNoButton);
    // The loop stops after the pass in progress; the screens stay until Clear.
    void Quit() { running = false; }
    bool Running() const { return running; }
    // The current screen has asked for a switch or a box in this pass: what is left of the
    // input is for whatever comes next.
    bool HandedOver() const { return !requests.empty(); }

    // One pass of the loop: HandleEvents on the current screen, what it asked for, then Draw on
    // whichever screen is current afterwards (so a new screen is seen once before it handles any
    // input) and the window is sent what that changed. False, doing nothing, when there is no
    // current screen.
    bool RunPass();
    // What has been asked for, now: before the first pass, the first screen.
    void CarryOutRequests();
    // Draws the current screen and sends the window what changed (nothing when nothing did).
    void Present();
    // Deletes the current screen, then the covered one, and drops what was asked for.
    void Clear();
    // After the display's scale changed: the covered screen makes its pictures anew and is
    // drawn, so that a box over it sees it at the new scale, then the current screen; the next
    // Present draws it whole.
    void Rescale(const PictureMoves& moves);

    GameState* Current() const { return currentState.get(); }
    GameState* Covered() const { return savedState.get(); }

private:
    struct Request {
        enum class Kind { Switch, OpenBox, CloseBox } kind;
        ScreenBuilder build;
        std::unique_ptr<GameState> box;
        BoxAnswer onAnswer;
        int32_t button = kNoButton;
    };

    FrameUpdate& frame;
    std::unique_ptr<GameState> savedState;    // the screen under an open message box
    std::unique_ptr<GameState> currentState;  // the screen the loop drives
    BoxAnswer boxAnswer;                      // for the screen under the box, when it closes
    std::deque<Request> requests;
    bool running = true;

    void CarryOut(Request& request);
};

}  // namespace qv

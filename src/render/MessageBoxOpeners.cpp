// The shell's message box operations, kept beside the box itself.
#include "render/MessageBoxOpeners.h"

#include <memory>

#include "app/Application.h"
#include "render/MessageBoxState.h"
#include "render/Surface.h"

namespace {

// Parks the current screen and makes the new box current. A screen already parked stays
// parked and the box over it is replaced: parking the box instead would delete the covered
// screen, which may be the very screen calling us from its event loop.
MessageBoxState& ShowBox(std::unique_ptr<MessageBoxState> box) {
    Application& app = App();
    MessageBoxState& shown = *box;
    if (!app.savedState) app.savedState = std::move(app.currentState);
    app.currentState = std::move(box);
    return shown;
}

}  // namespace

void OpenMessageBox(const std::string& title, const std::string& text, SDL_Surface* picture) {
    ShowBox(std::make_unique<MessageBoxState>(title, text, picture,
                                              std::vector<std::string>{kOkButtonFile}));
}

void OpenMessageBoxFromFile(const std::string& title, const std::string& text,
                            const std::string& picturePath) {
    ShowBox(std::make_unique<MessageBoxState>(title, text, picturePath,
                                              std::vector<std::string>{kOkButtonFile}));
}

void CloseBox() {
    Application& app = App();
    app.currentState = std::move(app.savedState);  // deletes the box
    app.savedState.reset();
}

void CloseBoxWithResult(int32_t index) {
    App().boxResult = index;
    CloseBox();
}

int32_t RunChoiceBox(const std::string& title, const std::string& text,
                     const std::string& button0, const std::string& button1,
                     const std::string& button2) {
    Application& app = App();
    // The OK button of an earlier plain box leaves its index behind; it must not answer this.
    app.boxResult = -1;
    MessageBoxState& box = ShowBox(std::make_unique<MessageBoxState>(
        title, text, static_cast<SDL_Surface*>(nullptr),
        std::vector<std::string>{button0, button1, button2}));
    box.waitsForChoice = true;
    const GameState* boxScreen = &box;
    // Show the question before waiting for input, as the main loop does for a new screen.
    box.Draw();
    if (SDL_Surface* display = DisplaySurface()) SDL_Flip(display);
    // The loop's own pass, run here so the caller gets the answer as a return value.
    while (app.running && app.boxResult < 0 && app.currentState) {
        app.currentState->HandleEvents();
        if (app.currentState) app.currentState->Draw();
        if (SDL_Surface* display = DisplaySurface()) SDL_Flip(display);
    }
    const int32_t result = app.boxResult;
    app.boxResult = -1;
    // Quitting ends the wait with the box still up; give the caller its screen back so it
    // is current again while it finishes its own pass.
    if (result < 0 && app.currentState.get() == boxScreen && app.savedState) CloseBox();
    return result;
}

#include "render/MessageBoxes.h"

#include <memory>
#include <vector>

#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"

namespace qv {

void OpenMessageBox(const std::string& title, const std::string& text, SDL_Surface* picture) {
    Screens().OpenBox(std::make_unique<MessageBoxState>(title, text, picture,
                                                        std::vector<std::string>{kOkButtonFile}));
}

void OpenMessageBoxFromFile(const std::string& title, const std::string& text,
                            const std::string& picturePath) {
    Screens().OpenBox(std::make_unique<MessageBoxState>(title, text, picturePath,
                                                        std::vector<std::string>{kOkButtonFile}));
}

void CloseBox() { Screens().CloseBox(); }

void CloseBoxWithResult(int32_t index) {
    Screens().boxResult = index;
    Screens().CloseBox();
}

int32_t RunChoiceBox(const std::string& title, const std::string& text,
                     const std::string& button0, const std::string& button1,
                     const std::string& button2) {
    ScreenManager& screens = Screens();
    // The OK button of an earlier plain box leaves its index behind; it must not answer this.
    screens.boxResult = -1;
    auto box = std::make_unique<MessageBoxState>(
        title, text, static_cast<SDL_Surface*>(nullptr),
        std::vector<std::string>{button0, button1, button2});
    box->waitsForChoice = true;
    const GameState* boxScreen = &screens.OpenBox(std::move(box));
    // Show the question before waiting for input, as the main loop does for a new screen.
    screens.Present();
    // The loop's own pass, run here so the caller gets the answer as a return value.
    while (screens.running && screens.boxResult < 0 && screens.RunPass()) {
    }
    const int32_t result = screens.boxResult;
    screens.boxResult = -1;
    // Quitting ends the wait with the box still up; give the caller its screen back so it
    // is current again while it finishes its own pass.
    if (result < 0 && screens.currentState.get() == boxScreen && screens.savedState)
        screens.CloseBox();
    return result;
}

}  // namespace qv

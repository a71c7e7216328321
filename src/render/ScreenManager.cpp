#include "render/ScreenManager.h"

#include "render/FrameUpdate.h"
#include "render/Surface.h"

namespace qv {

ScreenManager& Screens() {
    static ScreenManager screens;
    return screens;
}

void Quit() { Screens().running = false; }

bool ScreenManager::RunPass() {
    if (!currentState) return false;
    currentState->HandleEvents();
    if (currentState) Present();
    return true;
}

void ScreenManager::Present() {
    if (!currentState) return;
    currentState->Draw();
    if (SDL_Surface* display = DisplaySurface()) Frame().Show(display);
}

GameState& ScreenManager::OpenBox(std::unique_ptr<GameState> box) {
    GameState& shown = *box;
    if (!savedState) savedState = std::move(currentState);
    currentState = std::move(box);
    return shown;
}

void ScreenManager::CloseBox() {
    currentState = std::move(savedState);  // deletes the box
    savedState.reset();
}

}  // namespace qv

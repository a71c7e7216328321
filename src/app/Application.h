#pragma once
// The process-wide shell state, start-up, the main loop and screen switching.
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "app/GameState.h"
#include "app/Settings.h"

struct Application {
    SDL_Surface* display = nullptr;             // SDL owns it
    std::unique_ptr<GameState> currentState;    // the screen the loop drives
    std::unique_ptr<GameState> savedState;      // the screen under an open message box
    bool running = true;
    int32_t boxResult = -1;                     // button that closed the last choice box
    Settings& settings = TheSettings();
};

Application& App();

bool Startup();
void Shutdown();
void RunMainLoop();  // the loop of main: handle, draw, flip while running
void Quit();

// Each deletes the current screen before it builds the next; a screen that calls one from its
// own HandleEvents must return at once and touch none of its members.
void SwitchToMainMenu();
void SwitchToPlay();
void SwitchToEditor();

// The switch behind the three above. The old screen goes first: the menu's destructor stops its
// music before the next screen may start its own.
template <typename Screen, typename... Args>
void SwitchTo(Args&&... args) {
    App().currentState.reset();
    App().currentState = std::make_unique<Screen>(std::forward<Args>(args)...);
}

// How long the splash must still stay, given when it appeared and the time now (milliseconds
// of TickCount); 0 once the minimum has passed. Safe across the tick counter wrapping.
constexpr uint32_t kMinimumSplashMs = 4000;
uint32_t SplashTimeLeft(uint32_t shownAt, uint32_t now);

// Message boxes: the current screen is parked in savedState until the box closes.
void OpenMessageBox(const std::string& title, const std::string& text, SDL_Surface* picture);
void CloseBox();
void CloseBoxWithResult(int32_t index);

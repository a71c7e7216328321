// The entry function: start up, run the main menu until the player quits, shut down.
// Command-line arguments are not read. The exit code is always 0.
#include <SDL.h>

#include "app/Application.h"

int main(int, char**) {
    if (!Startup()) return 0;
    SwitchToMainMenu();
    RunMainLoop();
    Shutdown();
    return 0;
}

// Placeholder shell until the real one lands: opens nothing and quits.
#include "app/Application.h"

Application& App() {
    static Application application;
    return application;
}

bool Startup() { return false; }
void Shutdown() {}
void RunMainLoop() {}
void Quit() { App().running = false; }
void SwitchToMainMenu() {}
void SwitchToPlay() {}
void SwitchToEditor() {}

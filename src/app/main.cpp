// The entry function: read the options, start up, run the main menu until the player quits,
// shut down. The exit code is 0, or 2 for options it does not know.
#include <SDL.h>

#include <iostream>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/ProcessObjects.h"
#include "screens/ScreenSwitch.h"

int main(int argc, char** argv) {
    const qv::CommandLine options =
        qv::ReadCommandLine(argc, argv, QV_VERSION, std::cout, std::cerr);
    if (!options.run) return options.exitCode;
    qv::CreateProcessObjects();
    if (!qv::Startup()) return 0;
    qv::SwitchToMainMenu();
    qv::RunMainLoop();
    qv::Shutdown();
    return 0;
}

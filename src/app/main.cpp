// The entry function: start up, run the main menu (or a linked level) until the player quits,
// shut down.
// Command-line arguments are not read. The exit code is always 0.
#include <SDL.h>

#include "app/Application.h"
#include "app/ProcessObjects.h"
#include "platform/LevelLinks.h"
#include "screens/LinkedLevel.h"
#include "screens/ScreenSwitch.h"

int main(int, char**) {
    // The objects already exist by now; naming this keeps their file in the link even while
    // no screen refers to it.
    qv::CreateProcessObjects();
    if (!qv::Startup()) return 0;
    // A link to a level (the web edition's address) opens that level instead of the menu.
    const std::string link = qv::LevelLinkAtStart();
    if (link.empty())
        qv::SwitchToMainMenu();
    else
        qv::OpenLinkedLevel(link);
    qv::RunMainLoop();
    qv::Shutdown();
    return 0;
}

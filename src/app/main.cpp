// The entry function: read the options, start up, run the main menu (or a level code in the
// editor, or a linked level) until the player quits, shut down. The exit code is 0, or 2 for
// options it does not know.
#include <SDL.h>

#include <iostream>
#include <memory>
#include <string>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/ProcessObjects.h"
#include "platform/LevelLinks.h"
#include "screens/LinkedLevel.h"
#include "screens/PastedLevel.h"

int main(int argc, char** argv) {
    const qv::CommandLine options =
        qv::ReadCommandLine(argc, argv, QV_VERSION, std::cout, std::cerr);
    if (!options.run) return options.exitCode;
    const std::unique_ptr<qv::ProcessObjects> objects = qv::CreateProcessObjects();
    if (!qv::Startup(*objects)) return 0;
    // A level code opens in the editor, a link to a level (the web edition's address) on the
    // play screen, instead of the menu.
    const std::string link = qv::LevelLinkAtStart();
    if (!options.levelCode.empty())
        qv::OpenLevelCode(objects->context, options.levelCode);
    else if (link.empty())
        objects->context.SwitchTo(qv::ScreenName::MainMenu);
    else
        qv::OpenLinkedLevel(objects->context, link);
    qv::RunMainLoop(objects->screens, [&objects] { qv::NoteAfterPass(*objects); });
    qv::Shutdown(*objects);
    return 0;
}

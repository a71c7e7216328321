#include "app/ProcessObjects.h"

#include "platform/Device.h"
#include "platform/ErrorBoxes.h"
#include "platform/SaveStorage.h"
#include "render/Button.h"
#include "screens/ScreenFactory.h"
#include "util/ErrorReport.h"

namespace qv {

ProcessObjects::ProcessObjects()
    : display(pictures, screens, frame, [this](bool on) { KeepFullScreen(on); }),
      context{{screens, events, frame, pictures, display.Scale()},
              library, kept, settings, audio, clock, editorBaseline, generated, &BuildScreen,
              ThisDevice()} {
    // "Fatal" only stops the loop after its pass.
    SetFatalHandler([this] { screens.Quit(); });
}

ProcessObjects::~ProcessObjects() {
    SetFatalHandler(nullptr);
    SetClickSoundPlayer({});
}

void ProcessObjects::KeepFullScreen(bool on) {
    settings.fullscreen = on;
    library.SaveProgress();
}

std::unique_ptr<ProcessObjects> CreateProcessObjects() {
    // The library reads its files as it is created and may report errors: they must reach the
    // player the platform's way, and the error boxes need no window.
    SetErrorSink(&PlatformErrorSink());
    // The player's saved files must be in the folder before the library reads it.
    OpenSaveStorage();
    return std::make_unique<ProcessObjects>();
}

}  // namespace qv

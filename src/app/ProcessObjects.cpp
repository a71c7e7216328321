#include "app/ProcessObjects.h"

#include "audio/AudioSystem.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/ErrorBoxes.h"
#include "platform/SaveStorage.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "screens/EditorBaseline.h"

namespace qv {

void CreateProcessObjects() {
    // The library reads its files as it is created and may report errors: they must reach the
    // player the platform's way, and the error boxes need no window.
    SetErrorSink(&PlatformErrorSink());
    // The player's saved files must be in the folder before the library reads it.
    OpenSaveStorage();
    // Each accessor creates its object on first use; calling them here fixes the order, and so
    // the reverse order of destruction after main.
    TheSettings();
    EditorBaseline();
    Library();
    // Empty until start-up loads pictures and opens the device.
    Pictures();
    Audio();
    Screens();
}

}  // namespace qv

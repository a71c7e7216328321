#include "app/Globals.h"

#include "app/Settings.h"
#include "audio/AudioSystem.h"
#include "content/LevelLibrary.h"
#include "render/MediaStore.h"

Level& EditorBaseline() {
    static Level baseline;
    return baseline;
}

void CreateProcessObjects() {
    // Each accessor creates its object on first use; calling them here fixes the order, and so
    // the reverse order of destruction after main. The library reads its files as it is created
    // and may report errors: the error boxes need no window.
    TheSettings();
    EditorBaseline();
    Library();
    // Empty until start-up loads pictures and opens the device.
    Pictures();
    Audio();
}

namespace {
[[maybe_unused]] const bool processObjectsCreated = (CreateProcessObjects(), true);
}  // namespace

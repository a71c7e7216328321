#pragma once
// The objects that live as long as the process and belong to no single screen, made in one
// place and handed down: the screens get them through `context`.
#include <memory>

#include "audio/AudioSystem.h"
#include "content/KeptPlay.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/Clock.h"
#include "render/Display.h"
#include "render/EventQueue.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "screens/GameContext.h"

namespace qv {

// Created in this order and destroyed in the reverse. The library reads the game folder's
// files as it is created; pictures and audio stay empty until start-up loads them.
struct ProcessObjects {
    // Also makes a fatal error report stop the main loop; the destructor takes that back, and
    // the buttons' click sound.
    ProcessObjects();
    ~ProcessObjects();
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;

    Settings settings;
    Level editorBaseline;
    LevelLibrary library{settings};
    KeptPlay kept;
    PictureTable pictures;
    AudioSystem audio{settings};
    SdlClock clock;
    GeneratedSets generated{clock};
    FrameUpdate frame;
    ScreenManager screens{frame};
    Display display;
    EventQueue events{screens, display};
    GameContext context;
    // The window's size when it opened: kept for the next start only when the player changed it.
    PixelSize openedWindow;

private:
    // F11's choice is kept with the user settings in the progress file.
    void KeepFullScreen(bool on);
};

// Installs the platform's error boxes, opens the lasting saves, then creates the objects. main
// calls it once the options are read (the library reads the game folder as it is created, and
// --help must work anywhere).
std::unique_ptr<ProcessObjects> CreateProcessObjects();

}  // namespace qv

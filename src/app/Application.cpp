#include "app/Application.h"

#include <SDL_ttf.h>

#include "audio/AudioSystem.h"
#include "audio/Sounds.h"
#include "content/LevelLibrary.h"
#include "platform/Clock.h"
#include "platform/LevelLinks.h"
#include "platform/SdlErrorReport.h"
#include "render/Button.h"
#include "render/GameState.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "render/Surface.h"
#include "screens/EditorBaseline.h"
#include "util/ErrorReport.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace {

// Whether the level the editor holds, tried on the play screen or not, differs from the one
// it last opened or saved. A trial compares the layout it started from.
bool EditsUnsaved() {
    const Level& level = Library().CurrentLevel();
    if (!level.fromEditor) return false;
    if (level.playHistory.empty()) return !level.SameContent(EditorBaseline());
    Level start = level;
    start.UndoAllMoves();
    return !start.SameContent(EditorBaseline());
}

constexpr const char* kWindowCaption = "Quorvellan (beta version)";
constexpr const char* kIconFile = "./graphics/icon.png";
constexpr const char* kSplashFile = "./graphics/splash.png";

// A settings file that can't be read leaves nothing sensible to open a window with.
bool LoadSettingsFiles() {
    if (!LoadAudioSettings()) {
        ReportFatalError("Cannot load audio settings.");
        return false;
    }
    if (!LoadVideoSettings()) {
        ReportFatalError("Cannot load video settings.");
        return false;
    }
    if (!LoadUserSettings()) {
        // A first start that could not write the file (a read-only or full folder) names that.
        const std::string failure = Library().ProgressSaveFailure();
        ReportFatalError(failure.empty() ? "Cannot load user settings." : failure);
        return false;
    }
    return true;
}

// A missing icon has been reported by LoadBitmap; the window then keeps SDL's own.
void SetWindowIcon() {
    SurfacePtr icon(LoadBitmap(kIconFile));
    if (icon) SDL_WM_SetIcon(icon.get(), nullptr);
}

bool OpenWindow() {
    const Settings& settings = TheSettings();
    // One page only: screens draw just what changed onto the picture the display keeps, which
    // a second page to flip to would not hold.
    Uint32 flags = SDL_HWSURFACE;
    if (settings.fullscreen) flags |= SDL_FULLSCREEN;
    App().display = SDL_SetVideoMode(settings.screenWidth, settings.screenHeight,
                                     settings.screenBpp, flags);
    if (!App().display) {
        ReportFatalSdlError("Can't set the video mode.");
        return false;
    }
    return true;
}

void ShowSplash() {
    SurfacePtr splash(LoadBitmap(kSplashFile));
    if (!splash) return;
    SDL_Rect topLeft = {0, 0, 0, 0};
    SDL_BlitSurface(splash.get(), nullptr, App().display, &topLeft);
    SDL_Flip(App().display);
}

}  // namespace

Application& App() {
    static Application application;
    return application;
}

uint32_t SplashTimeLeft(uint32_t shownAt, uint32_t now) {
    // Unsigned difference: correct even when the counter wrapped in between, and a clock read
    // after the deadline gives 0 instead of a sleep of days.
    const uint32_t elapsed = now - shownAt;
    return elapsed < kMinimumSplashMs ? kMinimumSplashMs - elapsed : 0;
}

void EndSplash(uint32_t shownAt) {
    if (const uint32_t left = SplashTimeLeft(shownAt, TickCount())) SleepMs(left);
    DiscardPendingEvents();
}

bool Startup() {
    SetFatalHandler(Quit);
    for (const std::string& folder : Library().SaveFolders()) RemoveStaleSaveTemporaries(folder);
    Library().CreateDefaultProgress();
    if (!LoadSettingsFiles()) return false;
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) == -1) {
        ReportFatalSdlError("Can't initialize SDL.");
        return false;
    }
    SetWindowIcon();
    if (!OpenWindow()) {
        SDL_Quit();
        return false;
    }
    ShowSplash();
    const uint32_t splashShownAt = TickCount();
    LoadAllPictures();
    SDL_ShowCursor(SDL_ENABLE);
    SDL_WM_SetCaption(kWindowCaption, nullptr);
    if (TTF_Init() == -1) ReportSdlError("Can't initialize TrueType font library.");
    StartAudio();
    SetClickSoundPlayer([] { PlaySound(ClickSound); });
    EndSplash(splashShownAt);
    return true;
}

void RunMainLoop() {
    ScreenManager& screens = Screens();
    // The first screen is seen before it waits for input, as every later one is: nothing may
    // be queued to wake it (the splash's input is dropped).
    if (screens.running) screens.Present();
    while (screens.running) {
        if (!screens.RunPass()) {
            ReportFatalError("No game state set.");
            break;
        }
        NoteUnsavedEdits(EditsUnsaved());
    }
}

void Shutdown() {
    ScreenManager& screens = Screens();
    screens.currentState.reset();
    screens.savedState.reset();
    // Screens are gone, so nothing borrows the shared pictures and sounds any more.
    ShutdownAudio();
    FreeAllPictures();
    if (TTF_WasInit()) TTF_Quit();
    SDL_Quit();
    App().display = nullptr;
}

}  // namespace qv

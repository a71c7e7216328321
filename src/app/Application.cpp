#include "app/Application.h"

#include <SDL_ttf.h>

#include "app/WindowSize.h"
#include "audio/Sounds.h"
#include "platform/LateFiles.h"
#include "platform/LevelLinks.h"
#include "platform/PageNote.h"
#include "platform/SdlErrorReport.h"
#include "platform/VideoMode.h"
#include "render/Button.h"
#include "render/Surface.h"
#include "util/ErrorReport.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace {

// Whether the level the editor holds, tried on the play screen or not, differs from the one
// it last opened or saved. A trial compares the layout it started from.
bool EditsUnsaved(const Level& level, const Level& baseline) {
    if (!level.fromEditor) return false;
    if (level.playHistory.empty()) return !level.SameContent(baseline);
    Level start = level;
    start.UndoAllMoves();
    return !start.SameContent(baseline);
}

constexpr const char* kWindowCaption = "Quorvellan (beta version)";
constexpr const char* kIconFile = "./graphics/icon.png";
constexpr const char* kSplashFile = "./graphics/splash.png";

// A settings file that can't be read leaves nothing sensible to open a window with.
bool LoadSettingsFiles(ProcessObjects& objects) {
    Settings& settings = objects.settings;
    if (!LoadAudioSettings(settings)) {
        ReportFatalError("Cannot load audio settings.");
        return false;
    }
    if (!LoadVideoSettings(settings)) {
        ReportFatalError("Cannot load video settings.");
        return false;
    }
    if (!LoadUserSettings(settings)) {
        // A first start that could not write the file (a read-only or full folder) names that.
        const std::string failure = objects.library.ProgressSaveFailure();
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

// "./config/video.config" gives the size of the game's picture in its own units; the window
// shows it at the scale the window's size allows. On a desktop the window is as large as the
// player left it, or at the first start as large as sits comfortably on the screen; a page
// gives its canvas.
bool OpenWindow(ProcessObjects& objects) {
    const Settings& settings = objects.settings;
    const PixelSize logical{settings.screenWidth, settings.screenHeight};
    const PixelSize screen = ScreenSize();  // before the first video mode: SDL forgets it after
    if (GameSizesWindow())
        objects.openedWindow = ChooseWindowSize(kWindowSizeFile, screen, logical);
    else
        objects.openedWindow = screen.width > 0 && screen.height > 0 ? screen : logical;
    if (!objects.display.Open(logical, settings.screenBpp, objects.openedWindow,
                              settings.fullscreen)) {
        ReportFatalSdlError("Can't set the video mode.");
        return false;
    }
    return true;
}

void ShowSplash(const DisplayScale& scale) {
    SurfacePtr splash(LoadPicture(kSplashFile, scale));
    if (!splash) return;
    SDL_Rect topLeft = {static_cast<Sint16>(scale.X(0)), static_cast<Sint16>(scale.Y(0)), 0, 0};
    SDL_BlitSurface(splash.get(), nullptr, DisplaySurface(), &topLeft);
    SDL_Flip(DisplaySurface());
}

}  // namespace

uint32_t SplashTimeLeft(uint32_t shownAt, uint32_t now) {
    // Unsigned difference: correct even when the counter wrapped in between, and a clock read
    // after the deadline gives 0 instead of a sleep of days.
    const uint32_t elapsed = now - shownAt;
    return elapsed < kMinimumSplashMs ? kMinimumSplashMs - elapsed : 0;
}

void EndSplash(uint32_t shownAt, Clock& clock, EventQueue& events) {
    if (const uint32_t left = SplashTimeLeft(shownAt, clock.Ticks())) clock.Sleep(left);
    events.DiscardPending();
}

bool Startup(ProcessObjects& objects) {
    LevelLibrary& library = objects.library;
    for (const std::string& folder : library.SaveFolders()) RemoveStaleSaveTemporaries(folder);
    library.CreateDefaultProgress();
    if (!LoadSettingsFiles(objects)) return false;
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) == -1) {
        ReportFatalSdlError("Can't initialize SDL.");
        return false;
    }
    SetWindowIcon();
    if (!OpenWindow(objects)) {
        SDL_Quit();
        return false;
    }
    const DisplayScale& scale = objects.display.Scale();
    ShowSplash(scale);
    const uint32_t splashShownAt = objects.clock.Ticks();
    AwaitStartFiles();
    objects.display.LoadPictures();
    SDL_ShowCursor(SDL_ENABLE);
    SDL_WM_SetCaption(kWindowCaption, nullptr);
    if (TTF_Init() == -1) ReportSdlError("Can't initialize TrueType font library.");
    AudioSystem& audio = objects.audio;
    audio.Start();
    SetClickSoundPlayer([&audio] { audio.PlaySound(ClickSound); });
    EndSplash(splashShownAt, objects.clock, objects.events);
    return true;
}

void NoteAfterPass(const ProcessObjects& objects) {
    NoteUnsavedEdits(EditsUnsaved(objects.library.CurrentLevel(), objects.editorBaseline));
    if (const GameState* screen = objects.screens.Current()) NotePage(screen->NoteForPage());
}

void RunMainLoop(ScreenManager& screens, const std::function<void()>& afterEachPass) {
    screens.CarryOutRequests();
    // The first screen is seen before it waits for input, as every later one is: nothing may
    // be queued to wake it (the splash's input is dropped).
    if (screens.Running()) screens.Present();
    // Also before the first pass: the first screen is seen before it waits for any input.
    while (screens.Running()) {
        if (afterEachPass) afterEachPass();
        if (!screens.RunPass()) {
            ReportFatalError("No game state set.");
            break;
        }
    }
}

void Shutdown(ProcessObjects& objects) {
    // A comfort rather than the player's data: a window size that can't be kept is not worth a
    // box on the way out.
    if (GameSizesWindow() && objects.openedWindow.width > 0 &&
        objects.display.WindowSize() != objects.openedWindow) {
        KeepWindowSize(kWindowSizeFile, objects.display.WindowSize());
    }
    objects.screens.Clear();
    // Screens are gone, so nothing borrows the shared pictures and sounds any more.
    SetClickSoundPlayer({});
    objects.audio.Shutdown();
    objects.pictures = PictureTable();
    if (TTF_WasInit()) TTF_Quit();
    SDL_Quit();
}

}  // namespace qv

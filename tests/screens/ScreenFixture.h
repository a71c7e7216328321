#pragma once
// Drives the menu and the play screen in-process: a 800x600 dummy display, a fake pointer and
// keyboard, recorded error boxes, a dummy audio device whose effects can be told apart, a
// working folder holding small level sets, button files and a progress file, and the game's
// objects of its own, handed to the screens in a context as the shell hands its own.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "audio/AudioSystem.h"
#include "audio/Sounds.h"
#include "content/KeptPlay.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/Clock.h"
#include "puzzle/Level.h"
#include "puzzle/Types.h"
#include "render/Display.h"
#include "render/EventQueue.h"
#include "render/FrameUpdate.h"
#include "render/GameState.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "screens/GameContext.h"
#include "support/ErrorRecorder.h"
#include "support/FakeInput.h"
#include "support/TempDir.h"

using namespace qv;

struct StatusRecord {
    int set;
    int level;
    LevelStatus status;
};

// The level sets the fixture writes (after the tutorial, set 0):
//   set 1 "first":       "Line", then "Twin" (the Line board with an intro text)
//   set 2 "second":      "Last Of Second" (the Line board)
//   set 3 "be creative": "Mine" (the Line board)
// The Line board is 4 by 3 white tiles. The circle, star and triangle stand in column 0 (rows
// 0, 1, 2) and each one's goal is in column 1 of its row, so three moves to the right solve it.
// It is drawn with its top-left tile corner at (360, 180).
// The menu's Play button (at 600, 420) is grey, its disabled look this colour.
constexpr Uint32 kPlayDisabledColor = 0x30A050;

// Real time, except that a pause passes at once: the play screen's half second after a solve
// costs the tests nothing. The day is Monday 2026-12-07 (noon UTC), whose puzzle is quick to make.
class TestClock : public Clock {
public:
    uint32_t Ticks() override { return SDL_GetTicks() + skipped; }
    void Sleep(uint32_t milliseconds) override { skipped += milliseconds; }
    int64_t UnixSeconds() override { return 1796644800; }

private:
    uint32_t skipped = 0;
};

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rewrites "./progress.save" with these statuses (others Open) and reloads the library; the
    // screens made on the old one are closed.
    void WriteProgress(const std::vector<StatusRecord>& records);
    // Makes the menu current, or selects set/level and makes the play screen current with its
    // (empty) intro pass already run.
    void OpenMenu();
    void OpenPlay(int set, int level);
    // Switches to the named screen at once, as the first screen of the loop is made current.
    void SwitchTo(ScreenName name);
    // Takes away the box that is up, as its OK button would, and makes the screen under it
    // current again at once.
    void CloseBox();

    // One pass of the main loop on the current screen: HandleEvents, what it asked for, then
    // Draw. A watchdog event ends a wait that would otherwise never return.
    void Pass();

    // Synthetic input at logical positions, which reach SDL (and the fake pointer, which the
    // screens read too) where the display shows them. Warps land in display pixels.
    void KeyDown(SDLKey key, SDLMod mod = KMOD_NONE);
    void KeyUp(SDLKey key, SDLMod mod = KMOD_NONE);
    void Press(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    void Release(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    void Motion(int x, int y, bool leftHeld);
    void PushMarker();
    void PointAt(int x, int y);
    int PendingEvents();

    // Screen corner of a tile of the Line board.
    static int TileX(int column) { return 360 + 60 * column; }
    static int TileY(int row) { return 180 + 60 * row; }

    // Effects started since the last ClearSounds (each effect plays on its own channel).
    bool Played(SoundId id) const;
    void ClearSounds();

    template <typename Screen>
    Screen* Current() { return dynamic_cast<Screen*>(CurrentScreen()); }

    std::vector<ErrorRecorder::Box> BoxesTitled(const std::string& title) const;

    LevelLibrary& Library() { return *library; }
    GameContext& Context() { return *context; }

    TempDir dir;
    ErrorRecorder recorder;
    FakeInput input;
    Settings settings;
    Level editorBaseline;
    std::unique_ptr<LevelLibrary> library;  // made anew by WriteProgress
    std::unique_ptr<KeptPlay> kept;         // read anew with it
    std::unique_ptr<GeneratedSets> generated;  // and so are the generated sets
    PictureTable pictures;
    AudioSystem audio{settings};
    TestClock clock;
    FrameUpdate frame;
    ScreenManager screens{frame};
    Display gameDisplay{pictures, screens, frame, {}};
    EventQueue events{screens, gameDisplay};

private:
    std::unique_ptr<GameContext> context;  // on the library of the time

    GameState* CurrentScreen();
    void Push(SDL_Event event);
    void WriteButton(const std::string& path, int x, int y, int width, int height);
};

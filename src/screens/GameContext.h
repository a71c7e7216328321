#pragma once
// Everything the game's screens use that outlives them, in one object handed to each screen:
// what every screen has (ScreenContext), the level library and the plays kept beside it, the
// settings, audio, the clock, the editor's baseline and the generated puzzles. The shell makes
// the one the game runs on (app/ProcessObjects.h); tests make their own.
#include <memory>

#include "audio/AudioSystem.h"
#include "content/KeptPlay.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/Clock.h"
#include "platform/Device.h"
#include "puzzle/Level.h"
#include "render/GameState.h"
#include "render/ScreenContext.h"
#include "screens/GeneratedSets.h"

namespace qv {

// The screens one can switch to. The watching ones are the play screen showing a shortest way
// through the current level, or the player's best.
enum class ScreenName { MainMenu, Play, Editor, WatchShortest, WatchBest };

struct GameContext;
using ScreenFactory = std::unique_ptr<GameState> (*)(ScreenName name, GameContext& context);

struct GameContext : ScreenContext {
    LevelLibrary& library;
    // Where each level was left, and the player's best solutions, beside the records.
    KeptPlay& kept;
    Settings& settings;
    AudioSystem& audio;
    Clock& clock;
    // The level as it was when the editor was entered or last saved; leaving the editor
    // compares the edited level against it to find unsaved changes. It outlives the editor's
    // trips to the play screen.
    Level& editorBaseline;
    // The menu's sets of generated puzzles, the one in play and the workshop that makes them.
    GeneratedSets& generated;
    // Builds a screen by name (BuildScreen, screens/ScreenFactory.h). Handed in rather than
    // called, so that no screen's code includes another screen's.
    ScreenFactory buildScreen;
    // What the player plays with: whether there is anything to quit to, fingers or a mouse.
    DeviceTraits device;

    // Asks the screen manager to switch to the named screen once this pass has ended.
    void SwitchTo(ScreenName name);
};

}  // namespace qv

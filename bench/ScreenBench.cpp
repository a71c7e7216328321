// Start-up pictures and the play screen on SDL's dummy video driver at 800 by 600.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "BenchSupport.h"
#include "content/LevelLibrary.h"
#include "platform/Input.h"
#include "puzzle/BoardCentring.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "screens/PlayState.h"
#include "util/ErrorReport.h"

using namespace qv;

namespace {

class SilentErrors : public ErrorSink {
public:
    void Show(const std::string&, const std::string&) override {}
};

// The pointer where the benchmark puts it: pushed events don't move SDL's own.
class PlacedPointer : public InputSource {
public:
    int x = 0;
    int y = 0;
    Uint8 PointerState(int* px, int* py) override {
        if (px) *px = x;
        if (py) *py = y;
        return 0;
    }
    void WarpPointer(Uint16 wx, Uint16 wy) override {
        x = wx;
        y = wy;
    }
    SDLMod Modifiers() override { return KMOD_NONE; }
};

// What start-up has done before the first screen: a display, the font library, the game's
// folder with a level set of twenty files.
struct GameWorld {
    SilentErrors silent;
    std::unique_ptr<ScratchGameFolder> folder;

    GameWorld() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("QUORVELLAN_NO_DIALOGS", "1", 0);
        SetErrorSink(&silent);
        folder = std::make_unique<ScratchGameFolder>();
        folder->WriteTwentyLevelSet();
        if (SDL_Init(SDL_INIT_VIDEO) != 0) std::abort();
        if (!SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE) || TTF_Init() != 0) std::abort();
    }
};

GameWorld& World() {
    static GameWorld world;
    return world;
}

void BM_LoadAllPictures(benchmark::State& state) {
    World();
    for (auto _ : state) {
        LoadAllPictures();  // each slot frees the picture it held
        benchmark::DoNotOptimize(Pictures().locked.get());
    }
    if (!Pictures().locked) state.SkipWithError("pictures missing");
}
BENCHMARK(BM_LoadAllPictures)->Unit(benchmark::kMillisecond);

// The play screen with its tile drawing opened up, to be timed on its own.
struct TimedPlayState : PlayState {
    using PlayState::DrawTiles;
};

// The play screen on "Mixing Colors" (first level of the set), its intro pass done.
struct PlayScreen {
    PlacedPointer pointer;
    std::unique_ptr<TimedPlayState> screen;

    PlayScreen() {
        World();
        if (!Pictures().play) LoadAllPictures();
        ResetLibrary();
        Library().SelectSet(1);
        Library().SelectLevel(0);
        SetInputSource(&pointer);
        screen = std::make_unique<TimedPlayState>();
        screen->HandleEvents();  // the intro pass reads no input
        Screens().currentState.reset();  // the intro box, if any, is not timed
        // The right-hand section of the circle's tile.
        const TilePos circle = Library().CurrentLevel().circlePos;
        const BoardOffset offset = CentredBoardOffset(Library().CurrentLevel());
        pointer.x = kBoardX + offset.x + kTileSize * circle.x + kTileSize - 5;
        pointer.y = kBoardY + offset.y + kTileSize * circle.y + kTileSize / 2;
    }
    ~PlayScreen() { SetInputSource(nullptr); }

    void Click(Uint8 button) {
        for (Uint8 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.type = type;
            event.button.type = type;
            event.button.button = button;
            event.button.x = static_cast<Uint16>(pointer.x);
            event.button.y = static_cast<Uint16>(pointer.y);
            SDL_PushEvent(&event);
        }
    }

    // One pass of the main loop: the screen takes the queued events, then composes the frame.
    void Pass() {
        screen->HandleEvents();
        screen->Draw();
    }
};

// A left click that moves the circle one tile right, then a right click that takes it back:
// two full passes (events, the move rule, DrawTiles, the sprite list) per iteration.
void BM_PlayScreenMoveAndUndoPasses(benchmark::State& state) {
    PlayScreen play;
    const Level& level = Library().CurrentLevel();
    const TilePos start = level.circlePos;
    bool moved = true;
    for (auto _ : state) {
        play.Click(SDL_BUTTON_LEFT);
        play.Pass();
        moved = moved && level.circlePos != start;
        play.Click(SDL_BUTTON_RIGHT);
        play.Pass();
    }
    if (!moved || level.circlePos != start) state.SkipWithError("the click did not move the circle");
}
BENCHMARK(BM_PlayScreenMoveAndUndoPasses)->Unit(benchmark::kMicrosecond);

// The two drawing steps of a move pass on their own: the tiles onto the board surface, and
// every sprite onto the display (the full-screen background is one of them).
void BM_DrawTiles(benchmark::State& state) {
    PlayScreen play;
    for (auto _ : state) play.screen->DrawTiles();
}
BENCHMARK(BM_DrawTiles)->Unit(benchmark::kMicrosecond);

void BM_SpriteListDraw(benchmark::State& state) {
    PlayScreen play;
    for (auto _ : state) play.screen->sprites.Draw(SDL_GetVideoSurface());
}
BENCHMARK(BM_SpriteListDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

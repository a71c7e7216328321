// Start-up pictures, the play screen and its passes while a hint is worked out, on SDL's dummy
// video driver at 800 by 600, and some of it at scale 2 (1600 by 1200).
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "audio/AudioSystem.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "puzzle/BoardCentring.h"
#include "render/Display.h"
#include "render/EventQueue.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "screens/GameContext.h"
#include "screens/PlayState.h"
#include "screens/ScreenFactory.h"
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
// folder with a level set of twenty files, and the objects the screens are handed (the audio
// stays silent).
struct GameWorld {
    SilentErrors silent;
    std::unique_ptr<ScratchGameFolder> folder;
    Settings settings;
    Level editorBaseline;
    PictureTable pictures;
    AudioSystem audio{settings};
    SdlClock clock;
    FrameUpdate frame;
    ScreenManager screens{frame};
    Display display{pictures, screens, frame, {}};
    EventQueue events{screens, display};

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

// The display at `percent` % of 800 by 600 (the dummy driver draws into memory of that size).
void ShowAtScale(GameWorld& world, int percent) {
    const PixelSize size{800 * percent / 100, 600 * percent / 100};
    const SDL_Surface* display = SDL_GetVideoSurface();
    if (display->w != size.width || display->h != size.height) world.display.Resize(size);
}

// Every picture of the table at a scale: its master read, resampled unless the master is drawn
// at that scale, and converted to the display's layout. Argument: the scale in %.
void BM_LoadAllPictures(benchmark::State& state) {
    GameWorld& world = World();
    ShowAtScale(world, static_cast<int>(state.range(0)));
    PictureTable& pictures = world.pictures;
    for (auto _ : state) {
        LoadAllPictures(pictures, world.display.Scale());  // each slot frees the picture it held
        benchmark::DoNotOptimize(pictures.locked.get());
    }
    if (!pictures.locked) state.SkipWithError("pictures missing");
}
BENCHMARK(BM_LoadAllPictures)->Arg(100)->Arg(200)->Arg(216)->Unit(benchmark::kMillisecond);

// The play screen on "Mixing Colors" (first level of the set), or on `board` in its place, its
// intro pass done, current in the screen manager so that a pass ends as the game's do, sending
// the window what changed; at `percent` % of 800 by 600.
struct PlayScreen {
    GameWorld& world = World();
    ScreenManager& screens = world.screens;
    PlacedPointer pointer;
    LevelLibrary library{world.settings};
    GameContext context{{screens, world.events, world.frame, world.pictures, world.display.Scale()},
                        library, world.settings, world.audio, world.clock,
                        world.editorBaseline, &BuildScreen, DeviceTraits{}};
    PlayState* screen = nullptr;
    int x = 0;  // the pointer, in logical units
    int y = 0;

    explicit PlayScreen(const Level* board = nullptr, int percent = 100) {
        ShowAtScale(world, percent);
        world.display.LoadPictures();
        library.SelectSet(1);
        library.SelectLevel(0);
        if (board) {
            library.CurrentLevel() = *board;
            library.CurrentLevel().status = LevelStatus::Open;
        }
        SetInputSource(&pointer);
        auto play = std::make_unique<PlayState>(context);
        screen = play.get();
        screens.SwitchTo([&play] { return std::move(play); });
        screens.CarryOutRequests();
        screen->HandleEvents();  // the intro pass reads no input
        screens.CarryOutRequests();
        CloseBox();  // the intro box, if any, is not timed
        // The right-hand section of the circle's tile.
        const TilePos circle = library.CurrentLevel().circlePos;
        const BoardOffset offset = CentredBoardOffset(library.CurrentLevel());
        x = kBoardX + offset.x + kTileSize * circle.x + kTileSize - 5;
        y = kBoardY + offset.y + kTileSize * circle.y + kTileSize / 2;
        PlacePointer();
        screens.Present();  // the whole first picture
    }
    ~PlayScreen() {
        screens.Clear();
        SetInputSource(nullptr);
    }

    // A box the play screen opened goes, as its OK button would have it.
    void CloseBox() {
        if (!screens.Covered()) return;
        screens.CloseBox();
        screens.CarryOutRequests();
    }

    static void Push(SDL_Event event) { SDL_PushEvent(&event); }

    // The system pointer over the logical (x, y), in display pixels as SDL gives it.
    void PlacePointer() { world.display.Scale().ToDisplay(x, y, &pointer.x, &pointer.y); }

    void Click(Uint8 button) {
        for (Uint8 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.type = type;
            event.button.type = type;
            event.button.button = button;
            event.button.x = static_cast<Uint16>(pointer.x);
            event.button.y = static_cast<Uint16>(pointer.y);
            Push(event);
        }
    }

    // The pointer moves by `dx` logical units without a button held.
    void Move(int dx) {
        x += dx;
        PlacePointer();
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(pointer.x);
        event.motion.y = static_cast<Uint16>(pointer.y);
        Push(event);
    }

    // One pass of the main loop: the screen takes the queued events, draws what changed, and
    // the window is sent it.
    void Pass() { screens.RunPass(); }
};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// H pressed, then passes until the hint is there, each timed whole (input, a slice of the
// search, the frame, and on the last one the hint's arrow or box): the longest is the longest
// the player could find the screen unresponsive.
void BM_HintPasses(benchmark::State& state, const Level& board) {
    PlayScreen play(&board);
    double longest = 0;     // wall time: what the player sees, other processes' share included
    double cpuLongest = 0;  // this thread's own time
    int passes = 0;
    for (auto _ : state) {
        SDL_Event key{};
        key.type = SDL_KEYUP;
        key.key.type = SDL_KEYUP;
        key.key.keysym.sym = SDLK_h;
        SDL_PushEvent(&key);
        do {
            const auto began = std::chrono::steady_clock::now();
            const double cpuBefore = ThreadCpuMs();
            play.Pass();
            cpuLongest = std::max(cpuLongest, ThreadCpuMs() - cpuBefore);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - began;
            longest = std::max(longest, took.count());
            ++passes;
        } while (play.screen->HintPending());
        play.CloseBox();  // a box the hint opened
    }
    state.counters["longest_pass_ms"] = longest;
    state.counters["longest_pass_cpu_ms"] = cpuLongest;
    state.counters["passes"] = benchmark::Counter(passes, benchmark::Counter::kAvgIterations);
}

// The shipped level whose search stores the most states, from its start.
const Level& LargestShippedLevel() {
    static const Level level = [] {
        for (const auto& [file, shipped] : ShippedLevels())
            if (file == "levels/fourth/18.txt") return shipped;
        std::abort();
    }();
    return level;
}

// The circle and the star swapped on a sealed strip, the triangle free on 45 white tiles:
// hopeless, so the search runs out the hint's whole budget (kHintLimits: the proof's, then the
// way search's) before it gives up.
const Level& SealedSwapLevel() {
    static const Level level = [] {
        std::string numbers = "9 7 7 7 0 0 0 0 0 0 0";
        for (int i = 0; i < 9; ++i) numbers += " 0";
        for (int i = 0; i < 45; ++i) numbers += " 7";
        return ParseLevelString(numbers + " 0 0 1 0 0 2 1 0 0 0 8 6", "Sealed", "", "", "");
    }();
    return level;
}

// Survey level 158: the shortest proof runs out its budget, then a way is found and shortened.
const Level& FarShortestLevel() {
    static const Level level = ParseLevelString(
        "9 6 7 6 7 6 7 7 2 6 1 7 7 7 2 7 6 7 2 7 7 0 7 7 5 0 6 4 4 7 7 6 7 7 7 7 1 7 0 5 5 4 7 "
        "3 3 3 6 4 1 0 5 1 6 7 7 7 0 0 4 2 7 1 0 3 7 5 8 1",
        "Far shortest", "", "", "");
    return level;
}

BENCHMARK_CAPTURE(BM_HintPasses, largest_shipped, LargestShippedLevel())
    ->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HintPasses, whole_budget, SealedSwapLevel())
    ->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HintPasses, way_found, FarShortestLevel())
    ->Iterations(3)->Unit(benchmark::kMillisecond);

// A left click that moves the circle one tile right, then a right click that takes it back:
// two passes (events, the move rule, the tiles and sprites that changed) per iteration, at a
// scale in % (argument).
void BM_PlayScreenMoveAndUndoPasses(benchmark::State& state) {
    PlayScreen play(nullptr, static_cast<int>(state.range(0)));
    const Level& level = play.library.CurrentLevel();
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
BENCHMARK(BM_PlayScreenMoveAndUndoPasses)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// The pointer wanders within one section of the circle's tile: a pass that changes nothing.
void BM_PlayScreenHoverPass(benchmark::State& state) {
    PlayScreen play;
    play.Move(1);
    play.Pass();  // the hover arrow comes
    const uint64_t blits = play.world.frame.Totals().blits;
    int step = 1;
    for (auto _ : state) {
        play.Move(step);
        play.Pass();
        step = -step;
    }
    if (play.world.frame.Totals().blits != blits) state.SkipWithError("hovering drew");
}
BENCHMARK(BM_PlayScreenHoverPass)->Unit(benchmark::kMicrosecond);

// The whole picture, as a new screen or a closed box has it drawn: every sprite onto the
// display (the full-screen background is one of them), at a scale in % (argument).
void BM_WholeFrame(benchmark::State& state) {
    PlayScreen play(nullptr, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        play.world.frame.Invalidate();
        play.screen->sprites.Draw(SDL_GetVideoSurface(), play.world.frame,
                                  play.world.display.Scale());
    }
}
BENCHMARK(BM_WholeFrame)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

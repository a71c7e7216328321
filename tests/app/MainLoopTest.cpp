// The main loop and screen switching, driven under the dummy video driver with pushed events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "platform/Clock.h"
#include "render/ScreenManager.h"
#include "support/ErrorRecorder.h"
#include "util/ErrorReport.h"

using namespace qv;

namespace {

using Log = std::vector<std::string>;

// Logs its life and passes; waits for input like every screen. A user event runs `onUserEvent`
// as the very last step of HandleEvents, since it may delete this screen.
class RecordingScreen : public GameState {
public:
    RecordingScreen(std::string name, Log& log, std::function<void()> onUserEvent = {})
        : name_(std::move(name)), log_(log), onUserEvent_(std::move(onUserEvent)) {
        log_.push_back(name_ + " built");
    }
    ~RecordingScreen() override { log_.push_back(name_ + " destroyed"); }

    void HandleEvents() override {
        log_.push_back(name_ + " handle");
        // A pass without input would block for ever: fail the test instead.
        SDL_PumpEvents();
        SDL_Event event;
        if (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) <= 0) {
            ADD_FAILURE() << name_ << " waits for input that never comes";
            Quit();
            return;
        }
        std::function<void()> action;
        bool quit = false;
        SDL_WaitEvent(&event);
        do {
            if (event.type == SDL_QUIT) quit = true;
            if (event.type == SDL_USEREVENT) action = onUserEvent_;
        } while (SDL_PollEvent(&event));
        if (quit) Quit();
        if (action) action();
    }

    void Draw() override { log_.push_back(name_ + " draw"); }

private:
    std::string name_;
    Log& log_;
    std::function<void()> onUserEvent_;
};

void Push(Uint8 type) {
    SDL_Event event{};
    event.type = type;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

class MainLoop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        App().display = SDL_SetVideoMode(64, 48, 32, SDL_SWSURFACE);
        ASSERT_NE(App().display, nullptr) << SDL_GetError();
        Screens().running = true;
        SetFatalHandler(Quit);
    }
    void TearDown() override {
        Screens().currentState.reset();
        Screens().savedState.reset();
        Screens().running = true;
        App().display = nullptr;
        SetFatalHandler(nullptr);
        SDL_Quit();
    }

    ErrorRecorder rec;
    Log log;
};

}  // namespace

TEST_F(MainLoop, EveryScreenTheFirstIncludedIsDrawnBeforeItsInput) {
    Screens().currentState = std::make_unique<RecordingScreen>("menu", log, [this] {
        SwitchTo<RecordingScreen>("play", log);
        Push(SDL_QUIT);  // the input for the new screen's first pass
    });
    log.clear();
    Push(SDL_USEREVENT);
    RunMainLoop();

    const Log expected = {"menu draw",  "menu handle", "menu destroyed", "play built",
                          "play draw",  "play handle", "play draw"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(MainLoop, QuitEndsTheLoopAfterThePassInProgress) {
    Screens().currentState = std::make_unique<RecordingScreen>("menu", log);
    log.clear();
    Push(SDL_QUIT);
    RunMainLoop();

    const Log expected = {"menu draw", "menu handle", "menu draw"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(Screens().running);
    EXPECT_NE(Screens().currentState, nullptr);  // deleting screens is Shutdown's job
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(MainLoop, NoCurrentScreenIsFatal) {
    RunMainLoop();
    const std::vector<ErrorRecorder::Box> expected = {{"Fatal Error", "No game state set."}};
    EXPECT_EQ(rec.boxes, expected);
    EXPECT_FALSE(Screens().running);

    // The same when a screen leaves none behind: nothing is drawn.
    Screens().running = true;
    rec.boxes.clear();
    Screens().currentState =
        std::make_unique<RecordingScreen>("box", log, [] { Screens().currentState.reset(); });
    log.clear();
    Push(SDL_USEREVENT);
    RunMainLoop();
    const Log steps = {"box draw", "box handle", "box destroyed"};
    EXPECT_EQ(log, steps);
    EXPECT_EQ(rec.boxes, expected);
}

TEST_F(MainLoop, ShutdownDeletesTheCurrentThenTheSavedScreen) {
    Screens().savedState = std::make_unique<RecordingScreen>("play", log);
    Screens().currentState = std::make_unique<RecordingScreen>("box", log);
    log.clear();
    Shutdown();

    const Log expected = {"box destroyed", "play destroyed"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(Screens().currentState, nullptr);
    EXPECT_EQ(Screens().savedState, nullptr);
    EXPECT_EQ(App().display, nullptr);
}

TEST_F(MainLoop, InputDuringTheSplashIsDroppedButClosingTheWindowStillQuits) {
    SDL_Event left;
    Push(SDL_KEYDOWN);  // Escape, or a click on a level, while the splash shows
    Push(SDL_KEYUP);
    Push(SDL_MOUSEBUTTONUP);
    EndSplash(TickCount() - kMinimumSplashMs);
    EXPECT_EQ(SDL_PollEvent(&left), 0);
    EXPECT_TRUE(Screens().running);

    Push(SDL_KEYUP);
    Push(SDL_QUIT);
    EndSplash(TickCount() - kMinimumSplashMs);
    EXPECT_EQ(SDL_PollEvent(&left), 0);
    EXPECT_FALSE(Screens().running);
}

TEST_F(MainLoop, AKeyHeldThroughTheSplashsEndDoesNotActWhenReleased) {
    auto pushKey = [](Uint8 type) {
        SDL_Event event{};
        event.type = type;
        event.key.type = type;
        event.key.keysym.sym = SDLK_RETURN;  // Return in the menu plays the chosen level
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    };
    pushKey(SDL_KEYDOWN);
    EndSplash(TickCount() - kMinimumSplashMs);
    pushKey(SDL_KEYDOWN);  // the key repeating while held
    pushKey(SDL_KEYUP);
    pushKey(SDL_KEYDOWN);  // a new press is the player's again
    pushKey(SDL_KEYUP);
    std::vector<Uint8> seen;
    DrainEventsNow([&](const SDL_Event& event) {
        seen.push_back(event.type);
        return EventFlow::Continue;
    });
    EXPECT_EQ(seen, (std::vector<Uint8>{SDL_KEYDOWN, SDL_KEYUP}));
}

TEST(SplashTime, StaysAtLeastFourSecondsAndNeverLonger) {
    EXPECT_EQ(SplashTimeLeft(1000, 1000), 4000u);
    EXPECT_EQ(SplashTimeLeft(1000, 1250), 3750u);   // fast loading: wait the rest
    EXPECT_EQ(SplashTimeLeft(1000, 5000), 0u);      // exactly on time
    EXPECT_EQ(SplashTimeLeft(1000, 9000), 0u);      // slow loading: no extra wait
    EXPECT_EQ(SplashTimeLeft(0xFFFFFF00u, 0x100u), 3488u);  // across the counter wrapping
}

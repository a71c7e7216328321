// The main loop and screen switching, driven under the dummy video driver with pushed events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "app/ProcessObjects.h"
#include "platform/Clock.h"
#include "platform/VideoMode.h"
#include "render/Display.h"
#include "render/EventQueue.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "support/ErrorRecorder.h"
#include "support/TempDir.h"
#include "util/ErrorReport.h"

using namespace qv;

namespace {

using Log = std::vector<std::string>;

// Logs its life and its passes, the end of its own turn included; waits for input like every
// screen. A user event runs `onUserEvent` late in the pass, where a screen asks for a switch.
class RecordingScreen : public GameState {
public:
    RecordingScreen(std::string screenName, Log& screenLog, ScreenManager& manager,
                    std::function<void()> action = {})
        : name(std::move(screenName)), log(screenLog), screens(manager),
          onUserEvent(std::move(action)) {
        log.push_back(name + " built");
    }
    ~RecordingScreen() override { log.push_back(name + " destroyed"); }

    void HandleEvents() override {
        log.push_back(name + " handle");
        // A pass without input would block for ever: fail the test instead.
        SDL_PumpEvents();
        SDL_Event event;
        if (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) <= 0) {
            ADD_FAILURE() << name << " waits for input that never comes";
            screens.Quit();
            return;
        }
        bool asked = false;
        SDL_WaitEvent(&event);
        do {
            if (event.type == SDL_QUIT) screens.Quit();
            asked = asked || event.type == SDL_USEREVENT;
        } while (SDL_PollEvent(&event));
        // After the queue is drained, so that what it pushes is the next pass's input.
        if (asked && onUserEvent) onUserEvent();
        log.push_back(name + " handled");
    }

    void Draw() override { log.push_back(name + " draw"); }

private:
    std::string name;
    Log& log;
    ScreenManager& screens;
    std::function<void()> onUserEvent;
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
        ASSERT_NE(SDL_SetVideoMode(64, 48, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
        SetFatalHandler([this] { screens.Quit(); });
    }
    void TearDown() override {
        screens.Clear();
        SetFatalHandler(nullptr);
        SDL_Quit();
    }

    // Asks for a recording screen as the next one.
    void SwitchToRecording(const std::string& name, std::function<void()> onUserEvent = {}) {
        screens.SwitchTo([this, name, onUserEvent] {
            return std::make_unique<RecordingScreen>(name, log, screens, onUserEvent);
        });
    }

    ErrorRecorder rec;
    Log log;
    FrameUpdate frame;
    ScreenManager screens{frame};
    PictureTable pictures;
    Display gameDisplay{pictures, screens, frame, {}};
    EventQueue events{screens, gameDisplay};
    SdlClock clock;
};

}  // namespace

TEST_F(MainLoop, ASwitchAskedForInAPassComesAfterItAndEveryScreenIsDrawnBeforeItsInput) {
    SwitchToRecording("menu", [this] {
        SwitchToRecording("play");
        Push(SDL_QUIT);  // the input for the new screen's first pass
    });
    Push(SDL_USEREVENT);
    RunMainLoop(screens);

    // The menu ends its turn before it is destroyed, and is gone before the next is built.
    const Log expected = {"menu built",     "menu draw",  "menu handle", "menu handled",
                          "menu destroyed", "play built", "play draw",   "play handle",
                          "play handled",   "play draw"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(MainLoop, QuitEndsTheLoopAfterThePassInProgress) {
    SwitchToRecording("menu");
    Push(SDL_QUIT);
    RunMainLoop(screens);

    const Log expected = {"menu built", "menu draw", "menu handle", "menu handled", "menu draw"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(screens.Running());
    EXPECT_NE(screens.Current(), nullptr);  // deleting screens is Shutdown's job
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(MainLoop, NoCurrentScreenIsFatal) {
    RunMainLoop(screens);
    const std::vector<ErrorRecorder::Box> expected = {{"Fatal Error", "No game state set."}};
    EXPECT_EQ(rec.boxes, expected);
    EXPECT_FALSE(screens.Running());
}

TEST_F(MainLoop, ASwitchToAScreenThatCannotBeBuiltIsFatalAndDrawsNothing) {
    SwitchToRecording("menu", [this] { screens.SwitchTo([] { return nullptr; }); });
    Push(SDL_USEREVENT);
    RunMainLoop(screens);
    const Log steps = {"menu built", "menu draw", "menu handle", "menu handled", "menu destroyed"};
    EXPECT_EQ(log, steps);
    const std::vector<ErrorRecorder::Box> expected = {{"Fatal Error", "No game state set."}};
    EXPECT_EQ(rec.boxes, expected);
}

TEST_F(MainLoop, ClearingDeletesTheCurrentThenTheCoveredScreen) {
    SwitchToRecording("play");
    screens.OpenBox(std::make_unique<RecordingScreen>("box", log, screens));
    screens.CarryOutRequests();
    log.clear();
    screens.Clear();

    const Log expected = {"box destroyed", "play destroyed"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(screens.Current(), nullptr);
    EXPECT_EQ(screens.Covered(), nullptr);
}

TEST_F(MainLoop, InputDuringTheSplashIsDroppedButClosingTheWindowStillQuits) {
    SDL_Event left;
    Push(SDL_KEYDOWN);  // Escape, or a click on a level, while the splash shows
    Push(SDL_KEYUP);
    Push(SDL_MOUSEBUTTONUP);
    EndSplash(clock.Ticks() - kMinimumSplashMs, clock, events);
    EXPECT_EQ(SDL_PollEvent(&left), 0);
    EXPECT_TRUE(screens.Running());

    Push(SDL_KEYUP);
    Push(SDL_QUIT);
    EndSplash(clock.Ticks() - kMinimumSplashMs, clock, events);
    EXPECT_EQ(SDL_PollEvent(&left), 0);
    EXPECT_FALSE(screens.Running());
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
    EndSplash(clock.Ticks() - kMinimumSplashMs, clock, events);
    pushKey(SDL_KEYDOWN);  // the key repeating while held
    pushKey(SDL_KEYUP);
    pushKey(SDL_KEYDOWN);  // a new press is the player's again
    pushKey(SDL_KEYUP);
    std::vector<Uint8> seen;
    events.DrainNow([&](const SDL_Event& event) {
        seen.push_back(event.type);
        return EventFlow::Continue;
    });
    EXPECT_EQ(seen, (std::vector<Uint8>{SDL_KEYDOWN, SDL_KEYUP}));
}

// F11 belongs to the event path every screen reads; keeping the choice, with the other user
// settings in the progress file, is the shell's.
TEST_F(MainLoop, F11sChoiceIsKeptInTheProgressFile) {
    TempDir dir;
    ProcessObjects objects;
    SDL_Event f11{};
    f11.type = f11.key.type = SDL_KEYDOWN;
    f11.key.keysym.sym = SDLK_F11;
    ASSERT_EQ(SDL_PushEvent(&f11), 0);
    objects.events.DrainNow([](const SDL_Event&) { return EventFlow::Continue; });
    EXPECT_TRUE(objects.settings.fullscreen);
    EXPECT_EQ(dir.Read("progress.save").substr(2, 1), "\x01");
    EXPECT_TRUE(rec.boxes.empty()) << (rec.boxes.empty() ? "" : rec.boxes[0].text);
    SetVideoMode(PixelSize{800, 600}, 32, false);
}

TEST(SplashTime, StaysAtLeastFourSecondsAndNeverLonger) {
    EXPECT_EQ(SplashTimeLeft(1000, 1000), 4000u);
    EXPECT_EQ(SplashTimeLeft(1000, 1250), 3750u);   // fast loading: wait the rest
    EXPECT_EQ(SplashTimeLeft(1000, 5000), 0u);      // exactly on time
    EXPECT_EQ(SplashTimeLeft(1000, 9000), 0u);      // slow loading: no extra wait
    EXPECT_EQ(SplashTimeLeft(0xFFFFFF00u, 0x100u), 3488u);  // across the counter wrapping
}

// F11 in the one event path every screen and box reads: it switches the display, keeps the
// choice in the user settings byte of "./progress.save", and no screen ever sees the key.
#include <gtest/gtest.h>

#include <vector>

#include "DisplayTest.h"
#include "content/Settings.h"
#include "platform/FullScreen.h"
#include "render/GameState.h"

using namespace qv;

namespace {

class FullScreenKeyTest : public DisplayTest {
protected:
    // Pushes `events`, drains them as a screen would and returns the keys the screen saw.
    std::vector<SDLKey> Drain(const std::vector<SDL_Event>& events) {
        for (const SDL_Event& event : events) Push(event);
        std::vector<SDLKey> seen;
        WaitAndDrainEvents([&](const SDL_Event& event) {
            if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
                seen.push_back(event.key.keysym.sym);
            return EventFlow::Continue;
        });
        return seen;
    }

    void TearDown() override {
        SetFullScreen(false);
        DisplayTest::TearDown();
    }
};

TEST_F(FullScreenKeyTest, F11SwitchesBothWaysAndSavesTheChoice) {
    Settings& settings = TheSettings();
    settings.musicVolume = 64;
    settings.soundVolume = 128;
    settings.fullscreen = false;
    const std::vector<SDL_Event> pressF11 = {KeyEvent(SDL_KEYDOWN, SDLK_F11),
                                             KeyEvent(SDL_KEYDOWN, SDLK_a),
                                             KeyEvent(SDL_KEYUP, SDLK_F11)};

    EXPECT_EQ(Drain(pressF11), std::vector<SDLKey>{SDLK_a});
    EXPECT_TRUE(DisplayIsFullScreen());
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_EQ(dir.Read("progress.save").substr(0, 3), std::string("\x40\x80\x01", 3));
    const SDL_Surface* display = SDL_GetVideoSurface();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->w == 800 && display->h == 600 && display->format->BitsPerPixel == 32);

    EXPECT_EQ(Drain(pressF11), std::vector<SDLKey>{SDLK_a});
    EXPECT_FALSE(DisplayIsFullScreen());
    EXPECT_EQ(dir.Read("progress.save").substr(0, 3), std::string("\x40\x80\x00", 3));
    EXPECT_TRUE(errors.boxes.empty());
}

}  // namespace

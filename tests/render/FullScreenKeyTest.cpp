// F11 in the one event path every screen and box reads: it switches the display, hands the
// choice on to be kept, and no screen ever sees the key.
#include <gtest/gtest.h>

#include <vector>

#include "DisplayTest.h"
#include "platform/VideoMode.h"
#include "render/Display.h"
#include "render/EventQueue.h"

using namespace qv;

namespace {

class FullScreenKeyTest : public DisplayTest {
protected:
    // Pushes `events`, drains them as a screen would and returns the keys the screen saw.
    std::vector<SDLKey> Drain(const std::vector<SDL_Event>& pushed) {
        for (const SDL_Event& event : pushed) Push(event);
        std::vector<SDLKey> seen;
        keyedEvents.WaitAndDrain([&](const SDL_Event& event) {
            if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
                seen.push_back(event.key.keysym.sym);
            return EventFlow::Continue;
        });
        return seen;
    }

    void TearDown() override {
        SetVideoMode(PixelSize{800, 600}, 32, false);
        DisplayTest::TearDown();
    }

    std::vector<bool> kept;  // each choice handed on
    Display keyedDisplay{pictures, screens, frame, [this](bool on) { kept.push_back(on); }};
    EventQueue keyedEvents{screens, keyedDisplay};
};

TEST_F(FullScreenKeyTest, F11SwitchesBothWaysAndHandsOnTheChoice) {
    const std::vector<SDL_Event> pressF11 = {KeyEvent(SDL_KEYDOWN, SDLK_F11),
                                             KeyEvent(SDL_KEYDOWN, SDLK_a),
                                             KeyEvent(SDL_KEYUP, SDLK_F11)};

    EXPECT_EQ(Drain(pressF11), std::vector<SDLKey>{SDLK_a});
    EXPECT_TRUE(DisplayIsFullScreen());
    EXPECT_EQ(kept, std::vector<bool>{true});
    const SDL_Surface* display = SDL_GetVideoSurface();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->w == 800 && display->h == 600 && display->format->BitsPerPixel == 32);

    EXPECT_EQ(Drain(pressF11), std::vector<SDLKey>{SDLK_a});
    EXPECT_FALSE(DisplayIsFullScreen());
    EXPECT_EQ(kept, (std::vector<bool>{true, false}));
    EXPECT_TRUE(errors.boxes.empty());
}

}  // namespace

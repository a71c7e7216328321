#include <gtest/gtest.h>

#include "DisplayTest.h"
#include "render/Button.h"
#include "render/SpriteList.h"

using namespace qv;

namespace {

int clickSounds = 0;
void CountClick() { ++clickSounds; }

// A button at (100, 50), 80 by 40, with hot key Return, shown through slot 4.
class ButtonTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        clickSounds = 0;
        previousPlayer = SetClickSoundPlayer(&CountClick);
        WritePicture("gui/idle.bmp", 80, 40, 10, 10, 10);
        WritePicture("gui/hover.bmp", 80, 40, 20, 20, 20);
        WritePicture("gui/pressed.bmp", 80, 40, 30, 30, 30);
        dir.Write("gui/ok.button", "100 50\t80 40\ngui/idle.bmp gui/hover.bmp gui/pressed.bmp 13\n");
        button.LoadButton("gui/ok.button", &list.sprites[4], gameDisplay.Scale());
    }
    void TearDown() override {
        button.FreeImages();
        SetClickSoundPlayer(previousPlayer);
        DisplayTest::TearDown();
    }

    bool Offer(const SDL_Event& event) { return button.HandleEvent(event); }
    SDL_Surface* Shown() const { return list.sprites[4].picture; }

    SpriteList list;
    Button button;
    ClickSoundPlayer previousPlayer = nullptr;
};

const Uint8 kLeftHeld = SDL_BUTTON(SDL_BUTTON_LEFT);

}  // namespace

TEST_F(ButtonTest, LoadsAllEightFieldsAndShowsTheIdleLook) {
    EXPECT_TRUE(button.loaded && button.hoverImage && button.pressedImage);
    EXPECT_EQ(button.hotKey, SDLK_RETURN);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown(), button.normalImage.get());
    EXPECT_EQ(list.sprites[4].x, 100);
    EXPECT_EQ(list.sprites[4].y, 50);
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(ButtonTest, LeftAndTopEdgesBelongToTheButtonRightAndBottomDoNot) {
    EXPECT_TRUE(button.Inside(100, 50));
    EXPECT_TRUE(button.Inside(179, 89));
    EXPECT_FALSE(button.Inside(180, 50));
    EXPECT_FALSE(button.Inside(100, 90));
    EXPECT_FALSE(button.Inside(99, 60));
}

TEST_F(ButtonTest, ClickCompletesOnReleaseInsideWhereverThePressWas) {
    EXPECT_FALSE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, 10, 10)));
    EXPECT_FALSE(Offer(MotionEvent(120, 60, kLeftHeld)));
    EXPECT_EQ(Shown(), button.pressedImage.get());
    EXPECT_TRUE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONUP, 120, 60)));
    EXPECT_EQ(Shown(), button.hoverImage.get());
}

TEST_F(ButtonTest, ReleaseOutsideOrWithAnotherButtonIsNoClick) {
    EXPECT_FALSE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, 120, 60)));
    EXPECT_EQ(clickSounds, 1);
    EXPECT_FALSE(Offer(MotionEvent(300, 300, kLeftHeld)));
    EXPECT_EQ(Shown(), button.normalImage.get());
    EXPECT_FALSE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONUP, 300, 300)));
    EXPECT_FALSE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONUP, 120, 60, SDL_BUTTON_RIGHT)));
}

TEST_F(ButtonTest, DraggingInPlaysTheClickSoundOnceOnEntering) {
    Offer(MotionEvent(10, 10, kLeftHeld));
    Offer(MotionEvent(110, 60, kLeftHeld));
    Offer(MotionEvent(120, 61, kLeftHeld));
    Offer(MotionEvent(130, 62, kLeftHeld));
    EXPECT_EQ(clickSounds, 1);
    Offer(MotionEvent(10, 10, kLeftHeld));
    Offer(MotionEvent(110, 60, kLeftHeld));
    EXPECT_EQ(clickSounds, 2);
}

TEST_F(ButtonTest, HotKeyPressesOnKeyDownAndClicksOnRelease) {
    EXPECT_FALSE(Offer(KeyEvent(SDL_KEYDOWN, SDLK_RETURN)));
    EXPECT_EQ(Shown(), button.pressedImage.get());
    EXPECT_EQ(clickSounds, 1);
    // The pointer moving over it keeps the pressed look while the key is held.
    Offer(MotionEvent(300, 300, 0));
    EXPECT_EQ(Shown(), button.pressedImage.get());
    EXPECT_TRUE(Offer(KeyEvent(SDL_KEYUP, SDLK_RETURN)));
    EXPECT_EQ(Shown(), button.normalImage.get());
    EXPECT_FALSE(Offer(KeyEvent(SDL_KEYUP, SDLK_SPACE)));
}

TEST_F(ButtonTest, HotKeyReleasedWithoutItsPressStillClicks) {
    EXPECT_TRUE(Offer(KeyEvent(SDL_KEYUP, SDLK_RETURN)));
    EXPECT_EQ(clickSounds, 0);
}

TEST_F(ButtonTest, LatchedButtonKeepsThePressedLookUntilAClick) {
    button.SetToggled(true);
    EXPECT_EQ(Shown(), button.pressedImage.get());
    Offer(MotionEvent(120, 60, 0));
    EXPECT_EQ(Shown(), button.pressedImage.get());
    Offer(MotionEvent(300, 300, 0));
    EXPECT_EQ(Shown(), button.pressedImage.get());
    EXPECT_TRUE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONUP, 120, 60)));
    EXPECT_EQ(Shown(), button.hoverImage.get());
    button.SetToggled(false);
    EXPECT_EQ(Shown(), button.normalImage.get());
}

TEST_F(ButtonTest, HiddenButtonIgnoresEverythingUntilShown) {
    button.Hide();
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, 120, 60)));
    EXPECT_FALSE(Offer(MouseButtonEvent(SDL_MOUSEBUTTONUP, 120, 60)));
    EXPECT_FALSE(Offer(KeyEvent(SDL_KEYUP, SDLK_RETURN)));
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_EQ(clickSounds, 0);
    button.Show();
    EXPECT_EQ(Shown(), button.normalImage.get());
}

class ButtonFileTest : public DisplayTest {
protected:
    void TearDown() override {
        button.FreeImages();
        DisplayTest::TearDown();
    }
    Sprite slot;
    Button button;
};

TEST_F(ButtonFileTest, MissingFileLeavesAButtonThatShowsNothingAndNeverClicks) {
    button.LoadButton("./gui/none.button", &slot, gameDisplay.Scale());
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0], (ErrorRecorder::Box{"Error", "Could not open file ./gui/none.button."}));
    EXPECT_FALSE(button.loaded);
    EXPECT_EQ(slot.picture, nullptr);
    EXPECT_FALSE(button.HandleEvent(MouseButtonEvent(SDL_MOUSEBUTTONUP, 0, 0)));
    EXPECT_FALSE(button.HandleEvent(KeyEvent(SDL_KEYUP, SDLK_UNKNOWN)));
}

TEST_F(ButtonFileTest, ReadingStopsAtTheFirstBadField) {
    dir.Write("short.button", "10 20 x 40 a.bmp b.bmp c.bmp 13");
    button.LoadButton("short.button", &slot, gameDisplay.Scale());
    EXPECT_EQ(slot.x, 10);
    EXPECT_EQ(slot.y, 20);
    EXPECT_EQ(button.area.width, 0);
    EXPECT_EQ(button.hotKey, SDLK_UNKNOWN);
    // The three empty picture names are each reported by the loader; the button shows nothing.
    ASSERT_EQ(errors.boxes.size(), 3u);
    EXPECT_EQ(errors.boxes[0].text.rfind("Could not load bitmap . ", 0), 0u);
    EXPECT_EQ(slot.picture, nullptr);
}

TEST_F(DisplayTest, SpriteListDrawsOnlyCountedSlotsAndSkipsEmptyOnes) {
    SDL_Surface* display = SDL_GetVideoSurface();
    SDL_FillRect(display, nullptr, 0);
    SDL_Surface* red = MakeSurface(10, 10, 255, 0, 0);
    SpriteList list;
    list.sprites[0] = Sprite{nullptr, 0, 0};
    list.sprites[1] = Sprite{red, 20, 30};
    list.sprites[2] = Sprite{red, 50, 50};
    list.Draw(display, frame, context.scale);
    EXPECT_EQ(PixelAt(display, 20, 30), 0u);  // count 0 draws nothing

    list.count = 2;
    list.Draw(display, frame, context.scale);
    EXPECT_EQ(PixelAt(display, 20, 30), Rgb(display, 255, 0, 0));
    EXPECT_EQ(PixelAt(display, 50, 50), 0u);
    SDL_FreeSurface(red);
}

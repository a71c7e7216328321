#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DisplayTest.h"
#include "render/MessageBoxState.h"
#include "render/MessageBoxes.h"
#include "render/ScreenManager.h"

using namespace qv;

namespace {

// The screen a box covers; notices its deletion, and quits should it ever be run while a
// box waits (so a wrong close can't spin the wait forever).
class CoveredScreen : public GameState {
public:
    explicit CoveredScreen(bool* deleted) : deleted_(deleted) {}
    ~CoveredScreen() override { *deleted_ = true; }
    void HandleEvents() override {
        ++handled;
        Quit();
    }
    void Draw() override {}
    int handled = 0;

private:
    bool* deleted_;
};

class MessageBoxTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        WritePicture("gui/b.bmp", 50, 20, 90, 90, 90);
        WriteButton("ok", 380, 380, SDLK_RETURN);
        WriteButton("save", 250, 380, SDLK_s);
        WriteButton("discard", 350, 380, SDLK_d);
        WriteButton("cancel", 450, 380, SDLK_ESCAPE);
        auto screen = std::make_unique<CoveredScreen>(&coveredDeleted);
        covered = screen.get();
        Screens().currentState = std::move(screen);
    }

    void WriteButton(const std::string& name, int x, int y, SDLKey key) {
        dir.Write("gui/messages/" + name + ".button",
                  std::to_string(x) + " " + std::to_string(y) +
                      " 50 20 gui/b.bmp gui/b.bmp gui/b.bmp " + std::to_string(key) + "\n");
    }

    // Composes a box without buttons, with a 10 by 10 blue picture.
    std::unique_ptr<MessageBoxState> Compose(const std::string& text, int pictureWidth = 10) {
        SDL_Surface* picture = MakeSurface(pictureWidth, 10, 0, 0, 255);
        auto box = std::make_unique<MessageBoxState>("Title", text, picture,
                                                     std::vector<std::string>{});
        SDL_FreeSurface(picture);
        return box;
    }

    // The top row of the blue picture in the box, found at the picture's middle column.
    static int PictureTop(MessageBoxState& box) {
        SDL_Surface* surface = box.box.get();
        const int x = kBoxWidth / 2;
        for (int y = 0; y < surface->h; ++y)
            if (PixelAt(surface, x, y) == Rgb(surface, 0, 0, 255)) return y;
        return -1;
    }

    // Whether anything but the fill colour lies in the rows [top, bottom) of the box's left part.
    static bool InkInRows(MessageBoxState& box, int top, int bottom) {
        SDL_Surface* surface = box.box.get();
        const Uint32 fill = Rgb(surface, 205, 204, 147);
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 120; ++x)
                if (PixelAt(surface, x, y) != fill) return true;
        return false;
    }

    bool coveredDeleted = false;
    CoveredScreen* covered = nullptr;
};

int32_t AskToSave() {
    return RunChoiceBox("Do you want to save your changes?", "Question", "./gui/messages/save.button",
                        "./gui/messages/discard.button", "./gui/messages/cancel.button");
}

}  // namespace

TEST_F(MessageBoxTest, EmptyTextCountsOneLineAndPutsThePictureAt43) {
    auto box = Compose("");
    EXPECT_EQ(box->lineCount, 1);
    EXPECT_EQ(PictureTop(*box), 43);
    EXPECT_FALSE(InkInRows(*box, 22, 37));
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(MessageBoxTest, UntitledBoxIsNoError) {
    // The intro box of a level without a name has an empty title.
    MessageBoxState box("", "text", static_cast<SDL_Surface*>(nullptr), {});
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(MessageBoxTest, OneLineWithOrWithoutLineBreakCountsTwo) {
    for (const std::string text : {"abc", "abc\n"}) {
        auto box = Compose(text);
        EXPECT_EQ(box->lineCount, 2) << text;
        EXPECT_EQ(PictureTop(*box), 57) << text;
        EXPECT_TRUE(InkInRows(*box, 22, 37)) << text;
    }
}

TEST_F(MessageBoxTest, OverlongLineIsCutAndHidesTheRest) {
    auto box = Compose(std::string(120, 'x') + "\nsecond line\nthird");
    EXPECT_EQ(box->lineCount, 1);
    EXPECT_EQ(PictureTop(*box), 43);
    EXPECT_FALSE(InkInRows(*box, 40, 52));  // no second line at y 37
}

TEST_F(MessageBoxTest, TextAndTitleTooWideForTheBoxGoOnBelowAndPushThePictureDown) {
    // Too wide even at the smallest size: the line breaks in two, the picture moves a line down.
    auto box = Compose("Red stops the circle, yellow stops the star; the triangle passes both.");
    EXPECT_EQ(box->lineCount, 3);
    EXPECT_EQ(PictureTop(*box), 71);
    EXPECT_TRUE(InkInRows(*box, 37, 52));
    // A title of two lines moves the text and the picture down by one title line.
    SDL_Surface* picture = MakeSurface(10, 10, 0, 0, 255);
    MessageBoxState titled(std::string(13, 'W') + " " + std::string(13, 'W'), "abc", picture, {});
    SDL_FreeSurface(picture);
    EXPECT_EQ(PictureTop(titled), 57 + 18);
    EXPECT_TRUE(InkInRows(titled, 22 + 18, 37 + 18));
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(MessageBoxTest, WidePictureIsCentredAndCutAtBothSides) {
    auto box = Compose("", 400);
    SDL_Surface* surface = box->box.get();
    EXPECT_EQ(PixelAt(surface, 0, 43), Rgb(surface, 0, 0, 255));
    EXPECT_EQ(PixelAt(surface, kBoxWidth - 1, 43), Rgb(surface, 0, 0, 255));
}

TEST_F(MessageBoxTest, BoxShowsOverAFrozenCopyOfTheDisplay) {
    SDL_Surface* display = SDL_GetVideoSurface();
    SDL_FillRect(display, nullptr, Rgb(display, 1, 2, 3));
    auto box = Compose("text");
    ASSERT_NE(box->background, nullptr);
    EXPECT_EQ(PixelAt(box->background.get(), 799, 599), Rgb(display, 1, 2, 3));
    EXPECT_EQ(box->sprites.sprites[0].picture, box->background.get());
}

TEST_F(MessageBoxTest, PlainBoxClosesOnKeyReleaseAndRestoresTheCoveredScreen) {
    for (SDLKey key : {SDLK_ESCAPE, SDLK_SPACE, SDLK_RETURN}) {
        OpenMessageBox("Well done", "You solved it.", nullptr);
        EXPECT_EQ(Screens().savedState.get(), covered);
        ASSERT_NE(dynamic_cast<MessageBoxState*>(Screens().currentState.get()), nullptr);
        EXPECT_EQ(static_cast<MessageBoxState*>(Screens().currentState.get())->sprites.count, 4);

        Push(KeyEvent(SDL_KEYDOWN, key));
        Push(KeyEvent(SDL_KEYUP, key));
        Screens().currentState->HandleEvents();
        EXPECT_EQ(Screens().currentState.get(), covered) << key;
        EXPECT_EQ(Screens().savedState, nullptr);
        EXPECT_FALSE(coveredDeleted);
    }
}

TEST_F(MessageBoxTest, BoxFromFileLoadsItsPicture) {
    WritePicture("graphics/tutorial1.bmp", 20, 20, 0, 0, 255);
    OpenMessageBoxFromFile("Intro", "", "graphics/tutorial1.bmp");
    auto* box = dynamic_cast<MessageBoxState*>(Screens().currentState.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(PictureTop(*box), 43);
    EXPECT_TRUE(errors.boxes.empty());

    CloseBox();
    OpenMessageBoxFromFile("Intro", "", "graphics/missing.png");
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text.rfind("Could not load bitmap graphics/missing.png. ", 0), 0u);
}

TEST_F(MessageBoxTest, SecondBoxReplacesTheFirstAndKeepsTheCoveredScreen) {
    OpenMessageBox("Your level has been saved", "", nullptr);
    OpenMessageBox("Your level has been saved", "", nullptr);
    EXPECT_FALSE(coveredDeleted);
    EXPECT_EQ(Screens().savedState.get(), covered);
    CloseBox();
    EXPECT_EQ(Screens().currentState.get(), covered);
}

TEST_F(MessageBoxTest, ChoiceBoxReturnsTheClickedButtonAndResetsTheResult) {
    Push(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, 360, 390));
    Push(MouseButtonEvent(SDL_MOUSEBUTTONUP, 360, 390));
    Push(QuitEvent());  // ends the wait should the click go unseen
    EXPECT_EQ(AskToSave(), 1);
    EXPECT_EQ(Screens().boxResult, -1);
    EXPECT_TRUE(Screens().running);
    EXPECT_EQ(Screens().currentState.get(), covered);
    EXPECT_EQ(Screens().savedState, nullptr);
}

TEST_F(MessageBoxTest, ChoiceBoxIgnoresAResultLeftByAnEarlierBox) {
    Screens().boxResult = 0;  // as the OK button of a plain box leaves it
    Push(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, 360, 390));
    Push(MouseButtonEvent(SDL_MOUSEBUTTONUP, 360, 390));
    Push(QuitEvent());
    EXPECT_EQ(AskToSave(), 1);
}

TEST_F(MessageBoxTest, ChoiceBoxTakesReturnSpaceAndEscapeOnlyAsHotKeys) {
    // Return and Space belong to no button here; Escape is the cancel button's key.
    Push(KeyEvent(SDL_KEYUP, SDLK_RETURN));
    Push(KeyEvent(SDL_KEYUP, SDLK_SPACE));
    Push(KeyEvent(SDL_KEYUP, SDLK_ESCAPE));
    Push(QuitEvent());
    EXPECT_EQ(AskToSave(), 2);
    EXPECT_EQ(Screens().currentState.get(), covered);
    EXPECT_EQ(covered->handled, 0);  // the covered screen never ran while the caller waited
}

TEST_F(MessageBoxTest, ClosingTheWindowEndsTheWaitWithoutAChoice) {
    Push(QuitEvent());
    EXPECT_EQ(AskToSave(), -1);
    EXPECT_FALSE(Screens().running);
    EXPECT_EQ(Screens().boxResult, -1);
    EXPECT_EQ(Screens().currentState.get(), covered);
    EXPECT_EQ(Screens().savedState, nullptr);
    EXPECT_FALSE(coveredDeleted);
}


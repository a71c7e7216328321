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

// The screen a box covers; notices its deletion and the passes it runs, and quits when run so
// that a pass of it never waits.
class CoveredScreen : public GameState {
public:
    CoveredScreen(ScreenManager& manager, bool* deletedFlag)
        : screens(manager), deleted(deletedFlag) {}
    ~CoveredScreen() override { *deleted = true; }
    void HandleEvents() override {
        ++handled;
        screens.Quit();
    }
    void Draw() override {}
    int handled = 0;

private:
    ScreenManager& screens;
    bool* deleted;
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
        auto screen = std::make_unique<CoveredScreen>(screens, &coveredDeleted);
        covered = screen.get();
        screens.SwitchTo([&screen] { return std::move(screen); });
        screens.CarryOutRequests();
    }

    void WriteButton(const std::string& name, int x, int y, SDLKey key) {
        dir.Write("gui/messages/" + name + ".button",
                  std::to_string(x) + " " + std::to_string(y) +
                      " 50 20 gui/b.bmp gui/b.bmp gui/b.bmp " + std::to_string(key) + "\n");
    }

    // Composes a box without buttons, with a 10 by 10 blue picture.
    std::unique_ptr<MessageBoxState> Compose(const std::string& text, int pictureWidth = 10) {
        SDL_Surface* picture = MakeSurface(pictureWidth, 10, 0, 0, 255);
        auto box = std::make_unique<MessageBoxState>(context, "Title", text, picture,
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

    // Asks the question over the covered screen; the answers it gets are kept in `answers`,
    // with whether the covered screen was current again when it got each.
    void AskToSave() {
        OpenChoiceBox(context, "Do you want to save your changes?", "Question",
                      {"./gui/messages/save.button", "./gui/messages/discard.button",
                       "./gui/messages/cancel.button"},
                      [this](int32_t answer) {
                          answers.push_back(answer);
                          answeredOnTop.push_back(screens.Current() == covered);
                      });
        screens.CarryOutRequests();
    }

    bool coveredDeleted = false;
    CoveredScreen* covered = nullptr;
    std::vector<int32_t> answers;
    std::vector<bool> answeredOnTop;
};


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
    MessageBoxState box(context, "", "text", static_cast<SDL_Surface*>(nullptr), {});
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
    MessageBoxState titled(context, std::string(13, 'W') + " " + std::string(13, 'W'), "abc",
                           picture, {});
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
        OpenMessageBox(context, "Well done", "You solved it.", nullptr);
        screens.CarryOutRequests();
        EXPECT_EQ(screens.Covered(), covered);
        auto* box = dynamic_cast<MessageBoxState*>(screens.Current());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->sprites.count, 4);

        Push(KeyEvent(SDL_KEYDOWN, key));
        Push(KeyEvent(SDL_KEYUP, key));
        screens.RunPass();
        EXPECT_EQ(screens.Current(), covered) << key;
        EXPECT_EQ(screens.Covered(), nullptr);
        EXPECT_FALSE(coveredDeleted);
    }
}

TEST_F(MessageBoxTest, BoxFromFileLoadsItsPicture) {
    WritePicture("graphics/tutorial1.bmp", 20, 20, 0, 0, 255);
    OpenMessageBoxFromFile(context, "Intro", "", "graphics/tutorial1.bmp");
    screens.CarryOutRequests();
    auto* box = dynamic_cast<MessageBoxState*>(screens.Current());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(PictureTop(*box), 43);
    EXPECT_TRUE(errors.boxes.empty());

    screens.CloseBox();
    OpenMessageBoxFromFile(context, "Intro", "", "graphics/missing.png");
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text.rfind("Could not load bitmap graphics/missing.png. ", 0), 0u);
}

TEST_F(MessageBoxTest, SecondBoxReplacesTheFirstAndKeepsTheCoveredScreen) {
    OpenMessageBox(context, "Your level has been saved", "", nullptr);
    OpenMessageBox(context, "Your level has been saved", "", nullptr);
    screens.CarryOutRequests();
    EXPECT_FALSE(coveredDeleted);
    EXPECT_EQ(screens.Covered(), covered);
    screens.CloseBox();
    screens.CarryOutRequests();
    EXPECT_EQ(screens.Current(), covered);
}

TEST_F(MessageBoxTest, TheChoiceReachesTheScreenUnderTheBoxOnceTheBoxIsGone) {
    AskToSave();
    Push(MouseButtonEvent(SDL_MOUSEBUTTONDOWN, 360, 390));
    Push(MouseButtonEvent(SDL_MOUSEBUTTONUP, 360, 390));
    screens.RunPass();
    EXPECT_EQ(answers, std::vector<int32_t>{1});
    EXPECT_EQ(answeredOnTop, std::vector<bool>{true});
    EXPECT_TRUE(screens.Running());
    EXPECT_EQ(screens.Current(), covered);
    EXPECT_EQ(screens.Covered(), nullptr);
    EXPECT_EQ(covered->handled, 0);
}

TEST_F(MessageBoxTest, ChoiceBoxTakesReturnSpaceAndEscapeOnlyAsHotKeys) {
    AskToSave();
    // Return and Space belong to no button here; Escape is the cancel button's key.
    Push(KeyEvent(SDL_KEYUP, SDLK_RETURN));
    Push(KeyEvent(SDL_KEYUP, SDLK_SPACE));
    screens.RunPass();
    EXPECT_TRUE(answers.empty());
    EXPECT_NE(screens.Current(), covered);
    Push(KeyEvent(SDL_KEYUP, SDLK_ESCAPE));
    screens.RunPass();
    EXPECT_EQ(answers, std::vector<int32_t>{2});
    EXPECT_EQ(screens.Current(), covered);
    EXPECT_EQ(covered->handled, 0);
}

TEST_F(MessageBoxTest, ClosingTheWindowQuitsWithTheQuestionUpAndNoAnswer) {
    AskToSave();
    Push(QuitEvent());
    screens.RunPass();
    EXPECT_FALSE(screens.Running());
    EXPECT_TRUE(answers.empty());
    EXPECT_NE(dynamic_cast<MessageBoxState*>(screens.Current()), nullptr);
    EXPECT_EQ(screens.Covered(), covered);
    EXPECT_FALSE(coveredDeleted);
}
